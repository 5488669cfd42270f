// SPDX-License-Identifier: MIT
// Reads a dialog template resource (the DIALOGEX form that resource
// compilers write) back into plain values, so that tests can compare the
// compiled dialogs of kestrum.rc with the dialog model, and the dialog test
// can check what it drives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrum::testing {

// A window class, text or menu given either by name or by number.
struct NameOrNumber {
  std::optional<std::uint16_t> number;
  std::string name;  // 8-bit copy of the UTF-16 name; empty for a number
};

struct ControlResource {
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  int left = 0, top = 0, width = 0, height = 0;  // dialog units
  std::int32_t id = 0;                           // -1 for static controls
  NameOrNumber windowClass;  // 0x80 button, 0x82 static, 0x83 list box...
  NameOrNumber text;         // the label, or the icon's resource number
};

struct DialogResource {
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  int left = 0, top = 0, width = 0, height = 0;
  std::string title;
  int pointSize = 0;
  std::string typeface;
  std::vector<ControlResource> controls;  // in template order
};

// Dialog template `resourceId` of `module` (null: this program), or
// nullopt when there is none or it is not a well-formed DIALOGEX template.
std::optional<DialogResource> LoadDialogResource(HMODULE module,
                                                 int resourceId);

}  // namespace kestrum::testing
