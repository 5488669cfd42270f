// SPDX-License-Identifier: MIT
// Contest exchange mapping: the received exchange of each of the 30 contests
// turned into its ADIF fields (zones, serial numbers, power, sections,
// Sweepstakes precedence and check, Field Day class, grid squares, IOTA
// references, states, provinces, counties, names), with the state and
// province warnings and the flag tag that FLAGS carries.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/conversion_options.h"
#include "core/log_header.h"
#include "core/qso_record.h"
#include "output/qso_fields.h"

namespace kestrum {

// The flag tag of one contact for FLAGS: a two-character tag and its value
// ("/q14"); empty when the contest sets none. Tags and values are short (at
// most ten characters), so the text is kept in place.
class FlagText {
 public:
  // The tag followed by the value, cut to 15 characters.
  void Set(std::string_view tag, std::string_view value) {
    size_ = 0;
    for (const std::string_view part : {tag, value}) {
      for (const char c : part) {
        if (size_ < text_.size()) text_[size_++] = c;
      }
    }
  }
  std::string_view View() const { return {text_.data(), size_}; }

 private:
  std::array<char, 15> text_{};
  std::size_t size_ = 0;
};

// Writes the exchange fields of the log's contest (nothing for an index
// above 29), ending with the Sweepstakes COMMENT when that option is on.
// Returns the contact's flag tag.
FlagText WriteExchangeFields(const QsoRecord& qso, const LogHeader& header,
                             const ConversionOptions& options,
                             QsoFields& fields);

// What the state/province check knows of the contact in hand: whether its
// call is a US or a Canadian one (some contests force the first), and a
// province text that is not to be reported ("NT" in two contests, else "").
struct StateCheck {
  bool callIsUs = false;
  bool callIsCanadian = false;
  std::string_view stateText;
};

// The call areas of a contact's call, with no province text set aside.
StateCheck StateCheckOf(std::string_view call);

// The state/province check shared by several contests: STATE for a US call's
// state, VE_PROV for a Canadian call's province (unless the exchange equals
// stateText; `flagText` then holds the province tag), else a warning for US
// and Canadian calls whose exchange is not "DX". Other countries' exchanges
// are left alone.
void CheckStateOrProvince(const QsoRecord& qso, const StateCheck& check,
                          const ConversionOptions& options, QsoFields& fields,
                          FlagText& flagText);

// STATE = `state`, then CNTY = "state,county".
void WriteStateAndCounty(QsoFields& fields, std::string_view state,
                         std::string_view county);

// NAME = the name with every letter after the first in lower case; a
// two-character name without a vowel (AEIOUY) is kept as it is.
void WriteName(QsoFields& fields, std::string_view name);

}  // namespace kestrum
