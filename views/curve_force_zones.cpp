#include "views/curve_force_zones.h"

#include "views/curve_smoothing.h"

namespace vx {

namespace {

constexpr std::int32_t kForceMeanHalfWidth = 20;
constexpr float kForceCadenceLimit = 63.0f;
constexpr std::int32_t kForceZoneMinSeconds = 120;

void GatedMean(const CurveSource& source, float TripRecord::*field, std::vector<float>& out) {
    const std::vector<float> raw = SampleField(source, field);
    out.resize(raw.size());
    SmoothChannel(raw, kForceMeanHalfWidth, out);
    for (std::size_t i = 1; i < out.size(); ++i)
        if (source.records[i].cadence_rpm <= 5.0f) out[i] = 0;
}

}  // namespace

void ComputeForceMeans(const CurveSource& source, CurveChannels& channels) {
    GatedMean(source, &TripRecord::power_w, channels.power_mean41);
    GatedMean(source, &TripRecord::cadence_rpm, channels.cadence_mean41);
}

void MarkForceZones(const CurveSource& source, float lower_pct, float upper_pct,
                    CurveChannels& channels) {
    ComputeForceMeans(source, channels);
    const std::int32_t n = source.size();
    channels.force_zone.assign(static_cast<std::size_t>(n), 0);
    if (n < 1) return;
    const float threshold = source.records[0].power_w;
    const float lower = lower_pct * threshold * 0.01f;
    const float upper = upper_pct * threshold * 0.01f;
    auto inside = [&](std::int32_t i) {
        const float p = channels.power_mean41[i];
        return channels.cadence_mean41[i] < kForceCadenceLimit && p > lower && p < upper;
    };
    const std::int32_t stop = n - 10;
    std::int32_t i = 1;
    while (i < stop) {
        if (!inside(i)) {
            ++i;
            continue;
        }
        std::int32_t j = i;
        while (j < stop && inside(j)) ++j;
        if (std::int64_t{j - i} * source.interval() > kForceZoneMinSeconds)
            for (std::int32_t k = i; k < j; ++k) channels.force_zone[k] = 1;
        i = j + 1;
    }
}

void MarkForceZones(const CurveSource& source, const RiderZones& zones, CurveChannels& channels) {
    MarkForceZones(source, zones[0][8], zones[0][9], channels);
}

}  // namespace vx
