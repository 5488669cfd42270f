// SPDX-License-Identifier: MIT
#include "ui/message_list_ctrl.h"

#include <wx/artprov.h>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>

#include "ui/model/dialog_texts.h"
#include "ui/wx_strings.h"

namespace kestrum {
namespace {

constexpr int kIconSize = 16;
// Room for the icon, the gaps around it and the end of the widest line.
constexpr int kRowPadding = kIconSize + 24;

// The icon list's entries: a blank one keeps information lines in line
// with the marked ones.
enum Icon { kNoIcon = 0, kWarningIcon = 1, kErrorIcon = 2 };

wxBitmap IconOr(const wxArtID& id, const wxBitmap& blank) {
  const wxBitmap icon =
      wxArtProvider::GetBitmap(id, wxART_LIST, wxSize(kIconSize, kIconSize));
  return icon.IsOk() ? icon : blank;
}

int IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return kWarningIcon;
    case MessageKind::kError:
      return kErrorIcon;
    case MessageKind::kInformation:
      break;
  }
  return kNoIcon;
}

}  // namespace

MessageListCtrl::MessageListCtrl(wxWindow* parent, int id,
                                 const wxPoint& position, const wxSize& size)
    : wxListView(parent, id, position, size,
                 wxLC_REPORT | wxLC_NO_HEADER | wxLC_VIRTUAL | wxBORDER_SIMPLE),
      icons_(kIconSize, kIconSize, true) {
  wxImage blank(kIconSize, kIconSize);
  blank.SetAlpha();
  std::fill_n(blank.GetAlpha(), kIconSize * kIconSize, 0);
  const wxBitmap blankIcon(blank);
  icons_.Add(blankIcon);
  icons_.Add(IconOr(wxART_WARNING, blankIcon));
  icons_.Add(IconOr(wxART_ERROR, blankIcon));
  SetImageList(&icons_, wxIMAGE_LIST_SMALL);

  // Colours that read on a light and on a dark list alike.
  const bool dark =
      wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX).GetLuminance() < 0.5;
  warningStyle_.SetTextColour(dark ? wxColour(0xf5, 0xc2, 0x11)
                                   : wxColour(0x9c, 0x5b, 0x00));
  errorStyle_.SetTextColour(dark ? wxColour(0xff, 0x7b, 0x63)
                                 : wxColour(0xc0, 0x1c, 0x28));

  InsertColumn(0, wxString());
  Refill(0);

  Bind(wxEVT_CONTEXT_MENU, &MessageListCtrl::OnContextMenu, this);
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetModifiers() == wxMOD_CONTROL) {
      if (event.GetKeyCode() == 'C' || event.GetKeyCode() == WXK_INSERT) {
        CopySelection();
        return;
      }
      if (event.GetKeyCode() == 'A') {
        SelectAllLines();
        return;
      }
    }
    event.Skip();
  });
}

void MessageListCtrl::ShowContent(const MessageListContent& content) {
  rows_.clear();
  rows_.reserve(content.Lines().size());
  for (const ShownLine& line : content.Lines()) {
    rows_.push_back({line.kind, ToWxString(DisplayTextOf(line.text))});
  }
  progress_.clear();

  // The widest line is among the longest: measuring those few is enough.
  std::vector<std::size_t> longest(rows_.size());
  for (std::size_t i = 0; i < longest.size(); ++i) longest[i] = i;
  const std::size_t measured = std::min<std::size_t>(longest.size(), 50);
  std::partial_sort(longest.begin(),
                    longest.begin() + static_cast<long>(measured),
                    longest.end(), [this](std::size_t a, std::size_t b) {
                      return rows_[a].text.length() > rows_[b].text.length();
                    });
  wxClientDC dc(this);
  dc.SetFont(GetFont());
  rowsWidth_ = 0;
  for (std::size_t i = 0; i < measured; ++i) {
    rowsWidth_ =
        std::max(rowsWidth_, dc.GetTextExtent(rows_[longest[i]].text).x);
  }
  Refill(0);
}

void MessageListCtrl::ShowProgressLine(const wxString& line) {
  progress_ = line;
  Refill(static_cast<long>(rows_.size()));
}

void MessageListCtrl::Refill(long scrollTo) {
  const long count =
      static_cast<long>(rows_.size()) + (progress_.empty() ? 0 : 1);
  // Deselect first: the rows that were selected are other lines now.
  for (long row = GetFirstSelected(); row != -1; row = GetNextSelected(row)) {
    Select(row, false);
  }
  SetItemCount(count);

  // One column as wide as the widest line, so that long lines scroll.
  int widest = rowsWidth_;
  if (!progress_.empty()) {
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    widest = std::max(widest, dc.GetTextExtent(progress_).x);
  }
  const int room =
      GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
  SetColumnWidth(0, std::max(widest + kRowPadding, room));

  if (count > 0) EnsureVisible(std::min(scrollTo, count - 1));
  Refresh();
}

void MessageListCtrl::SelectAllLines() {
  for (long row = 0; row < GetItemCount(); ++row) Select(row, true);
}

bool MessageListCtrl::CopySelection() {
  wxString copied;
  bool any = false;
  for (long row = GetFirstSelected(); row != -1; row = GetNextSelected(row)) {
    copied << LineText(row) << '\n';
    any = true;
  }
  if (!any || !wxTheClipboard->Open()) return false;
  wxTheClipboard->SetData(new wxTextDataObject(copied));
  wxTheClipboard->Close();
  return true;
}

wxString MessageListCtrl::LineText(long row) const {
  if (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) {
    return rows_[static_cast<std::size_t>(row)].text;
  }
  return progress_;
}

MessageKind MessageListCtrl::LineKind(long row) const {
  if (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) {
    return rows_[static_cast<std::size_t>(row)].kind;
  }
  return MessageKind::kInformation;
}

wxString MessageListCtrl::OnGetItemText(long item, long) const {
  return LineText(item);
}

int MessageListCtrl::OnGetItemImage(long item) const {
  // The empty line that closes a group is no message of its own.
  return LineText(item).empty() ? kNoIcon : IconOf(LineKind(item));
}

wxItemAttr* MessageListCtrl::OnGetItemAttr(long item) const {
  // The list only reads the style it is handed.
  auto* self = const_cast<MessageListCtrl*>(this);
  if (LineText(item).empty()) return nullptr;
  switch (LineKind(item)) {
    case MessageKind::kWarning:
      return &self->warningStyle_;
    case MessageKind::kError:
      return &self->errorStyle_;
    case MessageKind::kInformation:
      break;
  }
  return nullptr;
}

void MessageListCtrl::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(wxID_COPY, FromUtf8(text::kCopyCommand));
  menu.Append(wxID_SELECTALL, FromUtf8(text::kSelectAllCommand));
  menu.Enable(wxID_COPY, GetSelectedItemCount() > 0);
  switch (GetPopupMenuSelectionFromUser(menu)) {
    case wxID_COPY:
      CopySelection();
      break;
    case wxID_SELECTALL:
      SelectAllLines();
      break;
    default:
      break;
  }
}

}  // namespace kestrum
