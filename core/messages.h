// SPDX-License-Identifier: MIT
// Every text the conversion shows to people: message-list lines, the message
// boxes and their formats. Kept in one place because they are product text;
// tests compare them byte for byte.
#pragma once

namespace kestrum::text {

// Message boxes of a run.
inline constexpr char kMissingInput[] = "ERROR:  Must specify a ZR BIN file.";
inline constexpr char kMissingOutput[] = "ERROR:  Must specify an ADIF file.";
inline constexpr char kClosingReport[] = "%d QSOs written to %s";
inline constexpr char kInputNotOpened[] =
    "ERROR:  Could not open ZR BIN file %s.";
inline constexpr char kOutputNotCreated[] =
    "ERROR:  Could not create ADIF file %s.";
inline constexpr char kOutputIsInput[] =
    "ERROR:  ADIF file %s is the ZR BIN file itself; choose another name.";
// What an error box adds in front of an error line of the message list.
inline constexpr char kErrorPrefix[] = "ERROR:  ";

// Message-list lines: information.
inline constexpr char kHeaderLine[] = "Contest is %s, Operator is %s, %s";
inline constexpr char kHeaderLine7[] =
    "Contest is %s, Operator is %s, Mode is %s, ZR 7.xx";
inline constexpr char kSummary[] = "%d QSOs written in %d second%s to %s";
inline constexpr char kSummaryNonSatellite[] =
    "%d QSOs written in %d second%s to %s (non-satellite)";
inline constexpr char kSatelliteIgnored[] = "%d QSOs ignored (satellite)";

// Message-list lines: warnings.
inline constexpr char kSkipping[] = "Skipping QSO with %s on %s at %s";
inline constexpr char kNotStateOrProvince[] =
    "%s: %s is not a valid ADIF province or state.";
inline constexpr char kNotProvinceOrSerial[] =
    "%s: %s is not a valid ADIF province or serial number.";
// ADIF 3 output only: the call, the field, the value as the log holds it and
// as it was written.
inline constexpr char kWrittenInAscii[] =
    "%s: %s %s written as %s, since ADIF 3 takes ASCII only.";

// Message-list lines: errors.
inline constexpr char kInvalidHeader[] =
    "ZR file %s does not have a valid header.";
inline constexpr char kUnknownVersion[] =
    "Unknown ZR version, can not convert.\n";
// A read or write that failed, with the system's reason. Nothing was written
// then; kLeftAsItWas follows when the ADIF file was there before.
inline constexpr char kReadFailed[] = "Could not read ZR file %s: %s.";
// The reason of a failed read when the log's bytes differed between the
// run's readings: another program changed the file meanwhile.
inline constexpr char kLogChanged[] = "The log changed while it was converted";
inline constexpr char kWriteFailed[] = "Could not write ADIF file %s: %s.";
inline constexpr char kLeftAsItWas[] = " It was left as it was.";

}  // namespace kestrum::text
