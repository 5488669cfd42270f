// SPDX-License-Identifier: MIT
#include "base/temp_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#endif

namespace kestrum {
namespace {

#ifdef _WIN32
// The C library of Windows makes tmpfile() in the root folder of the drive,
// where users may not write: the file goes into the user's folder for
// temporary files instead, and the system deletes it when it is closed.
std::FILE* OpenUnnamedFile() {
  wchar_t folder[MAX_PATH + 1];
  wchar_t name[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH ||
      GetTempFileNameW(folder, L"kst", 0, name) == 0) {
    errno = ENOENT;
    return nullptr;
  }
  const HANDLE handle = CreateFileW(
      name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DeleteFileW(name);
    errno = EACCES;
    return nullptr;
  }
  const int descriptor =
      _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, "w+b");
  if (file == nullptr) _close(descriptor);
  return file;
}
#else
// In the system's folder for temporary files ($TMPDIR, else /tmp): unnamed
// where the file system makes such files, else named and removed at once.
std::FILE* OpenUnnamedFile() {
  std::error_code ignored;
  std::filesystem::path folder = std::filesystem::temp_directory_path(ignored);
  if (folder.empty()) folder = "/tmp";
  int descriptor = -1;
#ifdef O_TMPFILE
  descriptor =
      open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
#endif
  if (descriptor < 0) {
    std::string pattern = (folder / "kestrum-XXXXXX").string();
    descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    unlink(pattern.c_str());
  }
  std::FILE* file = fdopen(descriptor, "w+b");
  if (file == nullptr) close(descriptor);
  return file;
}
#endif

}  // namespace

TempFile::TempFile() {
  errno = 0;
  file_ = OpenUnnamedFile();
  if (file_ == nullptr) Fail(errno);
}

TempFile::~TempFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool TempFile::Append(std::span<const std::byte> bytes) {
  if (file_ == nullptr || appendFailed_) return false;
  if (bytes.empty()) return true;
  errno = 0;
  if (!SeekTo(size_) ||
      std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fflush(file_) != 0) {
    // What was written of these bytes lies past Size() and is never read.
    Fail(errno);
    appendFailed_ = true;
    return false;
  }
  size_ += bytes.size();
  return true;
}

std::size_t TempFile::ReadAt(std::uint64_t offset,
                             std::span<std::byte> buffer) {
  if (file_ == nullptr || offset >= size_) return 0;
  if (buffer.size() > size_ - offset) {
    buffer = buffer.first(static_cast<std::size_t>(size_ - offset));
  }
  errno = 0;
  if (!SeekTo(offset)) {
    Fail(errno);
    return 0;
  }
  const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file_);
  if (got < buffer.size()) Fail(errno);
  return got;
}

bool TempFile::SeekTo(std::uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(file_, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
  return fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

void TempFile::Fail(int error) {
  if (error_.empty()) error_ = std::strerror(error != 0 ? error : EIO);
}

}  // namespace kestrum
