// SPDX-License-Identifier: MIT
// Reading ADIF text back in tests: the fields of a body as name/value pairs,
// taken by the length each tag states, and a body built in memory.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "output/adif_body.h"
#include "output/text_sink.h"

namespace kestrum::testing {

using AdifField = std::pair<std::string, std::string>;

// The data fields of `text` in order. Tags without a length (<EOR>, <EOH>)
// are passed over; a value is read by its stated length, so a value that
// holds '<' or a blank is returned whole.
inline std::vector<AdifField> ParseAdifFields(std::string_view text) {
  std::vector<AdifField> fields;
  std::size_t position = 0;
  while ((position = text.find('<', position)) != std::string_view::npos) {
    const std::size_t close = text.find('>', position);
    if (close == std::string_view::npos) break;
    const std::size_t colon = text.find(':', position);
    if (colon == std::string_view::npos || colon > close) {
      position = close + 1;
      continue;
    }
    const std::string length(text.substr(colon + 1, close - colon - 1));
    const std::size_t count = std::strtoul(length.c_str(), nullptr, 10);
    fields.emplace_back(
        std::string(text.substr(position + 1, colon - position - 1)),
        std::string(text.substr(close + 1, count)));
    position = close + 1 + count;
  }
  return fields;
}

// The value of the first field called `name`, or nothing.
inline std::optional<std::string> FieldValue(
    const std::vector<AdifField>& fields, std::string_view name) {
  for (const AdifField& field : fields) {
    if (field.first == name) return field.second;
  }
  return std::nullopt;
}

// An AdifBody that writes into memory, with small blocks so that tests see
// the text go to the sink.
struct MemoryBody {
  StringSink sink;
  AdifBody body{sink, 256};

  // Everything written so far: what the sink took, then what the body holds
  // (finished lines, each followed by '\n', and the current line).
  std::string Text() const {
    return sink.Text() + std::string(body.HeldText());
  }
};

}  // namespace kestrum::testing
