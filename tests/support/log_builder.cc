// SPDX-License-Identifier: MIT
#include "tests/support/log_builder.h"

#include <algorithm>
#include <cstdio>

#include "core/log_layout.h"

namespace kestrum::testing {
namespace {

// The header and record sizes of a generation come from the decoder's table;
// the offsets below are written out here.
std::size_t HeaderSize(int generation) {
  return LayoutOfGeneration(generation)->headerSize;
}
std::size_t RecordSize(int generation) {
  return LayoutOfGeneration(generation)->recordSize;
}

void PutText(Bytes& bytes, std::size_t offset, const std::string& text,
             std::size_t width) {
  const std::size_t count = std::min(text.size(), width);
  for (std::size_t i = 0; i < count; ++i) {
    bytes.at(offset + i) = static_cast<std::byte>(text[i]);
  }
  if (count < width) bytes.at(offset + count) = std::byte{0};
}

void PutU8(Bytes& bytes, std::size_t offset, unsigned value) {
  bytes.at(offset) = static_cast<std::byte>(value & 0xff);
}

void PutU16(Bytes& bytes, std::size_t offset, unsigned value) {
  PutU8(bytes, offset, value);
  PutU8(bytes, offset + 1, value >> 8);
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  PutU16(bytes, offset, value & 0xffff);
  PutU16(bytes, offset + 2, value >> 16);
}

Bytes EncodeHeader7(const TestHeader& h) {
  Bytes bytes(HeaderSize(7));
  PutU8(bytes, 11, h.powerNumber);
  PutText(bytes, 20, h.call, 14);
  PutText(bytes, 34, h.name, 30);
  PutText(bytes, 64, h.street, 40);
  PutText(bytes, 104, h.town, 27);
  PutText(bytes, 131, h.state, 31);
  PutText(bytes, 162, h.contest, 5);
  PutText(bytes, 167, h.modeText, 4);
  PutText(bytes, 171, h.categoryText, 113);
  PutText(bytes, 284, h.zip, 11);
  PutText(bytes, 295, h.zone, 27);
  PutText(bytes, 322, h.club, 76);
  return bytes;
}

}  // namespace

Bytes EncodeHeader(const TestHeader& h) {
  if (h.generation == 7) return EncodeHeader7(h);
  Bytes bytes(HeaderSize(h.generation));
  PutText(bytes, 0, h.contest, 32);
  PutText(bytes, 32, h.versionText, 16);
  PutText(bytes, 48, h.call, 32);
  PutText(bytes, 80, h.name, 32);
  PutText(bytes, 112, h.street, 64);
  PutText(bytes, 176, h.town, 32);
  PutText(bytes, 208, h.state, 48);
  PutU8(bytes, 256, h.contestIndex);
  PutU8(bytes, 257, h.modeIndex);
  PutU8(bytes, 258, h.categoryNumber);
  PutText(bytes, 486, h.zip, 16);
  PutText(bytes, 502, h.zone, 136);
  PutText(bytes, 638, h.club, 220);
  PutU8(bytes, 858, h.timeFlag);
  return bytes;
}

Bytes EncodeRecord(int generation, const TestRecord& r) {
  if (generation == 7) {
    Bytes bytes(RecordSize(7));
    PutU16(bytes, 0, r.receivedNumber);
    PutU32(bytes, 2, r.frequencyA);
    PutU32(bytes, 6, r.frequencyB);
    PutU32(bytes, 10, static_cast<std::uint32_t>(r.time));
    PutU8(bytes, 14, r.flags);
    PutU8(bytes, 15,
          static_cast<unsigned>((r.band & 0x0f) | (r.mode & 0x0f) << 4));
    PutText(bytes, 16, r.call, 14);
    PutText(bytes, 30, r.exchange, 7);
    // The check shares byte 35 with the sixth exchange character.
    if (r.exchange.size() < 5) PutU8(bytes, 35, r.check);
    return bytes;
  }
  Bytes bytes(RecordSize(generation));
  PutText(bytes, 0, r.call, 16);
  PutText(bytes, 16, r.exchange, 8);
  PutU8(bytes, 24, r.band);
  PutU8(bytes, 25, r.mode);
  PutU8(bytes, 26, r.flags);
  PutU16(bytes, 28, r.receivedNumber);
  if (generation == 10) PutU16(bytes, 30, r.sentNumber);
  PutU8(bytes, 32, r.transmitterCount);
  PutU8(bytes, 33, static_cast<unsigned char>(r.classLetter));
  PutU32(bytes, 34, r.frequencyA);
  PutU32(bytes, 38, r.frequencyB);
  PutU32(bytes, 42, static_cast<std::uint32_t>(r.time));
  PutU8(bytes, 46, r.check);
  PutU8(bytes, 47, static_cast<unsigned char>(r.precedence));
  if (generation == 10) PutText(bytes, 50, r.name, 14);
  return bytes;
}

Bytes BuildLog(const TestHeader& header,
               const std::vector<TestRecord>& records) {
  Bytes bytes = EncodeHeader(header);
  for (const TestRecord& record : records) {
    const Bytes encoded = EncodeRecord(header.generation, record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  return bytes;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::int32_t UtcSeconds(int year, int month, int day, int hour, int minute,
                        int second) {
  // Days from 1970-01-01 to the date, counted from 1 March.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear =
      (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const long long days = era * 146097LL + dayOfEra - 719468;
  return static_cast<std::int32_t>(days * 86400 + hour * 3600 + minute * 60 +
                                   second);
}

}  // namespace kestrum::testing
