// SPDX-License-Identifier: MIT
#include "tests/support/faulty_file_access.h"

namespace kestrum::testing {
namespace {

constexpr char kRefusedText[] = "Permission denied";
constexpr char kIoErrorText[] = "Input/output error";
constexpr char kNoSpaceText[] = "No space left on device";

class FaultyInput final : public InputFile {
 public:
  FaultyInput(std::unique_ptr<InputFile> inner, FaultyFileAccess& owner)
      : inner_(std::move(inner)), owner_(owner) {}

  std::size_t Read(std::span<std::byte> buffer) override {
    const bool failing = owner_.Fails(FileOperation::kRead);
    if (failing) buffer = buffer.first(buffer.size() / 2);
    if (const auto cut = owner_.CutAt()) {
      const std::uint64_t left = *cut > position_ ? *cut - position_ : 0;
      if (left < buffer.size()) {
        buffer = buffer.first(static_cast<std::size_t>(left));
      }
    }
    const std::size_t got = inner_->Read(buffer);
    position_ += got;
    if (failing && owner_.fault() == Fault::kIoError) error_ = kIoErrorText;
    if (failing && owner_.fault() == Fault::kEndsEarly)
      owner_.SetCut(position_);
    return got;
  }

  bool Seek(std::uint64_t offset) override {
    if (owner_.Fails(FileOperation::kSeek)) return false;
    if (!inner_->Seek(offset)) return false;
    position_ = offset;
    return true;
  }

  const std::string& Error() const override {
    return error_.empty() ? inner_->Error() : error_;
  }
  std::uint64_t Size() const override { return inner_->Size(); }

 private:
  std::unique_ptr<InputFile> inner_;
  FaultyFileAccess& owner_;
  std::uint64_t position_ = 0;
  std::string error_;
};

class FaultyOutput final : public OutputFile {
 public:
  FaultyOutput(std::unique_ptr<OutputFile> inner, FaultyFileAccess& owner)
      : inner_(std::move(inner)), owner_(owner) {}

  bool Write(std::string_view text) override {
    if (owner_.Fails(FileOperation::kWrite)) Fail();
    return error_.empty() && inner_->Write(text);
  }

  bool Commit() override {
    if (owner_.Fails(FileOperation::kCommit)) Fail();
    return error_.empty() && inner_->Commit();
  }

  const std::string& Error() const override {
    return error_.empty() ? inner_->Error() : error_;
  }
  bool ReplacedExisting() const override { return inner_->ReplacedExisting(); }

 private:
  void Fail() {
    error_ = owner_.fault() == Fault::kNoSpace ? kNoSpaceText : kIoErrorText;
  }

  std::unique_ptr<OutputFile> inner_;
  FaultyFileAccess& owner_;
  std::string error_;
};

}  // namespace

std::vector<Fault> FaultsOf(FileOperation operation) {
  switch (operation) {
    case FileOperation::kOpenInput:
      return {Fault::kRefused};
    case FileOperation::kCreateOutput:
      return {Fault::kRefused, Fault::kNoSpace};
    case FileOperation::kRead:
      return {Fault::kIoError, Fault::kEndsEarly};
    case FileOperation::kSeek:
      return {Fault::kIoError};
    case FileOperation::kWrite:
    case FileOperation::kCommit:
      return {Fault::kIoError, Fault::kNoSpace};
  }
  return {};
}

const char* NameOf(FileOperation operation) {
  constexpr const char* kNames[] = {"open input", "create output", "read",
                                    "seek",       "write",         "commit"};
  return kNames[static_cast<int>(operation)];
}

const char* NameOf(Fault fault) {
  constexpr const char* kNames[] = {"refused", "I/O error", "no space",
                                    "ends early"};
  return kNames[static_cast<int>(fault)];
}

bool FaultyFileAccess::Fails(FileOperation operation) {
  operations_.push_back(operation);
  return static_cast<int>(operations_.size()) == failAt_;
}

Opened<InputFile> FaultyFileAccess::OpenInput(const std::string& path) {
  if (Fails(FileOperation::kOpenInput)) return {nullptr, kRefusedText};
  Opened<InputFile> opened = inner_.OpenInput(path);
  if (!opened.file) return opened;
  return {std::make_unique<FaultyInput>(std::move(opened.file), *this), {}};
}

Opened<OutputFile> FaultyFileAccess::CreateOutput(const std::string& path,
                                                  bool replaceExisting) {
  if (Fails(FileOperation::kCreateOutput)) {
    return {nullptr, fault_ == Fault::kNoSpace ? kNoSpaceText : kRefusedText};
  }
  Opened<OutputFile> created = inner_.CreateOutput(path, replaceExisting);
  if (!created.file) return created;
  return {std::make_unique<FaultyOutput>(std::move(created.file), *this), {}};
}

}  // namespace kestrum::testing
