// SPDX-License-Identifier: MIT
#include "run/disk_file_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <optional>
#include <thread>
#endif

#include "run/conversion_run.h"
#include "run/system_file.h"
#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;

// The output is written in text mode: Windows ends its lines in CR LF.
#ifdef _WIN32
constexpr char kLineEnd[] = "\r\n";
#else
constexpr char kLineEnd[] = "\n";
#endif

// Windows programs get no symbolic links without special rights, and keep
// no permission bits beyond read-only.
#ifdef _WIN32
#define SKIP_WITHOUT_POSIX_FILES() \
  GTEST_SKIP() << "no symbolic links or permission bits on Windows"
#else
#define SKIP_WITHOUT_POSIX_FILES() static_cast<void>(0)
#endif

class DiskFileAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("kestrum-files-" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const {
    return (dir_ / name).string();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  // Files in the folder besides the given ones: leftovers of a run.
  std::size_t FileCount() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path dir_;
  DiskFileAccess files_;
};

TEST_F(DiskFileAccessTest, OutputReplacesTargetOnlyOnCommit) {
  Write(Path("out.adi"), "old");
  auto output = files_.CreateOutput(Path("out.adi"), true).file;
  ASSERT_NE(output, nullptr);
  EXPECT_TRUE(output->Write("new text\n"));
  EXPECT_EQ(Read(Path("out.adi")), "old");
  EXPECT_TRUE(output->Commit());
  output.reset();
  EXPECT_EQ(Read(Path("out.adi")), std::string("new text") + kLineEnd);
  EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";
}

TEST_F(DiskFileAccessTest, DroppedOutputLeavesTargetAndNoTemporary) {
  Write(Path("out.adi"), "old");
  auto output = files_.CreateOutput(Path("out.adi"), true).file;
  ASSERT_NE(output, nullptr);
  static_cast<void>(output->Write("half"));
  output.reset();
  EXPECT_EQ(Read(Path("out.adi")), "old");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(DiskFileAccessTest, OutputThroughSymbolicLinkKeepsTheLink) {
  SKIP_WITHOUT_POSIX_FILES();
  Write(Path("real.adi"), "old");
  fs::create_symlink("real.adi", Path("link.adi"));
  auto output = files_.CreateOutput(Path("link.adi"), true).file;
  ASSERT_NE(output, nullptr);
  ASSERT_TRUE(output->Write("new"));
  ASSERT_TRUE(output->Commit());
  EXPECT_TRUE(fs::is_symlink(Path("link.adi")));
  EXPECT_EQ(Read(Path("real.adi")), "new");
}

TEST_F(DiskFileAccessTest, OutputKeepsPermissionsOfReplacedFile) {
  SKIP_WITHOUT_POSIX_FILES();
  Write(Path("out.adi"), "old");
  fs::permissions(Path("out.adi"), fs::perms::owner_read |
                                       fs::perms::owner_write |
                                       fs::perms::group_read);
  auto output = files_.CreateOutput(Path("out.adi"), true).file;
  ASSERT_NE(output, nullptr);
  ASSERT_TRUE(output->Commit());
  EXPECT_EQ(
      fs::status(Path("out.adi")).permissions() & fs::perms::all,
      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DiskFileAccessTest, SameFileThroughHardLinksAndRelativePaths) {
  Write(Path("log.bin"), "log");
  fs::create_hard_link(Path("log.bin"), Path("hard.bin"));
  EXPECT_TRUE(files_.SameFile(Path("log.bin"), Path("hard.bin")));
  EXPECT_TRUE(
      files_.SameFile(Path("log.bin"), (dir_ / "." / "log.bin").string()));
  EXPECT_FALSE(files_.SameFile(Path("log.bin"), Path("log.adi")));
}

// Paths are the system's 8-bit names: on Windows in the ANSI code page, in
// which 0xe9 is e acute and 0x80 the euro sign (code page 1252) or another
// letter; on Linux any bytes but '/' and NUL.
TEST_F(DiskFileAccessTest, EightBitNamesReachTheSameFile) {
  const std::string name = Path("caf\xe9\x80.adi");
  auto output = files_.CreateOutput(name, true).file;
  ASSERT_NE(output, nullptr);
  EXPECT_TRUE(output->Write("text\n"));
  ASSERT_TRUE(output->Commit());
  output.reset();
  EXPECT_EQ(Read(name), std::string("text") + kLineEnd);
  EXPECT_EQ(FileCount(), 1u);

  auto input = files_.OpenInput(name).file;
  ASSERT_NE(input, nullptr);
  EXPECT_TRUE(files_.SameFile(name, name));
  EXPECT_FALSE(files_.SameFile(name, Path("cafe.adi")));
}

TEST_F(DiskFileAccessTest, UnusablePathsGiveNoFileAndTheReason) {
#ifdef _WIN32
  const std::string noFile = SystemReason(ERROR_FILE_NOT_FOUND);
  const std::string noFolder = SystemReason(ERROR_PATH_NOT_FOUND);
#else
  const std::string noFile = "No such file or directory";
  const std::string noFolder = noFile;
#endif
  const Opened<InputFile> missing = files_.OpenInput(Path("missing.bin"));
  EXPECT_EQ(missing.file, nullptr);
  EXPECT_EQ(missing.error, noFile);
  const Opened<InputFile> folder = files_.OpenInput(dir_.string());
  EXPECT_EQ(folder.file, nullptr);
  EXPECT_EQ(folder.error, "Is a directory");
  const Opened<OutputFile> inNoFolder =
      files_.CreateOutput(Path("no/such/folder/out.adi"), true);
  EXPECT_EQ(inNoFolder.file, nullptr);
  EXPECT_EQ(inNoFolder.error, noFolder);
  const Opened<OutputFile> isFolder = files_.CreateOutput(dir_.string(), true);
  EXPECT_EQ(isFolder.file, nullptr);
  EXPECT_EQ(isFolder.error, "Is a directory");
  // The system's words, without the full stop and line end that Windows
  // adds: the messages around a reason bring their own.
  for (const std::string& reason : {noFile, noFolder}) {
    EXPECT_FALSE(reason.empty() || reason.ends_with('.') ||
                 reason.ends_with('\n'))
        << reason;
  }
}

TEST_F(DiskFileAccessTest, ReadOnlyTargetIsRefusedAndLeftAlone) {
#ifndef _WIN32
  if (geteuid() == 0) GTEST_SKIP() << "the super-user writes any file";
#endif
  Write(Path("out.adi"), "old");
  fs::permissions(Path("out.adi"), fs::perms::owner_read);
  const Opened<OutputFile> output = files_.CreateOutput(Path("out.adi"), true);
  EXPECT_EQ(output.file, nullptr);
  EXPECT_FALSE(output.error.empty());
  fs::permissions(Path("out.adi"), fs::perms::owner_all);
  EXPECT_EQ(Read(Path("out.adi")), "old");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(DiskFileAccessTest, NoClobberCommitRefusesAFileThatAppeared) {
  for (const auto naming : {ReplacementFile::Naming::kUnnamedWherePossible,
                            ReplacementFile::Naming::kNamed}) {
    DiskFileAccess files(DiskFileAccess::kPipeLimit, naming);
    auto output = files.CreateOutput(Path("out.adi"), false).file;
    ASSERT_NE(output, nullptr);
    ASSERT_TRUE(output->Write("new"));
    Write(Path("out.adi"), "theirs");
    EXPECT_FALSE(output->Commit());
    output.reset();
    EXPECT_EQ(Read(Path("out.adi")), "theirs");
    EXPECT_EQ(FileCount(), 1u);
    fs::remove(Path("out.adi"));

    output = files.CreateOutput(Path("out.adi"), false).file;
    ASSERT_NE(output, nullptr);
    ASSERT_TRUE(output->Write("new") && output->Commit());
    EXPECT_FALSE(output->ReplacedExisting());
    output.reset();
    EXPECT_EQ(Read(Path("out.adi")), "new");
    fs::remove(Path("out.adi"));
  }
}

TEST_F(DiskFileAccessTest, LogCutWhileReadIsAReadError) {
  Write(Path("log.bin"), std::string(1000, 'x'));
  auto input = files_.OpenInput(Path("log.bin")).file;
  ASSERT_NE(input, nullptr);
  fs::resize_file(Path("log.bin"), 500);
  std::vector<std::byte> buffer(1000);
  EXPECT_EQ(input->Read(buffer), 500u);
  EXPECT_EQ(input->Error(), kFileShrank);
}

TEST_F(DiskFileAccessTest, FullDeviceFailsAtWriteOrCommit) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  auto output = files_.CreateOutput("/dev/full", true).file;
  ASSERT_NE(output, nullptr);
  const bool written = output->Write(std::string(100000, 'x'));
  EXPECT_FALSE(written && output->Commit());
  EXPECT_TRUE(fs::is_character_file("/dev/full")) << "the device survives";
}

TEST_F(DiskFileAccessTest, SameFileThroughSymbolicLinks) {
  SKIP_WITHOUT_POSIX_FILES();
  Write(Path("log.bin"), "log");
  fs::create_symlink("log.bin", Path("link.bin"));
  EXPECT_TRUE(files_.SameFile(Path("log.bin"), Path("link.bin")));
  EXPECT_TRUE(files_.SameFile(Path("link.bin"), Path("log.bin")));
}

TEST_F(DiskFileAccessTest, RunRefusesOutputThatIsInputThroughLink) {
  SKIP_WITHOUT_POSIX_FILES();
  const testing::Bytes log = testing::BuildLog(testing::TestHeader{}, {});
  ASSERT_TRUE(testing::WriteFile(Path("log.bin"), log));
  fs::create_symlink("log.bin", Path("log.adi"));
  testing::RecordingUi ui;
  SystemClock clock;
  RunEnvironment env{ui, files_, clock};
  EXPECT_EQ(RunConversion({Path("log.bin"), Path("log.adi"), {}}, env).status,
            RunStatus::kFileError);
  EXPECT_EQ(Read(Path("log.bin")).size(), log.size());
  EXPECT_EQ(ui.errorBoxes.size(), 1u);
}

#ifndef _WIN32
// Feeds `bytes` into the write end of a new pipe from a thread, `piece`
// bytes at a time, and closes it; returns the read end.
int PipeFeeding(const std::string& bytes, std::size_t piece,
                std::thread& feeder) {
  int ends[2];
  if (pipe(ends) != 0) return -1;
  feeder = std::thread([=] {
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      const std::size_t count = std::min(piece, bytes.size() - at);
      if (write(ends[1], bytes.data() + at, count) < 0) break;
    }
    close(ends[1]);
  });
  return ends[0];
}

std::string Text(const std::vector<std::byte>& bytes, std::size_t count) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), count);
}

TEST_F(DiskFileAccessTest, PipesAreKeptToBeReadAgainUpToTheLimit) {
  std::signal(SIGPIPE, SIG_IGN);
  std::string log(6000, '\0');
  for (std::size_t i = 0; i < log.size(); ++i) log[i] = static_cast<char>(i);
  const struct {
    const char* name;
    std::size_t length;  // of the bytes the pipe delivers
    bool standardInput;  // through OpenStandardInput, else OpenInput
    std::uint64_t firstSeek;
    std::string error;  // of the first read, if any
  } cases[] = {
      {"a pipe in pieces", 5000, false, 0, ""},
      {"standard input", 5000, true, 0, ""},
      {"a seek past what was read", 5000, false, 3000, ""},
      {"exactly the limit", 5120, false, 0, ""},
      {"one byte past the limit", 5121, false, 0,
       "Larger than 5 KiB, the most read from a pipe"},
  };
  DiskFileAccess files(5120);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = log.substr(0, c.length);
    std::thread feeder;
    const int pipeEnd = PipeFeeding(bytes, 7, feeder);
    ASSERT_GE(pipeEnd, 0);
    const int savedInput = dup(STDIN_FILENO);
    std::unique_ptr<InputFile> input;
    if (c.standardInput) {
      dup2(pipeEnd, STDIN_FILENO);
      close(pipeEnd);
      input = files.OpenStandardInput().file;
    } else {
      input = files.OpenInput("/proc/self/fd/" + std::to_string(pipeEnd)).file;
      close(pipeEnd);
    }
    ASSERT_NE(input, nullptr);
    std::vector<std::byte> buffer(8192);
    ASSERT_TRUE(input->Seek(c.firstSeek));
    const std::size_t got = input->Read(buffer);
    EXPECT_EQ(input->Error(), c.error);
    if (c.error.empty()) {
      EXPECT_TRUE(Text(buffer, got) == bytes.substr(c.firstSeek)) << got;
      EXPECT_EQ(input->Size(), bytes.size());
      // Read again from the start, as a run's second pass does.
      ASSERT_TRUE(input->Seek(0));
      EXPECT_TRUE(Text(buffer, input->Read(buffer)) == bytes);
    }
    input.reset();
    dup2(savedInput, STDIN_FILENO);
    close(savedInput);
    feeder.join();
  }
}

// The named new file of a child process that the signal `number` ends.
struct SignalledChild {
  int status = 0;
  bool hadNamedFile = false;
};

TEST_F(DiskFileAccessTest, NamedNewFileGoesWhenASignalEndsTheProcess) {
  const struct {
    int number;
    bool ownHandler;  // the process had a handler that exits with 7
  } cases[] = {
      {SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(strsignal(c.number));
    Write(Path("out.adi"), "old");
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (c.ownHandler) std::signal(c.number, [](int) { _exit(7); });
      DiskFileAccess files(DiskFileAccess::kPipeLimit,
                           ReplacementFile::Naming::kNamed);
      auto output = files.CreateOutput(Path("out.adi"), true).file;
      if (!output || !output->Write(std::string(100000, 'x')) ||
          FileCount() != 2) {
        _exit(3);  // no named new file beside the target
      }
      raise(c.number);
      _exit(4);  // the signal did not end the process
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (c.ownHandler) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7) << status;
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.number)
          << status;
    }
    EXPECT_EQ(Read(Path("out.adi")), "old");
    EXPECT_EQ(FileCount(), 1u);
  }
}

TEST_F(DiskFileAccessTest, NamedNewFileHasNoMorePermissionThanItsTarget) {
  const struct {
    const char* name;
    mode_t umask;
    std::optional<fs::perms> target;  // of an existing target
    mode_t mode;                      // of the new file, then and after
  } cases[] = {
      {"a private target", 022, fs::perms(0600), 0600},
      {"a group-readable target", 0, fs::perms(0640), 0640},
      {"a new target under umask 077", 077, std::nullopt, 0600},
      {"a new target under umask 022", 022, std::nullopt, 0644},
  };
  DiskFileAccess files(DiskFileAccess::kPipeLimit,
                       ReplacementFile::Naming::kNamed);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.target) {
      Write(Path("out.adi"), "old");
      fs::permissions(Path("out.adi"), *c.target);
    }
    const mode_t saved = umask(c.umask);
    auto output = files.CreateOutput(Path("out.adi"), true).file;
    umask(saved);
    ASSERT_NE(output, nullptr);
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.path().filename() == "out.adi") continue;
      struct stat info;
      ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
      EXPECT_EQ(info.st_mode & 0777, c.mode) << entry.path();
    }
    ASSERT_TRUE(output->Commit());
    EXPECT_EQ(fs::status(Path("out.adi")).permissions() & fs::perms::all,
              fs::perms(c.mode));
    output.reset();
    fs::remove(Path("out.adi"));
  }
}
#endif

}  // namespace
}  // namespace kestrum
