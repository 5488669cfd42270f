// SPDX-License-Identifier: MIT
#include "bench/bench_log.h"

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "tests/support/log_builder.h"

namespace kestrum::bench {
namespace {

// A small generator of its own, so that every platform makes the same log.
class Random {
 public:
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  int Below(int bound) {
    return static_cast<int>(Next() % static_cast<std::uint32_t>(bound));
  }

 private:
  std::uint64_t state_ = 20111126;
};

// Prefixes as they come in a big DX contest, US and European calls most.
constexpr std::array<const char*, 40> kPrefixes = {
    "K1",  "K3",  "W1",  "W2",  "W4",  "W9",  "N2",  "N5",  "AA1", "KB1",
    "DL1", "DL2", "DK3", "DJ5", "G3",  "G4",  "M0",  "F5",  "F6",  "I2",
    "IK4", "EA3", "EA8", "OH2", "SM5", "OK1", "SP9", "YU1", "9A2", "S5",
    "UA3", "RA9", "JA1", "JH7", "VE3", "VA2", "PY2", "LU1", "VK2", "ZS6"};
constexpr std::array<std::uint32_t, 7> kBandStart = {
    0, 1800000, 3500000, 7000000, 14000000, 21000000, 28000000};

std::string Letters(Random& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text.push_back(static_cast<char>('A' + random.Below(26)));
  }
  return text;
}

testing::TestRecord Contact(Random& random, std::int64_t index,
                            BenchLogKind kind) {
  testing::TestRecord r;
  const int roll = random.Below(1000);
  r.call = kPrefixes[static_cast<std::size_t>(random.Below(40))] +
           Letters(random, 1 + random.Below(3));
  if (roll < 30) r.call += "/P";
  if (roll >= 30 && roll < 35) r.call = std::string("EA8/").append(r.call);
  if (roll == 999 && kind == BenchLogKind::kRealistic) {
    r.call = Letters(random, 5);  // busted: no digit, skipped with a warning
  }
  const int zone = 1 + random.Below(40);
  char zoneText[8];
  std::snprintf(zoneText, sizeof zoneText, random.Below(4) == 0 ? "%02d" : "%d",
                zone);  // 05 or 5
  r.exchange = zoneText;
  if (kind == BenchLogKind::kWarnings) {
    r.call = std::string("K").append(std::to_string(random.Below(10)));
    r.call.append(Letters(random, 3));
    r.exchange = std::string("X").append(Letters(random, 2));  // no state
  }
  r.band = static_cast<std::uint8_t>(1 + random.Below(6));
  r.mode = static_cast<std::uint8_t>(random.Below(5) == 0 ? 2 : 1);
  r.receivedNumber = r.mode == 1 ? 599 : 59;
  r.sentNumber = static_cast<std::uint16_t>(index + 1);
  r.frequencyA = kBandStart[r.band] + 10000 +
                 static_cast<std::uint32_t>(random.Below(90000)) * 10;
  if (roll >= 100 && roll < 120) {
    r.flags = 0x01;  // split
    r.frequencyB = r.frequencyA + 5000;
  }
  r.time = 1322265600 + static_cast<std::int32_t>(index % 172800);
  return r;
}

}  // namespace

bool WriteBenchLog(const std::string& path, std::int64_t contacts,
                   BenchLogKind kind) {
  testing::TestHeader header;
  header.contestIndex = kind == BenchLogKind::kWarnings ? 1 : 0;
  header.contest = kind == BenchLogKind::kWarnings ? "C160" : "CQWW";
  header.call = "K1ABC";
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  const auto write = [&file](const testing::Bytes& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) ==
           bytes.size();
  };
  bool written = write(testing::EncodeHeader(header));
  testing::Bytes block;
  Random random;
  for (std::int64_t i = 0; i < contacts && written; ++i) {
    const testing::Bytes record =
        testing::EncodeRecord(header.generation, Contact(random, i, kind));
    block.insert(block.end(), record.begin(), record.end());
    if (block.size() >= (std::size_t{1} << 20)) {
      written = write(block);
      block.clear();
    }
  }
  return written && write(block) && std::fflush(file.get()) == 0;
}

}  // namespace kestrum::bench
