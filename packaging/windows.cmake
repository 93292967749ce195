# The Windows packages, made by cpack in the build folder (scripts/windows does it): an
# installer that installs for the person alone, without administrator rights, and a .zip
# that holds the program alone, to run from anywhere. The program links Qt and the C and C++
# runtimes in, so it is all either package needs.
install(TARGETS quillmark RUNTIME DESTINATION .)

set(CPACK_PACKAGE_NAME Quillmark)
set(CPACK_PACKAGE_VENDOR Norvanta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds the current a load draws")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillmark)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillmark)
set(CPACK_PACKAGE_FILE_NAME Quillmark-${PROJECT_VERSION}-windows-x64)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# The installer's script is the project's own: the one CMake ships installs for every user
# and asks for administrator rights.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(CPACK_NSIS_PACKAGE_NAME Quillmark)
set(CPACK_NSIS_DISPLAY_NAME Quillmark)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/icons/quillmark.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})

include(CPack)
