# As mingw-w64.cmake, with MinGW-w64's POSIX thread model, which GoogleTest
# needs: for the Windows build of the tests, not of the programs.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
