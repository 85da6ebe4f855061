#include "views/curve_channels.h"

#include <algorithm>
#include <cmath>

#include "views/curve_smoothing.h"

namespace vx {

namespace {

constexpr float kPowerGateCadence = 5.0f;    // power and cadence are 0 at or below this
constexpr float kTorqueGateCadence = 15.0f;  // torque is 0 at or below this

float Finite(float v) {
    return std::isfinite(v) ? v : 0.0f;
}

// The field smoothed with half width k into out; with a gate, 0 wherever the raw cadence is
// at or below gate_cadence (k = 0 copies the raw values without the gate).
void SmoothField(const CurveSource& source, float TripRecord::*field, std::int32_t k,
                 std::optional<float> gate_cadence, std::vector<float>& out) {
    const std::vector<float> raw = SampleField(source, field);
    out.resize(raw.size());
    SmoothChannel(raw, k, out);
    if (k == 0 || !gate_cadence) return;
    for (std::size_t i = 1; i < out.size(); ++i)
        if (source.records[i].cadence_rpm <= *gate_cadence) out[i] = 0;
}

std::int32_t Level(const SmoothingLevels& levels, int curve_type) {
    return SmoothingHalfWidth(levels[static_cast<std::size_t>(curve_type)]);
}

void ComputePowerPerBeat(const CurveSource& source, std::vector<float>& out) {
    std::vector<float> hr, power;
    SmoothField(source, &TripRecord::heart_rate_bpm, 6, std::nullopt, hr);
    SmoothField(source, &TripRecord::power_w, 8, kPowerGateCadence, power);
    std::vector<float> ratio(hr.size());
    for (std::size_t i = 1; i < ratio.size(); ++i)
        ratio[i] = hr[i] > 40.0f ? power[i] / hr[i] : 0.1f;
    out.resize(ratio.size());
    SmoothChannel(ratio, 120, out);
}

void ComputeCadence(const CurveSource& source, const SmoothingLevels& levels,
                    CurveChannels& channels) {
    SmoothField(source, &TripRecord::cadence_rpm, Level(levels, kCurveCadence), kPowerGateCadence,
                channels.cadence);
    const std::int32_t n = source.size();
    channels.right_leg_share.assign(static_cast<std::size_t>(n), 0.0f);
    for (std::int32_t i = 1; i < n; ++i) {
        const float c = Finite(source.records[i].cadence_rpm);
        channels.right_leg_share[i] = (c - std::trunc(c)) * 100.0f;
    }
}

void ComputeTorqueRatio(const CurveSource& source, const SmoothingLevels& levels,
                        std::vector<float>& out) {
    const std::int32_t n = source.size();
    std::vector<float> ratio(static_cast<std::size_t>(n), 0.0f);
    for (std::int32_t i = 1; i < n; ++i) {
        const TripRecord& r = source.records[i];
        if (r.cadence_rpm > kTorqueGateCadence) ratio[i] = r.power_w / r.cadence_rpm;
    }
    out.resize(ratio.size());
    SmoothChannel(ratio, Level(levels, kCurveTorque), out);
    for (std::int32_t i = 1; i < n; ++i)
        if (!(source.records[i].cadence_rpm > kTorqueGateCadence)) out[i] = 0;
}

}  // namespace

std::int32_t CurveSource::size() const {
    return std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(records.size()));
}

CurveSource CurveSourceOf(const Trip& trip) {
    return CurveSource{trip.records, trip.count, trip.sample_interval_s};
}

CurveSource CurveSourceOf(const SecondTrip& trip, std::int32_t sample_interval_s) {
    return CurveSource{trip.records, trip.count, sample_interval_s};
}

std::vector<float> SampleField(const CurveSource& source, float TripRecord::*field) {
    const std::int32_t n = source.size();
    std::vector<float> out(static_cast<std::size_t>(n), 0.0f);
    for (std::int32_t i = 1; i < n; ++i) out[i] = source.records[i].*field;
    return out;
}

std::optional<AltitudeAxis> AltitudeAxisLimits(const CurveSource& source, double altitude_factor) {
    const std::int32_t n = source.size();
    float highest = -100000.0f;
    float lowest = 100000.0f;
    bool any = false;
    for (std::int32_t i = 1; i < n; ++i) {
        const float h = source.records[i].altitude_m;
        if (!std::isfinite(h)) continue;
        any = true;
        highest = std::max(highest, h);
        lowest = std::min(lowest, h);
    }
    if (!any) return std::nullopt;
    const float u = static_cast<float>(altitude_factor);
    return AltitudeAxis{std::trunc((highest * u + 10.0f) / 10.0f) * 10.0f,
                        std::trunc((lowest * u - 10.0f) / 10.0f) * 10.0f};
}

void ComputeAltitudeMean(const CurveSource& source, std::vector<float>& a) {
    const std::int32_t n = source.size();
    a.assign(static_cast<std::size_t>(n), 0.0f);
    if (n < 2) return;
    for (std::int32_t j = 1; j < n && j <= 21; ++j) a[j] = Finite(source.records[j].altitude_m);
    a[0] = a[1];
    if (n <= 21) return;
    float mean = 0;
    for (std::int32_t i = 1; i <= n - 21; ++i) {
        float sum = 0;
        for (std::int32_t p = i; p < i + 20; ++p) sum += Finite(source.records[p].altitude_m);
        mean = sum * 0.05f;
        a[i + 5] = mean;
    }
    for (std::int32_t i = std::max(1, n - 20); i < n; ++i) a[i] = mean;
}

std::vector<float> AltitudeMean(const CurveSource& source) {
    std::vector<float> a;
    ComputeAltitudeMean(source, a);
    return a;
}

void PrepareTemperatureAndAltitude(const CurveSource& source, double altitude_factor,
                                   CurveChannels& channels) {
    SmoothField(source, &TripRecord::temperature_c, 30, std::nullopt, channels.temperature);
    channels.altitude_axis = AltitudeAxisLimits(source, altitude_factor);
    ComputeAltitudeMean(source, channels.altitude_mean);
}

void ComputeGradient(const CurveSource& source, std::vector<float>& gradient) {
    const std::int32_t n = source.size();
    std::vector<float> g;
    SmoothField(source, &TripRecord::altitude_m, 7, std::nullopt, g);
    std::vector<float> raw(static_cast<std::size_t>(n), 0.0f);
    for (std::int32_t i = 8; i + 7 <= n - 1; ++i) {
        const float dd = source.records[i + 7].distance_km - source.records[i - 7].distance_km;
        const float dh = (g[i + 7] - g[i - 7]) * 0.001f;
        // Also 0 for distances or altitudes that are not numbers.
        if (!(dd > 0.0f) || !(std::fabs(dh) < dd) || dh == 0.0f) continue;
        const float q = dh / dd;
        raw[i] = q / std::cos(std::asin(q)) * 100.0f;
    }
    gradient.resize(raw.size());
    SmoothChannel(raw, 3, gradient);
}

void PrepareChannels(const CurveSource& source, const SmoothingLevels& levels,
                     double altitude_factor, CurveChannels& channels) {
    PrepareTemperatureAndAltitude(source, altitude_factor, channels);
    ComputePowerPerBeat(source, channels.power_per_beat);
    SmoothField(source, &TripRecord::power_w, Level(levels, kCurvePower), kPowerGateCadence,
                channels.power);
    ComputeCadence(source, levels, channels);
    SmoothField(source, &TripRecord::speed_kmh, Level(levels, kCurveSpeed), std::nullopt,
                channels.speed);
    SmoothField(source, &TripRecord::heart_rate_bpm, Level(levels, kCurveHeartRate), std::nullopt,
                channels.heart_rate);
    SmoothField(source, &TripRecord::altitude_m, Level(levels, kCurveAltitude), std::nullopt,
                channels.altitude);
    ComputeGradient(source, channels.gradient);
    ComputeTorqueRatio(source, levels, channels.torque_ratio);
    // A new trip starts without the climb rate of the previous one.
    channels.climb_rate.assign(static_cast<std::size_t>(source.size()), 0.0f);
}

CurveChannels PrepareChannels(const CurveSource& source, const SmoothingLevels& levels,
                              double altitude_factor) {
    CurveChannels channels;
    PrepareChannels(source, levels, altitude_factor, channels);
    return channels;
}

void RecomputeCurve(const CurveSource& source, int curve_type, const SmoothingLevels& levels,
                    CurveChannels& channels) {
    switch (curve_type) {
        case kCurveAltitude:
            SmoothField(source, &TripRecord::altitude_m, Level(levels, kCurveAltitude),
                        std::nullopt, channels.altitude);
            break;
        case kCurvePower:
            SmoothField(source, &TripRecord::power_w, Level(levels, kCurvePower), kPowerGateCadence,
                        channels.power);
            break;
        case kCurveCadence:
            ComputeCadence(source, levels, channels);
            break;
        case kCurveSpeed:
            SmoothField(source, &TripRecord::speed_kmh, Level(levels, kCurveSpeed), std::nullopt,
                        channels.speed);
            break;
        case kCurveHeartRate:
            SmoothField(source, &TripRecord::heart_rate_bpm, Level(levels, kCurveHeartRate),
                        std::nullopt, channels.heart_rate);
            break;
        case kCurveTorque:
            ComputeTorqueRatio(source, levels, channels.torque_ratio);
            break;
        default:
            break;
    }
}

}  // namespace vx
