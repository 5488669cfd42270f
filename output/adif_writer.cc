// SPDX-License-Identifier: MIT
#include "output/adif_writer.h"

#include <algorithm>

#include "base/string_printf.h"
#include "kestrum/build_info.h"
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

constexpr int kWrapColumn = 80;

constexpr const char* kPowerNames[] = {"High Power", "Low Power", "QRP"};

// A text from the log for the free-text part of the header, where a '<'
// would open a field for every ADIF reader.
std::string FreeText(std::string text) {
  std::replace(text.begin(), text.end(), '<', '(');
  return text;
}

}  // namespace

BuildStamp ThisBuild() { return BuildStamp{kBuildDate, kBuildTime}; }

void AddField(ConversionContext& context, std::string_view name,
              std::string_view value) {
  if (value.empty()) return;
  const std::string valueLength = std::to_string(value.size());
  std::string field;
  field.reserve(name.size() + valueLength.size() + value.size() + 3);
  field.push_back('<');
  field.append(name);
  field.push_back(':');
  field.append(valueLength);
  field.push_back('>');
  field.append(value);
  const int length = static_cast<int>(field.size());
  // The test leaves out the blank that follows, so a line reaches at most 80
  // columns. A field too long for any line stands alone on one.
  if (context.lineLength + length >= kWrapColumn) {
    if (context.lineLength != 0) FlushLine(context);
    context.lineText.clear();
    context.lineLength = 0;
  } else if (context.lineLength != 0) {
    context.lineText.push_back(' ');
    context.lineLength += 1;
  }
  context.lineText += field;
  context.lineLength += length;
}

void FlushLine(ConversionContext& context) {
  context.lines.Append(context.lineText);
}

void EndRecord(ConversionContext& context) {
  context.lineText += " <EOR>\n";
  context.lineLength = kLineLengthAfterRecord;
}

std::string FormatOutputHeader(const LogHeader& header,
                               const ConversionContext& context,
                               const BuildStamp& build) {
  const double version = header.version * 0.01;
  const std::string versionText = StringPrintf("%4.2f", version);
  std::string out;
  out += StringPrintf("ADIF Export from ZR Version %4.2f\n", version);
  out += StringPrintf(kRightsNotice, BreakDownUtc(context.startTime).year);
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
  out += StringPrintf("\nQSOs:      %0d\n", context.qsosWritten);
  out += "\n";
  out += kConverterAuthor;
  out += StringPrintf("Last revised %s %s\n", build.date.c_str(),
                      build.time.c_str());
  out += "\n";
  out += context.adif3 ? "<ADIF_VER:5>3.1.4\n" : "<ADIF_VER:5>2.1.7\n";
  out += StringPrintf("<PROGRAMID:%d>%s\n", 2, "ZR");
  out +=
      StringPrintf("<PROGRAMVERSION:%d>%s\n",
                   static_cast<int>(versionText.size()), versionText.c_str());
  out += "<EOH>\n\n";
  return out;
}

bool WriteOutputFile(TextSink& file, const LogHeader& header,
                     const ConversionContext& context,
                     const BuildStamp& build) {
  if (!file.Write(FormatOutputHeader(header, context, build))) return false;
  for (const std::string& block : context.lines.Blocks()) {
    if (!file.Write(block)) return false;
  }
  return true;
}

}  // namespace kestrum
