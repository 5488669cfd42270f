# SPDX-License-Identifier: MIT
# Cross-compiles Kestrum for 64-bit Windows with Debian's MinGW-w64
# compilers (package g++-mingw-w64-x86-64-posix). The released programs are
# the 32-bit ones (mingw-w64-i686.cmake), which run on every Windows; this
# build runs the tests where Wine cannot start 32-bit programs.
set(KESTRUM_MINGW_TRIPLET x86_64-w64-mingw32)
set(KESTRUM_MINGW_ARCH_FLAGS "")
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64/toolchain_common.cmake)
