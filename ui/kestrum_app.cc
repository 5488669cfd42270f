// SPDX-License-Identifier: MIT
#include "ui/kestrum_app.h"

#include <wx/stdpaths.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "kestrum/build_info.h"
#include "ui/kestrum_dlg.h"
#include "ui/model/dialog_arguments.h"
#include "ui/model/dialog_texts.h"
#include "ui/wx_strings.h"

namespace kestrum {
namespace {

constexpr char kProgramName[] = "kestrum";

// The log named on the command line, made absolute so that the dialog
// shows and proposes beside it its full path; empty when it is no file.
std::string StartLog(const std::string& argument) {
  std::error_code error;
  const std::filesystem::path log = std::filesystem::absolute(argument, error);
  if (error || !std::filesystem::is_regular_file(log, error)) {
    std::fprintf(stderr, text::kLogNotFound, kProgramName, argument.c_str());
    return std::string();
  }
  return log.string();
}

}  // namespace

bool CKestrumApp::OnInit() {
  // The base class would parse the command line with options of its own.
  // The configuration file, which keeps the choosers' folders, is
  // ~/.config/kestrum.conf whatever the executable is called.
  SetAppName(kProgramName);
  SetAppDisplayName(FromUtf8(text::kProgramTitle));
#ifdef __UNIX__
  wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
#endif
  return true;
}

int CKestrumApp::OnRun() {
  CKestrumDlg dialog(log_);
  dialog.ShowModal();
  return 0;
}

}  // namespace kestrum

int main(int argc, char** argv) {
  using namespace kestrum;
  const DialogArguments parsed =
      ParseDialogArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help || parsed.version) {
    if (parsed.help) std::printf(text::kUsage, kProgramName);
    if (parsed.version) std::printf("%s %s\n", kProgramName, kProgramVersion);
    return 0;
  }
  for (const std::string& ignored : parsed.ignored) {
    std::fprintf(stderr, text::kExtraArgument, kProgramName, ignored.c_str());
  }
  // The toolkit reads its own options (--display) from what is left.
  wxApp::SetInstance(new CKestrumApp(parsed.log ? StartLog(*parsed.log) : ""));
  return wxEntry(argc, argv);
}
