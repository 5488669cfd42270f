// SPDX-License-Identifier: MIT
#include "run/disk_file_access.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "run/disk_input_file.h"
#include "run/system_file.h"

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

// The system's reason for the error number `error`.
std::string Reason(int error) { return std::strerror(error); }

// Writes into `file` (opened in text mode) and, on Commit, renames
// `temporary` over `target`; with an empty `temporary` the file is the target
// itself, and the standard output is flushed but left open.
class DiskOutputFile final : public OutputFile {
 public:
  DiskOutputFile(std::FILE* file, fs::path temporary, fs::path target,
                 bool replaceExisting)
      : file_(file),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        replaceExisting_(replaceExisting) {}

  ~DiskOutputFile() override {
    Close();
    if (!committed_ && !temporary_.empty()) {
      std::error_code ignored;
      fs::remove(temporary_, ignored);
    }
  }
  DiskOutputFile(const DiskOutputFile&) = delete;
  DiskOutputFile& operator=(const DiskOutputFile&) = delete;

  bool Write(std::string_view text) override {
    if (!error_.empty() || file_ == nullptr) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
      Fail(errno);
    }
    return error_.empty();
  }

  bool Commit() override {
    if (file_ == nullptr || !error_.empty()) return false;
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_)) Fail(errno);
    if (!Close()) Fail(errno);
    if (!error_.empty()) return false;
    if (temporary_.empty()) return committed_ = true;
    std::error_code error;
    // The new file takes over the permissions of the one it replaces.
    const fs::file_status old = fs::status(target_, error);
    replaced_ = !error && fs::exists(old);
    if (replaced_ && !replaceExisting_) {
      error_ = Reason(EEXIST);
      return false;
    }
    if (replaced_) fs::permissions(temporary_, old.permissions(), error);
    fs::rename(temporary_, target_, error);
    if (error) {
      error_ = error.message();
      replaced_ = false;
      return false;
    }
    return committed_ = true;
  }

  const std::string& Error() const override { return error_; }
  bool ReplacedExisting() const override { return committed_ && replaced_; }

 private:
  void Fail(int error) {
    if (error_.empty()) error_ = Reason(error != 0 ? error : EIO);
  }
  // Closes the file unless it is the standard output; false on failure.
  bool Close() {
    if (file_ == nullptr) return true;
    std::FILE* file = file_;
    file_ = nullptr;
    if (file == stdout) return true;
    errno = 0;
    return std::fclose(file) == 0;
  }

  std::FILE* file_;
  fs::path temporary_;
  fs::path target_;
  bool replaceExisting_;
  std::string error_;
  bool replaced_ = false;
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

// The log in an opened file: a regular one as it is, a pipe through a
// scratch file.
Opened<InputFile> ReadLog(OpenedForReading opened, std::uint64_t pipeLimit) {
  if (!opened.file.IsOpen()) return {nullptr, std::move(opened.error)};
  if (opened.kind == FileKind::kRegular) {
    return {MakeRegularInput(std::move(opened.file), opened.start, opened.size),
            {}};
  }
  std::string error;
  SystemFile scratch = OpenScratchFile(error);
  if (!scratch.IsOpen()) return {nullptr, std::move(error)};
  return {MakePipeInput(std::move(opened.file), std::move(scratch), pipeLimit),
          {}};
}

}  // namespace

Opened<InputFile> DiskFileAccess::OpenInput(const std::string& path) {
  return ReadLog(OpenForReading(path), pipeLimit_);
}

Opened<InputFile> DiskFileAccess::OpenStandardInput() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  return ReadLog(OpenStandardInputFile(), pipeLimit_);
}

Opened<OutputFile> DiskFileAccess::CreateStandardOutput() {
  return {
      std::make_unique<DiskOutputFile>(stdout, fs::path(), fs::path(), true),
      {}};
}

Opened<OutputFile> DiskFileAccess::CreateOutput(const std::string& path,
                                                bool replaceExisting) {
  const fs::path target = ResolvedTarget(FileSystemPath(path));
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) return {nullptr, Reason(EISDIR)};
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    // A device or pipe cannot be replaced by renaming; write to it directly.
    errno = 0;
    std::FILE* file = OpenTextForWriting(target, false);
    if (file == nullptr) return {nullptr, Reason(errno != 0 ? errno : EIO)};
    return {std::make_unique<DiskOutputFile>(file, fs::path(), target, true),
            {}};
  }
  std::random_device seed;
  std::mt19937 generator(seed());
  int lastError = EEXIST;
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path temporary = target;
    temporary += ".kestrum-" + std::to_string(generator() % 1000000u) + ".tmp";
    errno = 0;
    std::FILE* file = OpenTextForWriting(temporary, true);
    if (file != nullptr) {
      return {std::make_unique<DiskOutputFile>(file, temporary, target,
                                               replaceExisting),
              {}};
    }
    lastError = errno != 0 ? errno : EIO;
    if (lastError != EEXIST) break;
  }
  return {nullptr, Reason(lastError)};
}

bool DiskFileAccess::SameFile(const std::string& first,
                              const std::string& second) {
  std::error_code error;
  const bool same =
      fs::equivalent(FileSystemPath(first), FileSystemPath(second), error);
  return !error && same;
}

bool DiskFileAccess::Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(FileSystemPath(path), error));
}

}  // namespace kestrum
