// SPDX-License-Identifier: MIT
#include "tests/support/adif_checker.h"

#include <cstdio>
#include <optional>

namespace kestrum::testing {
namespace {

constexpr std::string_view kExportLine = "ADIF Export from ZR Version ";
constexpr std::string_view kQsoLine = "\nQSOs:      ";
constexpr std::string_view kEndOfHeader = "<EOH>\n\n";
constexpr std::string_view kEndOfRecord = "EOR";
constexpr std::string_view kRecordTail = " <EOR>";

std::string At(std::string_view what, std::size_t offset) {
  char where[32];
  std::snprintf(where, sizeof where, " at offset 0x%zx", offset);
  return std::string(what) + where;
}

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

struct Tag {
  std::string_view name;
  std::string_view value;  // of a data field; empty for <EOR>
  bool hasLength = false;
  std::size_t end = 0;  // offset just behind the value (or the tag)
};

// Reads the tag at `offset` and, for a data field, the value of the stated
// length. Sets `problem` when the tag is malformed.
std::optional<Tag> ReadTag(std::string_view text, std::size_t offset,
                           std::string& problem) {
  if (offset >= text.size() || text[offset] != '<') {
    problem = At("expected a tag", offset);
    return std::nullopt;
  }
  Tag tag;
  std::size_t i = offset + 1;
  while (i < text.size() && IsNameCharacter(text[i])) ++i;
  tag.name = text.substr(offset + 1, i - offset - 1);
  if (tag.name.empty() || i >= text.size() ||
      (text[i] != ':' && text[i] != '>')) {
    problem = At("malformed tag name", offset);
    return std::nullopt;
  }
  if (text[i] == '>') {
    tag.end = i + 1;
    return tag;
  }
  const std::size_t digits = ++i;
  std::size_t length = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    length = length * 10 + static_cast<std::size_t>(text[i] - '0');
    if (length > text.size()) break;
    ++i;
  }
  if (i == digits || i >= text.size() || text[i] != '>' ||
      (text[digits] == '0' && i - digits > 1)) {
    problem = At("malformed field length", offset);
    return std::nullopt;
  }
  if (length == 0) {
    problem = At("empty value", offset);
    return std::nullopt;
  }
  ++i;
  if (text.size() - i < length) {
    problem = At("value runs past the end of the file", offset);
    return std::nullopt;
  }
  tag.hasLength = true;
  tag.value = text.substr(i, length);
  tag.end = i + length;
  return tag;
}

// The header fields between the free text and <EOH>, each on a line of its
// own. Returns the offset of <EOH>.
std::optional<std::size_t> CheckHeaderFields(std::string_view text,
                                             std::size_t offset,
                                             std::string& problem) {
  struct Expected {
    std::string_view name;
    std::string_view value;  // empty: any value of the stated length
  };
  static constexpr Expected kFields[] = {
      {"ADIF_VER", ""}, {"PROGRAMID", "ZR"}, {"PROGRAMVERSION", ""}};
  for (const Expected& expected : kFields) {
    const std::optional<Tag> tag = ReadTag(text, offset, problem);
    if (!tag) return std::nullopt;
    if (tag->hasLength && (tag->end >= text.size() || text[tag->end] != '\n')) {
      problem = At("header field length differs from its value", offset);
      return std::nullopt;
    }
    if (tag->name != expected.name || !tag->hasLength ||
        (!expected.value.empty() && tag->value != expected.value)) {
      problem = At("unexpected header field", offset);
      return std::nullopt;
    }
    if (expected.name == "ADIF_VER" && tag->value != "2.1.7" &&
        tag->value != "3.1.4") {
      problem = At("unknown ADIF version", offset);
      return std::nullopt;
    }
    offset = tag->end + 1;
  }
  if (text.substr(offset, kEndOfHeader.size()) != kEndOfHeader) {
    problem = At("header fields not closed by <EOH> and an empty line", offset);
    return std::nullopt;
  }
  return offset;
}

std::optional<long long> HeaderQsoCount(std::string_view freeText,
                                        std::string& problem) {
  // The lines after the count are fixed texts, so the last "QSOs:" line is
  // the count even if a station text holds one too.
  const std::size_t line = freeText.rfind(kQsoLine);
  if (line == std::string_view::npos) {
    problem = "header has no QSOs line";
    return std::nullopt;
  }
  std::size_t i = line + kQsoLine.size();
  const bool negative = i < freeText.size() && freeText[i] == '-';
  if (negative) ++i;
  const std::size_t digits = i;
  long long count = 0;
  while (i < freeText.size() && freeText[i] >= '0' && freeText[i] <= '9' &&
         i - digits < 12) {
    count = count * 10 + (freeText[i] - '0');
    ++i;
  }
  if (i == digits || i >= freeText.size() || freeText[i] != '\n') {
    problem = At("malformed QSOs line", line + 1);
    return std::nullopt;
  }
  return negative ? -count : count;
}

void CheckLineWidths(std::string_view text, std::size_t bodyStart,
                     std::string& problem) {
  std::size_t start = bodyStart;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.size() >= kRecordTail.size() &&
        line.substr(line.size() - kRecordTail.size()) == kRecordTail) {
      line.remove_suffix(kRecordTail.size());
    }
    if (line.size() > kAdifLineColumns) {
      problem = At("body line wider than 80 columns", start);
      return;
    }
    start = end + 1;
  }
}

// Reads the records of the body; returns how many there are.
int CheckRecords(std::string_view text, std::size_t bodyStart,
                 std::string& problem) {
  if (text.substr(bodyStart) == "\n") return 0;
  int records = 0;
  std::size_t offset = bodyStart;
  while (offset < text.size()) {
    bool first = true;
    char separator = '\n';
    for (;;) {
      const std::optional<Tag> tag = ReadTag(text, offset, problem);
      if (!tag) return records;
      if (!tag->hasLength) {
        if (tag->name != kEndOfRecord) {
          problem = At("unexpected tag in the body", offset);
          return records;
        }
        if (first || separator != ' ') {
          problem = At("<EOR> does not close a line of fields", offset);
          return records;
        }
        if (text.substr(tag->end, 2) != "\n\n") {
          problem = At("<EOR> not followed by an empty line", offset);
          return records;
        }
        ++records;
        offset = tag->end + 2;
        break;
      }
      if (first && tag->name != "CALL") {
        problem = At("record does not start with CALL", offset);
        return records;
      }
      if (tag->end >= text.size() ||
          (text[tag->end] != ' ' && text[tag->end] != '\n')) {
        problem = At("field length differs from its value", offset);
        return records;
      }
      separator = text[tag->end];
      offset = tag->end + 1;
      first = false;
    }
  }
  if (records == 0)
    problem = At("body holds neither records nor an empty line", bodyStart);
  return records;
}

}  // namespace

AdifCheck CheckAdif(std::string_view text) {
  AdifCheck check;
  if (text.substr(0, kExportLine.size()) != kExportLine) {
    check.problem = "file does not start with the export line";
    return check;
  }
  // Texts from the log have every '<' replaced in the free text, so the first
  // tag of the file opens the header fields.
  const std::size_t fields = text.find('<');
  if (fields == std::string_view::npos) {
    check.problem = "file has no header fields";
    return check;
  }
  const std::optional<long long> count =
      HeaderQsoCount(text.substr(0, fields), check.problem);
  if (!count) return check;
  check.headerQsoCount = *count;
  const std::optional<std::size_t> endOfHeader =
      CheckHeaderFields(text, fields, check.problem);
  if (!endOfHeader) return check;
  const std::size_t bodyStart = *endOfHeader + kEndOfHeader.size();
  check.records = CheckRecords(text, bodyStart, check.problem);
  if (check.problem.empty()) CheckLineWidths(text, bodyStart, check.problem);
  return check;
}

}  // namespace kestrum::testing
