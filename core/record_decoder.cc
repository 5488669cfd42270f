// SPDX-License-Identifier: MIT
#include "core/record_decoder.h"

#include <array>

#include "core/byte_reader.h"

namespace kestrum {
namespace {

// 7.xx record: offsets and widths of its fields.
constexpr std::size_t kCall7 = 16, kCallWidth7 = 14;
constexpr std::size_t kExchange7 = 30, kExchangeWidth7 = 7;
constexpr std::size_t kBandAndMode7 = 15, kFlags7 = 14, kCheck7 = 35;

std::uint16_t GeneratedSentNumber(int qsosWritten) {
  return static_cast<std::uint16_t>(static_cast<unsigned>(qsosWritten) + 1u);
}

QsoRecord Decode7(ByteSpan bytes, int qsosWritten) {
  QsoRecord qso;
  qso.call = ReadText(bytes, kCall7, kCallWidth7);
  const std::uint8_t bandAndMode = ReadU8(bytes, kBandAndMode7);
  qso.band = bandAndMode & 0x0f;
  qso.mode = bandAndMode >> 4;
  qso.flags = ReadU8(bytes, kFlags7);
  qso.frequencyA = ReadU32(bytes, 2);
  qso.frequencyB = ReadU32(bytes, 6);
  qso.receivedNumber = ReadU16(bytes, 0);
  qso.time = ReadI32(bytes, 10);
  qso.check = ReadU8(bytes, kCheck7);
  qso.sentNumber = GeneratedSentNumber(qsosWritten);
  // The exchange shares byte 35 with the check: a five-character exchange
  // runs into it.
  qso.exchange = ReadText(bytes, kExchange7, kExchangeWidth7);
  return qso;
}

// The fields that the 8.xx/9.xx and 10.xx records share at the same offsets.
void DecodeCommon(ByteSpan bytes, QsoRecord& qso) {
  qso.call = ReadText(bytes, 0, 16);
  qso.exchange = ReadText(bytes, 16, 8);
  qso.band = ReadU8(bytes, 24);
  qso.mode = ReadU8(bytes, 25);
  qso.flags = ReadU8(bytes, 26);
  qso.byte27 = ReadU8(bytes, 27);
  qso.receivedNumber = ReadU16(bytes, 28);
  qso.transmitterCount = ReadU8(bytes, 32);
  qso.classLetter = static_cast<char>(ReadU8(bytes, 33));
  qso.frequencyA = ReadU32(bytes, 34);
  qso.frequencyB = ReadU32(bytes, 38);
  qso.time = ReadI32(bytes, 42);
  qso.check = ReadU8(bytes, 46);
  qso.precedence = static_cast<char>(ReadU8(bytes, 47));
  qso.byte48 = ReadU8(bytes, 48);
}

}  // namespace

std::size_t RecordSizeOf(int generation) {
  switch (generation) {
    case 7:
      return kRecordSize7;
    case 8:
    case 9:
      return kRecordSize8;
    case 10:
      return kRecordSize10;
    default:
      return 0;
  }
}

QsoRecord DecodeRecordBytes(ByteSpan bytes, int generation, int qsosWritten) {
  if (generation == 7) return Decode7(bytes, qsosWritten);
  QsoRecord qso;
  DecodeCommon(bytes, qso);
  if (generation == 10) {
    qso.sentNumber = ReadU16(bytes, 30);
    qso.byte49 = ReadU8(bytes, 49);
    qso.name = ReadText(bytes, 50, 14);
  } else {
    // 8.xx and 9.xx logs store no usable sent number.
    qso.sentNumber = GeneratedSentNumber(qsosWritten);
  }
  return qso;
}

}  // namespace kestrum
