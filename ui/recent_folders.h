// SPDX-License-Identifier: MIT
// The folders the file choosers last took a file from, kept between
// sessions in the toolkit's configuration store (wxConfig; on Linux the
// file kestrum.conf in the user's configuration folder). A store that
// cannot be read or written is passed over in silence: the choosers then
// open where the toolkit opens them.
#pragma once

#include <wx/string.h>

namespace kestrum {

// `name` is one of the setting names of ui/model/settings.h. Returns the
// folder kept under it, or "" when there is none or it no longer exists.
wxString RecentFolder(const char* name);

// Keeps `folder` under `name`.
void RememberFolder(const char* name, const wxString& folder);

}  // namespace kestrum
