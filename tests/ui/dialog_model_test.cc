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
      {"/logs/.zrlog", "/logs/.adi"},
      {"cq.bin", "cq.adi"},
      // No '.' at all: proposed unchanged.
      {"/logs/cqlog", "/logs/cqlog"},
      // The last '.' of the whole path counts, also in a folder name; the
      // chooser shows the proposal before anything is written.
      {"/home/j.smith/cqlog", "/home/j.adi"},
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

TEST(DialogModelTest, FreshDialogHasNoFilesAndDefaultOptions) {
  DialogModel model;
  EXPECT_EQ(model.InputPath(), "");
  EXPECT_EQ(model.OutputPath(), "");
  EXPECT_EQ(model.OutputProposal(), "");
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

TEST(DialogModelTest, CancelledOutputChooserKeepsAcceptedOutput) {
  DialogModel model;
  model.AcceptInput("/logs/first.bin");
  model.AcceptOutput("/out/kept.adi");
  model.AcceptInput("/logs/second.bin");

  // A second input leaves the output alone; the chooser would propose the
  // new name, but only acceptance stores it.
  EXPECT_EQ(model.InputPath(), "/logs/second.bin");
  EXPECT_EQ(model.OutputProposal(), "/logs/second.adi");
  EXPECT_EQ(model.OutputPath(), "/out/kept.adi");

  model.AcceptOutput(model.OutputProposal());
  EXPECT_EQ(model.OutputPath(), "/logs/second.adi");
}

TEST(DialogModelTest, DropChoosesFirstBinFile) {
  using Paths = std::vector<std::string>;
  EXPECT_EQ(PickDroppedLog({"/x/notes.txt", "/x/CQ.BIN", "/x/b.bin"}),
            "/x/CQ.BIN");
  EXPECT_EQ(PickDroppedLog({"/x/cq.Bin"}), "/x/cq.Bin");
  EXPECT_EQ(PickDroppedLog({"/x/cq.bin.txt", "/x/bin", "/x/cqbin"}),
            std::nullopt);
  EXPECT_EQ(PickDroppedLog(Paths{}), std::nullopt);
}

}  // namespace
}  // namespace kestrum
