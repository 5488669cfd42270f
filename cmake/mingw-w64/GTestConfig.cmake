# SPDX-License-Identifier: MIT
# GoogleTest for a MinGW-w64 cross build, built from the sources that
# Debian's googletest package installs, as part of the build that uses it.
# find_package(GTest) reaches this file through GTest_DIR, which the
# toolchain file sets.
set(KESTRUM_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources for the cross build")
if(NOT TARGET GTest::gtest)
  if(NOT EXISTS ${KESTRUM_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    set(GTest_FOUND FALSE)
    set(GTest_NOT_FOUND_MESSAGE
        "no GoogleTest sources in ${KESTRUM_GOOGLETEST_SOURCE_DIR}; install googletest")
    return()
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Windows threads instead of pthreads.
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(${KESTRUM_GOOGLETEST_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
set(GTest_FOUND TRUE)
