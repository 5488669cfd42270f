// SPDX-License-Identifier: MIT
// What kestrum-convert does to the files around it when they are not plain:
// targets the user may not write or does not own, interruptions, logs that
// are devices or pipes, very long names, loops of links, the shell's umask
// and file-size limit. Runs the built program as a user would (POSIX only);
// the cases that need the super-user skip without it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/process_runner.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;

constexpr char kOldText[] = "old ADIF text\n";
// What every line of the program's on standard error starts with.
constexpr char kPrefix[] = "kestrum-convert: ";
constexpr uid_t kNobody = 65534;
constexpr uid_t kOtherUser = 4321;

bool IsRoot() { return geteuid() == 0; }

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

  // Runs kestrum-convert with `arguments` in the folder; `asUser` drops the
  // super-user's rights first (a plain user runs as itself).
  ProcessResult Run(const std::vector<std::string>& arguments,
                    bool asUser = false) const {
    if (!asUser || !IsRoot()) {
      return testing::RunProcess(KESTRUM_CONVERT, arguments, folder_);
    }
    std::vector<std::string> dropped = {"--reuid=" + std::to_string(kNobody),
                                        "--regid=" + std::to_string(kNobody),
                                        "--clear-groups", KESTRUM_CONVERT};
    dropped.insert(dropped.end(), arguments.begin(), arguments.end());
    return testing::RunProcess("/usr/bin/setpriv", dropped, folder_);
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
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  // Every name in the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
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

TEST_F(FileSafetyTest, TargetsOfOtherUsersKeepTheirOwnerOrAreRefused) {
  const struct {
    const char* name;
    uid_t owner;  // kNobody: the user who converts
    fs::perms mode;
    bool byRoot;     // converted by the super-user, else by a plain user
    bool converted;  // else refused, the file left as it was
  } cases[] = {
      {"read-only file", kNobody, fs::perms(0444), false, false},
      {"another user's file in a shared folder", kOtherUser, fs::perms(0644),
       false, false},
      {"a user's private file converted by root", kOtherUser, fs::perms(0600),
       true, true},
  };
  fs::permissions(folder_, fs::perms(0777));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!IsRoot() && (c.byRoot || c.owner != kNobody)) continue;
    Write("out.adi", kOldText);
    if (IsRoot()) {
      ASSERT_EQ(chown((folder_ / "out.adi").c_str(), c.owner, c.owner), 0);
    }
    fs::permissions(folder_ / "out.adi", c.mode);
    const ProcessResult result =
        Run({"-o", "out.adi", "cqww-7xx.bin"}, !c.byRoot);
    struct stat after;
    ASSERT_EQ(stat((folder_ / "out.adi").c_str(), &after), 0);
    if (c.converted) {
      EXPECT_EQ(result.exitStatus, 0) << result.err;
      EXPECT_NE(Read("out.adi"), kOldText);
    } else {
      EXPECT_EQ(result.exitStatus, 1);
      EXPECT_EQ(result.err, std::string(kPrefix) +
                                "ERROR:  Could not create ADIF file out.adi: "
                                "Permission denied.\n");
      EXPECT_EQ(Read("out.adi"), kOldText);
    }
    if (IsRoot()) {
      EXPECT_EQ(after.st_uid, c.owner);
      EXPECT_EQ(after.st_gid, c.owner);
    }
    EXPECT_EQ(after.st_mode & 07777, static_cast<mode_t>(c.mode));
    fs::remove(folder_ / "out.adi");
  }
}

// Starts the program without waiting for it; its output goes nowhere.
pid_t Start(const std::vector<std::string>& arguments, const fs::path& folder) {
  std::vector<std::string> argv{KESTRUM_CONVERT};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int nothing = open("/dev/null", O_RDWR);
    if (nothing < 0 || dup2(nothing, 1) < 0 || dup2(nothing, 2) < 0 ||
        chdir(folder.c_str()) != 0) {
      _exit(126);
    }
    execv(KESTRUM_CONVERT, pointers.data());
    _exit(127);
  }
  return child;
}

// True once the process `pid` holds a file of `folder` open that is none
// of `known`: its new ADIF file.
bool HoldsNewFile(pid_t pid, const fs::path& folder,
                  const std::set<std::string>& known) {
  std::error_code error;
  const fs::path descriptors = "/proc/" + std::to_string(pid) + "/fd";
  for (const auto& entry : fs::directory_iterator(descriptors, error)) {
    const fs::path target = fs::read_symlink(entry.path(), error);
    if (!error && target.parent_path() == folder &&
        known.count(target.filename().string()) == 0) {
      return true;
    }
  }
  return false;
}

TEST_F(FileSafetyTest, InterruptedRunLeavesTheOldFileAndNothingElse) {
  std::signal(SIGPIPE, SIG_IGN);
  const std::string log = Read("arrldx-10xx.bin");
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(number));
    // The log comes through a FIFO that delivers half of it and then waits:
    // the run is caught in the middle, its new file open.
    ASSERT_EQ(mkfifo((folder_ / "log.bin").c_str(), 0644), 0);
    Write("out.adi", kOldText);
    const std::set<std::string> before = Entries();
    const pid_t child = Start({"-o", "out.adi", "log.bin"}, folder_);
    const int writer = open((folder_ / "log.bin").c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, log.data(), log.size() / 2),
              static_cast<ssize_t>(log.size() / 2));
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!HoldsNewFile(child, folder_, before) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, number);
    int status = 0;
    waitpid(child, &status, 0);
    close(writer);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << status;
    EXPECT_EQ(Read("out.adi"), kOldText);
    EXPECT_EQ(Entries(), before);
    fs::remove(folder_ / "log.bin");
  }
}

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

TEST_F(FileSafetyTest, OutputNamesUpToTheLimitWorkAndLoopsAreErrors) {
  fs::create_symlink("loop-b.adi", folder_ / "loop-a.adi");
  fs::create_symlink("loop-a.adi", folder_ / "loop-b.adi");
  const struct {
    std::string name;
    int exitStatus;
    std::string reason;  // of the error, if any
  } cases[] = {
      {std::string(233, 'n') + ".adi", 0, ""},
      {std::string(246, 'n') + ".adi", 0, ""},
      {std::string(251, 'n') + ".adi", 0, ""},
      {std::string(252, 'n') + ".adi", 1, "File name too long"},
      {"loop-a.adi", 1, "Too many levels of symbolic links"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.size());
    const std::set<std::string> before = Entries();
    const ProcessResult result = Run({"-o", c.name, "cqww-7xx.bin"});
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    std::set<std::string> added = Entries();
    for (const std::string& name : before) added.erase(name);
    if (c.exitStatus == 0) {
      EXPECT_EQ(added, std::set<std::string>{c.name});
      fs::remove(folder_ / c.name);
    } else {
      EXPECT_EQ(result.err,
                kPrefix + std::string("ERROR:  Could not create ADIF file ") +
                    c.name + ": " + c.reason + ".\n");
      EXPECT_TRUE(added.empty());
    }
  }
  EXPECT_TRUE(fs::is_symlink(folder_ / "loop-a.adi"));
}

TEST_F(FileSafetyTest, ShellSettingsRuleNewFilesAndLimits) {
  const struct {
    const char* name;
    std::string settings;  // shell commands before the program starts
    const char* oldMode;   // an old ADIF file of this mode, if any
    int exitStatus;
    mode_t mode;  // of out.adi afterwards
    std::string err;
  } cases[] = {
      {"umask 077, new file", "umask 077", nullptr, 0, 0600, ""},
      {"umask 022, new file", "umask 022", nullptr, 0, 0644, ""},
      {"umask 077, replaced file keeps its mode", "umask 077", "0644", 0, 0644,
       "replaced out.adi\n"},
      // The new file cannot grow past 512 bytes; the old one is kept.
      {"file-size limit", "trap '' XFSZ; ulimit -f 1", "0640", 1, 0640,
       "ERROR:  Could not write ADIF file out.adi: File too large. It was "
       "left as it was.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.oldMode != nullptr) {
      Write("out.adi", kOldText);
      fs::permissions(folder_ / "out.adi",
                      fs::perms(std::stoi(c.oldMode, nullptr, 8)));
    }
    const ProcessResult result =
        Shell(c.settings + "; exec \"$0\" -o out.adi cqww-7xx.bin");
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_EQ(result.err, c.err.empty() ? "" : kPrefix + c.err);
    struct stat after;
    ASSERT_EQ(stat((folder_ / "out.adi").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, c.mode);
    if (c.exitStatus != 0) {
      EXPECT_EQ(Read("out.adi"), kOldText);
    }
    EXPECT_EQ(Entries().size(), 3u) << "the two logs and out.adi only";
    fs::remove(folder_ / "out.adi");
  }
}

}  // namespace
}  // namespace kestrum
