# Cross build for Windows with Debian's MinGW-w64 and its Win32 thread model, for the target that the including
# toolchain file names in QV_MINGW_TARGET: the POSIX model's runtime (winpthreads) imports calls that Windows 98
# and 2000 lack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QV_MINGW_TARGET})
set(CMAKE_C_COMPILER ${QV_MINGW_TARGET}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${QV_MINGW_TARGET}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${QV_MINGW_TARGET}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QV_MINGW_TARGET}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
