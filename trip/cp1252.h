// Windows-1252 text on disk, UTF-8 in memory where it meets Qt, paths and the terminal.
#pragma once

#include <string>
#include <string_view>

namespace vx {

std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters without a Windows-1252 code become the replacement byte; malformed UTF-8 counts
// as one such character per bad byte.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');
// Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char c);
// Windows-1252 byte of a code point, or 0 when there is none.
unsigned char CodePointToCp1252(char32_t cp);

}  // namespace vx
