// SPDX-License-Identifier: MIT
// Writes the sample logs into a folder (examples/ by default), so that the
// shipped .bin files can be made again from the repository.
//   make_samples [folder]
#include <cstdio>
#include <string>

#include "tests/support/sample_logs.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "examples";
  for (const auto& sample : kestrum::testing::SampleLogs()) {
    const std::string path = folder + "/" + sample.name + ".bin";
    if (!kestrum::testing::WriteFile(
            path, kestrum::testing::BuildLog(sample.header, sample.records))) {
      std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s\n", path.c_str());
  }
  return 0;
}
