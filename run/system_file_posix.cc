// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

#include "run/system_file.h"

namespace kestrum {
namespace {

// How a file of this mode can be read, or why not.
std::optional<FileKind> ReadableKind(mode_t mode, std::string& error) {
  if (S_ISREG(mode)) return FileKind::kRegular;
  if (S_ISFIFO(mode) || S_ISSOCK(mode)) return FileKind::kPipe;
  error = S_ISDIR(mode) ? kIsDirectory : kNotReadableKind;
  return std::nullopt;
}

// Fills in what the open `result.file` is, or closes it with the reason.
void Describe(OpenedForReading& result) {
  struct stat info;
  std::string ignored;
  if (fstat(result.file.native(), &info) != 0) {
    result.error = LastSystemReason();
    result.file.Close(ignored);
    return;
  }
  const std::optional<FileKind> kind = ReadableKind(info.st_mode, result.error);
  if (!kind) {
    result.file.Close(ignored);
    return;
  }
  result.kind = *kind;
  if (*kind == FileKind::kRegular) {
    // Standard input may start inside the file.
    const off_t position = lseek(result.file.native(), 0, SEEK_CUR);
    const off_t start = position > 0 ? position : 0;
    result.start = static_cast<std::uint64_t>(start);
    result.size = info.st_size > start
                      ? static_cast<std::uint64_t>(info.st_size - start)
                      : 0;
  }
}

}  // namespace

std::filesystem::path FileSystemPath(const std::string& bytes) {
  return std::filesystem::path(bytes);
}

std::string SystemReason(unsigned long code) {
  return std::strerror(static_cast<int>(code));
}

std::string LastSystemReason() {
  return SystemReason(static_cast<unsigned long>(errno != 0 ? errno : EIO));
}

SystemFile::Native SystemFile::Closed() { return -1; }

bool SystemFile::IsOpen() const { return native_ >= 0; }

std::optional<std::size_t> SystemFile::ReadSome(std::span<std::byte> buffer,
                                                std::string& error) {
  const std::size_t wanted =
      std::min<std::size_t>(buffer.size(), std::numeric_limits<int>::max());
  for (;;) {
    const ssize_t got = read(native_, buffer.data(), wanted);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) {
      error = LastSystemReason();
      return std::nullopt;
    }
  }
}

bool SystemFile::WriteAll(std::string_view bytes, std::string& error) {
  while (!bytes.empty()) {
    const std::size_t wanted =
        std::min<std::size_t>(bytes.size(), std::numeric_limits<int>::max());
    const ssize_t written = write(native_, bytes.data(), wanted);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // A write that takes nothing without an error is a full device.
      error = written < 0 ? LastSystemReason() : SystemReason(ENOSPC);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool SystemFile::SeekTo(std::uint64_t offset, std::string& error) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
    error = SystemReason(EINVAL);
    return false;
  }
  if (lseek(native_, static_cast<off_t>(offset), SEEK_SET) < 0) {
    error = LastSystemReason();
    return false;
  }
  return true;
}

bool SystemFile::Sync(std::string& error) {
  while (fsync(native_) != 0) {
    if (errno != EINTR) {
      error = LastSystemReason();
      return false;
    }
  }
  return true;
}

bool SystemFile::Close(std::string& error) {
  if (!IsOpen()) return true;
  const int native = native_;
  native_ = Closed();
  if (!owned_) return true;
  // Linux closes the descriptor even when close reports EINTR: never retry.
  if (close(native) != 0 && errno != EINTR) {
    error = LastSystemReason();
    return false;
  }
  return true;
}

OpenedForReading OpenForReading(const std::string& path) {
  OpenedForReading result;
  // Judged before opening: opening a device can wait for it or change it.
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    result.error = LastSystemReason();
    return result;
  }
  if (!ReadableKind(info.st_mode, result.error)) return result;
  // A FIFO without a writer waits here for one, as any reader would.
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) {
    result.error = LastSystemReason();
    return result;
  }
  result.file = SystemFile(descriptor);
  Describe(result);  // what was opened, which may have changed meanwhile
  return result;
}

OpenedForReading OpenStandardInputFile() {
  OpenedForReading result;
  result.file = SystemFile(STDIN_FILENO, false);
  Describe(result);
  return result;
}

}  // namespace kestrum
