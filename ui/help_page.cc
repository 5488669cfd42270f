// SPDX-License-Identifier: MIT
#include "ui/help_page.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/stdpaths.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <utility>

namespace kestrum {
namespace {

#if defined(__UNIX__) && !defined(__WXMAC__)

// The opener while it runs; it deletes itself when the opener ends.
class OpenerProcess final : public wxProcess {
 public:
  explicit OpenerProcess(std::function<void()> onFailure)
      : onFailure_(std::move(onFailure)) {}

  void OnTerminate(int, int status) override {
    if (status != 0 && clock_.Time() < kFailureWindowMs) onFailure_();
    delete this;
  }

 private:
  std::function<void()> onFailure_;
  wxStopWatch clock_;
};

bool StartOpener(const wxString& url, std::function<void()> onFailure) {
  wxString path;
  wxString opener;
  if (!wxGetEnv("PATH", &path) ||
      !wxFindFileInPath(&opener, path, "xdg-open")) {
    return false;
  }
  auto* process = new OpenerProcess(std::move(onFailure));
  const wxString command[] = {opener, url};
  const wchar_t* argv[] = {command[0].wc_str(), command[1].wc_str(), nullptr};
  if (wxExecute(argv, wxEXEC_ASYNC, process) <= 0) {
    delete process;
    return false;
  }
  return true;
}

#else

bool StartOpener(const wxString& url, std::function<void()>) {
  return wxLaunchDefaultBrowser(url);
}

#endif

}  // namespace

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

void OpenInBrowser(const wxString& page, std::function<void()> onFailure) {
  // The caller reports a failure in its own words.
  wxLogNull noLogWindow;
  if (!StartOpener(wxFileName::FileNameToURL(page), onFailure)) onFailure();
}

}  // namespace kestrum
