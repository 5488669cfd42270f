// SPDX-License-Identifier: MIT
// Kestrum.exe: converts ZR contest logs into ADIF files in one dialog. The
// program runs the main dialog once and ends when it closes; it keeps no
// settings.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ui/win32/kestrum_dlg.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  kestrum::win32::CKestrumDlg dialog(instance);
  dialog.DoModal();
  return 0;
}
