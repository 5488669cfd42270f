// SPDX-License-Identifier: MIT
// QsoFields: the way of one contact's fields into the ADIF body, for the
// translation and the exchange mapping, with the run's message log for the
// contact's warnings.
#pragma once

#include <string_view>

#include "core/message_log.h"
#include "output/adif_body.h"

namespace kestrum {

class QsoFields {
 public:
  // `body` and `log` must outlive this object.
  QsoFields(AdifBody& body, MessageLog& log) : body_(body), log_(log) {}

  // Adds the field to the record (AdifBody::AddField: an empty value adds
  // nothing).
  void Add(std::string_view name, std::string_view value) {
    body_.AddField(name, value);
  }

  // Closes the record (AdifBody::EndRecord).
  void EndRecord() { body_.EndRecord(); }

  // The run's message log, for the translation's warnings.
  MessageLog& Log() { return log_; }

 private:
  AdifBody& body_;
  MessageLog& log_;
};

}  // namespace kestrum
