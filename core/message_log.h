// SPDX-License-Identifier: MIT
// MessageLog: the information, warning and error lines of one conversion run,
// and the order in which the message list shows them. A log with many
// warnings does not grow without bound: lines past a memory budget go to an
// unnamed temporary file and are read back, in order, when the list is shown.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

enum class MessageKind { kInformation = 0, kWarning = 1, kError = 2 };

class MessageLog {
 public:
  // What the lines held in memory may take together, in bytes, before later
  // lines go to a temporary file.
  static constexpr std::size_t kDefaultMemoryBudget = std::size_t{2} << 20;

  explicit MessageLog(std::size_t memoryBudget = kDefaultMemoryBudget);
  ~MessageLog();
  MessageLog(MessageLog&&) noexcept;
  MessageLog& operator=(MessageLog&&) noexcept;

  // Adds `text` as the newest line of its kind. No line is ever dropped:
  // when the temporary file cannot be made or written, lines stay in memory.
  void Add(MessageKind kind, std::string text);

  // How many lines of `kind` were added.
  std::size_t Count(MessageKind kind) const;

  // The lines of `kind`, oldest first (a copy; for short logs and tests).
  std::vector<std::string> Of(MessageKind kind) const;

  // Calls `visit` for every line of the message list in order: the
  // information lines, then the warnings, then the errors, each group oldest
  // first and closed by one empty line, which comes with the group's kind. A
  // kind without lines gives nothing, not even the empty line. The text
  // passed is valid only during the call.
  void ForEachListLine(
      const std::function<void(MessageKind, std::string_view)>& visit) const;

  // The bytes that the lines held in memory take (texts and their strings).
  std::size_t BytesInMemory() const { return bytesInMemory_; }

 private:
  class Spill;
  struct Group {
    std::vector<std::string> head;  // the oldest lines, in memory
    std::unique_ptr<Spill> spill;   // the lines after them, in a file
    std::vector<std::string> tail;  // lines after a failed spill, in memory
    std::size_t count = 0;
  };

  void ForEachLine(const Group& group,
                   const std::function<void(std::string_view)>& visit) const;

  std::array<Group, 3> groups_;
  std::size_t memoryBudget_;
  std::size_t bytesInMemory_ = 0;
};

// Adds `text` to the list of `kind`.
void LogMessage(MessageLog& log, MessageKind kind, std::string text);

// The texts of the message list, in the order of ForEachListLine.
std::vector<std::string> MessageListLines(const MessageLog& log);

}  // namespace kestrum
