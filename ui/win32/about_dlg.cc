// SPDX-License-Identifier: MIT
#include "ui/win32/about_dlg.h"

#include "ui/win32/resource_ids.h"

namespace kestrum::win32 {
namespace {

// Widens every line of text that needs more room in the box's font than
// the template gives it, up to the box's right margin, so that no line is
// cut whatever the font and the screen's resolution.
void WidenCutTexts(HWND box) {
  RECT margin = {0, 0, 7, 0};  // dialog units
  MapDialogRect(box, &margin);
  RECT client;
  GetClientRect(box, &client);
  HDC dc = GetDC(box);
  const HGDIOBJ oldFont = SelectObject(
      dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(className, "Static") != 0 ||
        (style & SS_TYPEMASK) == SS_ICON) {
      continue;
    }
    char text[256] = {};
    const int length = GetWindowTextA(child, text, sizeof text);
    SIZE needed = {};
    GetTextExtentPoint32A(dc, text, length, &needed);
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
    const LONG widest = client.right - margin.right - place.left;
    if (needed.cx > place.right - place.left) {
      SetWindowPos(child, nullptr, 0, 0,
                   static_cast<int>(needed.cx < widest ? needed.cx : widest),
                   place.bottom - place.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  SelectObject(dc, oldFont);
  ReleaseDC(box, dc);
}

INT_PTR CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      WidenCutTexts(window);
      return TRUE;  // the dialog manager focuses OK
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void ShowAboutBox(HINSTANCE instance, HWND owner) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, AboutProc,
                  0);
}

}  // namespace kestrum::win32
