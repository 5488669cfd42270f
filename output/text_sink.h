// SPDX-License-Identifier: MIT
// TextSink: where ADIF text goes. A file being written, memory in tests and
// in the browser, anything that takes bytes in order. The writer does not
// own its sink.
#pragma once

#include <string>
#include <string_view>

namespace kestrum {

class TextSink {
 public:
  virtual ~TextSink() = default;
  // Appends `text`; false when it could not be taken. After a failure every
  // later call fails as well.
  [[nodiscard]] virtual bool Write(std::string_view text) = 0;
};

// A sink that keeps the text in memory; it never fails.
class StringSink final : public TextSink {
 public:
  [[nodiscard]] bool Write(std::string_view text) override {
    text_.append(text);
    return true;
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace kestrum
