// SPDX-License-Identifier: MIT
#include "output/qso_fields.h"

#include <optional>

#include "base/string_printf.h"
#include "core/messages.h"

namespace kestrum {

void QsoFields::AddInAscii(std::string_view name, std::string_view value) {
  const std::optional<std::string> ascii = AsciiValue(value, adif3_);
  if (!ascii) {
    body_.AddField(name, value);
    return;
  }
  LogMessage(log_, MessageKind::kWarning,
             StringPrintf(text::kWrittenInAscii, std::string(call_).c_str(),
                          std::string(name).c_str(), std::string(value).c_str(),
                          ascii->c_str()));
  body_.AddField(name, *ascii);
}

}  // namespace kestrum
