// SPDX-License-Identifier: MIT
// A FileAccess that hands everything to another one (in memory or on disk)
// and makes one chosen operation of a run fail: the fault-injection harness.
// It counts the operations on files (opening, creating, reading, seeking,
// writing, committing) in the order a run makes them, so a test first runs
// cleanly to learn them and then fails each one in turn, in every way that
// operation can fail, without knowing how the run is built.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/file_access.h"

namespace kestrum::testing {

enum class FileOperation {
  kOpenInput,
  kCreateOutput,
  kRead,
  kSeek,
  kWrite,
  kCommit
};

enum class Fault {
  kRefused,    // open or create: "Permission denied"
  kIoError,    // read: half the bytes, then "Input/output error"; seek,
               // write, commit: "Input/output error"
  kNoSpace,    // create, write, commit: "No space left on device"
  kEndsEarly,  // read: half the bytes, then the log ends, as when another
               // program cuts it; no error is reported
};

// The faults that `operation` can meet.
std::vector<Fault> FaultsOf(FileOperation operation);

const char* NameOf(FileOperation operation);
const char* NameOf(Fault fault);

class FaultyFileAccess final : public FileAccess {
 public:
  // Fails the operation numbered `failAt` (from 1; 0 fails nothing) with
  // `fault`.
  FaultyFileAccess(FileAccess& inner, int failAt, Fault fault)
      : inner_(inner), failAt_(failAt), fault_(fault) {}

  Opened<InputFile> OpenInput(const std::string& path) override;
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  bool SameFile(const std::string& first, const std::string& second) override {
    return inner_.SameFile(first, second);
  }
  bool Exists(const std::string& path) override { return inner_.Exists(path); }

  // Every operation counted so far, in order.
  const std::vector<FileOperation>& Operations() const { return operations_; }
  // With kEndsEarly on a read: the byte offset where the log was cut.
  std::optional<std::uint64_t> CutAt() const { return cutAt_; }

  // Counts `operation`; true when it is the one to fail.
  bool Fails(FileOperation operation);
  Fault fault() const { return fault_; }
  void SetCut(std::uint64_t offset) { cutAt_ = offset; }

 private:
  FileAccess& inner_;
  int failAt_;
  Fault fault_;
  std::vector<FileOperation> operations_;
  std::optional<std::uint64_t> cutAt_;
};

}  // namespace kestrum::testing
