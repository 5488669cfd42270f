// SPDX-License-Identifier: MIT
#include "ui/win32/path_lists.h"

#include <commctrl.h>

#include <cstring>

#include "ui/model/control_ids.h"

namespace kestrum::win32 {
namespace {

constexpr int kMargin = 2;

TOOLINFOA ToolOf(HWND dialog, int listId, char* text) {
  TOOLINFOA tool;
  std::memset(&tool, 0, sizeof tool);
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, listId));
  tool.lpszText = text;
  return tool;
}

}  // namespace

PathLists::PathLists(HWND dialog) : dialog_(dialog) {
  tooltips_ =
      CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
  if (tooltips_ == nullptr) return;
  // Paths are long: the tip breaks nowhere but at this width.
  SendMessageA(tooltips_, TTM_SETMAXTIPWIDTH, 0, 600);
  char empty[] = "";
  for (const int listId : {kInputList, kOutputList}) {
    TOOLINFOA tool = ToolOf(dialog_, listId, empty);
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void PathLists::Show(int listId, const std::string& path) {
  const HWND list = GetDlgItem(dialog_, listId);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  if (!path.empty()) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }
  if (tooltips_ != nullptr) {
    std::string text = path;
    TOOLINFOA tool = ToolOf(dialog_, listId, text.data());
    SendMessageA(tooltips_, TTM_UPDATETIPTEXTA, 0,
                 reinterpret_cast<LPARAM>(&tool));
  }
}

int DialogTextHeight(HWND dialog) {
  HDC context = GetDC(dialog);
  const HGDIOBJ old = SelectObject(
      context, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  SelectObject(context, old);
  ReleaseDC(dialog, context);
  return metrics.tmHeight;
}

UINT PathLists::LineHeight(HWND dialog) {
  return static_cast<UINT>(DialogTextHeight(dialog) + 2 * kMargin);
}

void PathLists::DrawLine(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem,
           GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID != static_cast<UINT>(-1)) {
    const LRESULT length =
        SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::string path(length > 0 ? static_cast<std::size_t>(length) + 1 : 1,
                     '\0');
    SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID,
                 reinterpret_cast<LPARAM>(path.data()));
    RECT place = item.rcItem;
    place.left += kMargin;
    place.right -= kMargin;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
    // The system shortens a path in its middle and keeps its file name.
    DrawTextA(item.hDC, path.c_str(), -1, &place,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace kestrum::win32
