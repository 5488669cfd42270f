// SPDX-License-Identifier: MIT
#include "core/record_decoder.h"

namespace kestrum {
namespace {

// The 10.xx record, whose layout QsoRecord has. The 8.xx and 9.xx record is
// its first 50 bytes, with the sent number (30-31) and byte 49 not read.
namespace record10 {
constexpr std::size_t kCall = 0;  // text, 16 bytes
constexpr std::size_t kCallWidth = 16;
constexpr std::size_t kExchange = 16;  // text, 8 bytes
constexpr std::size_t kExchangeWidth = 8;
constexpr std::size_t kBand = 24;
constexpr std::size_t kMode = 25;
constexpr std::size_t kFlags = 26;
constexpr std::size_t kByte27 = 27;
constexpr std::size_t kReceivedNumber = 28;  // 16-bit
constexpr std::size_t kSentNumber = 30;      // 16-bit
constexpr std::size_t kTransmitterCount = 32;
constexpr std::size_t kClassLetter = 33;
constexpr std::size_t kFrequencyA = 34;  // 32-bit, Hz
constexpr std::size_t kFrequencyB = 38;  // 32-bit, Hz
constexpr std::size_t kTime = 42;        // signed 32-bit seconds
constexpr std::size_t kCheck = 46;
constexpr std::size_t kPrecedence = 47;
constexpr std::size_t kByte48 = 48;
constexpr std::size_t kByte49 = 49;
constexpr std::size_t kName = 50;  // text, 14 bytes
constexpr std::size_t kNameWidth = 14;
constexpr std::size_t kSize = kName + kNameWidth;
constexpr std::size_t kSize8 = kByte49 + 1;  // the 8.xx and 9.xx record
}  // namespace record10

// The 7.xx record.
namespace record7 {
constexpr std::size_t kReceivedNumber = 0;  // 16-bit
constexpr std::size_t kFrequencyA = 2;      // 32-bit, Hz
constexpr std::size_t kFrequencyB = 6;      // 32-bit, Hz
constexpr std::size_t kTime = 10;           // signed 32-bit seconds
constexpr std::size_t kFlags = 14;
constexpr std::size_t kBandAndMode = 15;  // band low four bits, mode high
constexpr std::size_t kCall = 16;         // text, 14 bytes
constexpr std::size_t kCallWidth = 14;
// The exchange runs from byte 30 to its zero byte, at most to the end of
// the record; the check is byte 35, inside the exchange's bytes.
constexpr std::size_t kExchange = 30;
constexpr std::size_t kExchangeWidth = 7;
constexpr std::size_t kCheck = 35;
constexpr std::size_t kSize = kExchange + kExchangeWidth;
}  // namespace record7

static_assert(LayoutOfGeneration(7)->recordSize == record7::kSize);
static_assert(LayoutOfGeneration(8)->recordSize == record10::kSize8);
static_assert(LayoutOfGeneration(9)->recordSize == record10::kSize8);
static_assert(LayoutOfGeneration(10)->recordSize == record10::kSize);

std::uint16_t GeneratedSentNumber(std::int64_t qsosWritten) {
  return static_cast<std::uint16_t>(static_cast<std::uint64_t>(qsosWritten) +
                                    1u);
}

void Decode7(ByteReader& in, std::int64_t qsosWritten, QsoRecord& qso) {
  using namespace record7;
  in.Text(kCall, kCallWidth, qso.call);
  const std::uint8_t bandAndMode = in.U8(kBandAndMode);
  qso.band = bandAndMode & 0x0f;
  qso.mode = bandAndMode >> 4;
  qso.flags = in.U8(kFlags);
  qso.byte27 = 0;
  qso.frequencyA = in.U32(kFrequencyA);
  qso.frequencyB = in.U32(kFrequencyB);
  qso.receivedNumber = in.U16(kReceivedNumber);
  qso.time = in.I32(kTime);
  qso.check = in.U8(kCheck);
  qso.sentNumber = GeneratedSentNumber(qsosWritten);
  in.Text(kExchange, kExchangeWidth, qso.exchange);
  // Fields that a 7.xx record does not store.
  qso.transmitterCount = 0;
  qso.classLetter = 0;
  qso.precedence = 0;
  qso.byte48 = 0;
  qso.byte49 = 0;
  qso.name.clear();
}

void Decode8To10(ByteReader& in, int generation, std::int64_t qsosWritten,
                 QsoRecord& qso) {
  using namespace record10;
  in.Text(kCall, kCallWidth, qso.call);
  in.Text(kExchange, kExchangeWidth, qso.exchange);
  qso.band = in.U8(kBand);
  qso.mode = in.U8(kMode);
  qso.flags = in.U8(kFlags);
  qso.byte27 = in.U8(kByte27);
  qso.receivedNumber = in.U16(kReceivedNumber);
  qso.transmitterCount = in.U8(kTransmitterCount);
  qso.classLetter = static_cast<char>(in.U8(kClassLetter));
  qso.frequencyA = in.U32(kFrequencyA);
  qso.frequencyB = in.U32(kFrequencyB);
  qso.time = in.I32(kTime);
  qso.check = in.U8(kCheck);
  qso.precedence = static_cast<char>(in.U8(kPrecedence));
  qso.byte48 = in.U8(kByte48);
  if (generation == 10) {
    qso.sentNumber = in.U16(kSentNumber);
    qso.byte49 = in.U8(kByte49);
    in.Text(kName, kNameWidth, qso.name);
  } else {
    // 8.xx and 9.xx logs store no usable sent number, and no name.
    qso.sentNumber = GeneratedSentNumber(qsosWritten);
    qso.byte49 = 0;
    qso.name.clear();
  }
}

}  // namespace

bool DecodeRecord(ByteSpan bytes, const LogLayout& layout,
                  std::int64_t qsosWritten, QsoRecord& qso) {
  if (bytes.size() < layout.recordSize) return false;
  ByteReader in(bytes.first(layout.recordSize));
  if (layout.generation == 7) {
    Decode7(in, qsosWritten, qso);
  } else {
    Decode8To10(in, layout.generation, qsosWritten, qso);
  }
  return in.Ok();
}

std::optional<RecordPreview> PreviewRecord(ByteSpan bytes,
                                           const LogLayout& layout) {
  if (bytes.size() < layout.recordSize) return std::nullopt;
  ByteReader in(bytes.first(layout.recordSize));
  RecordPreview preview{};
  if (layout.generation == 7) {
    preview.hasCall = in.U8(record7::kCall) != 0;
    preview.band = in.U8(record7::kBandAndMode) & 0x0f;
  } else {
    preview.hasCall = in.U8(record10::kCall) != 0;
    preview.band = in.U8(record10::kBand);
  }
  if (!in.Ok()) return std::nullopt;
  return preview;
}

}  // namespace kestrum
