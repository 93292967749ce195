# The Windows packages, made by cpack in the build folder (scripts/windows does it): an
# installer that installs for the person alone, without administrator rights, and a .zip
# to run from anywhere. Both hold the program with Qt's DLLs, its platform plugin and the
# MinGW runtime's DLLs beside it, where a person can replace them, and a licences folder with
# the notices of everything in them.
install(TARGETS quillmark RUNTIME DESTINATION .)

find_program(QUILLMARK_WINDOWS_PYTHON python3 HINTS /usr/bin REQUIRED)
set(quillmark_notices_tool ${CMAKE_CURRENT_SOURCE_DIR}/windows/notices.py)
# A static Qt (the start-up benchmark's comparison) is all inside the program.
if(QT6_IS_SHARED_LIBS_BUILD)
  include(windows/shared_qt.cmake)
endif()

# The installer's licence page: the program's licence, then what else the package holds and
# where its notices are.
execute_process(COMMAND ${QUILLMARK_WINDOWS_PYTHON} ${quillmark_notices_tool} licence-page
                --licence ${CMAKE_CURRENT_SOURCE_DIR}/copyright
                --out ${CMAKE_CURRENT_BINARY_DIR}/licence.txt COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/copyright ${quillmark_notices_tool})

set(CPACK_PACKAGE_NAME Quillmark)
set(CPACK_PACKAGE_VENDOR Norvanta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds the current a load draws")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillmark)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillmark)
set(CPACK_PACKAGE_FILE_NAME Quillmark-${PROJECT_VERSION}-windows-x64)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/licence.txt)

# The installer's script is the project's own: the one CMake ships installs for every user
# and asks for administrator rights.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(CPACK_NSIS_PACKAGE_NAME Quillmark)
set(CPACK_NSIS_DISPLAY_NAME Quillmark)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/icons/quillmark.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})

include(CPack)
