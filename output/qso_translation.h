// SPDX-License-Identifier: MIT
// QSO translation: one decoded contact becomes one ADIF record. Decides
// whether the contact is written (satellite rule, skip rule), writes the
// common fields, the contest exchange and the optional fields, and closes the
// record.
#pragma once

#include <cstdint>
#include <string>

#include "core/conversion_context.h"
#include "core/log_header.h"
#include "core/message_log.h"
#include "core/qso_record.h"

namespace kestrum {

// Translates `qso` into fields of the current output record. Returns nonzero
// when the contact is ignored as a satellite contact (nothing written, no
// message); zero when it was written or skipped with a warning.
int TranslateQso(MessageLog& log, QsoRecord qso, const LogHeader& header,
                 ConversionContext& context);

// A frequency in Hz as ADIF megahertz: "%f" of Hz / 1000000, with trailing
// zeros dropped down to three decimals (14025000 gives 14.025, 7025500 gives
// 7.0255, 0 gives 0.000).
std::string FormatMegahertz(std::uint32_t hertz);

// The CONTEST_ID generated for a contest index, the effective mode index and
// the contact's month (1-12); empty when the contest has none.
std::string GeneratedContestId(int contestIndex, int modeIndex, int month,
                               bool adif3);

}  // namespace kestrum
