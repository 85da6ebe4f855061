#include "views/curve_climb_rate.h"

#include <algorithm>

namespace vx {

void ComputeClimbRate(const CurveSource& source, std::int32_t first, std::int32_t end,
                      CurveChannels& channels) {
    const std::int32_t n = source.size();
    if (n < 1) return;
    const auto size = static_cast<std::size_t>(n);
    if (channels.altitude_mean.size() != size) ComputeAltitudeMean(source, channels.altitude_mean);
    if (channels.climb_rate.size() != size) channels.climb_rate.assign(size, 0.0f);
    const std::vector<float>& a = channels.altitude_mean;
    const float interval = static_cast<float>(source.interval());

    // The start value looks 30 samples ahead, held inside the trip.
    const std::int32_t s0 = std::clamp<std::int32_t>(first, 0, n - 1);
    const std::int32_t s30 = std::clamp<std::int32_t>(first + 30, 0, n - 1);
    float e = (a[s30] - a[s0]) * 60.0f / 30.0f / interval;
    const std::int32_t from = std::max(first, 17);
    const std::int32_t to = std::min(end, n - 15);  // exclusive
    for (std::int32_t i = from; i < to; ++i) {
        e = (a[i + 15] - a[i - 15]) * 0.4f * 60.0f / 30.0f / interval + 0.6f * e;
        channels.climb_rate[i] = e;
    }
}

}  // namespace vx
