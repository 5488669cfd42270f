// SPDX-License-Identifier: MIT
// The main dialog from inside its own process: what another process cannot
// see of it under Wine (the system menu) and what the window manager is
// told (the icons). The dialog runs modally as in the program; a thread
// timer looks at it from within the modal loop and then presses Exit.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/model/control_ids.h"
#include "ui/model/dialog_texts.h"
#include "ui/win32/kestrum_dlg.h"

namespace kestrum::testing {
namespace {

// What the timer saw; filled on the dialog's thread.
struct Seen {
  bool dialogFound = false;
  int menuItems = 0;
  std::string lastItem;
  UINT lastItemId = 0;
  bool separatorBeforeLast = false;
  bool bigIcon = false;
  bool smallIcon = false;
  bool dragIcon = false;
};

Seen seen;

void CALLBACK LookAndExit(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND dialog = FindWindowA("#32770", text::kMainTitle);
  seen.dialogFound = dialog != nullptr;
  if (dialog == nullptr) return;
  if (HMENU menu = GetSystemMenu(dialog, FALSE)) {
    seen.menuItems = GetMenuItemCount(menu);
    char item[64] = {};
    GetMenuStringA(menu, seen.menuItems - 1, item, sizeof item, MF_BYPOSITION);
    seen.lastItem = item;
    seen.lastItemId = GetMenuItemID(menu, seen.menuItems - 1);
    seen.separatorBeforeLast =
        (GetMenuState(menu, seen.menuItems - 2, MF_BYPOSITION) &
         MF_SEPARATOR) != 0;
  }
  seen.bigIcon = SendMessageA(dialog, WM_GETICON, ICON_BIG, 0) != 0;
  seen.smallIcon = SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
  seen.dragIcon = SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0) != 0;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kExitButton, BN_CLICKED), 0);
}

TEST(Win32DialogTest, SystemMenuAndIconsAreSetUpAndExitEndsTheDialog) {
  ASSERT_NE(SetTimer(nullptr, 0, 200, LookAndExit), 0u);
  win32::CKestrumDlg dialog(GetModuleHandleA(nullptr));
  const INT_PTR result = dialog.DoModal();
  // Wine without an X display makes no windows.
  if (result == -1 && GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
    GTEST_SKIP() << "no display to show the dialog on";
  }
  EXPECT_EQ(result, IDCANCEL);

  ASSERT_TRUE(seen.dialogFound);
  ASSERT_GE(seen.menuItems, 2);
  EXPECT_EQ(seen.lastItem, text::kAboutMenuItem);
  EXPECT_EQ(seen.lastItemId, static_cast<UINT>(kAboutCommand));
  EXPECT_TRUE(seen.separatorBeforeLast);
  EXPECT_TRUE(seen.bigIcon);
  EXPECT_TRUE(seen.smallIcon);
  EXPECT_TRUE(seen.dragIcon);
}

}  // namespace
}  // namespace kestrum::testing
