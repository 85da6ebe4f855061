// The curve axes of the single-trip view: the checks of the curve scale block when the view
// opens and before each redraw, the value labels beside the plot, and the stored threshold
// lines of power, cadence, speed, heart rate and altitude.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/trip_view_curves.h"

namespace vx {

// Axis maxima that are 0, not a number or out of range get their defaults: altitude 400,
// power 500, cadence 150, speed 120, heart rate 200, climb-rate half range 20, gradient half
// range 20, torque 100 (torque also below 20).
void ValidateCurveScale(CurveScale& scale);

// Before the axes are drawn: a gradient half range below 1 (below 5 while the gradient is
// shown) becomes 25, a climb-rate half range below 1 becomes 50 while the climb rate is shown.
void AdjustScaleForRedraw(CurveScale& scale, const CurveVisibility& visible);

enum class LabelSide { Left, Right, Middle };

struct ValueLabel {
    int x = 0;
    int y = 0;
    // Labels of curves drawn on the same side are moved by this many text heights so that
    // they do not overlap (-1 up, +1 down).
    int line_offset = 0;
    std::string text;
    std::int32_t colour = 0;
};

struct ValueLabelInput {
    const CurveScale* scale = nullptr;
    const CurveMinima* minima = nullptr;
    const CurveVisibility* visible = nullptr;
    const std::array<std::int32_t, 16>* colours = nullptr;
    bool relative_power_hr = false;  // the relative power/heart-rate display hides both
    bool fahrenheit = false;
};

// Labels for j = 0 .. 10 at y = trunc((10 - j) H / 10 + 44): power, cadence and speed at x = 5
// (j >= 1; a single "0" in the text colour for j = 0), heart rate, altitude and temperature at
// x = W + 40, gradient "%4.1f%" at (W + 40) / 2, climb rate "%4.1f" 100 px right of it,
// torque at x = 50 in aqua while torque or the right-leg share is shown. Empty for an empty
// plot.
std::vector<ValueLabel> ValueLabels(const PlotArea& plot, const ValueLabelInput& in);

// Two stored threshold lines for each of the curve types 0 .. 4, in axis units.
struct ThresholdLine {
    bool on = false;
    float value = 0;
};
using ThresholdLines = std::array<std::array<ThresholdLine, 2>, 5>;

struct ThresholdMark {
    TripCurve curve = TripCurve::Power;
    int y = 0;
    std::int32_t colour = 0;
    std::string label;  // "%8.0f " of the value, written at x = 40
};

// The dotted lines of the threshold lines that are on, for curves that are shown (power and
// heart rate not while the relative display is on), at their value's level on the curve's
// axis. Empty for an empty plot.
std::vector<ThresholdMark> ThresholdMarks(const PlotArea& plot, const ValueLabelInput& in,
                                          const ThresholdLines& lines);

}  // namespace vx
