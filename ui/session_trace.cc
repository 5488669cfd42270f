// SPDX-License-Identifier: MIT
#include "ui/session_trace.h"

#include <wx/tokenzr.h>

#include <cstdio>
#include <cstdlib>

#include "ui/wx_strings.h"

namespace kestrum {

void TraceShown(const char* what, const wxString& text) {
  static const char* const path = std::getenv("KESTRUM_UI_TRACE");
  if (path == nullptr || *path == '\0') return;
  std::FILE* trace = std::fopen(path, "a");
  if (trace == nullptr) return;
  std::fprintf(trace, "%s\t%s\n", what, text.utf8_str().data());
  std::fclose(trace);
}

wxArrayString TestDropPaths() {
  const char* const paths = std::getenv("KESTRUM_UI_DROP");
  if (paths == nullptr) return wxArrayString();
  return wxStringTokenize(FromFileSystemBytes(paths), "\n", wxTOKEN_STRTOK);
}

}  // namespace kestrum
