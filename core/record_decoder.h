// SPDX-License-Identifier: MIT
// Contact records: the fixed-size records that follow the log header, one
// layout per generation, decoded into the common QsoRecord. The layouts are
// in doc/log_format.md.
#pragma once

#include <cstddef>
#include <span>

#include "core/byte_reader.h"
#include "core/qso_record.h"

namespace kestrum {

// Record sizes of the generations.
inline constexpr std::size_t kRecordSize7 = 37;
inline constexpr std::size_t kRecordSize8 = 50;  // also 9.xx
inline constexpr std::size_t kRecordSize10 = 64;

// The record size of a generation (version / 100): 7, 8, 9 or 10; 0 for any
// other generation, which has no record layout.
std::size_t RecordSizeOf(int generation);

// Decodes one record of `generation` from exactly RecordSizeOf(generation)
// bytes. Generations 7 to 9 store no sent number; they get `qsosWritten` + 1,
// kept to 16 bits.
QsoRecord DecodeRecordBytes(ByteSpan bytes, int generation, int qsosWritten);

}  // namespace kestrum
