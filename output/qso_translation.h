// SPDX-License-Identifier: MIT
// QSO translation: one decoded contact becomes one ADIF record. Decides
// whether the contact is written (satellite rule, skip rule), writes the
// common fields, the contest exchange and the optional fields, and closes the
// record.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/conversion_options.h"
#include "core/log_header.h"
#include "core/message_log.h"
#include "core/qso_record.h"
#include "output/adif_body.h"

namespace kestrum {

// What became of a contact. Written and skipped contacts both count as
// written in the run's summary and the header; ignored ones do not.
enum class QsoOutcome {
  kWritten,           // one record in the body
  kSkipped,           // nothing in the body, one warning ("Skipping QSO ...")
  kIgnoredSatellite,  // nothing in the body, no message
};

// Translates `qso` into one record of `body`, with the warnings of the
// contact in `log`.
QsoOutcome TranslateQso(MessageLog& log, const QsoRecord& qso,
                        const LogHeader& header,
                        const ConversionOptions& options, AdifBody& body);

// The satellite rule: whether a contact on the stored band number `band` is
// left out without a message. The run's count of contacts asks it too.
bool IsSatelliteContact(const LogHeader& header, int band, bool sixMeters);

// A frequency in Hz as ADIF megahertz: "%f" of Hz / 1000000, with trailing
// zeros dropped down to three decimals (14025000 gives 14.025, 7025500 gives
// 7.0255, 0 gives 0.000). Made without printf, in a buffer of its own.
class MegahertzText {
 public:
  explicit MegahertzText(std::uint32_t hertz);
  std::string_view View() const { return {text_.data(), size_}; }

 private:
  std::array<char, 12> text_{};  // "4294.967295"
  std::size_t size_ = 0;
};

// The same text as a string.
std::string FormatMegahertz(std::uint32_t hertz);

// The CONTEST_ID generated for a contest index, the effective mode index and
// the contact's month (1-12); empty when the contest has none.
std::string GeneratedContestId(int contestIndex, int modeIndex, int month,
                               bool adif3);

}  // namespace kestrum
