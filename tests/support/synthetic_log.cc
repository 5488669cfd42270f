// SPDX-License-Identifier: MIT
#include "tests/support/synthetic_log.h"

#include <cstdint>
#include <string>

namespace kestrum::testing {

Bytes SyntheticLog(int contacts) {
  TestHeader header;
  header.contestIndex = 0;
  std::vector<TestRecord> records;
  records.reserve(static_cast<std::size_t>(contacts));
  static constexpr std::uint32_t kBandStart[] = {
      0, 1800000, 3500000, 7000000, 14000000, 21000000, 28000000};
  for (int i = 0; i < contacts; ++i) {
    TestRecord r;
    r.call = "DL" + std::to_string(i % 10) + "A" +
             std::string(1, static_cast<char>('A' + i % 26)) + "C";
    r.exchange = std::to_string(1 + i % 40);
    r.band = static_cast<std::uint8_t>(1 + i % 6);
    r.mode = 1;
    r.receivedNumber = 599;
    r.sentNumber = static_cast<std::uint16_t>(i + 1);
    r.frequencyA =
        kBandStart[r.band] + 25000 + static_cast<std::uint32_t>(i % 50) * 100;
    r.time = 1700000000 + i * 7;
    records.push_back(r);
  }
  return BuildLog(header, records);
}

}  // namespace kestrum::testing
