// SPDX-License-Identifier: MIT
#include "core/message_log.h"

#include <cstdint>
#include <utility>

#include "base/temp_file.h"

namespace kestrum {
namespace {

// Lines go to the file in chunks of about this size: few writes, and little
// memory for the lines on their way.
constexpr std::size_t kChunkSize = std::size_t{64} << 10;

// Each line in the file: its length as four bytes, least significant first,
// then its bytes (which may hold anything, line feeds included).
constexpr std::size_t kLengthBytes = 4;

void AppendRecord(std::string& chunk, std::string_view line) {
  const auto length = static_cast<std::uint32_t>(line.size());
  for (std::size_t i = 0; i < kLengthBytes; ++i) {
    chunk.push_back(static_cast<char>(length >> (8 * i) & 0xff));
  }
  chunk.append(line);
}

// Cuts whole records from the front of `bytes`, passing each line to
// `visit`; returns how many bytes that used. A record cut off at the end of
// `bytes` is left for the caller to complete.
std::size_t VisitRecords(std::string_view bytes,
                         const std::function<void(std::string_view)>& visit) {
  std::size_t at = 0;
  while (bytes.size() - at >= kLengthBytes) {
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kLengthBytes; ++i) {
      length |=
          static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]))
          << (8 * i);
    }
    if (bytes.size() - at - kLengthBytes < length) break;
    visit(bytes.substr(at + kLengthBytes, length));
    at += kLengthBytes + length;
  }
  return at;
}

// The memory a line held in a vector takes.
std::size_t CostOf(const std::string& line) {
  return sizeof(std::string) + line.capacity();
}

}  // namespace

// The lines of one kind that did not fit the budget: written to a temporary
// file chunk by chunk. If a write fails, the chunk stays in memory and the
// spill takes no more lines.
class MessageLog::Spill {
 public:
  bool Broken() const { return broken_; }

  // Adds a line; false when the spill takes no more lines (nothing added).
  bool Add(std::string_view line) {
    if (broken_) return false;
    AppendRecord(pending_, line);
    if (pending_.size() >= kChunkSize) {
      if (file_.Append(pending_)) {
        pending_.clear();
      } else {
        broken_ = true;
      }
    }
    return true;
  }

  void ForEachLine(const std::function<void(std::string_view)>& visit) const {
    std::string buffer;
    std::uint64_t offset = 0;
    while (offset < file_.Size()) {
      const std::size_t kept = buffer.size();
      buffer.resize(kept + kChunkSize);
      const std::size_t got = file_.ReadAt(
          offset, std::as_writable_bytes(std::span(buffer)).subspan(kept));
      buffer.resize(kept + got);
      if (got == 0) break;  // a file that cannot be read back
      offset += got;
      buffer.erase(0, VisitRecords(buffer, visit));
    }
    VisitRecords(pending_, visit);
  }

 private:
  mutable TempFile file_;
  std::string pending_;  // records not yet in the file
  bool broken_ = !file_.IsOpen();
};

MessageLog::MessageLog(std::size_t memoryBudget)
    : memoryBudget_(memoryBudget) {}
MessageLog::~MessageLog() = default;
MessageLog::MessageLog(MessageLog&&) noexcept = default;
MessageLog& MessageLog::operator=(MessageLog&&) noexcept = default;

void MessageLog::Add(MessageKind kind, std::string text) {
  Group& group = groups_[static_cast<std::size_t>(kind)];
  ++group.count;
  // Once a kind spills, its later lines follow it there, so that the lines
  // stay in order: memory first, then the file, then memory again.
  if (!group.spill && bytesInMemory_ + CostOf(text) > memoryBudget_) {
    group.spill = std::make_unique<Spill>();
  }
  if (group.spill && group.spill->Add(text)) return;
  bytesInMemory_ += CostOf(text);
  (group.spill ? group.tail : group.head).push_back(std::move(text));
}

std::size_t MessageLog::Count(MessageKind kind) const {
  return groups_[static_cast<std::size_t>(kind)].count;
}

std::vector<std::string> MessageLog::Of(MessageKind kind) const {
  std::vector<std::string> lines;
  ForEachLine(groups_[static_cast<std::size_t>(kind)],
              [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

void MessageLog::ForEachLine(
    const Group& group,
    const std::function<void(std::string_view)>& visit) const {
  for (const std::string& line : group.head) visit(line);
  if (group.spill) group.spill->ForEachLine(visit);
  for (const std::string& line : group.tail) visit(line);
}

void MessageLog::ForEachListLine(
    const std::function<void(MessageKind, std::string_view)>& visit) const {
  for (const MessageKind kind : {MessageKind::kInformation,
                                 MessageKind::kWarning, MessageKind::kError}) {
    const Group& group = groups_[static_cast<std::size_t>(kind)];
    if (group.count == 0) continue;
    ForEachLine(group, [&](std::string_view line) { visit(kind, line); });
    visit(kind, std::string_view());
  }
}

void LogMessage(MessageLog& log, MessageKind kind, std::string text) {
  log.Add(kind, std::move(text));
}

std::vector<std::string> MessageListLines(const MessageLog& log) {
  std::vector<std::string> shown;
  log.ForEachListLine([&shown](MessageKind, std::string_view line) {
    shown.emplace_back(line);
  });
  return shown;
}

}  // namespace kestrum
