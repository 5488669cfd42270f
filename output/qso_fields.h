// SPDX-License-Identifier: MIT
// QsoFields: the way of one contact's fields into the ADIF body, for the
// translation and the exchange mapping. It adds what the body alone does not
// know: the option that chose ADIF 3, whose values are ASCII only, and the
// contact's call, which the warning about a value spelled in ASCII names.
#pragma once

#include <string>
#include <string_view>

#include "core/message_log.h"
#include "output/adif3.h"
#include "output/adif_body.h"

namespace kestrum {

class QsoFields {
 public:
  // `body` and `log` must outlive this object; `call` too.
  QsoFields(AdifBody& body, MessageLog& log, std::string_view call, bool adif3)
      : body_(body), log_(log), call_(call), adif3_(adif3) {}

  // Adds the field to the record (AdifBody::AddField: an empty value adds
  // nothing). In ADIF 3 a value with bytes above 127 is written in ASCII
  // and a warning names the call, the field and both spellings.
  void Add(std::string_view name, std::string_view value) {
    if (NeedsAsciiSpelling(value, adif3_)) {
      AddInAscii(name, value);
    } else {
      body_.AddField(name, value);
    }
  }

  // Closes the record (AdifBody::EndRecord).
  void EndRecord() { body_.EndRecord(); }

  // The run's message log, for the translation's warnings.
  MessageLog& Log() { return log_; }

 private:
  void AddInAscii(std::string_view name, std::string_view value);

  AdifBody& body_;
  MessageLog& log_;
  std::string_view call_;
  bool adif3_;
};

}  // namespace kestrum
