// SPDX-License-Identifier: MIT
#include "ui/model/dialog_template.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "ui/model/control_ids.h"
#include "ui/model/dialog_model.h"

namespace kestrum {
namespace {

bool Overlap(const DialogRect& a, const DialogRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width &&
         a.top < b.top + b.height && b.top < a.top + a.height;
}

TEST(DialogTemplateTest, ControlsFitTheirWindowWithoutOverlapping) {
  for (const DialogTemplate* window :
       {&MainDialogTemplate(), &AboutDialogTemplate()}) {
    const auto& controls = window->controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const DialogRect& r = controls[i].rect;
      EXPECT_GE(r.left, 0) << window->title << " control " << i;
      EXPECT_GE(r.top, 0) << window->title << " control " << i;
      EXPECT_LE(r.left + r.width, window->width) << window->title << " " << i;
      EXPECT_LE(r.top + r.height, window->height) << window->title << " " << i;
      for (std::size_t k = i + 1; k < controls.size(); ++k) {
        EXPECT_FALSE(Overlap(r, controls[k].rect))
            << window->title << ": controls " << i << " and " << k;
      }
    }
  }
}

TEST(DialogTemplateTest, EveryCheckBoxStoresOneOptionOfItsOwn) {
  const DialogModel model;
  std::set<int> ids;
  int boxes = 0;
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    EXPECT_TRUE(ids.insert(control.id).second) << "duplicate " << control.id;
    const bool isOption = model.IsOptionChecked(control.id).has_value();
    EXPECT_EQ(isOption, control.kind == ControlKind::kCheckBox) << control.id;
    if (control.kind == ControlKind::kCheckBox) ++boxes;
  }
  EXPECT_EQ(boxes, 9);
}

TEST(DialogTemplateTest, ConvertIsTheOnlyDefaultButton) {
  int defaults = 0;
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.kind == ControlKind::kDefaultButton) {
      ++defaults;
      EXPECT_EQ(control.id, kConvertButton);
      EXPECT_EQ(control.label, "&Convert");
    }
  }
  EXPECT_EQ(defaults, 1);
  // The first tab stop, which has the focus at start, is "ZR BIN".
  EXPECT_EQ(MainDialogTemplate().controls.front().id, kChooseInputButton);
}

TEST(DialogTemplateTest, MnemonicsAreUniqueAndKeepTheLabels) {
  // The labels as the window shows them, the mnemonic only underlined.
  const std::set<std::string> labels = {
      "ZR BIN",   "ADIF",    "6 Meters",  "Contest ID", "ARRL SS",
      "Operator", "Seconds", "VEXO",      "WPX",        "Convert",
      "Help",     "Exit",    "Frequency", "ADIF 3"};
  std::set<std::string> shown;
  std::set<char> mnemonics;
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.label.empty()) continue;
    const std::size_t mark = control.label.find('&');
    ASSERT_NE(mark, std::string_view::npos) << control.label;
    ASSERT_LT(mark + 1, control.label.size()) << control.label;
    EXPECT_EQ(control.label.find('&', mark + 1), std::string_view::npos);
    const char letter = static_cast<char>(
        std::tolower(static_cast<unsigned char>(control.label[mark + 1])));
    EXPECT_NE(letter, ' ') << control.label;
    EXPECT_TRUE(mnemonics.insert(letter).second) << control.label;
    std::string label(control.label);
    label.erase(mark, 1);
    shown.insert(label);
  }
  EXPECT_EQ(shown, labels);
}

}  // namespace
}  // namespace kestrum
