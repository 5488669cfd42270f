// SPDX-License-Identifier: MIT
#include "tests/win32/dialog_resource.h"

#include <cstring>

namespace kestrum::testing {
namespace {

// Reads little-endian values from the resource's bytes, never past its end.
class TemplateReader {
 public:
  TemplateReader(const unsigned char* data, std::size_t size)
      : data_(data), size_(size) {}

  bool Failed() const { return failed_; }

  std::uint16_t Word() {
    if (!Need(2)) return 0;
    std::uint16_t value;
    std::memcpy(&value, data_ + offset_, 2);
    offset_ += 2;
    return value;
  }
  std::uint32_t DoubleWord() {
    const std::uint32_t low = Word();
    return low | static_cast<std::uint32_t>(Word()) << 16;
  }
  int Short() { return static_cast<std::int16_t>(Word()); }
  std::uint8_t Byte() {
    if (!Need(1)) return 0;
    return data_[offset_++];
  }
  void Skip(std::size_t count) {
    if (Need(count)) offset_ += count;
  }
  void AlignToDoubleWord() { Skip((4 - offset_ % 4) % 4); }

  // A NUL-terminated UTF-16 text, narrowed (the dialogs' texts are ASCII).
  std::string Text() {
    std::string text;
    for (std::uint16_t unit = Word(); unit != 0 && !failed_; unit = Word()) {
      text += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return text;
  }
  NameOrNumber NameOrNumberField() {
    NameOrNumber field;
    const std::uint16_t first = Word();
    if (first == 0xffff) {
      field.number = Word();
    } else if (first != 0) {
      field.name = static_cast<char>(first) + Text();
    }
    return field;
  }

 private:
  bool Need(std::size_t count) {
    if (failed_ || size_ - offset_ < count) failed_ = true;
    return !failed_;
  }

  const unsigned char* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
  bool failed_ = false;
};

}  // namespace

std::optional<DialogResource> LoadDialogResource(HMODULE module,
                                                 int resourceId) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_DIALOG);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
  if (bytes == nullptr) return std::nullopt;
  // Resources start on a double-word boundary, so the reader's offsets
  // align as the template's do.
  TemplateReader in(bytes, SizeofResource(module, found));

  DialogResource dialog;
  const std::uint16_t version = in.Word();
  const std::uint16_t signature = in.Word();
  if (version != 1 || signature != 0xffff) return std::nullopt;
  in.DoubleWord();  // help id
  dialog.exStyle = in.DoubleWord();
  dialog.style = in.DoubleWord();
  const int count = in.Word();
  dialog.left = in.Short();
  dialog.top = in.Short();
  dialog.width = in.Short();
  dialog.height = in.Short();
  in.NameOrNumberField();  // menu
  in.NameOrNumberField();  // window class
  dialog.title = in.Text();
  if ((dialog.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
    dialog.pointSize = in.Word();
    in.Word();  // weight
    in.Byte();  // italic
    in.Byte();  // character set
    dialog.typeface = in.Text();
  }
  for (int i = 0; i < count && !in.Failed(); ++i) {
    in.AlignToDoubleWord();
    ControlResource control;
    in.DoubleWord();  // help id
    control.exStyle = in.DoubleWord();
    control.style = in.DoubleWord();
    control.left = in.Short();
    control.top = in.Short();
    control.width = in.Short();
    control.height = in.Short();
    control.id = static_cast<std::int32_t>(in.DoubleWord());
    control.windowClass = in.NameOrNumberField();
    control.text = in.NameOrNumberField();
    in.Skip(in.Word());  // creation data
    dialog.controls.push_back(control);
  }
  if (in.Failed()) return std::nullopt;
  return dialog;
}

}  // namespace kestrum::testing
