// SPDX-License-Identifier: MIT
// The native half of the browser timing. Writes a synthetic log of CONTACTS
// contacts to LOG and converts it RUNS times through the same C interface the
// browser calls, with the dialog's default options; prints the fastest run as
// one line of JSON: {"contacts":..,"qsosWritten":..,"adifBytes":..,"ms":..}.
// Usage: web_native_timing LOG [CONTACTS [RUNS]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/log_builder.h"
#include "tests/support/synthetic_log.h"
#include "web/kestrum_web.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: web_native_timing LOG [CONTACTS [RUNS]]\n");
    return 2;
  }
  const int contacts = argc > 2 ? std::atoi(argv[2]) : 100000;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
  if (contacts < 0 || runs < 1) {
    std::fprintf(stderr, "web_native_timing: error: bad count\n");
    return 2;
  }
  const kestrum::testing::Bytes log = kestrum::testing::SyntheticLog(contacts);
  if (!kestrum::testing::WriteFile(argv[1], log)) {
    std::fprintf(stderr, "web_native_timing: error: cannot write %s\n",
                 argv[1]);
    return 1;
  }

  double fastest = 0.0;
  int qsosWritten = 0;
  std::size_t adifBytes = 0;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    KestrumWebResult* result =
        kestrum_web_convert(reinterpret_cast<const std::uint8_t*>(log.data()),
                            log.size(), "timing.bin", "timing.adi",
                            KESTRUM_WEB_SECONDS | KESTRUM_WEB_FREQUENCY, "");
    const std::chrono::duration<double, std::milli> took =
        std::chrono::steady_clock::now() - start;
    if (result == nullptr ||
        kestrum_web_status(result) != KESTRUM_WEB_CONVERTED) {
      std::fprintf(stderr, "web_native_timing: error: conversion failed\n");
      return 1;
    }
    qsosWritten = kestrum_web_qsos_written(result);
    adifBytes = kestrum_web_adif_size(result);
    kestrum_web_free(result);
    fastest = run == 0 ? took.count() : std::min(fastest, took.count());
  }
  std::printf(
      "{\"contacts\":%d,\"qsosWritten\":%d,\"adifBytes\":%zu,\"ms\":%.1f}\n",
      contacts, qsosWritten, adifBytes, fastest);
  return 0;
}
