#include "views/trip_view_curves.h"

#include <algorithm>
#include <cmath>

#include "trip/settings.h"

namespace vx {

namespace {

// Colour table entries of the curves.
constexpr int kSlotPower = 1;
constexpr int kSlotCadence = 2;
constexpr int kSlotHeartRate = 3;
constexpr int kSlotSpeed = 4;
constexpr int kSlotAltitude = 5;
constexpr int kSlotTemperature = 7;
constexpr int kSlotGradient = 12;
constexpr int kSlotClimbRate = 15;

constexpr std::int32_t kOrange = Rgb(238, 102, 0);
constexpr std::int32_t kAqua = Rgb(0, 255, 255);
constexpr std::int32_t kPink = Rgb(255, 128, 255);

}  // namespace

std::optional<int> CurveTypeOf(TripCurve curve) {
    switch (curve) {
        case TripCurve::Altitude:
            return kCurveAltitude;
        case TripCurve::Power:
            return kCurvePower;
        case TripCurve::Cadence:
            return kCurveCadence;
        case TripCurve::Speed:
            return kCurveSpeed;
        case TripCurve::HeartRate:
            return kCurveHeartRate;
        case TripCurve::ClimbRate:
            return 5;
        case TripCurve::Gradient:
            return 6;
        case TripCurve::Torque:
            return kCurveTorque;
        default:
            return std::nullopt;
    }
}

std::optional<TripCurve> CurveOfType(int curve_type) {
    switch (curve_type) {
        case kCurveAltitude:
            return TripCurve::Altitude;
        case kCurvePower:
            return TripCurve::Power;
        case kCurveCadence:
            return TripCurve::Cadence;
        case kCurveSpeed:
            return TripCurve::Speed;
        case kCurveHeartRate:
            return TripCurve::HeartRate;
        case 5:
            return TripCurve::ClimbRate;
        case 6:
            return TripCurve::Gradient;
        case kCurveTorque:
            return TripCurve::Torque;
        default:
            return std::nullopt;
    }
}

bool CurveAxis::valid() const {
    const double span = hi - lo;
    return std::isfinite(span) && span > 0 && std::isfinite(factor);
}

CurveAxis AxisOf(TripCurve curve, const CurveScale& s, const CurveMinima& min,
                 const DisplayFactors& f) {
    switch (curve) {
        case TripCurve::Power:
            return {0, s[1], 1};
        case TripCurve::Cadence:
            return {0, s[2], 1};
        case TripCurve::Speed:
            return {0, s[3], f.distance_factor};
        case TripCurve::HeartRate:
            return {min[4], s[4], 1};
        case TripCurve::Altitude:
            return {min[0], s[0], f.altitude_factor};
        case TripCurve::ClimbRate:
            return {-s[5], s[5], f.altitude_factor};
        case TripCurve::Gradient:
            return {-s[6], s[6], 1};
        case TripCurve::Temperature:
            return {-10, 40, 1};
        case TripCurve::PowerPerBeat:
            return {0, 10, 1};
        case TripCurve::Torque:
            return {0, s[9], kTorqueFactor};
        case TripCurve::RightShare:
            return {0, 100, 1};
    }
    return {};
}

int CurveY(const PlotArea& plot, const CurveAxis& axis, double value) {
    if (!std::isfinite(value)) value = 0;
    const double h = plot.height;
    return ToPixel(50 + h - h * (value * axis.factor - axis.lo) / (axis.hi - axis.lo));
}

std::int32_t CurveColour(TripCurve curve, const std::array<std::int32_t, 16>& colours) {
    switch (curve) {
        case TripCurve::Power:
            return colours[kSlotPower];
        case TripCurve::Cadence:
            return colours[kSlotCadence];
        case TripCurve::Speed:
            return colours[kSlotSpeed];
        case TripCurve::HeartRate:
            return colours[kSlotHeartRate];
        case TripCurve::Altitude:
            return colours[kSlotAltitude];
        case TripCurve::ClimbRate:
            return colours[kSlotClimbRate];
        case TripCurve::Gradient:
            return colours[kSlotGradient];
        case TripCurve::Temperature:
            return colours[kSlotTemperature];
        case TripCurve::PowerPerBeat:
            return kOrange;
        case TripCurve::Torque:
            return kAqua;
        case TripCurve::RightShare:
            return kPink;
    }
    return 0;
}

int CurvePenWidth(TripCurve curve) {
    return curve == TripCurve::Altitude ? 2 : 1;
}

std::span<const float> CurveValues(TripCurve curve, const CurveChannels& c) {
    switch (curve) {
        case TripCurve::Power:
            return c.power;
        case TripCurve::Cadence:
            return c.cadence;
        case TripCurve::Speed:
            return c.speed;
        case TripCurve::HeartRate:
            return c.heart_rate;
        case TripCurve::Altitude:
            return c.altitude;
        case TripCurve::ClimbRate:
            return c.climb_rate;
        case TripCurve::Gradient:
            return c.gradient;
        case TripCurve::Temperature:
            return c.temperature;
        case TripCurve::PowerPerBeat:
            return c.power_per_beat;
        case TripCurve::Torque:
            return c.torque_ratio;
        case TripCurve::RightShare:
            return c.right_leg_share;
    }
    return {};
}

DrawnSamples DrawnSamplesOf(const CurveSource& source, const ViewRange& range) {
    return {std::max(range.first + 1, 1), std::min(range.end, source.size()) - 1};
}

void SampleXPositions(const CurveSource& source, const XMapping& mapping,
                      const DrawnSamples& samples, std::vector<int>& xs) {
    xs.clear();
    if (!mapping.valid) return;
    xs.resize(static_cast<std::size_t>(samples.count()));
    for (std::int32_t i = samples.first; i <= samples.last; ++i)
        xs[static_cast<std::size_t>(i - samples.first)] = mapping.X(source, i);
}

void CurvePoints(std::span<const int> xs, std::int32_t first_sample, std::span<const float> values,
                 const CurveAxis& axis, const PlotArea& plot, bool group_columns,
                 std::vector<PixelPoint>& out) {
    out.clear();
    if (plot.empty() || !axis.valid() || first_sample < 1) return;
    const auto begin = static_cast<std::size_t>(first_sample);
    if (begin >= values.size()) return;
    const std::size_t count = std::min(xs.size(), values.size() - begin);
    if (!group_columns) {
        out.resize(count);
        for (std::size_t k = 0; k < count; ++k)
            out[k] = {xs[k], CurveY(plot, axis, values[begin + k])};
        return;
    }
    out.reserve(std::min<std::size_t>(count, 4 * static_cast<std::size_t>(plot.width + 2)));
    auto add = [&out](int x, int y) {
        if (out.empty() || out.back().x != x || out.back().y != y) out.push_back({x, y});
    };
    std::size_t k = 0;
    while (k < count) {
        const int x = xs[k];
        const int first = CurveY(plot, axis, values[begin + k]);
        int low = first, high = first, last = first;
        for (++k; k < count && xs[k] == x; ++k) {
            last = CurveY(plot, axis, values[begin + k]);
            low = std::min(low, last);
            high = std::max(high, last);
        }
        // Both extremes are visited between first and last, in the order that lets first or
        // last coincide with one of them.
        const bool low_first = first == low || (first != high && last != low);
        add(x, first);
        add(x, low_first ? low : high);
        add(x, low_first ? high : low);
        add(x, last);
    }
}

}  // namespace vx
