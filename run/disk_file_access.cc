// SPDX-License-Identifier: MIT
#include "run/disk_file_access.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "run/disk_input_file.h"
#include "run/overlapped_writer.h"
#include "run/system_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace kestrum {
namespace {

namespace fs = std::filesystem;

// Text is collected up to this many bytes before it goes to the system.
constexpr std::size_t kWriteBufferBytes = 256 * 1024;

// ADIF text into a ReplacementFile, with the platform's line ends. The
// system writes on a thread of its own (OverlappedWriter) while the
// conversion goes on.
class DiskOutputFile final : public OutputFile {
 public:
  explicit DiskOutputFile(std::unique_ptr<ReplacementFile> file)
      : file_(std::move(file)),
        writer_([this](std::string_view bytes, std::string& error) {
          return file_->File().WriteAll(bytes, error);
        }) {
    buffer_.reserve(kWriteBufferBytes);
  }

  bool Write(std::string_view text) override {
    if (!error_.empty()) return false;
#ifdef _WIN32
    // Text mode: every line feed goes out as CR LF.
    for (const char c : text) {
      if (c == '\n') buffer_ += '\r';
      buffer_ += c;
    }
#else
    buffer_ += text;
#endif
    return buffer_.size() < kWriteBufferBytes || Flush();
  }

  bool Commit() override {
    if (!error_.empty() || !Flush()) return false;
    if (!writer_.Finish()) {
      error_ = writer_.Error();
      return false;
    }
    return file_->Commit(error_);
  }

  const std::string& Error() const override { return error_; }
  bool ReplacedExisting() const override { return file_->ReplacedExisting(); }

 private:
  bool Flush() {
    if (buffer_.empty() || writer_.Write(buffer_)) return true;
    error_ = writer_.Error();
    return false;
  }

  std::unique_ptr<ReplacementFile> file_;
  OverlappedWriter writer_;  // ends before `file_` closes
  std::string buffer_;
  std::string error_;
};

// ADIF text onto the standard output, through the C library's buffer that
// the console messages share, so that the two keep their order.
class StandardOutputFile final : public OutputFile {
 public:
  bool Write(std::string_view text) override {
    if (!error_.empty()) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
      Fail();
    }
    return error_.empty();
  }

  bool Commit() override {
    if (!error_.empty()) return false;
    errno = 0;
    if (std::fflush(stdout) != 0) Fail();
    return error_.empty();
  }

  const std::string& Error() const override { return error_; }
  bool ReplacedExisting() const override { return false; }

 private:
  void Fail() {
#ifdef _WIN32
    // The C library keeps the system's own error number beside errno.
    if (_doserrno != 0) {
      error_ = SystemReason(_doserrno);
      return;
    }
#endif
    error_ = LastSystemReason();
  }

  std::string error_;
};

// The log in an opened file: a regular one as it is, a pipe through a
// scratch file.
Opened<InputFile> ReadLog(OpenedForReading opened, std::uint64_t pipeLimit) {
  if (!opened.file.IsOpen()) return {nullptr, std::move(opened.error)};
  if (opened.kind == FileKind::kRegular) {
    return {MakeRegularInput(std::move(opened.file), opened.start, opened.size),
            {}};
  }
  return MakePipeInput(std::move(opened.file), pipeLimit);
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
  return {std::make_unique<StandardOutputFile>(), {}};
}

Opened<OutputFile> DiskFileAccess::CreateOutput(const std::string& path,
                                                bool replaceExisting) {
  ReplacementFile::Created created =
      ReplacementFile::Create(path, replaceExisting, naming_);
  if (!created.file) return {nullptr, std::move(created.error)};
  return {std::make_unique<DiskOutputFile>(std::move(created.file)), {}};
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
