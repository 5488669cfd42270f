// SPDX-License-Identifier: MIT
#include "ui/recent_folders.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/log.h>

namespace kestrum {

wxString RecentFolder(const char* name) {
  wxLogNull quiet;
  wxConfigBase* config = wxConfigBase::Get();
  wxString folder;
  if (config == nullptr || !config->Read(name, &folder)) return wxString();
  return wxFileName::DirExists(folder) ? folder : wxString();
}

void RememberFolder(const char* name, const wxString& folder) {
  wxLogNull quiet;
  wxConfigBase* config = wxConfigBase::Get();
  if (config == nullptr || folder.empty()) return;
  config->Write(name, folder);
  config->Flush();
}

}  // namespace kestrum
