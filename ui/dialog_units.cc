// SPDX-License-Identifier: MIT
#include "ui/dialog_units.h"

namespace kestrum {

wxRect ToPixels(wxWindow& window, const DialogRect& rect) {
  // Converting both corners keeps neighbouring controls from overlapping
  // through rounding.
  const wxPoint topLeft =
      window.ConvertDialogToPixels(wxPoint(rect.left, rect.top));
  const wxPoint bottomRight = window.ConvertDialogToPixels(
      wxPoint(rect.left + rect.width, rect.top + rect.height));
  return wxRect(topLeft,
                wxSize(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
}

}  // namespace kestrum
