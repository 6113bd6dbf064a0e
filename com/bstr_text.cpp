#include "com/bstr_text.h"

#include "vx4820cal/error.h"

namespace vx4820cal::com {

std::string Utf8FromBstr(const BSTR text) {
  int wide = static_cast<int>(SysStringLen(text));
  if (wide == 0) return {};
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text, wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, wide, out.data(), bytes, nullptr, nullptr);
  return out;
}

BSTR BstrFromUtf8(const std::string& text) {
  int bytes = static_cast<int>(text.size());
  int wide = bytes == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  if (!out) throw RuntimeError(err::kOutOfMemory);
  if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, out, wide);
  return out;
}

void StoreBstr(BSTR* place, const std::string& text) {
  BSTR fresh = BstrFromUtf8(text);
  SysFreeString(*place);
  *place = fresh;
}

}  // namespace vx4820cal::com
