// SPDX-License-Identifier: MIT
// The application icon, 32 by 32 and 16 by 16 pixels, rendered from
// ui/icons/kestrum.svg by ui/icons/render_icons.sh.
#pragma once

#include <wx/icon.h>
#include <wx/iconbndl.h>

namespace kestrum {

// Both sizes, for a window's title bar and task bar.
wxIconBundle ApplicationIcons();

// The 32 by 32 image, for the about box.
wxIcon LargeApplicationIcon();

}  // namespace kestrum
