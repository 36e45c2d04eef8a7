// UTF-8 inside the program, UTF-16 at the wide ODBC calls.
#pragma once

#include <string>
#include <string_view>

namespace tallowmere {

std::u16string utf8ToUtf16(std::string_view text);
// The same into a buffer that keeps its room, for text converted over and over.
void assignUtf8AsUtf16(std::string_view text, std::u16string& out);
// Appends to out; an unpaired surrogate becomes U+FFFD.
void appendUtf16AsUtf8(std::u16string_view text, std::string& out);
std::string utf16ToUtf8(std::u16string_view text);

} // namespace tallowmere
