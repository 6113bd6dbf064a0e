#pragma once
// Text across the boundary: BSTR (UTF-16) outside, the core's UTF-8 inside.
#include <string>

#include "com/com_headers.h"

namespace vx4820cal::com {

std::string Utf8FromBstr(const BSTR text);
// A new BSTR the caller owns; throws Error 7 when out of memory.
BSTR BstrFromUtf8(const std::string& text);

// An owned BSTR, freed when it goes out of scope.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::string& text) : text_(BstrFromUtf8(text)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }

  BSTR Get() const { return text_; }
  BSTR* Out() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  std::string Utf8() const { return Utf8FromBstr(text_); }

 private:
  BSTR text_ = nullptr;
};

// Replaces the BSTR at an [in, out] place with the core's answer.
void StoreBstr(BSTR* place, const std::string& text);

}  // namespace vx4820cal::com
