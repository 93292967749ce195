# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, in its posix thread model,
# which std::thread needs. Used both for the Windows Qt that scripts/windows builds and,
# chained from that Qt's own toolchain file, for Quillmark itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows programs built here run on this machine under Wine: tests and test discovery.
find_program(QUILLMARK_WINE NAMES wine wine64)
if(QUILLMARK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLMARK_WINE})
endif()
