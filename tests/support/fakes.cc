// SPDX-License-Identifier: MIT
#include "tests/support/fakes.h"

#include <algorithm>
#include <cstring>

namespace kestrum::testing {
namespace {

class MemoryOutput final : public OutputFile {
 public:
  MemoryOutput(MemoryFileAccess& owner, std::string path)
      : owner_(owner), path_(std::move(path)) {}

  bool Write(std::string_view text) override {
    if (failed_) return false;
    if (owner_.writeFailsAfter &&
        text_.size() + text.size() > *owner_.writeFailsAfter) {
      failed_ = true;
      error_ = "No space left on device";
      return false;
    }
    text_.append(text);
    return true;
  }
  bool Commit() override {
    if (failed_ || owner_.commitFails) {
      error_ = "Input/output error";
      return false;
    }
    Bytes bytes(text_.size());
    // An empty file has no data pointer, which memcpy must not be given.
    if (!text_.empty()) std::memcpy(bytes.data(), text_.data(), text_.size());
    replaced_ = owner_.files.count(path_) != 0;
    owner_.files[path_] = std::move(bytes);
    return true;
  }
  const std::string& Error() const override { return error_; }
  bool ReplacedExisting() const override { return replaced_; }

 private:
  MemoryFileAccess& owner_;
  std::string path_;
  std::string text_;
  std::string error_;
  bool failed_ = false;
  bool replaced_ = false;
};

}  // namespace

std::size_t MemoryInputFile::Read(std::span<std::byte> buffer) {
  const std::optional<std::size_t>& failsAfter = failsAfter_;
  std::size_t end = bytes_.size();
  if (failsAfter && *failsAfter < end) end = *failsAfter;
  const std::size_t count =
      position_ >= end ? 0 : std::min(buffer.size(), end - position_);
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count,
              buffer.begin());
  position_ += count;
  if (count < buffer.size() && failsAfter && *failsAfter < bytes_.size()) {
    error_ = "Input/output error";
  }
  if (position_ == bytes_.size()) readToEnd_ = true;
  return count;
}

bool MemoryInputFile::Seek(std::uint64_t offset) {
  if (offset == 0 && readToEnd_ && rewritten_) bytes_ = *rewritten_;
  position_ = static_cast<std::size_t>(offset);
  return true;
}

Opened<InputFile> MemoryFileAccess::OpenInput(const std::string& path) {
  const auto found = files.find(path);
  if (found == files.end()) return {nullptr, "No such file or directory"};
  if (unreadable.count(path) != 0) return {nullptr, "Permission denied"};
  auto file = std::make_unique<MemoryInputFile>(found->second, readFailsAfter);
  if (inputsRewrittenTo) file->RewriteAfterFirstReading(*inputsRewrittenTo);
  return {std::move(file), {}};
}

Opened<OutputFile> MemoryFileAccess::CreateOutput(const std::string& path,
                                                  bool /*replaceExisting*/) {
  if (uncreatable.count(path) != 0) return {nullptr, "Permission denied"};
  return {std::make_unique<MemoryOutput>(*this, path), {}};
}

bool MemoryFileAccess::SameFile(const std::string& first,
                                const std::string& second) {
  return first == second || aliases.count({first, second}) != 0 ||
         aliases.count({second, first}) != 0;
}

std::optional<std::string> MemoryFileAccess::Text(
    const std::string& path) const {
  const auto found = files.find(path);
  if (found == files.end()) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(found->second.data()),
                     found->second.size());
}

RunResult MemoryRun::Convert(const Bytes& log, const std::string& input,
                             const std::string& output) {
  files.files[input] = log;
  RunEnvironment env{ui, files, clock};
  result = RunConversion({input, output, options}, env);
  return result;
}

std::string MemoryRun::Output(const std::string& output) const {
  std::string text = files.Text(output).value_or("<no file>");
  const std::size_t revised = text.find("Last revised ");
  if (revised != std::string::npos) {
    const std::size_t end = text.find('\n', revised);
    text.replace(revised, end - revised, "Last revised BUILD");
  }
  return text;
}

}  // namespace kestrum::testing
