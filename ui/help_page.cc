// SPDX-License-Identifier: MIT
#include "ui/help_page.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

namespace kestrum {

wxString FindUserGuide() {
  const wxString executableFolder =
      wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
  wxFileName installed(executableFolder + wxFILE_SEP_PATH +
                       wxString::FromUTF8(KESTRUM_GUIDE_FROM_EXECUTABLE));
  installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
  if (installed.FileExists()) return installed.GetFullPath();

  const wxString inSource = wxString::FromUTF8(KESTRUM_GUIDE_IN_SOURCE);
  if (!inSource.empty() && wxFileName::FileExists(inSource)) return inSource;
  return wxString();
}

bool OpenInBrowser(const wxString& page) {
  // The caller reports a failure in its own words.
  wxLogNull noLogWindow;
  return wxLaunchDefaultBrowser(wxFileName::FileNameToURL(page));
}

}  // namespace kestrum
