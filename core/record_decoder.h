// SPDX-License-Identifier: MIT
// Contact records: the fixed-size records that follow the log header, one
// layout per generation (LogLayout gives the sizes), decoded into the common
// QsoRecord. The fields of each layout are in doc/log_format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/byte_reader.h"
#include "core/log_layout.h"
#include "core/qso_record.h"

namespace kestrum {

// Decodes the record at the start of `bytes` into `qso`, replacing every
// field (texts reuse their storage, so that one QsoRecord serves a whole
// log). Generations 7 to 9 store no sent number: they get `qsosWritten` + 1,
// kept to 16 bits. Returns false, with `qso` unspecified, when `bytes` holds
// fewer than layout.recordSize bytes: the end of the records.
[[nodiscard]] bool DecodeRecord(ByteSpan bytes, const LogLayout& layout,
                                std::int64_t qsosWritten, QsoRecord& qso);

// The two things the count of a log's contacts needs to know of a record,
// read without decoding the rest.
struct RecordPreview {
  bool hasCall;       // the call's first byte is not zero
  std::uint8_t band;  // the stored band number, as DecodeRecord gives it
};

// The preview of the record at the start of `bytes`; nothing when `bytes`
// holds fewer than layout.recordSize bytes.
std::optional<RecordPreview> PreviewRecord(ByteSpan bytes,
                                           const LogLayout& layout);

}  // namespace kestrum
