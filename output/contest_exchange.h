// SPDX-License-Identifier: MIT
// Contest exchange mapping: the received exchange of each of the 30 contests
// turned into its ADIF fields (zones, serial numbers, power, sections,
// Sweepstakes precedence and check, Field Day class, grid squares, IOTA
// references, states, provinces, counties, names), with the state and
// province warnings and the flag tag that FLAGS carries.
#pragma once

#include <string_view>

#include "core/conversion_context.h"
#include "core/log_header.h"
#include "core/message_log.h"
#include "core/qso_record.h"

namespace kestrum {

// Sets the per-contact scratch fields of `context` and writes the exchange
// fields of the log's contest (nothing for an index above 29), ending with
// the Sweepstakes COMMENT when that option is on.
void WriteExchangeFields(MessageLog& log, const QsoRecord& qso,
                         const LogHeader& header, ConversionContext& context);

// The state/province check shared by several contests: STATE for a US call's
// state, VE_PROV for a Canadian call's province (unless the exchange equals
// the context's stateText), else a warning for US and Canadian calls whose
// exchange is not "DX". Other countries' exchanges are left alone.
void CheckStateOrProvince(MessageLog& log, const QsoRecord& qso,
                          ConversionContext& context);

// STATE = `state`, then CNTY = "state,county".
void WriteStateAndCounty(ConversionContext& context, std::string_view state,
                         std::string_view county);

// NAME = the name with every letter after the first in lower case; a
// two-character name without a vowel (AEIOUY) is kept as it is.
void WriteName(ConversionContext& context, std::string_view name);

}  // namespace kestrum
