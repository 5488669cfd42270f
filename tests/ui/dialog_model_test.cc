// SPDX-License-Identifier: MIT
#include "ui/model/dialog_model.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ui/model/control_ids.h"

namespace kestrum {
namespace {

// Every option field, for comparing whole option sets.
auto Fields(const ConversionOptions& o) {
  return std::tuple(o.sixMeters, o.arrlSs, o.vexoOption, o.operatorOption,
                    o.wpxOption, o.withSeconds, o.withFrequency, o.adif3,
                    o.contestIdText);
}

const ConversionOptions& OptionsOf(const DialogModel& model) {
  return model.Options();
}

TEST(DialogModelTest, ProposesInputPathWithAdiExtension) {
  const std::string longFolder(300, 'f');
  struct Case {
    std::string input;
    std::string proposal;
  };
  const std::vector<Case> cases = {
      {"/logs/cq2024.bin", "/logs/cq2024.adi"},
      {"/logs/cq.BIN.old", "/logs/cq.BIN.adi"},
      {"/logs/log.", "/logs/log.adi"},
      {"cq.bin", "cq.adi"},
      // Without an extension the proposal never names the log itself.
      {"/logs/cqlog", "/logs/cqlog.adi"},
      {"/logs/.zrlog", "/logs/.zrlog.adi"},
      // A '.' in a folder name is no extension.
      {"/home/j.smith/cqlog", "/home/j.smith/cqlog.adi"},
      {"/home/j.smith/cq.bin", "/home/j.smith/cq.adi"},
      {"", ""},
      // File-system bytes pass through untouched.
      {"/tmp/J\xc3\xb6rg.bin", "/tmp/J\xc3\xb6rg.adi"},
      // Long paths are kept whole, never cut.
      {"/" + longFolder + "/x.b", "/" + longFolder + "/x.adi"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProposeOutputPath(c.input), c.proposal) << c.input;
  }
}

TEST(DialogModelTest, TypedOutputNameWithoutExtensionGetsAdi) {
  struct Case {
    std::string typed;
    std::string used;
  };
  const std::vector<Case> cases = {
      {"/out/mylog", "/out/mylog.adi"},
      {"/out/my.log", "/out/my.log"},
      {"/out/mylog.ADIF", "/out/mylog.ADIF"},
      {"/o.ut/mylog", "/o.ut/mylog.adi"},
      {"/out/.hidden", "/out/.hidden.adi"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithAdifExtension(c.typed), c.used) << c.typed;
  }
  EXPECT_EQ(FolderOf("/logs/cq.bin"), "/logs");
  EXPECT_EQ(FolderOf("/cq.bin"), "/");
  EXPECT_EQ(FolderOf("cq.bin"), "");
  EXPECT_EQ(FileNameOf("/logs/cq.bin"), "cq.bin");
}

TEST(DialogModelTest, FreshDialogHasNoFilesAndDefaultOptions) {
  DialogModel model;
  EXPECT_EQ(model.InputPath(), "");
  EXPECT_EQ(model.OutputPath(), "");
  EXPECT_EQ(model.Request().inputPath, "");
  for (int box : {kSixMetersBox, kContestIdBox, kArrlSsBox, kOperatorBox,
                  kVexoBox, kWpxBox, kAdif3Box}) {
    EXPECT_EQ(model.IsOptionChecked(box), false) << box;
  }
  EXPECT_EQ(model.IsOptionChecked(kSecondsBox), true);
  EXPECT_EQ(model.IsOptionChecked(kFrequencyBox), true);
}

TEST(DialogModelTest, EachBoxStoresItsOwnFieldOnly) {
  struct Case {
    int box;
    bool ConversionOptions::*field;
  };
  const std::vector<Case> cases = {
      {kSixMetersBox, &ConversionOptions::sixMeters},
      {kArrlSsBox, &ConversionOptions::arrlSs},
      {kVexoBox, &ConversionOptions::vexoOption},
      {kOperatorBox, &ConversionOptions::operatorOption},
      {kWpxBox, &ConversionOptions::wpxOption},
      {kSecondsBox, &ConversionOptions::withSeconds},
      {kFrequencyBox, &ConversionOptions::withFrequency},
      {kAdif3Box, &ConversionOptions::adif3},
  };
  for (const Case& c : cases) {
    for (bool checked : {true, false}) {
      DialogModel model;
      ConversionOptions expected = OptionsOf(model);
      expected.*c.field = checked;
      EXPECT_TRUE(model.ClickOption(c.box, checked));
      EXPECT_EQ(Fields(OptionsOf(model)), Fields(expected))
          << "box " << c.box << (checked ? " checked" : " unchecked");
      EXPECT_EQ(model.IsOptionChecked(c.box), checked) << c.box;
    }
  }
}

TEST(DialogModelTest, ContestIdStoresAdifWhileChecked) {
  DialogModel model;
  const auto untouched = Fields(OptionsOf(model));

  model.ClickOption(kContestIdBox, true);
  EXPECT_EQ(model.Options().contestIdText, "ADIF");
  EXPECT_EQ(model.IsOptionChecked(kContestIdBox), true);

  // Unchecking gives the same options as never touching the box.
  model.ClickOption(kContestIdBox, false);
  EXPECT_EQ(model.Options().contestIdText, "");
  EXPECT_EQ(Fields(OptionsOf(model)), untouched);
  EXPECT_EQ(model.IsOptionChecked(kContestIdBox), false);
}

TEST(DialogModelTest, OtherControlsStoreNothing) {
  DialogModel model;
  const auto untouched = Fields(OptionsOf(model));
  for (int id : std::initializer_list<int>{
           kConvertButton, kExitButton, kHelpButton, kInputList, kMessageList,
           kChooseInputButton, 1007, 1015}) {
    EXPECT_FALSE(model.ClickOption(id, true)) << id;
    EXPECT_EQ(model.IsOptionChecked(id), std::nullopt) << id;
  }
  EXPECT_EQ(Fields(OptionsOf(model)), untouched);
}

TEST(DialogModelTest, EachNewLogGetsItsOwnOutput) {
  DialogModel model;
  EXPECT_EQ(model.OutputChooserStart(), "");

  // A log proposes its ADIF file at once, unconfirmed: an existing file of
  // that name is not replaced unasked.
  model.AcceptInput("/logs/cqp.bin");
  EXPECT_EQ(model.OutputPath(), "/logs/cqp.adi");
  EXPECT_TRUE(model.OutputNeedsConfirmation());
  EXPECT_FALSE(model.Request().replaceExisting);

  // The file chosen after the log holds, confirmed by the chooser...
  model.AcceptOutput("/out/kept.adi");
  EXPECT_EQ(model.OutputChooserStart(), "/out/kept.adi");
  EXPECT_TRUE(model.Request().replaceExisting);

  // ...until the next log, which never writes into it.
  model.AcceptInput("/logs/sweepstakes.bin");
  EXPECT_EQ(model.Request().inputPath, "/logs/sweepstakes.bin");
  EXPECT_EQ(model.Request().outputPath, "/logs/sweepstakes.adi");
  EXPECT_FALSE(model.Request().replaceExisting);

  model.ConfirmOutput();
  EXPECT_TRUE(model.Request().replaceExisting);
}

TEST(DialogModelTest, DroppedLogsAreTheBinFilesInOrder) {
  using Paths = std::vector<std::string>;
  EXPECT_EQ(DroppedLogs({"/x/notes.txt", "/x/CQ.BIN", "/x/b.bin", "/x/c.Bin"}),
            (Paths{"/x/CQ.BIN", "/x/b.bin", "/x/c.Bin"}));
  EXPECT_EQ(DroppedLogs({"/x/cq.bin.txt", "/x/bin", "/x/cqbin"}), Paths{});
  EXPECT_EQ(DroppedLogs(Paths{}), Paths{});
}

}  // namespace
}  // namespace kestrum
