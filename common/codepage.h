#pragma once
// Windows-1252, the code page of the component's data files. Texts inside the
// component are UTF-8; bytes are decoded when read and encoded when written. The five
// undefined bytes 0x81 0x8D 0x8F 0x90 0x9D map to U+0081 U+008D U+008F U+0090 U+009D.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx4820cal {

std::string Cp1252ToUtf8(std::string_view bytes);
// The same into `out`, which it replaces: a reader decoding line after line reuses
// one buffer. `bytes` must not lie in `out`.
void Cp1252ToUtf8Into(std::string_view bytes, std::string& out);
// The same added to the end of `out`.
void AppendCp1252AsUtf8(std::string_view bytes, std::string& out);

// The UTF-8 form of one Windows-1252 byte (1 to 3 bytes) at out; how many bytes.
size_t WriteUtf8OfByte(unsigned char byte, char* out);

// A character outside the code page (or a byte of malformed UTF-8) becomes "?".
std::string Utf8ToCp1252(std::string_view text);

// The Windows-1252 code of the character at text[i], advancing i past it; "?" for a
// character outside the code page or malformed UTF-8.
int Cp1252CodeAt(std::string_view text, size_t& i);

}  // namespace vx4820cal
