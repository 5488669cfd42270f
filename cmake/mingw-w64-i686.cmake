# SPDX-License-Identifier: MIT
# Cross-compiles Kestrum for 32-bit Windows with Debian's MinGW-w64
# compilers (package g++-mingw-w64-i686-posix):
#
#   cmake -S . -B build-win32 -G Ninja \
#     --toolchain cmake/mingw-w64-i686.cmake
#
# The programs are linked statically, so each .exe runs on its own. Double
# arithmetic goes through SSE2, as on x86_64: with the x87 unit's excess
# precision, version numbers, band edges and frequencies could round
# differently from the Linux build.
set(KESTRUM_MINGW_TRIPLET i686-w64-mingw32)
set(KESTRUM_MINGW_ARCH_FLAGS "-msse2 -mfpmath=sse")
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64/toolchain_common.cmake)
