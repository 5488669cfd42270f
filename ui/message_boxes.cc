// SPDX-License-Identifier: MIT
#include "ui/message_boxes.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "ui/session_trace.h"

namespace kestrum {
namespace {

void ShowBox(wxWindow* owner, const wxString& text, long icon,
             const char* traceName) {
  TraceShown(traceName, text);
  wxMessageDialog box(owner, text, wxTheApp->GetAppName(), wxOK | icon);
  box.ShowModal();
}

}  // namespace

void ShowErrorBox(wxWindow* owner, const wxString& text) {
  ShowBox(owner, text, wxICON_ERROR, "error-box");
}

void ShowInformationBox(wxWindow* owner, const wxString& text) {
  ShowBox(owner, text, wxICON_INFORMATION, "information-box");
}

}  // namespace kestrum
