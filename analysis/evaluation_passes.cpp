#include "analysis/evaluation_passes.h"

#include <algorithm>
#include <array>

namespace vx {

int LastSample(const Trip& trip) {
    const std::int64_t count =
        std::clamp<std::int64_t>(trip.count, 0, static_cast<std::int64_t>(trip.records.size()));
    return count > 1 ? static_cast<int>(count - 1) : 0;
}

std::int32_t SampleInterval(const Trip& trip) {
    return std::clamp(trip.sample_interval_s, 1, kMaxSampleInterval);
}

double PowerThreshold(const Trip& trip, const RiderZones& rider_zones) {
    const std::uint8_t sport = NormalizeSportType(RecordedSportType(trip));
    const double t = sport == 0 ? Sample(trip.records[0].power_w) : rider_zones[0][0];
    return t > 0 ? t : 0;
}

std::vector<float> SmoothAltitude(const Trip& trip, int half_width, int last) {
    last = std::min(last, LastSample(trip));
    if (last < 1) return std::vector<float>(1, 0.0f);
    std::vector<float> s(last + 1, 0.0f);
    for (int k = 1; k <= last; ++k) s[k] = Sample(trip.records[k].altitude_m);
    const int h = half_width;
    const int w = 2 * h + 1;
    if (h < 1 || last < w) return s;

    auto alt = [&](int k) -> double { return Sample(trip.records[k].altitude_m); };
    double sum = 0;
    for (int k = 1; k <= w; ++k) sum += alt(k);
    s[h + 1] = static_cast<float>(sum / w);
    for (int k = h + 2; k < last - h; ++k) {
        sum += alt(k + h) - alt(k - h - 1);
        s[k] = static_cast<float>(sum / w);
    }
    return s;
}

NpIfTss ComputeNpIfTss(const Trip& trip, const RiderZones& rider_zones, int first, int last) {
    NpIfTss r;
    first = std::max(first, 1);
    last = std::min(last, LastSample(trip));
    if (first > last) return r;
    const std::int64_t interval = SampleInterval(trip);

    std::array<double, 30> ring{};
    double ring_sum = 0;
    std::int64_t t = 0;
    double fourth_sum = 0;  // sum of the fourth powers of the 30-second means
    std::int64_t c = 0;
    for (int k = first; k <= last; ++k) {
        const double p = Sample(trip.records[k].power_w);
        const bool past_first_minute = k * interval > 60;
        // Once a sample has filled the whole ring every further repetition sees the same mean,
        // so long intervals cost no more than 31 steps per record.
        const std::int64_t stepped = std::min<std::int64_t>(interval, 31);
        for (std::int64_t j = 0; j < stepped; ++j) {
            if (t > 30 && past_first_minute) {
                const double a = ring_sum / 30;
                fourth_sum += a * a * a * a;
                ++c;
            }
            double& slot = ring[t % 30];
            ring_sum += p - slot;
            slot = p;
            ++t;
        }
        const std::int64_t rest = interval - stepped;
        if (rest > 0) {
            if (past_first_minute) {
                const double a = ring_sum / 30;
                fourth_sum += rest * (a * a * a * a);
                c += rest;
            }
            t += rest;
        }
    }
    const double m = c > 0 ? fourth_sum / c : 0;
    r.np_w = static_cast<float>(std::sqrt(std::sqrt(m)));
    const double threshold = PowerThreshold(trip, rider_zones);
    if (threshold > 0) {
        const double intensity = r.np_w / threshold;
        r.intensity_factor = static_cast<float>(intensity);
        r.tss = static_cast<float>(t * intensity * intensity / 36);
    }
    return r;
}

Climbs ComputeClimbs(const Trip& trip, int first, int last, float climb_threshold_pct) {
    Climbs c;
    first = std::max(first, 1);
    last = std::min(last, LastSample(trip));
    const std::uint8_t sport = RecordedSportType(trip);
    const auto& rec = trip.records;
    constexpr int q = kClimbHalfWindow;
    float g = 0;
    for (int i = first + q; i < last - q; ++i) {
        const float dd = (Sample(rec[i + q].distance_km) - Sample(rec[i - q].distance_km)) * 10;
        if (dd > 0)
            g = 0.5f * (Sample(rec[i + q].altitude_m) - Sample(rec[i - q].altitude_m)) / dd +
                0.5f * g;
        else
            g = 0;
        const double d =
            Sample(rec[i].distance_km) - static_cast<double>(Sample(rec[i - 1].distance_km));
        if (g > 0.002f) {
            c.uphill_distance_km += d;
            c.uphill_gradient_distance += g * d;
        }
        const float power = Sample(rec[i].power_w);
        bool climb = false;
        if (sport == 0)
            climb = g >= climb_threshold_pct && power > 0;
        else if (sport == 1 || sport == 2)
            climb = g >= climb_threshold_pct;
        if (!climb) continue;
        ++c.count;
        c.distance_km += d;
        c.gradient_distance += g * d;
        c.hr_sum += Sample(rec[i].heart_rate_bpm);
        if (sport == 0) c.power_sum += power;
    }
    return c;
}

RangeSums SumRange(const Trip& trip, const std::vector<float>& smoothed, int first, int last) {
    RangeSums s;
    first = std::max(first, 1);
    last = std::min({last, LastSample(trip), static_cast<int>(smoothed.size()) - 1});
    const auto& rec = trip.records;
    for (int k = first; k <= last; ++k) {
        const TripRecord& r = rec[k];
        const float power = Sample(r.power_w);
        const float speed = Sample(r.speed_kmh);
        const float cadence = Sample(r.cadence_rpm);
        const float hr = Sample(r.heart_rate_bpm);
        const float altitude = Sample(r.altitude_m);
        ++s.n;
        s.power += power;
        if (power > 0) ++s.n_power;
        s.speed += speed;
        s.hr += hr;
        s.temperature += Sample(r.temperature_c);
        s.altitude += altitude;
        if (cadence > 0) {
            ++s.n_cadence;
            s.cadence += cadence;
        }
        s.max_power = std::max(s.max_power, power);
        s.max_speed = std::max(s.max_speed, speed);
        s.max_cadence = std::max(s.max_cadence, cadence);
        s.max_hr = std::max(s.max_hr, hr);
        if (k > 1 && altitude > 0 && Sample(rec[k - 1].altitude_m) > 0) {
            const double rise = smoothed[k] - static_cast<double>(smoothed[k - 1]);
            if (rise > 0) s.ascent_m += rise;
            s.max_altitude = std::max(s.max_altitude, altitude);
            s.min_altitude = std::min(s.min_altitude, altitude);
        }
    }
    return s;
}

}  // namespace vx
