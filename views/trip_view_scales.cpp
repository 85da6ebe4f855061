#include "views/trip_view_scales.h"

#include <cmath>

#include "analysis/evaluation_format.h"
#include "trip/settings.h"

namespace vx {

namespace {

constexpr int kSlotText = 9;
constexpr std::int32_t kAqua = Rgb(0, 255, 255);
constexpr int kLeftLabelX = 5;
constexpr int kTorqueLabelX = 50;
constexpr int kThresholdLabelX = 40;

bool Bad(float v) {
    return v == 0 || std::isnan(v);
}

// The slot offsets of up to three labels on one side: the first stays, the second moves down,
// the third up.
constexpr int kStackOffsets[3] = {0, 1, -1};

}  // namespace

void ValidateCurveScale(CurveScale& s) {
    struct Limit {
        float above, fallback;
    };
    static constexpr Limit limits[7] = {{50000, 400}, {3000, 500}, {250, 150}, {150, 120},
                                        {250, 200},   {50, 20},    {40, 20}};
    for (int i = 0; i < 7; ++i)
        if (Bad(s[i]) || s[i] > limits[i].above) s[i] = limits[i].fallback;
    if (std::isnan(s[9]) || s[9] < 20 || s[9] > 500) s[9] = 100;
}

void AdjustScaleForRedraw(CurveScale& s, const CurveVisibility& visible) {
    const float gradient_floor = Shown(visible, TripCurve::Gradient) ? 5.0f : 1.0f;
    if (!(s[6] >= gradient_floor)) s[6] = 25;
    if (Shown(visible, TripCurve::ClimbRate) && !(s[5] >= 1)) s[5] = 50;
}

std::vector<ValueLabel> ValueLabels(const PlotArea& plot, const ValueLabelInput& in) {
    std::vector<ValueLabel> labels;
    if (plot.empty()) return labels;
    const CurveScale& s = *in.scale;
    const CurveMinima& min = *in.minima;
    const auto& colours = *in.colours;
    auto shown = [&](TripCurve c) { return Shown(*in.visible, c); };

    struct Column {
        bool on;
        TripCurve curve;
        int x;
        double lo, step;  // value at j = lo + j * step
        int precision;
        const char* suffix;
    };
    const int right = plot.width + 40;
    const int middle = right / 2;
    const double temp_lo = CelsiusToDisplay(-10, in.fahrenheit);
    const double temp_step = CelsiusToDisplay(-5, in.fahrenheit) - temp_lo;
    const Column left_side[3] = {
        {shown(TripCurve::Power) && !in.relative_power_hr, TripCurve::Power, kLeftLabelX, 0,
         s[1] / 10.0, 0, ""},
        {shown(TripCurve::Cadence), TripCurve::Cadence, kLeftLabelX, 0, s[2] / 10.0, 0, ""},
        {shown(TripCurve::Speed), TripCurve::Speed, kLeftLabelX, 0, s[3] / 10.0, 0, ""}};
    const Column right_side[3] = {
        {shown(TripCurve::HeartRate) && !in.relative_power_hr, TripCurve::HeartRate, right, min[4],
         (s[4] - min[4]) / 10.0, 0, ""},
        {shown(TripCurve::Altitude), TripCurve::Altitude, right, min[0], (s[0] - min[0]) / 10.0, 0,
         ""},
        {shown(TripCurve::Temperature), TripCurve::Temperature, right, temp_lo, temp_step, 0, ""}};
    const Column singles[3] = {
        {shown(TripCurve::Gradient), TripCurve::Gradient, middle, -s[6], 2.0 * s[6] / 10, 1, "%"},
        {shown(TripCurve::ClimbRate), TripCurve::ClimbRate, middle + 100, -s[5], 2.0 * s[5] / 10, 1,
         ""},
        {shown(TripCurve::Torque) || shown(TripCurve::RightShare), TripCurve::Torque, kTorqueLabelX,
         0, s[9] / 10.0, 0, ""}};

    auto add_column = [&](const Column& c, int offset, int from_j) {
        const std::int32_t colour =
            c.curve == TripCurve::Torque ? kAqua : CurveColour(c.curve, colours);
        for (int j = from_j; j <= 10; ++j) {
            const int y = ToPixel((10 - j) * plot.height / 10.0 + 44);
            labels.push_back({c.x, y, offset,
                              FormatFixed(c.lo + j * c.step, 4, c.precision) + c.suffix, colour});
        }
    };
    labels.push_back(
        {kLeftLabelX, ToPixel(10 * plot.height / 10.0 + 44), 0, "0", colours[kSlotText]});
    for (const Column* side : {left_side, right_side}) {
        int stacked = 0;
        for (int k = 0; k < 3; ++k) {
            if (!side[k].on) continue;
            add_column(side[k], kStackOffsets[stacked++], side == left_side ? 1 : 0);
        }
    }
    for (const Column& c : singles)
        if (c.on) add_column(c, 0, 0);
    return labels;
}

std::vector<ThresholdMark> ThresholdMarks(const PlotArea& plot, const ValueLabelInput& in,
                                          const ThresholdLines& lines) {
    std::vector<ThresholdMark> marks;
    if (plot.empty()) return marks;
    for (int type = 0; type < static_cast<int>(lines.size()); ++type) {
        const TripCurve curve = *CurveOfType(type);
        if (!Shown(*in.visible, curve)) continue;
        if (in.relative_power_hr && (curve == TripCurve::Power || curve == TripCurve::HeartRate))
            continue;
        CurveAxis axis = AxisOf(curve, *in.scale, *in.minima, DisplayFactors{});
        axis.factor = 1;  // the values are entered in the axis' own units
        if (!axis.valid()) continue;
        for (const ThresholdLine& line : lines[static_cast<std::size_t>(type)]) {
            if (!line.on) continue;
            marks.push_back({curve, CurveY(plot, axis, line.value), CurveColour(curve, *in.colours),
                             FormatFixed(line.value, 8, 0) + " "});
        }
    }
    return marks;
}

}  // namespace vx
