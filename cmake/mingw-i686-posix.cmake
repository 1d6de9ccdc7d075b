# 32-bit Windows with Debian's MinGW-w64, POSIX threads: for the end-to-end
# suite, whose GoogleTest needs std::mutex. The program itself is built with
# mingw-i686.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
