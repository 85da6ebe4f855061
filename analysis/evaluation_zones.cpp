#include "analysis/evaluation_zones.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/evaluation_passes.h"
#include "trip/zone_bounds.h"

namespace vx {

void RebuildZoneBounds(Trip& trip, const RiderZones& rider_zones) {
    TripHeader h = trip.header();
    const std::uint8_t sport = NormalizeSportType(RecordedSportType(trip));
    float t = sport == 0   ? h.zone_threshold()
              : sport == 1 ? h.threshold_hr_bike()
                           : h.threshold_hr_run();
    const ZoneEntry& entry = rider_zones[sport];
    if (!(t >= 30) || !std::isfinite(t)) t = entry[0];
    ApplyZoneBounds(trip.zone_bounds, entry, t);
}

int ZoneBin(float value, const ZoneBlock& bounds) {
    if (!(value >= 1)) return 0;
    for (int k = 1; k <= 7; ++k)
        if (value < bounds[k]) return k;
    return 8;
}

std::int32_t TruncateToInt(float v) {
    if (std::isnan(v)) return 0;
    constexpr float lo = static_cast<float>(std::numeric_limits<std::int32_t>::min());
    constexpr float hi = 2147483520.0f;  // the largest float below 2^31
    return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

void CountZoneTimes(const Trip& trip, ZoneTimes& zone_times, TripDistribution& distribution) {
    const int last = LastSample(trip);
    const std::int32_t interval = SampleInterval(trip);
    const bool by_power = NormalizeSportType(RecordedSportType(trip)) == 0;
    zone_times.seconds.fill(0);
    for (int k = 1; k <= last; ++k) {
        const TripRecord& r = trip.records[k];
        const float v = Sample(by_power ? r.power_w : r.heart_rate_bpm);
        zone_times.seconds[ZoneBin(v, trip.zone_bounds)] += interval;
    }
    zone_times.sample_interval_s = interval;
    zone_times.count = last + 1;
    zone_times.marker = kSummaryRecordMarker;
    for (int i = 0; i < kZoneBins; ++i)
        distribution.zone_bounds[i] = TruncateToInt(trip.zone_bounds[i]);
}

void ComputeZoneTimes(const Trip& trip, std::int32_t mode, ZoneTimes& zone_times,
                      TripDistribution& distribution) {
    CountZoneTimes(trip, zone_times, distribution);
    zone_times.mode = mode;
}

}  // namespace vx
