# With a shared Qt, the packages hold Qt's DLLs, its platform plugin and the MinGW runtime's
# DLLs beside the program, and the notices of all of them.

# The platform plugin a Windows program starts on, as Qt names it: the default of its type.
# No other plugin is shipped: the program sets its style, Fusion, which is built into Qt
# Widgets, and reads no image files (its pictures are plain pixels).
get_target_property(quillmark_gui_plugins Qt6::Gui _qt_plugins)
set(quillmark_platform_plugins "")
foreach(plugin IN LISTS quillmark_gui_plugins)
  get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
  get_target_property(default Qt6::${plugin} QT_DEFAULT_PLUGIN)
  if(type STREQUAL "platforms" AND default)
    list(APPEND quillmark_platform_plugins $<TARGET_FILE:Qt6::${plugin}>)
  endif()
endforeach()
if(NOT quillmark_platform_plugins)
  message(FATAL_ERROR "The Windows Qt has no default platform plugin")
endif()
install(FILES ${quillmark_platform_plugins} DESTINATION platforms)

# Every DLL the program and the plugin import from Qt or the compiler's runtime, found in the
# folders they were linked from; what is not found there is Windows' own (the notices check
# proves it of each import). CMake's own search, file(GET_RUNTIME_DEPENDENCIES), folds the
# names to lower case and so misses Qt6Core.dll on Linux.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE quillmark_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(quillmark_gcc_runtime ${quillmark_libgcc} DIRECTORY)
get_target_property(quillmark_qt_core Qt6::Core LOCATION)
get_filename_component(quillmark_qt_bin ${quillmark_qt_core} DIRECTORY)
get_filename_component(quillmark_qt_prefix ${quillmark_qt_bin} DIRECTORY)
set(quillmark_dll_folders ${quillmark_qt_bin} ${quillmark_gcc_runtime})
foreach(root IN LISTS CMAKE_FIND_ROOT_PATH)
  list(APPEND quillmark_dll_folders ${root}/lib)
endforeach()
set(QUILLMARK_DLL_FOLDER_ARGUMENTS "")
foreach(folder IN LISTS quillmark_dll_folders)
  string(APPEND QUILLMARK_DLL_FOLDER_ARGUMENTS " --folder \"${folder}\"")
endforeach()
set(QUILLMARK_OBJDUMP ${CMAKE_OBJDUMP})
set(QUILLMARK_STRIP ${CMAKE_STRIP})
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_dlls.cmake.in
               ${CMAKE_CURRENT_BINARY_DIR}/install_dlls.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/install_dlls.cmake)

# The notices of what the package then holds, from what the Windows Qt's build kept of its
# source (scripts/windows), and a check of them that reads the package (check-notices).
set(quillmark_notices_arguments --qt-prefix ${quillmark_qt_prefix}
    --compiler ${CMAKE_CXX_COMPILER} --licence ${PROJECT_SOURCE_DIR}/packaging/copyright)
install(CODE "execute_process(COMMAND ${QUILLMARK_WINDOWS_PYTHON} ${quillmark_notices_tool} write
    --package \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\" ${quillmark_notices_arguments}
    COMMAND_ERROR_IS_FATAL ANY)")
string(JOIN " " quillmark_check_command ${QUILLMARK_WINDOWS_PYTHON} ${quillmark_notices_tool}
       check ${quillmark_notices_arguments} --objdump ${CMAKE_OBJDUMP})
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/check-notices
     CONTENT "#!/bin/sh\n# check-notices --package DIR_OR_ZIP --system-dir SYSTEM32\nexec ${quillmark_check_command} \"$@\"\n")
file(CHMOD ${PROJECT_BINARY_DIR}/check-notices PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
