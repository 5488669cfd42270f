// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "kestrum/build_info.h"

namespace kestrum::cli {

namespace {

constexpr char kSynopsis[] =
    "Usage: kestrum-convert [OPTIONS] LOG...\n"
    "       kestrum-convert [OPTIONS] -o FILE LOG\n";

constexpr char kDescription[] =
    "Converts ZR contest logs (.bin) into ADIF files. Each LOG is written to\n"
    "a file of the same name in the same folder, with its extension replaced\n"
    "by .adi (contest.bin gives contest.adi), unless -o names the file for a\n"
    "single LOG. The conversion's messages go to standard output; a LOG or\n"
    "output file that cannot be opened is reported on standard error.\n";

constexpr char kFooter[] =
    "Exit status:\n"
    "  0  every LOG was converted without an error\n"
    "  1  a LOG failed or its conversion reported an error; the other LOGs\n"
    "     were still converted\n"
    "  2  the command line was not understood; no LOG was converted\n";

// CLI11's help with the synopsis first, as a manual page reads.
class HelpFormatter final : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    if (mode == CLI::AppFormatMode::Sub) {
      return CLI::Formatter::make_help(app, std::move(name), mode);
    }
    std::ostringstream help;
    help << kSynopsis << '\n'
         << kDescription << make_positionals(app) << make_groups(app, mode)
         << '\n'
         << make_footer(app);
    return help.str();
  }

  // Only the value's name; the help says in words what goes together.
  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string& value = option->get_type_name();
    return value.empty() ? std::string() : " " + value;
  }
};

}  // namespace

void DefineCommandLine(CLI::App& app, CommandLine& commandLine) {
  ConversionOptions& options = commandLine.options;
  app.name(kProgramName);
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->column_width(26);
  formatter->label("Positionals", "Arguments");
  app.formatter(formatter);
  app.footer(kFooter);
  app.set_help_flag("-h,--help", "print this help and exit");
  app.set_version_flag("--version",
                       std::string(kProgramName) + " " + kProgramVersion,
                       "print the program's version and exit");

  app.add_option("LOG", commandLine.logPaths,
                 "the ZR log files, or folders of them, to convert")
      ->type_name("");
  CLI::Option* output = app.add_option_function<std::string>(
                               "-o,--output",
                               [&commandLine](const std::string& path) {
                                 commandLine.outputPath = path;
                               },
                               "write the ADIF file FILE (a single LOG only)")
                            ->type_name("FILE");
  app.add_option_function<std::string>(
         "-d,--output-dir",
         [&commandLine](const std::string& path) {
           commandLine.outputFolder = path;
         },
         "write each ADIF file into the folder DIR")
      ->type_name("DIR")
      ->excludes(output);
  app.add_flag("-r,--recursive", commandLine.recursive,
               "with a folder LOG, convert its subfolders too");

  // One flag per check box; each sets the option the box stands for.
  app.add_flag_callback(
      "--six-meters", [&options] { options.sixMeters = true; },
      "\"6 Meters\": band 10 of DXPN logs up to 9.47 is 6 m");
  app.add_flag_callback(
      "--arrl-ss", [&options] { options.arrlSs = true; },
      "\"ARRL SS\": the Sweepstakes exchange as COMMENT");
  app.add_flag_callback(
      "--vexo", [&options] { options.vexoOption = true; },
      "\"VEXO\": write the FLAGS field");
  app.add_flag_callback(
      "--operator", [&options] { options.operatorOption = true; },
      "\"Operator\": the log's own call as OPERATOR");
  app.add_flag_callback(
      "--wpx", [&options] { options.wpxOption = true; },
      "\"WPX\": each call's prefix as PFX");
  app.add_flag_callback(
      "--no-seconds", [&options] { options.withSeconds = false; },
      "clear \"Seconds\": TIME_ON without seconds");
  app.add_flag_callback(
      "--no-frequency", [&options] { options.withFrequency = false; },
      "clear \"Frequency\": no FREQ or FREQ_RX");
  app.add_flag_callback(
      "--adif3", [&options] { options.adif3 = true; },
      "write ADIF 3.1.4 instead of ADIF 2.1.7");
  CLI::Option* generatedContestId = app.add_flag_callback(
      "--contest-id",
      [&options] { options.contestIdText = kGeneratedContestId; },
      "\"Contest ID\": the contest's CONTEST_ID");
  app.add_option_function<std::string>(
         "--contest-id-text",
         [&options](const std::string& text) { options.contestIdText = text; },
         "TEXT as every CONTEST_ID (ADIF: as --contest-id)")
      ->type_name("TEXT")
      ->excludes(generatedContestId);
}

void PrintUsageError(std::ostream& err, std::string_view message) {
  err << kUsageErrorPrefix << message << '\n'
      << kSynopsis << "Try '" << kProgramName
      << " --help' for more information.\n";
}

}  // namespace kestrum::cli
