// SPDX-License-Identifier: MIT
#include "ui/about_dlg.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/app_icon.h"
#include "ui/dialog_units.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_template.h"
#include "ui/wx_strings.h"

namespace kestrum {

CAboutDlg::CAboutDlg(wxWindow* owner) {
  // A static text at its place, widened when the font needs more room than
  // the layout gives, so that no line of the box is cut.
  const auto AddText = [this](const wxString& label, const wxRect& place) {
    auto* text = new wxStaticText(this, wxID_ANY, label, place.GetPosition());
    wxSize size = text->GetBestSize();
    size.IncTo(place.GetSize());
    text->SetSize(size);
  };

  const DialogTemplate& layout = AboutDialogTemplate();
  Create(owner, wxID_ANY, FromUtf8(layout.title), wxDefaultPosition,
         wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  for (const ControlTemplate& control : layout.controls) {
    const wxRect place = ToPixels(*this, control.rect);
    const wxString label = FromUtf8(control.label);
    switch (control.kind) {
      case ControlKind::kStaticIcon:
        // An icon keeps its own size, as on Windows.
        new wxStaticBitmap(this, wxID_ANY, LargeApplicationIcon(),
                           place.GetPosition());
        break;
      case ControlKind::kVersionText:
        AddText(FromUtf8(AboutVersionLine()), place);
        break;
      case ControlKind::kStaticText:
        AddText(label, place);
        break;
      case ControlKind::kDefaultButton:
        (new wxButton(this, control.id, label, place.GetPosition(),
                      place.GetSize()))
            ->SetDefault();
        break;
      default:
        break;
    }
  }
  SetClientSize(ToPixels(*this, {0, 0, layout.width, layout.height}).GetSize());
  // OK closes the box; so do Escape and the close box, through OK.
  SetAffirmativeId(kAboutOkButton);
  SetEscapeId(kAboutOkButton);
  FindWindow(kAboutOkButton)->SetFocus();
}

}  // namespace kestrum
