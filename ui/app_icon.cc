// SPDX-License-Identifier: MIT
#include "ui/app_icon.h"

#include "ui/icons/kestrum_16.xpm"
#include "ui/icons/kestrum_32.xpm"

namespace kestrum {

wxIconBundle ApplicationIcons() {
  wxIconBundle icons;
  icons.AddIcon(wxIcon(kestrum_16));
  icons.AddIcon(wxIcon(kestrum_32));
  return icons;
}

wxIcon LargeApplicationIcon() { return wxIcon(kestrum_32); }

}  // namespace kestrum
