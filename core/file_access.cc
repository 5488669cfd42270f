// SPDX-License-Identifier: MIT
#include "core/file_access.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace kestrum {
namespace {

namespace fs = std::filesystem;

// The file system's name for `bytes`, an 8-bit path as the program is given
// it. On Windows those bytes are in the ANSI code page, as for every "A"
// function of the system; std::filesystem would read them as Latin-1 there.
fs::path PathOf(const std::string& bytes) {
#ifdef _WIN32
  if (bytes.empty()) return fs::path();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return fs::path(wide);
#else
  return fs::path(bytes);
#endif
}

// Opens `path` for writing in text mode: when `exclusive`, only as a new
// file, never one that is already there; otherwise emptied or created.
std::FILE* OpenTextForWriting(const fs::path& path, bool exclusive) {
#ifdef _WIN32
  // The C library of Windows does not honour "x" in fopen modes.
  const int flags =
      _O_WRONLY | _O_CREAT | _O_TEXT | (exclusive ? _O_EXCL : _O_TRUNC);
  const int descriptor = _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
  if (descriptor < 0) return nullptr;
  std::FILE* file = _fdopen(descriptor, "w");
  if (file == nullptr) _close(descriptor);
  return file;
#else
  return std::fopen(path.c_str(), exclusive ? "wx" : "w");
#endif
}

class DiskInputFile final : public InputFile {
 public:
  explicit DiskInputFile(std::FILE* file) : file_(file) {}
  ~DiskInputFile() override { std::fclose(file_); }
  DiskInputFile(const DiskInputFile&) = delete;
  DiskInputFile& operator=(const DiskInputFile&) = delete;

  std::size_t Read(std::span<std::byte> buffer) override {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file_);
    if (got < buffer.size() && std::ferror(file_)) failed_ = true;
    return got;
  }

  bool Seek(std::uint64_t offset) override {
    if (offset > static_cast<std::uint64_t>(LONG_MAX)) return false;
    return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
  }

  bool Failed() const override { return failed_; }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

// Writes into `file` (opened in text mode) and, on Commit, renames
// `temporary` over `target`; with an empty `temporary` the file is the target
// itself.
class DiskOutputFile final : public OutputFile {
 public:
  DiskOutputFile(std::FILE* file, fs::path temporary, fs::path target)
      : file_(file),
        temporary_(std::move(temporary)),
        target_(std::move(target)) {}

  ~DiskOutputFile() override {
    if (file_ != nullptr) std::fclose(file_);
    if (!committed_ && !temporary_.empty()) {
      std::error_code ignored;
      fs::remove(temporary_, ignored);
    }
  }
  DiskOutputFile(const DiskOutputFile&) = delete;
  DiskOutputFile& operator=(const DiskOutputFile&) = delete;

  bool Write(std::string_view text) override {
    if (failed_ || file_ == nullptr) return false;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
      failed_ = true;
    }
    return !failed_;
  }

  bool Commit() override {
    if (file_ == nullptr) return false;
    const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !flushed || !closed) return false;
    if (temporary_.empty()) return committed_ = true;
    std::error_code error;
    // The new file takes over the permissions of the one it replaces.
    const fs::file_status old = fs::status(target_, error);
    if (!error && fs::exists(old)) {
      fs::permissions(temporary_, old.permissions(), error);
    }
    fs::rename(temporary_, target_, error);
    committed_ = !error;
    return committed_;
  }

 private:
  std::FILE* file_;
  fs::path temporary_;
  fs::path target_;
  bool failed_ = false;
  bool committed_ = false;
};

// The file a path finally names, following symbolic links, so that the
// temporary file is made beside it and the link itself survives.
fs::path ResolvedTarget(const fs::path& path) {
  std::error_code error;
  fs::path target = path;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
    fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

}  // namespace

std::unique_ptr<InputFile> DiskFileAccess::OpenInput(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(PathOf(path), error)) return nullptr;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return std::make_unique<DiskInputFile>(file);
}

std::unique_ptr<OutputFile> DiskFileAccess::CreateOutput(
    const std::string& path) {
  const fs::path target = ResolvedTarget(PathOf(path));
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) return nullptr;
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    // A device or pipe cannot be replaced by renaming; write to it directly.
    std::FILE* file = OpenTextForWriting(target, false);
    if (file == nullptr) return nullptr;
    return std::make_unique<DiskOutputFile>(file, fs::path(), target);
  }
  std::random_device seed;
  std::mt19937 generator(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path temporary = target;
    temporary += ".kestrum-" + std::to_string(generator() % 1000000u) + ".tmp";
    std::FILE* file = OpenTextForWriting(temporary, true);
    if (file != nullptr) {
      return std::make_unique<DiskOutputFile>(file, temporary, target);
    }
    if (!fs::exists(temporary, error)) return nullptr;
  }
  return nullptr;
}

bool DiskFileAccess::SameFile(const std::string& first,
                              const std::string& second) {
  std::error_code error;
  const bool same = fs::equivalent(PathOf(first), PathOf(second), error);
  return !error && same;
}

}  // namespace kestrum
