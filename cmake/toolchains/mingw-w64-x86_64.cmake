# SPDX-License-Identifier: MIT
# Cross-builds the Qt-free core, the command-line tools and their tests for 64-bit Windows with
# Debian's mingw-w64 (POSIX threads), and runs what it built under Wine:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
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

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(QUORVEX_WITH_QT OFF CACHE BOOL "" FORCE)
# The compiler's own run-time (libstdc++, libgcc, winpthread) linked in: the programs run from a
# card or a bare Windows (and Wine) with no DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
