# Windows with Debian's MinGW-w64. TUNELET_WINDOWS_CPU is i686 (the program
# as shipped, 32-bit) or x86_64 (the same program, 64-bit, for the tests on
# machines that cannot run 32-bit programs); TUNELET_MINGW_THREADS is win32
# (no winpthread DLL) or posix (for the end-to-end suite, whose GoogleTest
# needs std::mutex).
if(NOT TUNELET_WINDOWS_CPU)
  set(TUNELET_WINDOWS_CPU i686)
endif()
if(NOT TUNELET_MINGW_THREADS)
  set(TUNELET_MINGW_THREADS win32)
endif()
set(triple ${TUNELET_WINDOWS_CPU}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TUNELET_WINDOWS_CPU})
set(CMAKE_C_COMPILER ${triple}-gcc-${TUNELET_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${triple}-g++-${TUNELET_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
