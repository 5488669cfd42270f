// SPDX-License-Identifier: MIT
// Places the controls of a DialogTemplate: dialog units to pixels for the
// window's font.
#pragma once

#include <wx/gdicmn.h>
#include <wx/window.h>

#include "ui/model/dialog_template.h"

namespace kestrum {

// `rect`, in dialog units of `window`, in pixels.
wxRect ToPixels(wxWindow& window, const DialogRect& rect);

}  // namespace kestrum
