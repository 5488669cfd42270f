// SPDX-License-Identifier: MIT
// Reading ADIF text back in tests: the fields of a body as name/value pairs,
// taken by the length each tag states, and the whole body that a context has
// built so far (finished lines and the current line).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/conversion_context.h"

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

// The finished lines of `context`, each followed by '\n' as the file has
// them, then the current line as it stands.
inline std::string BodyText(const ConversionContext& context) {
  std::string text;
  for (const std::string& block : context.lines.Blocks()) text += block;
  return text + context.lineText;
}

}  // namespace kestrum::testing
