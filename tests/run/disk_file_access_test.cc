// SPDX-License-Identifier: MIT
#include "run/disk_file_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run/conversion_run.h"
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
  const Opened<InputFile> missing = files_.OpenInput(Path("missing.bin"));
  EXPECT_EQ(missing.file, nullptr);
  EXPECT_EQ(missing.error, "No such file or directory");
  const Opened<InputFile> folder = files_.OpenInput(dir_.string());
  EXPECT_EQ(folder.file, nullptr);
  EXPECT_EQ(folder.error, "Is a directory");
  const Opened<OutputFile> noFolder =
      files_.CreateOutput(Path("no/such/folder/out.adi"), true);
  EXPECT_EQ(noFolder.file, nullptr);
  EXPECT_EQ(noFolder.error, "No such file or directory");
  const Opened<OutputFile> isFolder = files_.CreateOutput(dir_.string(), true);
  EXPECT_EQ(isFolder.file, nullptr);
  EXPECT_EQ(isFolder.error, "Is a directory");
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

}  // namespace
}  // namespace kestrum
