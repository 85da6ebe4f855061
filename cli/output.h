// Output of velomatix-cli: one "key: value" per line, numbers in the C locale.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vx::cli {

std::string Number(float v);
std::string Number(double v);
std::string Number(std::int64_t v);

template <typename T>
std::string NumberList(std::span<const T> values) {
    std::string s;
    for (const T& v : values) {
        if (!s.empty()) s += ' ';
        if constexpr (std::is_floating_point_v<T>)
            s += Number(v);
        else
            s += Number(static_cast<std::int64_t>(v));
    }
    return s;
}

inline void Line(std::ostream& out, std::string_view key, std::string_view value) {
    out << key << ": " << value << '\n';
}

}  // namespace vx::cli
