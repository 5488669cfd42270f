# SPDX-License-Identifier: MIT
# What the MinGW-w64 toolchain files share. The including file sets
# KESTRUM_MINGW_TRIPLET, KESTRUM_MINGW_ARCH_FLAGS and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

# The posix-threads variant: std::thread and std::filesystem need it.
set(CMAKE_C_COMPILER ${KESTRUM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRUM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRUM_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRUM_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# printf and its kin from the MinGW runtime rather than msvcrt.dll, so that
# "%4.2f", "%f" and "%lld" format exactly as glibc does.
set(CMAKE_C_FLAGS_INIT "${KESTRUM_MINGW_ARCH_FLAGS} -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "${KESTRUM_MINGW_ARCH_FLAGS} -D__USE_MINGW_ANSI_STDIO=1")
# No DLL of the compiler's to ship: libgcc, libstdc++ and winpthreads are
# linked in. Windows leaves wildcards to each program: CRT_glob.o makes the
# start-up code expand unquoted ones in the arguments (kestrum-convert
# *.bin), as shells elsewhere do.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ /usr/${KESTRUM_MINGW_TRIPLET}/lib/CRT_glob.o")
# Released programs carry no symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Debian packages neither GoogleTest nor CLI11 for MinGW; these two package
# files make the cross build use their sources instead (see the files).
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE PATH
    "GoogleTest for the cross build")
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE PATH "CLI11 for the cross build")

# Test programs, and the test discovery at build time, run under Wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  if(KESTRUM_MINGW_TRIPLET MATCHES "^x86_64")
    find_program(KESTRUM_WINE NAMES wine64
                 PATHS /usr/lib/wine /usr/lib/wine64 NO_CMAKE_FIND_ROOT_PATH)
  else()
    find_program(KESTRUM_WINE NAMES wine NO_CMAKE_FIND_ROOT_PATH)
  endif()
  if(KESTRUM_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTRUM_WINE})
  endif()
endif()
