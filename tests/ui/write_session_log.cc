// SPDX-License-Identifier: MIT
// Writes the log that the desktop session test converts through the dialog:
// an 8.05 log whose operator call and one contact's call hold letters of
// code page 1252, so that the message list must decode them, and whose
// second contact (a call without a digit) draws a warning. With CONTACTS,
// the three contacts are repeated to that many, for a run long enough to
// show its progress and with more warnings than the list keeps.
//   write_session_log FILE [CONTACTS]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/log_builder.h"

int main(int argc, char** argv) {
  using namespace kestrum::testing;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: write_session_log FILE [CONTACTS]\n");
    return 2;
  }
  TestHeader header;
  header.generation = 8;
  header.versionText = "ZR 8.05";
  header.contest = "CQ-WW-CW";
  header.call = "DL\xc4X";  // DLÄX
  std::vector<TestRecord> records(3);
  records[0].call = "K1ABC";
  records[0].exchange = "5";
  records[0].frequencyA = 14025000;
  records[0].time = UtcSeconds(2023, 11, 25, 0, 1, 7);
  records[1].call = "G\xd6X";  // GÖX
  records[1].exchange = "14";
  records[1].frequencyA = 14030000;
  records[1].time = UtcSeconds(2023, 11, 25, 0, 2, 9);
  records[2].call = "JA1XYZ";
  records[2].exchange = "25";
  records[2].frequencyA = 21030000;
  records[2].time = UtcSeconds(2023, 11, 25, 0, 3, 11);
  for (TestRecord& record : records) {
    record.band = 3;
    record.mode = 1;
  }
  const long contacts = argc == 3 ? std::atol(argv[2]) : 3;
  for (long i = 3; i < contacts; ++i) {
    TestRecord copy = records[static_cast<std::size_t>(i % 3)];
    copy.time += static_cast<std::int32_t>(i);
    records.push_back(copy);
  }
  if (!WriteFile(argv[1], BuildLog(header, records))) {
    std::fprintf(stderr, "write_session_log: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
