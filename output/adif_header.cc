// SPDX-License-Identifier: MIT
#include "output/adif_header.h"

#include <algorithm>

#include "base/string_printf.h"
#include "kestrum/build_info.h"
#include "output/adif3.h"
#include "output/utc_time.h"

namespace kestrum {
namespace {

// Lines of the header whose wording is ours.
constexpr char kRightsNotice[] =
    "ZR contest logger, Copyright (C) 1986-%04d by its makers\n";
constexpr char kMakerAddress[] = "Internet:  https://www.example.org/zr/\n";
constexpr char kConverterAuthor[] =
    "ADIF Conversion written by the Kestrum developers, "
    "kestrum@example.org\n";

constexpr const char* kPowerNames[] = {"High Power", "Low Power", "QRP"};

// A text from the log for the free-text part of the header, where a '<'
// would open a field for every ADIF reader.
std::string FreeText(std::string text) {
  std::replace(text.begin(), text.end(), '<', '(');
  return text;
}

}  // namespace

BuildStamp ThisBuild() { return BuildStamp{kBuildDate, kBuildTime}; }

std::string FormatOutputHeader(const LogHeader& header,
                               const ConversionOptions& options,
                               const OutputFacts& facts,
                               const BuildStamp& build) {
  const double version = header.version * 0.01;
  const std::string versionText = StringPrintf("%4.2f", version);
  std::string out;
  out += StringPrintf("ADIF Export from ZR Version %4.2f\n", version);
  out += StringPrintf(kRightsNotice, BreakDownUtc(facts.startTime).year);
  out += "\n";
  out += kMakerAddress;
  out += "\n";
  const auto station = [&out](const char* format, const std::string& value) {
    out += StringPrintf(format, FreeText(value).c_str());
  };
  station("Contest:   %s\n", header.contest);
  station("Operator:  %s\n", header.operatorCall);
  station("Zone:      %s\n", header.zone);
  station("Name:      %s\n", header.name);
  station("Street:    %s\n", header.street);
  station("Town:      %s\n", header.town);
  station("State:     %s\n", header.state);
  station("ZIP:       %s\n", header.zip);
  station("Club:      %s\n", header.club);
  station("Category:  %s\n", header.category);
  // Only the three known power numbers have a name; a damaged 7.xx header
  // with another number below 99 gets no power line.
  if (header.powerIndex < std::size(kPowerNames)) {
    out += StringPrintf("Power:     %s\n", kPowerNames[header.powerIndex]);
  }
  out += StringPrintf("\nQSOs:      %0d\n", facts.qsosWritten);
  out += "\n";
  out += kConverterAuthor;
  out += StringPrintf("Last revised %s %s\n", build.date.c_str(),
                      build.time.c_str());
  out += "\n";
  out += AdifVersionField(options.adif3);
  out += StringPrintf("<PROGRAMID:%d>%s\n", 2, "ZR");
  out +=
      StringPrintf("<PROGRAMVERSION:%d>%s\n",
                   static_cast<int>(versionText.size()), versionText.c_str());
  out += "<EOH>\n\n";
  return out;
}

bool WriteOutputHeader(TextSink& file, const LogHeader& header,
                       const ConversionOptions& options,
                       const OutputFacts& facts, const BuildStamp& build) {
  return file.Write(FormatOutputHeader(header, options, facts, build));
}

}  // namespace kestrum
