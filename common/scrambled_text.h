#pragma once
// The scrambling of EncryptString and DecryptString in the forms the data-file
// readers and writers use on every line: into a buffer the caller keeps, and straight
// from Windows-1252 bytes. Errors as EncryptString's and DecryptString's.
#include <string>
#include <string_view>

namespace vx4820cal {

// Appends EncryptString of the text the Windows-1252 bytes stand for: every byte is
// its own code, so there is no round trip through UTF-8.
void AppendEncryptedBytes(std::string_view cp1252, std::string& out);

// out = DecryptString(text), reusing out's storage.
void DecryptInto(std::string_view text, std::string& out);

}  // namespace vx4820cal
