// SPDX-License-Identifier: MIT
// The folders the file choosers last took a file from, kept between
// sessions in the registry under HKEY_CURRENT_USER\Software\Kestrum. A
// registry that cannot be read or written is passed over in silence.
#pragma once

#include <string>

namespace kestrum::win32 {

// `name` is one of the setting names of ui/model/settings.h. Returns the
// folder kept under it, or "" when there is none or it no longer exists.
std::string RecentFolder(const char* name);

// Keeps `folder` under `name`.
void RememberFolder(const char* name, const std::string& folder);

}  // namespace kestrum::win32
