#include "analysis/evaluation_format.h"

#include <charconv>

namespace vx {

std::string FormatFixed(double value, int width, int precision) {
    // The longest double in fixed notation has 309 integer digits.
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    std::string s = r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("inf");
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    return s;
}

std::string FormatTwoDigits(std::int64_t value) {
    std::string s = std::to_string(value);
    if (value >= 0 && s.size() < 2) s.insert(0, 1, '0');
    return s;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t max_chars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == max_chars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(Utf8Prefix(text, width));
    s.append(width - Utf8Length(s), ' ');
    return s;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string_view cut = Utf8Prefix(text, width);
    std::string s(width - Utf8Length(cut), ' ');
    s += cut;
    return s;
}

}  // namespace vx
