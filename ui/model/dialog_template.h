// SPDX-License-Identifier: MIT
// The layout of the main dialog and of the about box: every control's id,
// kind, label and rectangle in dialog units, in tab order. Dialog units
// scale with the dialog's font (a quarter of the average character width
// across, an eighth of the character height down), so the windows keep their
// proportions on every platform and font size. The toolkit code creates the
// controls from these tables and adds nothing of its own.
#pragma once

#include <span>
#include <string_view>

namespace kestrum {

enum class ControlKind {
  kPushButton,
  kDefaultButton,  // Enter presses it while no other push button has focus
  kCheckBox,
  kPathListBox,     // one-line list box showing a path; not a tab stop
  kMessageListBox,  // list box with the lines of the last run; a tab stop
  kStaticIcon,      // the application icon
  kStaticText,
  kVersionText,  // static text showing AboutVersionLine
};

// Left, top, width and height in dialog units.
struct DialogRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// `id` is a ControlId, or kNoControlId for a static control nobody
// addresses. `label` is empty for controls without one.
struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::kStaticText;
  std::string_view label;
  DialogRect rect;
};

inline constexpr int kNoControlId = -1;

// A window: title, client size in dialog units, controls in tab order.
struct DialogTemplate {
  std::string_view title;
  int width = 0;
  int height = 0;
  std::span<const ControlTemplate> controls;
};

// The main dialog, "ZR to ADIF".
const DialogTemplate& MainDialogTemplate();

// The about box, "About Kestrum".
const DialogTemplate& AboutDialogTemplate();

// "Kestrum Version " and the version this program was built as.
std::string_view AboutVersionLine();

}  // namespace kestrum
