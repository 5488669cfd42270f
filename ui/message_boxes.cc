// SPDX-License-Identifier: MIT
#include "ui/message_boxes.h"

#include <wx/msgdlg.h>

#ifdef __WXGTK__
#include <wx/generic/msgdlgg.h>
#endif

#include "ui/model/dialog_texts.h"
#include "ui/session_trace.h"
#include "ui/wx_strings.h"

namespace kestrum {
namespace {

#ifdef __WXGTK__
using MessageBox = wxGenericMessageDialog;
#else
using MessageBox = wxMessageDialog;
#endif

int ShowBox(wxWindow* owner, const wxString& text, long style,
            const char* traceName) {
  TraceShown(traceName, text);
  MessageBox box(owner, text, FromUtf8(text::kProgramTitle), style);
  return box.ShowModal();
}

}  // namespace

void ShowErrorBox(wxWindow* owner, const wxString& text) {
  ShowBox(owner, text, wxOK | wxICON_ERROR, "error-box");
}

void ShowInformationBox(wxWindow* owner, const wxString& text) {
  ShowBox(owner, text, wxOK | wxICON_INFORMATION, "information-box");
}

bool AskToReplace(wxWindow* owner, const wxString& path) {
  wxString question = FromUtf8(text::kReplaceQuestion);
  question.Replace("%s", path);
  return ShowBox(owner, question, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                 "question-box") == wxID_YES;
}

}  // namespace kestrum
