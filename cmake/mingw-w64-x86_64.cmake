# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX thread model,
# whose std::thread works). The programs are linked statically, one .exe each with no DLLs
# beside it, and ctest runs the test programs under wine in a prefix of the build's own.
#   cmake -S . -B build-win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
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

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# The wine64 loader itself: the wine package's wrapper script only adds a hint about 32-bit wine.
find_program(KUITTI_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(KUITTI_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
# Every test under the one locale: wine rewrites the prefix's regional settings whenever a
# program starts under another one, which would change the decimal separator under the feet
# of a test running beside it.
set(CMAKE_CROSSCOMPILING_EMULATOR env LC_ALL=fi_FI.UTF-8 WINEPREFIX=${KUITTI_WINEPREFIX}
  WINEDEBUG=-all WINE64=${KUITTI_WINE64} ${CMAKE_CURRENT_LIST_DIR}/wine-run)
