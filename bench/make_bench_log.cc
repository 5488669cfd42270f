// SPDX-License-Identifier: MIT
// Writes a large log for measuring the converter from outside, for example
// its peak memory with /usr/bin/time -v kestrum-convert.
//
//   make_bench_log CONTACTS FILE [--warnings]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_log.h"

int main(int argc, char** argv) {
  const bool warnings = argc == 4 && std::string(argv[3]) == "--warnings";
  if (argc != 3 && !warnings) {
    std::fprintf(stderr, "usage: make_bench_log CONTACTS FILE [--warnings]\n");
    return 2;
  }
  const long long contacts = std::atoll(argv[1]);
  using kestrum::bench::BenchLogKind;
  if (contacts < 0 ||
      !kestrum::bench::WriteBenchLog(
          argv[2], contacts,
          warnings ? BenchLogKind::kWarnings : BenchLogKind::kRealistic)) {
    std::fprintf(stderr, "make_bench_log: could not write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
