#include "cli/output.h"

#include <charconv>

namespace vx::cli {

std::string Number(float v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string Number(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string Number(std::int64_t v) { return std::to_string(v); }

}  // namespace vx::cli
