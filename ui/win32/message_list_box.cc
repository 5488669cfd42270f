// SPDX-License-Identifier: MIT
#include "ui/win32/message_list_box.h"

#include <cstring>
#include <vector>

#include "ui/win32/path_lists.h"

namespace kestrum::win32 {
namespace {

constexpr int kIconSize = 16;
constexpr int kGap = 2;

void AddLine(HWND list, MessageKind kind, const std::string& text) {
  const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) {
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(kind));
  }
}

std::string LineText(HWND list, UINT index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

COLORREF TextColour(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return RGB(0x9c, 0x5b, 0x00);
    case MessageKind::kError:
      return RGB(0xc0, 0x1c, 0x28);
    case MessageKind::kInformation:
      break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

void MessageListBox::Show(const MessageListContent& content) {
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  for (const ShownLine& line : content.Lines()) {
    AddLine(list_, line.kind, line.text);
  }
  progressShown_ = false;
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void MessageListBox::ShowProgressLine(const std::string& line) {
  const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
  if (progressShown_ && count > 0) {
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
  }
  AddLine(list_, MessageKind::kInformation, line);
  progressShown_ = true;
  SendMessageA(list_, LB_SETTOPINDEX,
               static_cast<WPARAM>(SendMessageA(list_, LB_GETCOUNT, 0, 0) - 1),
               0);
  UpdateWindow(list_);
}

void MessageListBox::SelectAll() { SendMessageA(list_, LB_SETSEL, TRUE, -1); }

bool MessageListBox::CopySelection(HWND owner) {
  const LRESULT count = SendMessageA(list_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return false;
  std::vector<int> rows(static_cast<std::size_t>(count));
  SendMessageA(list_, LB_GETSELITEMS, static_cast<WPARAM>(count),
               reinterpret_cast<LPARAM>(rows.data()));
  std::string copied;
  for (const int row : rows) {
    copied += LineText(list_, static_cast<UINT>(row)) + "\r\n";
  }
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool done = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, copied.size() + 1)) {
    if (void* bytes = GlobalLock(memory)) {
      std::memcpy(bytes, copied.c_str(), copied.size() + 1);
      GlobalUnlock(memory);
      done = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    if (!done) GlobalFree(memory);
  }
  CloseClipboard();
  return done;
}

UINT MessageListBox::LineHeight(HWND dialog) {
  const int text = DialogTextHeight(dialog);
  return static_cast<UINT>((text > kIconSize ? text : kIconSize) + kGap);
}

void MessageListBox::DrawLine(const DRAWITEMSTRUCT& item) {
  RECT place = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &place,
           GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID != static_cast<UINT>(-1)) {
    const std::string text = LineText(item.hwndItem, item.itemID);
    const auto kind = static_cast<MessageKind>(
        SendMessageA(item.hwndItem, LB_GETITEMDATA, item.itemID, 0));
    // The empty line that closes a group is no message of its own.
    if (!text.empty() && kind != MessageKind::kInformation) {
      const HICON icon = LoadIconA(
          nullptr, kind == MessageKind::kError ? IDI_ERROR : IDI_WARNING);
      DrawIconEx(item.hDC, place.left + kGap,
                 place.top + (place.bottom - place.top - kIconSize) / 2, icon,
                 kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    }
    place.left += kGap + kIconSize + 2 * kGap;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                    : TextColour(kind));
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace kestrum::win32
