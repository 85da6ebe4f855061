// The passes over a trip's records that the summary lines and the summary records share:
// altitude smoothing, NP/IF/TSS, the climb pass and the sums and extremes of a range.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "trip/trip.h"
#include "trip/zone_table.h"

namespace vx {

// A damaged file can carry any interval; every count-to-seconds conversion stays within this.
constexpr std::int32_t kMaxSampleInterval = 3600;
constexpr int kAltitudeHalfWidth = 8;
constexpr int kClimbHalfWindow = 15;  // the gradient compares records 15 before and after
constexpr float kNoAltitudeMinimum = 20000.0f;

// Samples that are not a number or infinite count as 0.
inline float Sample(float v) {
    return std::isfinite(v) ? v : 0.0f;
}

// The last sample record of the trip (0 when it has none), never past the record buffer.
int LastSample(const Trip& trip);
// The trip's sample interval brought into 1..kMaxSampleInterval.
std::int32_t SampleInterval(const Trip& trip);
// The sport type as recorded in the header (0..7; other values are kept as they are).
inline std::uint8_t RecordedSportType(const Trip& trip) {
    return trip.records[0].interval_no;
}

// The power threshold IF and TSS are computed against: the trip's zone threshold when it is
// analysed by power; for heart-rate trips, whose zone threshold is a heart rate, the rider's
// power threshold. 0 when there is none.
double PowerThreshold(const Trip& trip, const RiderZones& rider_zones);

// The smoothed altitude of records 1..last, indexed like the records ([0] is 0): a centred mean
// over 2 x half_width + 1 records; records within half_width of either end keep their raw
// altitude. A range shorter than the window keeps the raw altitude throughout.
std::vector<float> SmoothAltitude(const Trip& trip, int half_width, int last);

struct NpIfTss {
    float np_w = 0;
    float intensity_factor = 0;
    float tss = 0;
};

// Normalized power of records first..last, each sample repeated once per second of the sample
// interval: the fourth root of the mean fourth power of the 30-second means, taken once the
// ring of 30 seconds is full and the record lies past the trip's first minute.
NpIfTss ComputeNpIfTss(const Trip& trip, const RiderZones& rider_zones, int first, int last);

// The climb pass over first..last: a gradient from records 15 before and after each sample,
// smoothed half and half with the previous one.
struct Climbs {
    std::int64_t count = 0;  // climb samples
    double distance_km = 0;
    double gradient_distance = 0;  // sum of gradient x distance on climbs
    double hr_sum = 0;
    double power_sum = 0;           // bike by power only
    double uphill_distance_km = 0;  // every sample with a gradient above 0.002 %
    double uphill_gradient_distance = 0;

    double MeanGradient() const { return distance_km > 0 ? gradient_distance / distance_km : 0; }
    double MeanHr() const { return count > 0 ? hr_sum / count : 0; }
    double MeanPower() const { return count > 0 ? power_sum / count : 0; }
};
Climbs ComputeClimbs(const Trip& trip, int first, int last, float climb_threshold_pct);

// Sums, counts and extremes over the records first..last.
struct RangeSums {
    std::int64_t n = 0;
    std::int64_t n_power = 0;    // samples with power above 0
    std::int64_t n_cadence = 0;  // samples with cadence above 0
    double power = 0, speed = 0, hr = 0, temperature = 0, altitude = 0, cadence = 0;
    float max_power = 0, max_speed = 0, max_cadence = 0, max_hr = 0;
    double ascent_m = 0;  // from the smoothed altitude, records with a valid predecessor only
    float min_altitude = kNoAltitudeMinimum;
    float max_altitude = 0;
};
// smoothed is the result of SmoothAltitude up to at least last.
RangeSums SumRange(const Trip& trip, const std::vector<float>& smoothed, int first, int last);

}  // namespace vx
