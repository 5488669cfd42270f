// SPDX-License-Identifier: MIT
// MessageListCtrl: the dialog's message list (control 1013). It shows the
// lines of a MessageListContent, warnings and errors marked with their icon
// and colour, and below them, while a long run goes on, a line with its
// progress. Lines can be selected (with Shift and Ctrl for several) and
// copied; the list asks for the rows it draws, so a long list costs little.
#pragma once

#include <wx/imaglist.h>
#include <wx/listctrl.h>

#include <vector>

#include "core/message_log.h"
#include "ui/model/message_list.h"

namespace kestrum {

class MessageListCtrl final : public wxListView {
 public:
  MessageListCtrl(wxWindow* parent, int id, const wxPoint& position,
                  const wxSize& size);

  // Shows the lines of `content`, with no progress line, and scrolls back to
  // the top.
  void ShowContent(const MessageListContent& content);

  // Shows `line` below the lines as they stand and scrolls it into view.
  void ShowProgressLine(const wxString& line);

  // Selects every line.
  void SelectAllLines();

  // Puts the selected lines on the clipboard, one per line; false when no
  // line is selected or the clipboard could not be opened.
  bool CopySelection();

  // Line `row` as shown, and its kind.
  wxString LineText(long row) const;
  MessageKind LineKind(long row) const;

 private:
  struct Row {
    MessageKind kind;
    wxString text;
  };

  wxString OnGetItemText(long item, long column) const override;
  int OnGetItemImage(long item) const override;
  wxItemAttr* OnGetItemAttr(long item) const override;

  void OnContextMenu(wxContextMenuEvent& event);
  // Shows rows_ and progress_; `scrollTo` is the row to bring into view.
  void Refill(long scrollTo);

  std::vector<Row> rows_;
  int rowsWidth_ = 0;  // pixels of the widest line of rows_
  wxString progress_;
  wxImageList icons_;
  wxItemAttr warningStyle_;
  wxItemAttr errorStyle_;
};

}  // namespace kestrum
