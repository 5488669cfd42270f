// SPDX-License-Identifier: MIT
// The compiled resources of Kestrum.exe (linked into this test as well):
// the two dialogs against the dialog model, with the styles each kind of
// control needs, and the strings, icon, version block and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/win32/dialog_resource.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_template.h"
#include "ui/model/dialog_texts.h"
#include "ui/win32/file_choosers.h"
#include "ui/win32/resource_ids.h"

namespace kestrum::testing {
namespace {

// The system's window classes, which a template gives by number or name.
constexpr char kButtonClass[] = "button";
constexpr char kStaticClass[] = "static";
constexpr char kListBoxClass[] = "listbox";

std::string ClassName(const NameOrNumber& windowClass) {
  if (windowClass.number) {
    switch (*windowClass.number) {
      case 0x80:
        return kButtonClass;
      case 0x82:
        return kStaticClass;
      case 0x83:
        return kListBoxClass;
      default:
        return "class " + std::to_string(*windowClass.number);
    }
  }
  std::string name = windowClass.name;
  for (char& c : name) c = static_cast<char>(std::tolower(c));
  return name;
}

// What a control of `kind` must be in the template: its class and the
// style bits it must have; `absent` are bits it must not have.
struct ExpectedStyle {
  const char* windowClass;
  DWORD present;
  DWORD absent;
};

ExpectedStyle StyleOfKind(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  constexpr DWORD kListBox = kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_BORDER |
                             WS_VSCROLL;
  switch (kind) {
    case ControlKind::kPushButton:
      return {kButtonClass, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0x0f};
    case ControlKind::kDefaultButton:
      return {kButtonClass, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0x0e};
    case ControlKind::kCheckBox:
      return {kButtonClass, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0x0c};
    case ControlKind::kPathListBox:
      return {kListBoxClass, kListBox | LBS_SORT, WS_TABSTOP};
    case ControlKind::kMessageListBox:
      return {kListBoxClass,
              kListBox | WS_TABSTOP | LBS_EXTENDEDSEL | LBS_WANTKEYBOARDINPUT,
              LBS_SORT};
    case ControlKind::kStaticIcon:
      return {kStaticClass, kChild | SS_ICON, 0};
    default:  // static texts
      return {kStaticClass, kChild | SS_LEFT | WS_GROUP, 0x1f};
  }
}

// `expected`: the model's dialog; `actual`: the compiled one.
void ExpectSameDialog(const DialogTemplate& expected,
                      const DialogResource& actual) {
  EXPECT_EQ(actual.title, expected.title);
  EXPECT_EQ(actual.left, 0);
  EXPECT_EQ(actual.top, 0);
  EXPECT_EQ(actual.width, expected.width);
  EXPECT_EQ(actual.height, expected.height);
  EXPECT_EQ(actual.typeface, "MS Shell Dlg");
  EXPECT_EQ(actual.pointSize, 8);
  ASSERT_EQ(actual.controls.size(), expected.controls.size());
  for (std::size_t i = 0; i < actual.controls.size(); ++i) {
    const ControlTemplate& model = expected.controls[i];
    const ControlResource& control = actual.controls[i];
    SCOPED_TRACE("control " + std::to_string(i) + ", id " +
                 std::to_string(model.id));
    EXPECT_EQ(control.id, model.id == kNoControlId ? -1 : model.id);
    EXPECT_EQ(control.left, model.rect.left);
    EXPECT_EQ(control.top, model.rect.top);
    EXPECT_EQ(control.width, model.rect.width);
    EXPECT_EQ(control.height, model.rect.height);

    const ExpectedStyle style = StyleOfKind(model.kind);
    EXPECT_EQ(ClassName(control.windowClass), style.windowClass);
    EXPECT_EQ(control.style & style.present, style.present);
    EXPECT_EQ(control.style & style.absent, 0u);

    if (model.kind == ControlKind::kStaticIcon) {
      EXPECT_EQ(control.text.number, IDR_MAINFRAME);
    } else if (model.label.empty() &&
               ClassName(control.windowClass) == kStaticClass) {
      // The version line, which the program takes from its build.
      EXPECT_EQ(control.text.name, AboutVersionLine());
      EXPECT_NE(control.style & SS_NOPREFIX, 0u);
    } else {
      EXPECT_EQ(control.text.name, model.label);
    }
  }
}

std::string StringResource(int id) {
  char text[256] = {};
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, 256);
  return std::string(text, length > 0 ? length : 0);
}

// The pairs of a chooser filter: NUL-separated as the system wants it, or
// '|'-separated as the model's texts hold it.
std::vector<std::pair<std::string, std::string>> FilterPairs(
    std::string_view list, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start < list.size();) {
    std::size_t end = list.find(separator, start);
    if (end == std::string_view::npos) end = list.size();
    parts.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string patterns = parts[i + 1];
    // "*.bin;" and "*.bin" name the same files.
    if (!patterns.empty() && patterns.back() == ';') patterns.pop_back();
    pairs.emplace_back(parts[i], patterns);
  }
  return pairs;
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904e4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(),
                      reinterpret_cast<void**>(&value), &length) ||
      length == 0) {
    return "(none)";
  }
  return std::string(value);
}

// Manifest resource 1, which the system reads when the program starts.
std::string ManifestResource() {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(1), RT_MANIFEST);
  if (found == nullptr) return "";
  return std::string(
      static_cast<const char*>(LockResource(LoadResource(self, found))),
      SizeofResource(self, found));
}

TEST(Win32ResourcesTest, MainDialogIsTheModelsDialog) {
  const auto dialog = LoadDialogResource(nullptr, IDD_KESTRUM_DIALOG);
  ASSERT_TRUE(dialog.has_value());
  ExpectSameDialog(MainDialogTemplate(), *dialog);
  constexpr DWORD kStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE |
                           WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(dialog->style, kStyle) << "no minimise or maximise box";
  EXPECT_EQ(dialog->exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
}

TEST(Win32ResourcesTest, AboutBoxIsTheModelsDialog) {
  const auto dialog = LoadDialogResource(nullptr, IDD_ABOUTBOX);
  ASSERT_TRUE(dialog.has_value());
  ExpectSameDialog(AboutDialogTemplate(), *dialog);
  EXPECT_EQ(dialog->style,
            static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP |
                               WS_CAPTION | WS_SYSMENU));
  EXPECT_NE(dialog->controls.back().style & WS_GROUP, 0u) << "OK";
}

TEST(Win32ResourcesTest, SystemMenuStringIsTheAboutCommand) {
  EXPECT_EQ(StringResource(IDS_ABOUTBOX), text::kAboutMenuItem);
}

TEST(Win32ResourcesTest, IconHasBothSizesInSixteenColours) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC group =
      FindResourceA(self, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  // GRPICONDIR: reserved, type, count; then 14-byte entries of width,
  // height, colour count, reserved, planes, bits per pixel, size, id.
  const auto* bytes = static_cast<const unsigned char*>(
      LockResource(LoadResource(self, group)));
  ASSERT_GE(SizeofResource(self, group), 6u);
  const int count = bytes[4] | bytes[5] << 8;
  ASSERT_EQ(SizeofResource(self, group), 6u + 14u * count);
  std::vector<std::pair<int, int>> sizes;
  for (int i = 0; i < count; ++i) {
    const unsigned char* entry = bytes + 6 + 14 * i;
    sizes.emplace_back(entry[0], entry[1]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 4) << "bits per pixel of image " << i;
  }
  EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{32, 32}, {16, 16}}));
  EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
}

TEST(Win32ResourcesTest, VersionBlockNamesTheProgram) {
  char program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\",
                             reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, (7u << 16) | 1u);
  EXPECT_EQ(fixed->dwFileVersionLS, (1u << 16) | 2u);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

  EXPECT_EQ(VersionString(block, "FileVersion"), "7.1.1.2");
  EXPECT_EQ(VersionString(block, "ProductVersion"), "7.1.1.2");
  EXPECT_EQ(VersionString(block, "FileDescription"), text::kMainTitle);
  EXPECT_EQ(VersionString(block, "ProductName"), text::kMainTitle);
  EXPECT_EQ(VersionString(block, "InternalName"), "Kestrum.exe");
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "Kestrum.exe");
  EXPECT_EQ(VersionString(block, "CompanyName"), "the Kestrum developers");
  EXPECT_EQ(VersionString(block, "LegalCopyright"), text::kRightsLine);
}

TEST(Win32ResourcesTest, ManifestAsksForCommonControlsSix) {
  const std::string manifest = ManifestResource();
  const std::size_t dependency =
      manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
  ASSERT_NE(dependency, std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\"", dependency),
            std::string::npos);
  EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\"", dependency),
            std::string::npos);
}

// Windows reads these only in their own namespaces. Wine runs every
// program DPI-aware whatever its manifest says, so the text is what can be
// checked. Without them Windows stretches the dialog, blurred, at 150 %,
// and treats the program as one written for Vista.
TEST(Win32ResourcesTest, ManifestDeclaresDpiAwarenessAndSystems) {
  const std::string manifest = ManifestResource();
  for (const char* setting :
       {"<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
        "WindowsSettings\">true</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
        "WindowsSettings\">PerMonitorV2, System</dpiAwareness>",
        "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
    EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
  }
}

// A list without its final pair's NUL would lose the last pattern's last
// character here.
TEST(Win32ResourcesTest, ChooserFiltersOfferTheModelsChoices) {
  EXPECT_EQ(FilterPairs(std::string_view(win32::kInputFilters,
                                         sizeof win32::kInputFilters - 2),
                        '\0'),
            FilterPairs(text::kInputFilter, '|'));
  EXPECT_EQ(FilterPairs(std::string_view(win32::kOutputFilters,
                                         sizeof win32::kOutputFilters - 2),
                        '\0'),
            FilterPairs(text::kOutputFilter, '|'));
}

}  // namespace
}  // namespace kestrum::testing
