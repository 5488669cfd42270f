# SPDX-License-Identifier: MIT
# CLI11 for a MinGW-w64 cross build. CLI11 is headers only; this takes the
# headers of Debian's libcli11-dev, copied into the build tree so that the
# host's /usr/include never reaches the cross compiler. find_package(CLI11)
# reaches this file through CLI11_DIR, which the toolchain file sets.
set(KESTRUM_CLI11_INCLUDE_DIR /usr/include CACHE PATH
    "The folder holding the CLI11 headers (CLI/CLI.hpp)")
if(NOT TARGET CLI11::CLI11)
  if(NOT EXISTS ${KESTRUM_CLI11_INCLUDE_DIR}/CLI/CLI.hpp)
    set(CLI11_FOUND FALSE)
    set(CLI11_NOT_FOUND_MESSAGE
        "no CLI/CLI.hpp in ${KESTRUM_CLI11_INCLUDE_DIR}; install libcli11-dev")
    return()
  endif()
  file(COPY ${KESTRUM_CLI11_INCLUDE_DIR}/CLI
       DESTINATION ${CMAKE_BINARY_DIR}/cli11-include)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/cli11-include)
endif()
set(CLI11_FOUND TRUE)
