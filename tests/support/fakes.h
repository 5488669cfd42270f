// SPDX-License-Identifier: MIT
// In-memory stand-ins for the world around a conversion run: files (with
// failures to inject), a ConversionUi that records what it was asked to show,
// and a clock that tells the times a test gives it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "run/clock.h"
#include "run/conversion_run.h"
#include "run/conversion_ui.h"
#include "run/file_access.h"
#include "tests/support/log_builder.h"

namespace kestrum::testing {

// A log held in memory. With `failsAfter`, reads fail past that many bytes,
// as on damaged media.
class MemoryInputFile final : public InputFile {
 public:
  explicit MemoryInputFile(Bytes bytes,
                           std::optional<std::size_t> failsAfter = {})
      : bytes_(std::move(bytes)), failsAfter_(failsAfter) {}

  // Once it was read to its end, reading it again from the start gives
  // `bytes`: a log that changed while it was converted.
  void RewriteAfterFirstReading(Bytes bytes) { rewritten_ = std::move(bytes); }

  std::size_t Read(std::span<std::byte> buffer) override;
  bool Seek(std::uint64_t offset) override;
  const std::string& Error() const override { return error_; }
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t Position() const { return position_; }

 private:
  Bytes bytes_;
  std::optional<std::size_t> failsAfter_;
  std::optional<Bytes> rewritten_;
  std::size_t position_ = 0;
  bool readToEnd_ = false;
  std::string error_;
};

class MemoryFileAccess final : public FileAccess {
 public:
  std::map<std::string, Bytes> files;  // by name; ADIF files hold their text
  std::set<std::string> unreadable;    // names that cannot be opened
  std::set<std::string> uncreatable;   // names that cannot be created
  // Reads fail after this many bytes of any input (the end of good media).
  std::optional<std::size_t> readFailsAfter;
  // Inputs read to their end once give these bytes when read again.
  std::optional<Bytes> inputsRewrittenTo;
  // Writes fail once this many bytes were written (a full disk).
  std::optional<std::size_t> writeFailsAfter;
  bool commitFails = false;
  // Pairs of names that lead to the same file, besides equal names.
  std::set<std::pair<std::string, std::string>> aliases;

  Opened<InputFile> OpenInput(const std::string& path) override;
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  bool SameFile(const std::string& first, const std::string& second) override;
  bool Exists(const std::string& path) override {
    return files.count(path) != 0;
  }

  // The text of a file, or nullopt when there is none.
  std::optional<std::string> Text(const std::string& path) const;
};

class RecordingUi final : public ConversionUi {
 public:
  std::vector<std::string> errorBoxes;
  std::vector<std::string> informationBoxes;
  std::vector<std::string> messageList;
  std::vector<MessageKind> messageKinds;  // of each line of messageList
  int messageListUpdates = 0;
  // Every ShowProgress call: done, total.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;

  void ShowErrorBox(std::string_view text) override {
    errorBoxes.emplace_back(text);
  }
  void ShowInformationBox(std::string_view text) override {
    informationBoxes.emplace_back(text);
  }
  void ReplaceMessageList(const MessageLog& log) override {
    messageList.clear();
    messageKinds.clear();
    log.ForEachListLine([this](MessageKind kind, std::string_view line) {
      messageList.emplace_back(line);
      messageKinds.push_back(kind);
    });
    ++messageListUpdates;
  }
  void ShowProgress(std::uint64_t done, std::uint64_t total) override {
    progress.emplace_back(done, total);
  }
};

// Tells the times in `times`, one per call, and then the last one again.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::vector<std::int64_t> times)
      : times_(std::move(times)) {}
  std::int64_t Now() override {
    const std::int64_t now = times_.at(std::min(next_, times_.size() - 1));
    ++next_;
    return now;
  }

 private:
  std::vector<std::int64_t> times_;
  std::size_t next_ = 0;
};

// A whole run in memory: the log is "in.bin", the output "out.adi", the clock
// starts at 2026-12-08 00:00:00 UTC and the records take no time.
struct MemoryRun {
  MemoryFileAccess files;
  RecordingUi ui;
  FixedClock clock{{1796688000}};
  ConversionOptions options;
  RunResult result;

  RunResult Convert(const Bytes& log, const std::string& input = "in.bin",
                    const std::string& output = "out.adi");
  // The ADIF text written, with the two header lines that depend on the
  // build ("Last revised") shown as "Last revised BUILD".
  std::string Output(const std::string& output = "out.adi") const;
};

}  // namespace kestrum::testing
