// SPDX-License-Identifier: MIT
// What kestrum-convert does to the files around it when they are not plain:
// logs that are devices or pipes. Runs the built program as a user would
// (POSIX only).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/process_runner.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;

// What every line of the program's on standard error starts with.
constexpr char kPrefix[] = "kestrum-convert: ";

class FileSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("kestrum-safety-" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::permissions(folder_, fs::perms(0755));
    for (const char* log : {"cqww-7xx.bin", "arrldx-10xx.bin"}) {
      fs::copy_file(fs::path(KESTRUM_EXAMPLES) / log, folder_ / log);
    }
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs kestrum-convert with `arguments` in the folder.
  ProcessResult Run(const std::vector<std::string>& arguments) const {
    return testing::RunProcess(KESTRUM_CONVERT, arguments, folder_);
  }
  // Runs `script` in sh with the program as $0, ending it after a minute.
  ProcessResult Shell(const std::string& script) const {
    return testing::RunProcess("/usr/bin/timeout",
                               {"60", "/bin/sh", "-c", script, KESTRUM_CONVERT},
                               folder_);
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The ADIF text a plain conversion of `log` writes.
  std::string Expected(const std::string& log) const {
    EXPECT_EQ(Run({"-o", "expected.adi", log}).exitStatus, 0);
    const std::string text = Read("expected.adi");
    fs::remove(folder_ / "expected.adi");
    return text;
  }

  fs::path folder_;
};

TEST_F(FileSafetyTest, LogsThatAreNotFilesOnDisk) {
  const std::string expected7 = Expected("cqww-7xx.bin");
  ASSERT_EQ(mkfifo((folder_ / "fifo.bin").c_str(), 0644), 0);
  const struct {
    const char* name;
    std::string script;  // $0 is the program
    int exitStatus;
    std::string err;
    std::string output;  // the ADIF text expected in out.adi, if any
  } cases[] = {
      {"a device that never ends", "exec \"$0\" -o out.adi /dev/zero", 1,
       "ERROR:  Could not open ZR BIN file /dev/zero: Not a regular file or "
       "pipe.\n",
       ""},
      {"a device of random bytes", "exec \"$0\" -o out.adi /dev/urandom", 1,
       "ERROR:  Could not open ZR BIN file /dev/urandom: Not a regular file "
       "or pipe.\n",
       ""},
      // A 7.xx log has no length field: it must arrive whole, in pieces.
      {"a FIFO that delivers 7 bytes at a time",
       "dd if=cqww-7xx.bin bs=7 of=fifo.bin 2>/dev/null & "
       "exec \"$0\" -o out.adi fifo.bin",
       0, "", expected7},
      {"standard input from a pipe", "cat cqww-7xx.bin | \"$0\" -o out.adi -",
       0, "", expected7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcessResult result = Shell(c.script);
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_EQ(result.err, c.err.empty() ? "" : kPrefix + c.err);
    EXPECT_EQ(Read("out.adi"), c.output);
    fs::remove(folder_ / "out.adi");
  }
}

}  // namespace
}  // namespace kestrum
