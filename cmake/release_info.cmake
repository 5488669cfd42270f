# SPDX-License-Identifier: MIT
# What the release files tell about this version besides its number, which
# project() holds: the release date, taken from the version's entry in
# CHANGELOG.md, and the project's addresses. Sets KESTRUM_RELEASE_DATE,
# KESTRUM_PROJECT_URL, KESTRUM_SCREENSHOT_URL and KESTRUM_MAINTAINER, and
# writes release_info.sh into the build tree for tools/make-deb.sh.

# Where the project is published; the software-centre id
# io.github.kestrum.kestrum is made from it, and never changes once shipped.
set(KESTRUM_PROJECT_URL "https://github.com/kestrum/kestrum")
set(KESTRUM_SCREENSHOT_URL
    "https://raw.githubusercontent.com/kestrum/kestrum/v${PROJECT_VERSION}/doc/images/kestrum-linux.png")
set(KESTRUM_MAINTAINER "the Kestrum developers <kestrum@users.noreply.github.com>")

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
string(REPLACE "." "\\." kestrum_version_pattern "${PROJECT_VERSION}")
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md kestrum_release_heading
     REGEX "^## \\[${kestrum_version_pattern}\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
if(NOT kestrum_release_heading)
  message(FATAL_ERROR
    "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\" "
    "for the version that project() sets.")
endif()
string(REGEX REPLACE "^.* - " "" KESTRUM_RELEASE_DATE "${kestrum_release_heading}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/release_info.sh.in
               ${PROJECT_BINARY_DIR}/release_info.sh @ONLY)
