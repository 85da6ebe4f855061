#include "analysis/evaluation_summary.h"

#include <algorithm>

#include "analysis/evaluation_passes.h"
#include "analysis/evaluation_zones.h"

namespace vx {

std::int32_t SummaryInterval(const Trip& trip) {
    if (LastSample(trip) < 7) return SampleInterval(trip);
    const auto& rec = trip.records;
    std::int64_t step = std::int64_t{rec[5].time_s} - rec[4].time_s;
    step = std::min(step, std::int64_t{rec[6].time_s} - rec[5].time_s);
    step = std::min(step, std::int64_t{rec[7].time_s} - rec[6].time_s);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(step, 1, kMaxSampleInterval));
}

bool SummarizeTrip(Trip& trip, const Settings& settings, int trip_number, TripSummary& summary,
                   ZoneTimes& zone_times, TripDistribution& distribution,
                   DistributionDisplay& display) {
    const RiderZones& zones = settings.current_zones();
    const int last = LastSample(trip);
    const std::vector<float> smoothed = SmoothAltitude(trip, kAltitudeHalfWidth, last);
    trip.sample_interval_s = SummaryInterval(trip);
    const std::int32_t interval = trip.sample_interval_s;
    const std::uint8_t sport = RecordedSportType(trip);
    TripHeader header = trip.header();

    const Climbs climbs = ComputeClimbs(trip, 1, last, settings.climb_threshold_pct);
    if (sport <= 2) {
        summary.climb_time_s = static_cast<std::int32_t>(climbs.count * interval);
        summary.climb_distance_km = static_cast<float>(climbs.distance_km);
        summary.avg_power_climb_w = sport == 0 ? static_cast<float>(climbs.MeanPower()) : 0;
    }
    summary.total_time_s = last * interval;
    summary.distance_km = Sample(trip.records[last].distance_km);
    summary.weight_kg = Sample(header.weight_x10()) * 0.1f;

    const RangeSums s = SumRange(trip, smoothed, 1, last);
    const NpIfTss np = ComputeNpIfTss(trip, zones, 1, last);

    summary.ascent_m = static_cast<float>(s.ascent_m);
    summary.min_altitude_m = s.min_altitude;
    summary.max_altitude_m = s.max_altitude;
    if (s.n > 0) {
        summary.avg_hr = static_cast<float>(s.hr / s.n);
        summary.max_hr = s.max_hr;
        summary.avg_speed_kmh = static_cast<float>(s.speed / s.n);
        summary.max_speed_kmh = s.max_speed;
        summary.avg_temperature_c = static_cast<float>(s.temperature / s.n);
    }
    summary.avg_cadence = s.n_cadence > 0 ? static_cast<float>(s.cadence / s.n_cadence) : 0;
    summary.max_cadence = s.n_cadence > 0 ? s.max_cadence : 0;

    if (s.n == 0 || s.n_power == 0) {
        summary.avg_power_w = 0;
        summary.avg_power_nonzero_w = 0;
        summary.power_time_s = 0;
        summary.max_power_w = 0;
        summary.avg_power_climb_w = 0;
        summary.np_w = 0;
        summary.intensity_factor = 0;
        summary.tss = 0;
        summary.work_kj = 0;
        distribution = TripDistribution{};
        return false;
    }
    summary.avg_power_w = static_cast<float>(s.power / s.n);
    summary.avg_power_nonzero_w = static_cast<float>(s.power / s.n_power);
    summary.power_time_s = static_cast<std::int32_t>(s.n_power * interval);
    summary.max_power_w = s.max_power;
    summary.np_w = np.np_w;
    summary.intensity_factor = np.intensity_factor;
    summary.tss = np.tss;
    summary.work_kj = static_cast<float>(s.power * 0.001 * interval);

    RebuildZoneBounds(trip, zones);
    CountZoneTimes(trip, zone_times, distribution);
    ComputeDistributions(trip, trip_number, distribution, display);
    return true;
}

}  // namespace vx
