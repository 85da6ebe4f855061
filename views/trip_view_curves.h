// The curves of the single-trip view: which curves there are, the channel, axis, colour and pen
// of each, the y position of a value, and the polyline of a curve over the shown range, with
// the samples that share a pixel column grouped to their first, lowest, highest and last point
// (with a 1-pixel pen that polyline draws the identical image).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/units.h"
#include "views/curve_channels.h"
#include "views/trip_view_axes.h"

namespace vx {

// The seven main curves first, in the order of their bits in the settings' view flags.
enum class TripCurve : int {
    Power,
    Cadence,
    Speed,
    HeartRate,
    Altitude,
    ClimbRate,
    Gradient,
    Temperature,
    PowerPerBeat,
    Torque,
    RightShare,
};
constexpr int kMainCurveCount = 7;
constexpr int kTripCurveCount = 11;
using CurveVisibility = std::array<bool, kTripCurveCount>;

inline bool& Shown(CurveVisibility& v, TripCurve c) {
    return v[static_cast<std::size_t>(c)];
}
inline bool Shown(const CurveVisibility& v, TripCurve c) {
    return v[static_cast<std::size_t>(c)];
}

// The drawing order of the curves (threshold lines follow them).
constexpr std::array<TripCurve, kTripCurveCount> kCurveDrawOrder = {
    TripCurve::Power,  TripCurve::HeartRate,  TripCurve::Altitude,   TripCurve::Cadence,
    TripCurve::Speed,  TripCurve::ClimbRate,  TripCurve::Gradient,   TripCurve::PowerPerBeat,
    TripCurve::Torque, TripCurve::RightShare, TripCurve::Temperature};

// The curve type of the settings panel and the smoothing levels (0 altitude, 1 power,
// 2 cadence, 3 speed, 4 heart rate, 5 climb rate, 6 gradient, 9 torque); none for the others.
std::optional<int> CurveTypeOf(TripCurve curve);
std::optional<TripCurve> CurveOfType(int curve_type);

// The axis of a curve: a value v lies at the fraction (v * factor - lo) / (hi - lo) of the plot
// height above its bottom.
struct CurveAxis {
    double lo = 0;
    double hi = 1;
    double factor = 1;
    // An axis without height (or not finite) places nothing.
    bool valid() const;
};

using CurveMinima = std::array<float, 10>;

// Power 0 .. scale[1], cadence 0 .. scale[2], speed 0 .. scale[3] and altitude min[0] ..
// scale[0] in display units, heart rate min[4] .. scale[4], climb rate -scale[5] .. scale[5]
// (m/min times the altitude factor), gradient -scale[6] .. scale[6], temperature -10 .. 40 C,
// power per heart beat 0 .. 10 W, torque 0 .. scale[9] N m from the torque ratio, right-leg
// share 0 .. 100 %.
CurveAxis AxisOf(TripCurve curve, const CurveScale& scale, const CurveMinima& minima,
                 const DisplayFactors& factors);

// y = trunc(50 + H - H * fraction). Values that are not finite count as 0.
int CurveY(const PlotArea& plot, const CurveAxis& axis, double value);

// The colour (red in the lowest byte) from the settings' colour table, or the fixed colour of
// curves that have no entry there; the altitude is drawn 2 px wide, the others 1 px.
std::int32_t CurveColour(TripCurve curve, const std::array<std::int32_t, 16>& colours);
int CurvePenWidth(TripCurve curve);

// The prepared channel a curve is drawn from (empty when the channels were not prepared).
std::span<const float> CurveValues(TripCurve curve, const CurveChannels& channels);

// The samples a curve runs through: S+1 .. min(E, n)-1, never sample 0. first > last when
// there is nothing to draw.
struct DrawnSamples {
    std::int32_t first = 1;
    std::int32_t last = 0;
    std::int32_t count() const { return last >= first ? last - first + 1 : 0; }
};
DrawnSamples DrawnSamplesOf(const CurveSource& source, const ViewRange& range);

// The x position of every drawn sample (xs[i - samples.first]); empty without a mapping.
void SampleXPositions(const CurveSource& source, const XMapping& mapping,
                      const DrawnSamples& samples, std::vector<int>& xs);

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The polyline of one curve through the drawn samples: every sample's (x, y), or with
// group_columns the samples of each run sharing a pixel column replaced by the first, the two
// extremes and the last of them (repeated points dropped, so a steady or monotonic column gives
// one or two points). Samples behind the end of values are not drawn.
void CurvePoints(std::span<const int> xs, std::int32_t first_sample, std::span<const float> values,
                 const CurveAxis& axis, const PlotArea& plot, bool group_columns,
                 std::vector<PixelPoint>& out);

}  // namespace vx
