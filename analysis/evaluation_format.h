// Text pieces of the summary lines: numbers always in the C locale, whatever locale the
// program runs in, and fixed-width text fields counted in characters of UTF-8 text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Like printf "%W.Pf": the number with P decimals, right-aligned in W characters.
std::string FormatFixed(double value, int width, int precision);
// Like printf "%02i".
std::string FormatTwoDigits(std::int64_t value);

// The number of characters (code points) of UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first max_chars characters of UTF-8 text.
std::string_view Utf8Prefix(std::string_view text, std::size_t max_chars);
// Like printf "%-W.Ws" and "%W.Ws", counting characters instead of bytes.
std::string PadRight(std::string_view text, std::size_t width);
std::string PadLeft(std::string_view text, std::size_t width);

}  // namespace vx
