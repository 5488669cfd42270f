// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "kestrum/build_info.h"

namespace kestrum::cli {

namespace {

constexpr char kUsage[] = "Usage: kestrum-convert [OPTIONS] LOG...\n";
constexpr char kSynopsis[] =
    "Usage: kestrum-convert [OPTIONS] LOG...\n"
    "       kestrum-convert [OPTIONS] -o FILE LOG\n";

constexpr char kDescription[] =
    "Converts ZR contest logs (.bin) into ADIF files, each beside its LOG as\n"
    ".adi. A folder LOG converts every .bin in it; - reads standard input.\n"
    "Messages go to standard output, failures to standard error.\n";

// The terms a newcomer cannot know, two examples and the exit statuses.
constexpr char kFooter[] =
    "Terms:\n"
    "  DXPN        a log kept for a DXpedition, not for a contest\n"
    "  VEXO        ZR's tag of a contact's zone, grid, province or IOTA "
    "reference\n"
    "  WPX, PFX    a call's prefix as the CQ WPX contest counts it (ADIF PFX)\n"
    "  Contest ID  CONTEST_ID, the ADIF name of the log's contest: CQ-WW-CW\n"
    "\n"
    "Examples:\n"
    "  kestrum-convert -r -d adif logs       every .bin below logs/, into "
    "adif/\n"
    "  kestrum-convert -o - a.bin | less     the ADIF of a.bin on a pipe\n"
    "\n"
    "Exit status: 0 every LOG was converted; 1 a LOG failed or reported an\n"
    "error (the other LOGs were still converted); 2 a usage error.\n";

// CLI11's help with the synopsis first, as a manual page reads, and the
// options named as GNU programs name them: "-o, --output FILE".
class HelpFormatter final : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    if (mode == CLI::AppFormatMode::Sub) {
      return CLI::Formatter::make_help(app, std::move(name), mode);
    }
    std::ostringstream help;
    help << kUsage << '\n'
         << kDescription << make_groups(app, mode) << '\n'
         << make_footer(app);
    return help.str();
  }

  std::string make_option_name(const CLI::Option* option,
                               bool positional) const override {
    if (positional) return option->get_name(true, false);
    std::string name;
    for (const std::string& shortName : option->get_snames()) {
      name += "-" + shortName + ", ";
    }
    if (name.empty()) name = "    ";  // long names line up under long names
    for (const std::string& longName : option->get_lnames()) {
      name += "--" + longName;
    }
    return name;
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
  formatter->column_width(30);
  app.formatter(formatter);
  app.footer(kFooter);

  app.add_option("LOG", commandLine.logPaths, "the ZR logs to convert")
      ->type_name("");
  CLI::Option* output = app.add_option_function<std::string>(
                               "-o,--output",
                               [&commandLine](const std::string& path) {
                                 commandLine.outputPath = path;
                               },
                               "write the ADIF to FILE (one LOG); - : stdout")
                            ->type_name("FILE");
  app.add_option_function<std::string>(
         "-d,--output-dir",
         [&commandLine](const std::string& path) {
           commandLine.outputFolder = path;
         },
         "write each ADIF into the folder DIR")
      ->type_name("DIR")
      ->excludes(output);
  app.add_flag("-r,--recursive", commandLine.recursive,
               "with a folder LOG, its subfolders too");

  app.add_flag("-n,--no-clobber", commandLine.noClobber,
               "skip a LOG whose ADIF file exists");
  app.add_flag("-q,--quiet", commandLine.quiet,
               "only warnings, errors and a line per LOG");

  // One flag per check box; each sets the option the box stands for.
  app.add_flag_callback(
      "--six-meters", [&options] { options.sixMeters = true; },
      "\"6 Meters\": band 10 of DXPN logs to 9.47 is 6 m");
  app.add_flag_callback(
      "--arrl-ss", [&options] { options.arrlSs = true; },
      "\"ARRL SS\": the Sweepstakes exchange as COMMENT");
  app.add_flag_callback(
      "--vexo", [&options] { options.vexoOption = true; },
      "\"VEXO\": the VEXO tag as FLAGS");
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
         "TEXT as every CONTEST_ID (ADIF: as above)")
      ->type_name("TEXT")
      ->excludes(generatedContestId);

  // Last, so that the help lists them after the options that convert.
  app.set_help_flag("-h,--help", "print this help and exit");
  app.set_version_flag("-V,--version",
                       std::string(kProgramName) + " " + kProgramVersion,
                       "print the program's version and exit");
}

void PrintUsageError(std::ostream& err, std::string_view message) {
  err << kUsageErrorPrefix << message << '\n'
      << kSynopsis << "Try '" << kProgramName
      << " --help' for more information.\n";
}

}  // namespace kestrum::cli
