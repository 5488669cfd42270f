// SPDX-License-Identifier: MIT
// What SystemFile does alike on every platform; the system calls are in
// system_file_posix.cc and system_file_win32.cc.
#include "run/system_file.h"

#include <string>

namespace kestrum {

SystemFile::~SystemFile() {
  std::string ignored;
  Close(ignored);
}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : native_(other.native_), owned_(other.owned_) {
  other.native_ = Closed();
}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
  if (this != &other) {
    std::string ignored;
    Close(ignored);
    native_ = other.native_;
    owned_ = other.owned_;
    other.native_ = Closed();
  }
  return *this;
}

}  // namespace kestrum
