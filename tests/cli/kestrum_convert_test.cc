// SPDX-License-Identifier: MIT
// Drives the built kestrum-convert as a user would: what it prints on
// standard output and standard error, its exit status, and which files it
// writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "kestrum/build_info.h"
#include "tests/cli/process_runner.h"
#include "tests/support/log_builder.h"

namespace kestrum::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kProgram[] = KESTRUM_CONVERT;
constexpr char kUsagePrefix[] = "kestrum-convert: error: ";

TestHeader ContestHeader() {
  TestHeader header;
  header.generation = 8;
  header.versionText = "ZR 8.05";
  header.call = "K1ABC";
  header.contestIndex = 0;  // CQWW
  header.modeIndex = 1;     // CW
  return header;
}

// A CQWW log of three contacts: one plain, one split on SSB, one whose
// frequency lies outside its band. Its ADIF text is tests/data/cli/cqww.adi.
Bytes ContestLog() {
  std::vector<TestRecord> records(3);
  records[0].call = "DL1ABC";
  records[0].exchange = "14";
  records[0].band = 4;  // 20M
  records[0].receivedNumber = 599;
  records[0].frequencyA = 14025000;
  records[0].time = UtcSeconds(2011, 5, 28, 0, 0, 0);
  records[1].call = "JA1XYZ";
  records[1].exchange = "025";
  records[1].band = 5;  // 15M
  records[1].mode = 2;  // SSB
  records[1].flags = 0x01;
  records[1].receivedNumber = 59;
  records[1].frequencyA = 21300500;
  records[1].frequencyB = 21310000;
  records[1].time = UtcSeconds(2011, 5, 28, 0, 1, 1);
  records[2].call = "VK2AAA";
  records[2].exchange = "30";
  records[2].band = 6;  // 10M
  records[2].mode = 1;
  records[2].receivedNumber = 579;
  records[2].frequencyA = 14000000;
  records[2].time = UtcSeconds(2011, 5, 28, 23, 59, 59);
  return BuildLog(ContestHeader(), records);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The two header lines that change with the year and the build, replaced by
// the placeholders the expected files hold.
std::string MaskBuildLines(const std::string& adif) {
  std::istringstream lines(adif);
  std::string masked;
  std::string line;
  for (int row = 1; std::getline(lines, line); ++row) {
    if (row == 2) line = "RIGHTS NOTICE";
    if (line.rfind("Last revised ", 0) == 0) line = "Last revised BUILD";
    masked += line + '\n';
  }
  return masked;
}

// How long a run took depends on the machine.
std::string MaskSeconds(const std::string& out) {
  static const std::regex seconds(" written in [0-9]+ seconds? to ");
  return std::regex_replace(out, seconds, " written in N seconds to ");
}

fs::path TestData() {
  const char* data = std::getenv("KESTRUM_TEST_DATA");
  return data == nullptr ? fs::path() : fs::path(data);
}

std::string ExpectedAdif() { return ReadFile(TestData() / "cli" / "cqww.adi"); }

class KestrumConvertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (fs::temp_directory_path() / "kestrum_cli_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Runs the program in the test's own folder.
  ProcessResult Run(const std::vector<std::string>& arguments) {
    return RunProcess(kProgram, arguments, folder_);
  }
  // Writes a log at `path`, relative to the test's folder, with its folders.
  void WriteLog(const fs::path& path, const Bytes& bytes = ContestLog()) {
    fs::create_directories((folder_ / path).parent_path());
    ASSERT_TRUE(WriteFile((folder_ / path).string(), bytes)) << path;
  }
  std::string Read(const fs::path& path) const {
    return ReadFile(folder_ / path);
  }
  bool Exists(const fs::path& path) const { return fs::exists(folder_ / path); }

  fs::path folder_;
};

TEST_F(KestrumConvertTest, VersionAndHelpGoToStandardOutput) {
  for (const char* flag : {"--version", "-V"}) {
    const ProcessResult version = Run({flag});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out,
              std::string("kestrum-convert ") + kProgramVersion + "\n");
    EXPECT_EQ(version.err, "");
  }

  const ProcessResult help = Run({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out.rfind("Usage: kestrum-convert [OPTIONS] LOG...\n", 0), 0u)
      << help.out;
  EXPECT_LT(std::count(help.out.begin(), help.out.end(), '\n'), 40);
  for (const char* text :
       {"  -o, --output FILE ", "  -d, --output-dir DIR ", "  -r, --recursive ",
        "      --six-meters ", "      --contest-id ", "      --arrl-ss ",
        "      --operator ", "      --vexo ", "      --wpx ",
        "      --no-seconds ", "      --no-frequency ", "      --adif3 ",
        "      --contest-id-text TEXT ", "  -h, --help ", "  -V, --version ",
        // Each term a newcomer cannot know is explained.
        "\n  DXPN ", "\n  VEXO ", "\n  WPX, PFX ", "\n  Contest ID ",
        "\nExamples:\n  kestrum-convert ", "\nExit status: "}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

TEST_F(KestrumConvertTest, UsageErrorsStopBeforeAnyConversion) {
  WriteLog("a.bin");
  WriteLog("b.bin");
  WriteLog("x.adi");
  WriteLog("a.dat");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--bogus", "a.bin"}, "--bogus"},
      {{"--operator"}, "no LOG given"},
      {{"-o", "out.adi", "a.bin", "b.bin"}, "2 LOGs were given"},
      {{"a.bin", "x.adi", "b.bin"}, "LOG x.adi already ends in .adi"},
      {{"a.bin", "a.dat"}, "a.bin and a.dat would both be written to a.adi"},
      {{"--contest-id", "--contest-id-text", "T", "a.bin"}, "excludes"},
      {{"--output"}, "--output"},
      {{"a.bin", "-"}, "the LOG - (standard input) has no name"},
      {{"-o", "out.adi", "-", "-"}, "can be read only once"},
  };
  for (const auto& c : cases) {
    const ProcessResult result = Run(c.arguments);
    SCOPED_TRACE(c.arguments.front());
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(kUsagePrefix, 0), 0u) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    EXPECT_FALSE(Exists("a.adi"));
    EXPECT_FALSE(Exists("b.adi"));
  }
  EXPECT_EQ(Read("x.adi"), Read("a.bin"));  // the log named .adi is intact
}

// The closing reports of a run's output, in order.
std::vector<std::string> Reports(const std::string& out) {
  static const std::regex report("[0-9]+ QSOs written to .*");
  std::istringstream lines(out);
  std::vector<std::string> reports;
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_match(line, report)) reports.push_back(line);
  }
  return reports;
}

// A folder as LOG: its logs in name order, other files left alone, a file
// that is no log refused without stopping the others; with -r its
// subfolders too, but never through a symbolic link (here one that loops);
// with -d the subfolders are made again below DIR.
TEST_F(KestrumConvertTest, FolderLogsConvertEveryLogInNameOrder) {
  WriteLog("logs/b.bin");
  WriteLog("logs/A.BIN");
  WriteLog("logs/2011/c.Bin");
  WriteLog("logs/folder.bin/d.bin");
  WriteLog("logs/.hidden.bin");
  WriteLog("logs/notes.txt", Bytes(20, std::byte{'x'}));
  WriteLog("logs/bad.bin", Bytes(20, std::byte{'x'}));
  fs::create_directory_symlink("..", folder_ / "logs" / "loop");
  fs::create_directories(folder_ / "out");
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> reports;
  } cases[] = {
      {{"logs"},
       {"3 QSOs written to logs/A.adi", "3 QSOs written to logs/b.adi",
        "0 QSOs written to logs/bad.adi"}},
      {{"-r", "logs/"},
       {"3 QSOs written to logs/2011/c.adi", "3 QSOs written to logs/A.adi",
        "3 QSOs written to logs/b.adi", "0 QSOs written to logs/bad.adi",
        "3 QSOs written to logs/folder.bin/d.adi"}},
      {{"--recursive", "--output-dir", "out", "logs"},
       {"3 QSOs written to out/2011/c.adi", "3 QSOs written to out/A.adi",
        "3 QSOs written to out/b.adi", "0 QSOs written to out/bad.adi",
        "3 QSOs written to out/folder.bin/d.adi"}},
  };
  for (const auto& c : cases) {
    const ProcessResult result = Run(c.arguments);
    SCOPED_TRACE(c.arguments.front());
    EXPECT_EQ(result.exitStatus, 1);  // bad.bin
    EXPECT_EQ(Reports(result.out), c.reports) << result.out;
    EXPECT_NE(result.out.find("ZR file logs/bad.bin does not have a valid "
                              "header.\n"),
              std::string::npos);
    for (const std::string& report : c.reports) {
      const std::string output = report.substr(report.find(" to ") + 4);
      if (report[0] != '0') {
        EXPECT_EQ(MaskBuildLines(Read(output)), ExpectedAdif()) << output;
      }
    }
  }
  EXPECT_FALSE(Exists("logs/.hidden.adi"));
  EXPECT_FALSE(Exists("logs/notes.adi"));
}

TEST_F(KestrumConvertTest, OutputFolderClashesAreRefusedBeforeConverting) {
  WriteLog("2011/cqww.bin");
  WriteLog("2012/cqww.bin");
  fs::create_directories(folder_ / "out");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"-d", "out", "2011/cqww.bin", "2012/cqww.bin"},
       "LOGs 2011/cqww.bin and 2012/cqww.bin would both be written to "
       "out/cqww.adi"},
      {{"-d", "out", "2011", "2012"},
       "LOGs 2011/cqww.bin and 2012/cqww.bin would both be written to "
       "out/cqww.adi"},
      {{"-d", "2011", "2011/cqww.bin", "2011/cqww.adi"},
       "LOG 2011/cqww.adi would be overwritten by the ADIF file of LOG "
       "2011/cqww.bin, 2011/cqww.adi"},
      {{"-d", "missing", "2011"},
       "--output-dir missing: No such file or directory"},
      {{"-d", "2011/cqww.bin", "2012"},
       "--output-dir 2011/cqww.bin: Not a directory"},
      {{"-d", "out", "-o", "x.adi", "2011"}, "excludes"},
  };
  WriteLog("2011/cqww.adi");
  for (const auto& c : cases) {
    const ProcessResult result = Run(c.arguments);
    SCOPED_TRACE(c.message);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(kUsagePrefix, 0), 0u) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
  EXPECT_TRUE(fs::is_empty(folder_ / "out"));
  EXPECT_EQ(Read("2011/cqww.adi"), Read("2012/cqww.bin"));
}

// Outputs of one batch are compared as files, however they are spelt: a
// clash is refused before anything is converted.
TEST_F(KestrumConvertTest, BatchOutputsThatAreOneFileAreRefused) {
  WriteLog("logs/a.bin");
  WriteLog("logs/a.dat");
  fs::create_directory_symlink("logs", folder_ / "link");
  const std::string absolute = (folder_ / "logs" / "a.dat").string();
  const std::vector<std::string> batches[] = {
      {"logs/a.bin", "link/a.dat"},
      {"logs/a.bin", absolute},
      {"link/../logs/a.bin", "./logs//a.dat"},
  };
  for (const auto& batch : batches) {
    const ProcessResult result = Run(batch);
    SCOPED_TRACE(batch.back());
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(std::string(kUsagePrefix) + "LOGs " +
                                   batch.front() + " and " + batch.back() +
                                   " would both be written to ",
                               0),
              0u)
        << result.err;
    EXPECT_FALSE(Exists("logs/a.adi"));
  }
}

TEST_F(KestrumConvertTest, NoArgumentsPrintsTheUsage) {
  const ProcessResult result = Run({});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("Usage: kestrum-convert", 0), 0u) << result.err;
}

TEST_F(KestrumConvertTest, WritesTheExpectedAdifAndReport) {
  WriteLog("contest.bin");
  const ProcessResult result = Run({"contest.bin"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(MaskSeconds(result.out),
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "3 QSOs written in N seconds to contest.adi\n"
            "\n"
            "3 QSOs written to contest.adi\n");
  const std::string expected = ExpectedAdif();
  ASSERT_FALSE(expected.empty()) << "tests/data/cli/cqww.adi not found";
  EXPECT_EQ(MaskBuildLines(Read("contest.adi")), expected);
}

TEST_F(KestrumConvertTest, DefaultOutputReplacesTheFileNameExtension) {
  const struct {
    std::string log;
    std::string output;
  } cases[] = {
      {"contest.bin", "contest.adi"},
      {"contest.BIN.old", "contest.BIN.adi"},
      {"logs.2011/contest.bin", "logs.2011/contest.adi"},
      {"logs.2011/contest", "logs.2011/contest.adi"},
      {"logs.2011/.bin", "logs.2011/.bin.adi"},
  };
  for (const auto& c : cases) {
    WriteLog(c.log);
    const ProcessResult result = Run({c.log});
    EXPECT_EQ(result.exitStatus, 0) << c.log << "\n" << result.err;
    EXPECT_TRUE(Exists(c.output)) << c.log;
    EXPECT_NE(result.out.find("3 QSOs written to " + c.output + "\n"),
              std::string::npos)
        << result.out;
  }
}

TEST_F(KestrumConvertTest, OutputOptionNamesTheFile) {
  WriteLog("contest.bin");
  fs::create_directories(folder_ / "out");
  const ProcessResult result = Run({"contest.bin", "-o", "out/cqww.txt"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(MaskBuildLines(Read("out/cqww.txt")), ExpectedAdif());
  EXPECT_FALSE(Exists("contest.adi"));
  EXPECT_NE(result.out.find("3 QSOs written to out/cqww.txt\n"),
            std::string::npos)
      << result.out;
}

TEST_F(KestrumConvertTest, BadLogInBatchFailsWhileTheOthersAreConverted) {
  WriteLog("first.bin");
  WriteLog("bad.bin", Bytes(100));
  WriteLog("last.bin");
  const ProcessResult result = Run({"first.bin", "bad.bin", "last.bin"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(MaskSeconds(result.out),
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "3 QSOs written in N seconds to first.adi\n"
            "\n"
            "3 QSOs written to first.adi\n"
            "ZR file bad.bin does not have a valid header.\n"
            "\n"
            "0 QSOs written to bad.adi\n"
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "3 QSOs written in N seconds to last.adi\n"
            "\n"
            "3 QSOs written to last.adi\n");
  EXPECT_EQ(MaskBuildLines(Read("first.adi")), ExpectedAdif());
  EXPECT_EQ(MaskBuildLines(Read("last.adi")), ExpectedAdif());
}

TEST_F(KestrumConvertTest, MessageGroupsPrintInformationThenWarnings) {
  TestRecord lettersOnly;
  lettersOnly.call = "NOCALL";
  lettersOnly.band = 4;
  lettersOnly.time = UtcSeconds(2011, 5, 28, 12, 30, 5);
  WriteLog("skip.bin", BuildLog(ContestHeader(), {lettersOnly}));
  const ProcessResult result = Run({"skip.bin"});
  EXPECT_EQ(result.exitStatus, 0);  // a warning is no error
  EXPECT_EQ(MaskSeconds(result.out),
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "1 QSOs written in N seconds to skip.adi\n"
            "\n"
            "Skipping QSO with NOCALL on 20110528 at 123005\n"
            "\n"
            "1 QSOs written to skip.adi\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(KestrumConvertTest, ErrorLineEndingInLineFeedIsPrintedOnce) {
  TestHeader header;                 // 10.xx
  header.versionText = "ZR 10.996";  // rounds to 11.00: no record layout
  WriteLog("future.bin", BuildLog(header, {}));
  const ProcessResult result = Run({"future.bin"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(MaskSeconds(result.out),
            "Contest is CQWW, Operator is W1AW, ZR 10.996\n"
            "0 QSOs written in N seconds to future.adi\n"
            "\n"
            "Unknown ZR version, can not convert.\n"
            "\n"
            "0 QSOs written to future.adi\n");
  EXPECT_FALSE(Exists("future.adi")) << "a refused log writes nothing";
}

TEST_F(KestrumConvertTest, FileErrorsGoToStandardError) {
  WriteLog("contest.bin");
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } cases[] = {
      {{"missing.bin"},
       "kestrum-convert: ERROR:  Could not open ZR BIN file missing.bin: No "
       "such file or directory.\n"},
      {{"-o", "no/such/folder.adi", "contest.bin"},
       "kestrum-convert: ERROR:  Could not create ADIF file "
       "no/such/folder.adi: No such file or directory.\n"},
      {{"-o", "./contest.bin", "contest.bin"},
       "kestrum-convert: ERROR:  ADIF file ./contest.bin is the ZR BIN file "
       "itself; choose another name.\n"},
  };
  for (const auto& c : cases) {
    const ProcessResult result = Run(c.arguments);
    EXPECT_EQ(result.exitStatus, 1) << c.err;
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out, "");
  }
  EXPECT_FALSE(Exists("missing.adi"));
  EXPECT_EQ(Read("contest.bin").size(), ContestLog().size());
}

TEST_F(KestrumConvertTest, FailingFilesAreNamedAndLeaveTheLogAlone) {
  WriteLog("contest.bin");
  fs::create_directories(folder_ / "folder.bin");
  fs::create_directories(folder_ / "sub");
  fs::create_symlink("contest.bin", folder_ / "link.adi");
  std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"folder.bin"},
       "kestrum-convert: no ZR log (.bin) in folder folder.bin\n"},
      {{"-o", "contest.bin/out.adi", "contest.bin"},
       "kestrum-convert: ERROR:  Could not create ADIF file "
       "contest.bin/out.adi: Not a directory.\n"},
      {{"-o", "link.adi", "contest.bin"},
       "kestrum-convert: ERROR:  ADIF file link.adi is the ZR BIN file itself; "
       "choose another name.\n"},
      {{"-o", "sub/../contest.bin", "contest.bin"},
       "kestrum-convert: ERROR:  ADIF file sub/../contest.bin is the ZR BIN "
       "file itself; choose another name.\n"},
  };
  if (fs::exists("/dev/full")) {
    cases.push_back(
        {{"-o", "/dev/full", "contest.bin"},
         "kestrum-convert: ERROR:  Could not write ADIF file /dev/full: No "
         "space left on device. It was left as it was.\n"});
  }
  if (geteuid() != 0) {  // the super-user reads any file
    WriteLog("locked.bin");
    fs::permissions(folder_ / "locked.bin", fs::perms::none);
    cases.push_back({{"locked.bin"},
                     "kestrum-convert: ERROR:  Could not open ZR BIN file "
                     "locked.bin: Permission denied.\n"});
  }
  for (const auto& [arguments, err] : cases) {
    const ProcessResult result = Run(arguments);
    EXPECT_EQ(result.exitStatus, 1) << err;
    EXPECT_EQ(result.err, err);
  }
  EXPECT_EQ(Read("contest.bin"),
            std::string(reinterpret_cast<const char*>(ContestLog().data()),
                        ContestLog().size()));
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.adi"));
  EXPECT_TRUE(fs::is_empty(folder_ / "folder.bin"));
  EXPECT_FALSE(Exists("contest.adi"));
  // Nothing but what the test made is left in the folder: no temporary file.
  std::size_t entries = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, geteuid() != 0 ? 5u : 4u);
}

std::string AsText(const Bytes& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// "-" as LOG reads standard input, from a pipe or a file; "-o -" writes the
// ADIF text to standard output and moves the messages to standard error.
TEST_F(KestrumConvertTest, StandardInputAndOutputAreDash) {
  WriteLog("contest.bin");
  fs::create_directories(folder_ / "out");
  const std::string report =
      "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
      "3 QSOs written in N seconds to OUTPUT\n"
      "\n"
      "3 QSOs written to OUTPUT\n";
  ProcessStreams piped;
  piped.input = AsText(ContestLog());
  const struct {
    std::string label;
    ProcessResult result;
    std::string output;  // where the ADIF text is; "-" for standard output
  } cases[] = {
      {"-o -", Run({"-o", "-", "contest.bin"}), "-"},
      {"pipe to -o FILE",
       RunProcess(kProgram, {"-o", "piped.adi", "-"}, folder_, piped),
       "piped.adi"},
      {"pipe to -o -", RunProcess(kProgram, {"-o", "-", "-"}, folder_, piped),
       "-"},
      {"file to -d",
       RunProcess("/bin/sh",
                  {"-c", "exec \"$0\" -d out - <contest.bin", kProgram},
                  folder_),
       "out/stdin.adi"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string messages =
        std::regex_replace(report, std::regex("OUTPUT"), c.output);
    EXPECT_EQ(c.result.exitStatus, 0) << c.result.err;
    if (c.output == "-") {
      EXPECT_EQ(MaskBuildLines(c.result.out), ExpectedAdif());
      EXPECT_EQ(MaskSeconds(c.result.err), messages);
    } else {
      EXPECT_EQ(MaskBuildLines(Read(c.output)), ExpectedAdif());
      EXPECT_EQ(MaskSeconds(c.result.out), messages);
      EXPECT_EQ(c.result.err, "");
    }
  }
  EXPECT_FALSE(Exists("contest.adi"));

  // A reader that has gone: the run fails and says why. A log on standard
  // input is never replaced by its own ADIF file.
  ProcessStreams readerGone;
  readerGone.outputReaderGone = true;
  const ProcessResult closed =
      RunProcess(kProgram, {"-o", "-", "contest.bin"}, folder_, readerGone);
  EXPECT_EQ(closed.exitStatus, 1);
  EXPECT_NE(closed.err.find("kestrum-convert: ERROR:  Could not write ADIF "
                            "file -: Broken pipe."),
            std::string::npos)
      << closed.err;
  const ProcessResult itself = RunProcess(
      "/bin/sh", {"-c", "exec \"$0\" -o contest.bin - <contest.bin", kProgram},
      folder_);
  EXPECT_EQ(itself.exitStatus, 1);
  EXPECT_EQ(itself.err,
            "kestrum-convert: ERROR:  ADIF file contest.bin is the ZR BIN "
            "file itself; choose another name.\n");
  EXPECT_EQ(Read("contest.bin"), AsText(ContestLog()));
}

// An existing ADIF file is replaced, and standard error says so; with -n it
// is left as it is and its log skipped, which is no failure.
TEST_F(KestrumConvertTest, ExistingOutputIsReplacedOrKeptWithNoClobber) {
  WriteLog("old.bin");
  WriteLog("new.bin");
  ASSERT_TRUE(
      WriteFile((folder_ / "old.adi").string(), Bytes(4, std::byte{'o'})));
  const ProcessResult kept = Run({"-n", "old.bin", "new.bin"});
  EXPECT_EQ(kept.exitStatus, 0);
  EXPECT_EQ(kept.err, "kestrum-convert: skipped old.bin: old.adi exists\n");
  EXPECT_EQ(Reports(kept.out),
            std::vector<std::string>{"3 QSOs written to new.adi"});
  EXPECT_EQ(Read("old.adi"), "oooo");
  EXPECT_EQ(MaskBuildLines(Read("new.adi")), ExpectedAdif());

  const ProcessResult replaced = Run({"old.bin"});
  EXPECT_EQ(replaced.exitStatus, 0);
  EXPECT_EQ(replaced.err, "kestrum-convert: replaced old.adi\n");
  // Standard output is exactly what it was before the note existed.
  EXPECT_EQ(MaskSeconds(replaced.out),
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "3 QSOs written in N seconds to old.adi\n"
            "\n"
            "3 QSOs written to old.adi\n");
  EXPECT_EQ(MaskBuildLines(Read("old.adi")), ExpectedAdif());
}

// -q: the warnings and errors of each run and one line per log, its closing
// report after its name or, for a log that could not be converted at all,
// its error on standard error. No note of replaced files.
TEST_F(KestrumConvertTest, QuietPrintsProblemsAndOneLinePerLog) {
  TestRecord lettersOnly;
  lettersOnly.call = "NOCALL";
  lettersOnly.band = 4;
  lettersOnly.time = UtcSeconds(2011, 5, 28, 12, 30, 5);
  WriteLog("a.bin");
  WriteLog("skip.bin", BuildLog(ContestHeader(), {lettersOnly}));
  WriteLog("bad.bin", Bytes(100));
  WriteLog("a.adi", Bytes(1));
  const ProcessResult result =
      Run({"--quiet", "a.bin", "skip.bin", "bad.bin", "missing.bin"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out,
            "a.bin: 3 QSOs written to a.adi\n"
            "Skipping QSO with NOCALL on 20110528 at 123005\n"
            "skip.bin: 1 QSOs written to skip.adi\n"
            "ZR file bad.bin does not have a valid header.\n"
            "bad.bin: 0 QSOs written to bad.adi\n");
  EXPECT_EQ(result.err,
            "kestrum-convert: ERROR:  Could not open ZR BIN file missing.bin: "
            "No such file or directory.\n");
}

// A report that cannot be written (a full disk, a reader that went away as
// `| head -1` does) is a failure, but it does not end the batch: every log
// is still converted.
TEST_F(KestrumConvertTest, UnwritableStandardOutputIsAFailure) {
  std::vector<std::string> logs;
  for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
    WriteLog(name);
    logs.push_back(name);
  }
  ProcessStreams readerGone;
  readerGone.outputReaderGone = true;
  std::vector<std::string> full = {"-c", "exec \"$0\" \"$@\" >/dev/full",
                                   kProgram};
  full.insert(full.end(), logs.begin(), logs.end());
  const struct {
    std::string program;
    std::vector<std::string> arguments;
    ProcessStreams streams;
    std::string reason;
  } cases[] = {
      {kProgram, logs, readerGone, "Broken pipe"},
      {"/bin/sh", full, {}, "No space left on device"},
  };
  for (const auto& c : cases) {
    for (const char* output : {"a.adi", "b.adi", "c.adi"}) {
      fs::remove(folder_ / output);
    }
    const ProcessResult result =
        RunProcess(c.program, c.arguments, folder_, c.streams);
    EXPECT_EQ(result.exitStatus, 1) << c.reason;
    EXPECT_EQ(result.err,
              "kestrum-convert: could not write to standard output: " +
                  c.reason + "\n");
    for (const char* output : {"a.adi", "b.adi", "c.adi"}) {
      EXPECT_EQ(MaskBuildLines(Read(output)), ExpectedAdif()) << output;
    }
  }
}

TEST_F(KestrumConvertTest, PathsAreTakenAsTheBytesGiven) {
  const struct {
    std::string log;
    std::string output;
  } cases[] = {
      // UTF-8 letters and blanks.
      {"Log Files/\xC3\x86r\xC3\xB8 contest \xC3\xB1.bin",
       "Log Files/\xC3\x86r\xC3\xB8 contest \xC3\xB1.adi"},
      // A name in an 8-bit code page, not valid UTF-8.
      {"\xE9t\xE9.bin", "\xE9t\xE9.adi"},
  };
  for (const auto& c : cases) {
    WriteLog(c.log);
    const ProcessResult result = Run({c.log});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(MaskBuildLines(Read(c.output)), ExpectedAdif());
    EXPECT_NE(result.out.find("3 QSOs written to " + c.output + "\n"),
              std::string::npos)
        << result.out;
  }
}

TEST_F(KestrumConvertTest, ConvertsLogsBehindLongPaths) {
  fs::path folder;
  for (char letter : std::string("abcde")) {
    folder /= std::string(60, letter);
  }
  const fs::path log = folder / "contest.bin";
  ASSERT_GT((folder_ / log).string().size(), 300u);
  WriteLog(log);
  const std::string absoluteLog = (folder_ / log).string();
  const std::string output = (folder_ / folder / "contest.adi").string();
  const ProcessResult result = Run({absoluteLog});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(MaskBuildLines(ReadFile(output)), ExpectedAdif());
  EXPECT_NE(result.out.find("3 QSOs written to " + output + "\n"),
            std::string::npos);
}

// The sample logs under examples/ must give, through the command line, the
// ADIF text and the messages that tests/data holds for each option set.
TEST_F(KestrumConvertTest, SampleLogsConvertToTheirExpectedAdif) {
  const struct {
    std::string suffix;
    std::vector<std::string> flags;
  } optionSets[] = {
      {"", {}},
      {".all",
       {"--six-meters", "--arrl-ss", "--vexo", "--operator", "--wpx",
        "--no-seconds", "--contest-id"}},
      {".adif3", {"--adif3", "--vexo", "--contest-id"}},
  };
  const fs::path examples = KESTRUM_EXAMPLES;
  const fs::path data = TestData();
  int samples = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(examples)) {
    const fs::path log = entry.path();
    if (log.extension() != ".bin") continue;
    ++samples;
    const std::string name = log.stem().string();
    for (const auto& options : optionSets) {
      SCOPED_TRACE(name + options.suffix);
      std::vector<std::string> arguments = options.flags;
      arguments.insert(arguments.end(), {"-o", "out.adi", log.string()});
      fs::remove(folder_ / "out.adi");
      const ProcessResult result = Run(arguments);
      EXPECT_EQ(result.exitStatus, 0) << result.err;
      EXPECT_EQ(result.err, "");
      EXPECT_EQ(
          MaskBuildLines(Read("out.adi")),
          MaskBuildLines(ReadFile(data / (name + options.suffix + ".adi"))));
      if (options.suffix.empty()) {
        // The message list and the closing box, as the dialog shows them.
        std::string shown = ReadFile(data / (name + ".messages.txt"));
        shown = std::regex_replace(shown, std::regex("\\[box\\] "), "");
        EXPECT_EQ(MaskSeconds(result.out), MaskSeconds(shown));
      }
    }
  }
  EXPECT_GT(samples, 0) << "no sample logs in " << examples;
}

}  // namespace
}  // namespace kestrum::testing
