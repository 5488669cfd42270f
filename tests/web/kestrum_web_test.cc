// SPDX-License-Identifier: MIT
// The C interface of the browser build, compiled natively: each option bit
// reaches its option, the results carry what the run produced, and the
// in-memory files behave as the page needs.
#include "web/kestrum_web.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/fakes.h"
#include "tests/support/sample_logs.h"

namespace kestrum {
namespace {

using testing::Bytes;

constexpr std::uint32_t kDefaults = KESTRUM_WEB_SECONDS | KESTRUM_WEB_FREQUENCY;

struct Converted {
  int status;
  int qsosWritten;
  std::string adif;
  std::vector<std::string> messages;
  std::vector<int> kinds;
  std::string report;
};

Converted Convert(const Bytes& log, std::uint32_t options,
                  const char* contestIdText = "",
                  const char* inputName = "in.bin",
                  const char* outputName = "out.adi") {
  const std::unique_ptr<KestrumWebResult, void (*)(KestrumWebResult*)> result(
      kestrum_web_convert(reinterpret_cast<const std::uint8_t*>(log.data()),
                          log.size(), inputName, outputName, options,
                          contestIdText),
      kestrum_web_free);
  Converted converted{
      kestrum_web_status(result.get()),
      kestrum_web_qsos_written(result.get()),
      std::string(reinterpret_cast<const char*>(kestrum_web_adif(result.get())),
                  kestrum_web_adif_size(result.get())),
      {},
      {},
      kestrum_web_report(result.get())};
  for (std::size_t i = 0; i < kestrum_web_message_count(result.get()); ++i) {
    converted.messages.emplace_back(kestrum_web_message(result.get(), i));
    converted.kinds.push_back(kestrum_web_message_kind(result.get(), i));
  }
  return converted;
}

// The run's timing is the only thing the two runs may tell differently.
std::vector<std::string> WithoutTiming(std::vector<std::string> lines) {
  for (std::string& line : lines) {
    const std::size_t at = line.find(" in 1 second to ");
    if (at != std::string::npos) line.replace(at, 15, " in 0 seconds to");
  }
  return lines;
}

// The sample logs, and one that "6 Meters" changes: a DXpedition log of
// version 9.40 with a contact on its band 10.
std::vector<std::pair<std::string, Bytes>> Logs() {
  std::vector<std::pair<std::string, Bytes>> logs;
  for (const testing::SampleLog& sample : testing::SampleLogs()) {
    logs.emplace_back(sample.name, BuildLog(sample.header, sample.records));
  }
  testing::TestHeader header;
  header.generation = 9;
  header.versionText = "ZR 9.40";
  header.contestIndex = 11;
  testing::TestRecord contact;
  contact.call = "DL1ABC";
  contact.band = 10;
  contact.mode = 1;
  contact.time = testing::UtcSeconds(2005, 6, 1, 12);
  logs.emplace_back("dxpedition-940", BuildLog(header, {contact}));
  return logs;
}

std::vector<int> KindsOf(const std::vector<MessageKind>& kinds) {
  std::vector<int> numbers;
  for (const MessageKind kind : kinds)
    numbers.push_back(static_cast<int>(kind));
  return numbers;
}

struct OptionBit {
  std::uint32_t bit;
  std::function<void(ConversionOptions&)> toggle;
};

TEST(KestrumWebTest, EveryOptionBitConvertsAsTheRunDoes) {
  const OptionBit bits[] = {
      {0, [](ConversionOptions&) {}},
      {KESTRUM_WEB_SIX_METERS,
       [](ConversionOptions& o) { o.sixMeters = !o.sixMeters; }},
      {KESTRUM_WEB_ARRL_SS, [](ConversionOptions& o) { o.arrlSs = !o.arrlSs; }},
      {KESTRUM_WEB_VEXO,
       [](ConversionOptions& o) { o.vexoOption = !o.vexoOption; }},
      {KESTRUM_WEB_OPERATOR,
       [](ConversionOptions& o) { o.operatorOption = !o.operatorOption; }},
      {KESTRUM_WEB_WPX,
       [](ConversionOptions& o) { o.wpxOption = !o.wpxOption; }},
      {KESTRUM_WEB_SECONDS,
       [](ConversionOptions& o) { o.withSeconds = !o.withSeconds; }},
      {KESTRUM_WEB_FREQUENCY,
       [](ConversionOptions& o) { o.withFrequency = !o.withFrequency; }},
      {KESTRUM_WEB_ADIF3, [](ConversionOptions& o) { o.adif3 = !o.adif3; }},
  };
  std::map<std::string, std::string> defaultAdif;
  for (const OptionBit& option : bits) {
    bool changesSomething = option.bit == 0;
    for (const auto& [name, log] : Logs()) {
      testing::MemoryRun run;
      option.toggle(run.options);
      run.Convert(log);
      const Converted web = Convert(log, kDefaults ^ option.bit);
      SCOPED_TRACE(name + " with option bit " + std::to_string(option.bit));
      EXPECT_EQ(web.status, KESTRUM_WEB_CONVERTED);
      EXPECT_EQ(web.qsosWritten, run.result.qsosWritten);
      EXPECT_EQ(web.adif, run.files.Text("out.adi"));
      EXPECT_EQ(WithoutTiming(web.messages), run.ui.messageList);
      EXPECT_EQ(web.kinds, KindsOf(run.ui.messageKinds));
      EXPECT_EQ(web.report, run.ui.informationBoxes.at(0));
      if (option.bit == 0) defaultAdif[name] = web.adif;
      if (web.adif != defaultAdif[name]) changesSomething = true;
    }
    EXPECT_TRUE(changesSomething) << "option bit " << option.bit;
  }
}

TEST(KestrumWebTest, ContestIdTextIsHandedOn) {
  const testing::SampleLog sample = testing::SampleLogs().at(0);
  const Bytes log = BuildLog(sample.header, sample.records);
  for (const char* text : {"ADIF", "MY-TEST", ""}) {
    testing::MemoryRun run;
    run.options.contestIdText = text;
    run.Convert(log);
    EXPECT_EQ(Convert(log, kDefaults, text).adif, run.files.Text("out.adi"))
        << text;
  }
  EXPECT_EQ(Convert(log, kDefaults, nullptr).adif,
            Convert(log, kDefaults, "").adif);
}

TEST(KestrumWebTest, FailedRunsGiveNoAdifAndSayWhy) {
  const Bytes notALog(100, std::byte{'x'});
  const Converted refused = Convert(notALog, kDefaults, "", "K\xf6ln.bin");
  EXPECT_EQ(refused.status, KESTRUM_WEB_REFUSED);
  EXPECT_EQ(refused.adif, "");
  EXPECT_EQ(refused.messages,
            (std::vector<std::string>{
                "ZR file K\xf6ln.bin does not have a valid header.", ""}));
  EXPECT_EQ(refused.kinds,
            (std::vector<int>{KESTRUM_WEB_ERROR_LINE, KESTRUM_WEB_ERROR_LINE}));
  EXPECT_EQ(refused.report, "0 QSOs written to out.adi");

  const Converted empty = Convert({}, kDefaults);
  EXPECT_EQ(empty.status, KESTRUM_WEB_REFUSED);

  const Converted unnamed = Convert(notALog, kDefaults, "", nullptr);
  EXPECT_EQ(unnamed.status, KESTRUM_WEB_ERROR);
  EXPECT_EQ(unnamed.report, "ERROR:  Must specify a ZR BIN file.");
  EXPECT_TRUE(unnamed.messages.empty());
}

TEST(KestrumWebTest, LogAndAdifAreSeparateWhateverTheirNames) {
  const testing::SampleLog sample = testing::SampleLogs().at(0);
  const Converted same = Convert(BuildLog(sample.header, sample.records),
                                 kDefaults, "", "x.adi", "x.adi");
  EXPECT_EQ(same.status, KESTRUM_WEB_CONVERTED);
  EXPECT_NE(same.adif, "");
}

}  // namespace
}  // namespace kestrum
