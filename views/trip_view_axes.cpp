#include "views/trip_view_axes.h"

#include <algorithm>
#include <cmath>

#include "analysis/evaluation_format.h"

namespace vx {

namespace {

constexpr int kTickOverhang = 10;   // ticks continue 10 px right of the plot
constexpr int kTickGap = 15;        // free pixels between two clock labels
constexpr int kLabelShift = 13;     // labels start 13 px left of their tick
constexpr int kHalfLabelShift = 7;  // "30s" is centred roughly on its tick
constexpr double kHalfTickSpacing = 80;
constexpr double kHalfTickMinScale = 1.5;

}  // namespace

PlotArea PlotAreaOf(int image_width, int image_height) {
    PlotArea plot;
    plot.image_width = image_width;
    plot.image_height = image_height;
    plot.width = image_width - 65;
    plot.height = image_height - 75;
    return plot;
}

int ToPixel(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(
        std::clamp(v, -static_cast<double>(kPixelLimit), static_cast<double>(kPixelLimit)));
}

int XMapping::X(const CurveSource& source, std::int32_t sample) const {
    if (mode == AxisMode::Time) return ToPixel((sample - first) * pixels_per_sample + 35);
    return ToPixel((SampleDistance(source, sample) - distance_start) * pixels_per_km + 35);
}

XMapping XMappingOf(const PlotArea& plot, const CurveSource& source, const ViewRange& range,
                    AxisMode mode) {
    XMapping m;
    m.mode = mode;
    m.first = range.first;
    const std::int32_t r = range.width();
    if (plot.empty() || r <= 0) return m;
    if (mode == AxisMode::Time) {
        m.pixels_per_second = plot.width / (static_cast<double>(ViewInterval(source)) * r);
        m.pixels_per_sample = m.pixels_per_second * ViewInterval(source);
        m.valid = true;
        return m;
    }
    const double d = RangeDistance(source, range);
    if (!(d > 0) || !std::isfinite(d)) return m;
    m.distance_start = SampleDistance(source, std::max(range.first, 1));
    m.pixels_per_km = plot.width / d;
    m.valid = true;
    return m;
}

std::int32_t SampleAtX(const PlotArea& plot, const XMapping& mapping, const CurveSource& source,
                       int mouse_x) {
    const std::int32_t last = std::max(source.size() - 1, 1);
    int x = mouse_x;
    if (x < PlotArea::kLeft) x = PlotArea::kLeft;
    if (x > plot.image_width - 15) x = plot.image_width - 13;
    double s = mapping.first;
    if (mapping.valid && mapping.pixels_per_sample > 0)
        s = (x - PlotArea::kLeft) / mapping.pixels_per_sample + mapping.first;
    return static_cast<std::int32_t>(std::clamp(s, 1.0, static_cast<double>(last)));
}

int PointerXOfSample(const XMapping& mapping, std::int32_t sample) {
    return ToPixel((sample - mapping.first) * mapping.pixels_per_sample + PlotArea::kLeft - 1);
}

std::int64_t TimeTickMinutes(double q, int clock_label_width) {
    if (!(q > 0) || !std::isfinite(q)) return 0;
    auto fits = [&](double m) { return q * 60 * m - clock_label_width >= kTickGap; };
    const double guess = std::ceil((kTickGap + clock_label_width) / (60 * q));
    if (!(guess < 1e15)) return 0;
    std::int64_t m = std::max<std::int64_t>(1, static_cast<std::int64_t>(guess));
    while (m > 1 && fits(static_cast<double>(m - 1))) --m;
    while (!fits(static_cast<double>(m))) ++m;
    return m;
}

std::vector<AxisTick> TimeAxisTicks(const PlotArea& plot, const CurveSource& source,
                                    const XMapping& mapping, int clock_label_width) {
    std::vector<AxisTick> ticks;
    if (plot.empty() || !mapping.valid || mapping.mode != AxisMode::Time) return ticks;
    const double q = mapping.pixels_per_second;
    const std::int64_t m = TimeTickMinutes(q, clock_label_width);
    if (m == 0) return ticks;
    const int limit = plot.right() + kTickOverhang;
    const std::int64_t start_minute =
        static_cast<std::int64_t>(std::max(mapping.first, 0)) * ViewInterval(source) / 60;
    const bool halves = q * 60 * m > kHalfTickSpacing && q > kHalfTickMinScale;
    for (std::int64_t t = 0;; t += m) {
        const int x = ToPixel(t * q * 60 + PlotArea::kLeft);
        if (x > limit) break;
        const std::int64_t minute = t + start_minute;
        ticks.push_back({x, x - kLabelShift,
                         FormatTwoDigits(minute / 60) + ":" + FormatTwoDigits(minute % 60), t > 0,
                         false});
        if (halves) {
            const int hx = ToPixel((t + m / 2.0) * q * 60 + PlotArea::kLeft);
            if (hx <= limit) ticks.push_back({hx, hx - kHalfLabelShift, "30s", false, true});
        }
    }
    return ticks;
}

std::vector<AxisTick> DistanceAxisTicks(const PlotArea& plot, const CurveSource& source,
                                        const ViewRange& range, double distance_factor) {
    std::vector<AxisTick> ticks;
    if (plot.empty()) return ticks;
    const double d = RangeDistance(source, range);
    const double start = SampleDistance(source, std::max(range.first, 1));
    for (int j = 0; j <= 10; ++j) {
        const int x = ToPixel(j / 10.0 * plot.width + PlotArea::kLeft);
        ticks.push_back({x, x - kLabelShift,
                         FormatFixed((j / 10.0 * d + start) * distance_factor, 5, 2), false,
                         false});
    }
    return ticks;
}

std::vector<int> HorizontalGridLines(const PlotArea& plot) {
    std::vector<int> ys;
    if (plot.empty()) return ys;
    for (int j = 1; j <= 10; ++j) ys.push_back(ToPixel((10 - j) * plot.height / 10.0 + 50));
    return ys;
}

}  // namespace vx
