#include "views/curve_smoothing.h"

#include <algorithm>
#include <cmath>

namespace vx {

std::int32_t SmoothingHalfWidth(std::int32_t level) {
    return kSmoothingHalfWidths[static_cast<std::size_t>(
        std::clamp<std::int32_t>(level, 0, kSmoothingLevelCount - 1))];
}

void SmoothChannel(std::span<const float> x, std::int32_t k, std::span<float> y) {
    const std::int64_t n = static_cast<std::int64_t>(std::min(x.size(), y.size()));
    if (n == 0) return;
    y[0] = 0;
    if (n < 2) return;
    if (k <= 0) {
        std::copy(x.begin() + 1, x.begin() + n, y.begin() + 1);
        return;
    }
    const std::int64_t last = n - 1;
    auto at = [&](std::int64_t pos) {
        const float v = x[static_cast<std::size_t>(std::clamp<std::int64_t>(pos, 1, last))];
        return std::isfinite(v) ? v : 0.0f;
    };
    // The window of sample 0: k + 1 copies of the first sample, then samples 1 .. k.
    float sum = static_cast<float>(k + 1) * at(1);
    for (std::int64_t p = 1; p <= k; ++p) sum += at(p);
    const float width = static_cast<float>(2 * k + 1);
    for (std::int64_t j = 1; j <= last; ++j) {
        sum += at(j + k);
        sum -= at(j - k - 1);
        y[static_cast<std::size_t>(j)] = sum / width;
    }
}

std::vector<float> SmoothChannel(std::span<const float> x, std::int32_t k) {
    std::vector<float> y(x.size());
    SmoothChannel(x, k, y);
    return y;
}

}  // namespace vx
