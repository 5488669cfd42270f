// SPDX-License-Identifier: MIT
#include "web/memory_file_access.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace kestrum::web {
namespace {

class BufferInput final : public InputFile {
 public:
  explicit BufferInput(std::span<const std::byte> log) : log_(log) {}

  std::size_t Read(std::span<std::byte> buffer) override {
    const std::size_t count = std::min(buffer.size(), log_.size() - position_);
    if (count > 0) std::memcpy(buffer.data(), log_.data() + position_, count);
    position_ += count;
    return count;
  }

  bool Seek(std::uint64_t offset) override {
    if (offset > log_.size()) return false;
    position_ = static_cast<std::size_t>(offset);
    return true;
  }

  const std::string& Error() const override { return noError_; }
  std::uint64_t Size() const override { return log_.size(); }

 private:
  std::span<const std::byte> log_;
  std::size_t position_ = 0;
  std::string noError_;
};

class BufferOutput final : public OutputFile {
 public:
  explicit BufferOutput(std::string& committed) : committed_(committed) {}

  bool Write(std::string_view text) override {
    text_.append(text);
    return true;
  }

  bool Commit() override {
    committed_ = std::move(text_);
    return true;
  }

  const std::string& Error() const override { return noError_; }
  bool ReplacedExisting() const override { return false; }

 private:
  std::string& committed_;
  std::string text_;
  std::string noError_;
};

}  // namespace

Opened<InputFile> InMemoryFileAccess::OpenInput(const std::string&) {
  return {std::make_unique<BufferInput>(log_), ""};
}

Opened<OutputFile> InMemoryFileAccess::CreateOutput(const std::string&, bool) {
  return {std::make_unique<BufferOutput>(adif_), ""};
}

bool InMemoryFileAccess::SameFile(const std::string&, const std::string&) {
  return false;
}

bool InMemoryFileAccess::Exists(const std::string&) { return false; }

}  // namespace kestrum::web
