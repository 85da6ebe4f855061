// Geometry of the single-trip view's plot: the plot area inside the image, float-to-pixel
// conversion, the x position of a sample on the time and the distance axis and back, the tick
// marks with their labels, and the horizontal grid.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/trip_view_range.h"

namespace vx {

// The plot occupies x = 35 .. 35+width and y = 50 .. 50+height of an image; width is the
// image width - 65 and height the image height - 75. A plot with width or height <= 0 (tiny
// or minimised window) is empty and nothing is drawn into it.
struct PlotArea {
    static constexpr int kLeft = 35;
    static constexpr int kTop = 50;
    int image_width = 0;
    int image_height = 0;
    int width = 0;
    int height = 0;

    int bottom() const { return kTop + height; }
    int right() const { return kLeft + width; }
    bool empty() const { return width <= 0 || height <= 0; }
};

PlotArea PlotAreaOf(int image_width, int image_height);

// Truncation toward zero of a coordinate, held inside +-kPixelLimit first so that values that
// are not a number or huge never become undefined integers (not a number gives 0).
constexpr int kPixelLimit = 1000000;
int ToPixel(double v);

// Where the samples of a range lie on the x axis of a plot.
struct XMapping {
    AxisMode mode = AxisMode::Time;
    bool valid = false;            // false: nothing is placed (empty plot, no distance)
    std::int32_t first = 0;        // S
    double pixels_per_second = 0;  // q, time axis
    double pixels_per_sample = 0;  // p, time axis
    double distance_start = 0;     // distance(S) in km, distance axis
    double pixels_per_km = 0;      // W / D, distance axis

    // x of a sample: time axis trunc((i - S) p + 35), distance axis
    // trunc((distance(i) - distance(S)) W / D + 35).
    int X(const CurveSource& source, std::int32_t sample) const;
};

// The mapping for the range as drawn. On the distance axis a range whose distance window is
// not above 0 (standing still) has no mapping.
XMapping XMappingOf(const PlotArea& plot, const CurveSource& source, const ViewRange& range,
                    AxisMode mode);

// The sample under a mouse x on the time axis: x below 35 counts as 35, x above the image
// width - 15 as the image width - 13; s = trunc((x - 35) / p) + S, held inside 1 .. n-1.
std::int32_t SampleAtX(const PlotArea& plot, const XMapping& mapping, const CurveSource& source,
                       int mouse_x);
// The mouse x for a sample chosen by the keys: trunc((s - S) p + 35 - 1).
int PointerXOfSample(const XMapping& mapping, std::int32_t sample);

struct AxisTick {
    int x = 0;
    int label_x = 0;    // where the label starts
    std::string label;  // empty: no label
    bool grid = false;  // a vertical grid line over the plot height
    bool half = false;  // a half-minute tick, labelled in a small font
};

// Time axis: one tick every m minutes, m the smallest step whose ticks stand at least 15 px
// plus the width of the text "00:00" apart; labels "%02i:%02i" of the hours and minutes from
// the trip start, written 13 px left of the tick. Half-minute ticks "30s" when ticks are more
// than 80 px apart and there are more than 1.5 px per second. Empty for an empty plot.
std::vector<AxisTick> TimeAxisTicks(const PlotArea& plot, const CurveSource& source,
                                    const XMapping& mapping, int clock_label_width);
// The tick step in minutes of the time axis (0 for an empty plot).
std::int64_t TimeTickMinutes(double pixels_per_second, int clock_label_width);

// Distance axis: eleven ticks at tenths of the plot width labelled "%5.2f" with the distance
// in display units. Empty for an empty plot.
std::vector<AxisTick> DistanceAxisTicks(const PlotArea& plot, const CurveSource& source,
                                        const ViewRange& range, double distance_factor);

// The ten horizontal grid lines y = trunc((10 - j) H / 10 + 50), j = 1 .. 10.
std::vector<int> HorizontalGridLines(const PlotArea& plot);

}  // namespace vx
