#include "views/trip_view_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "views/curve_fixture.h"

namespace vx {
namespace {

// The pixels a polyline sets with a 1-pixel pen: every segment by Bresenham, both ends
// included, clipped to the grid.
struct Raster {
    int width, height;
    std::vector<bool> on;
    Raster(int w, int h) : width(w), height(h), on(static_cast<std::size_t>(w * h)) {}
    void Set(int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            on[static_cast<std::size_t>(y * width + x)] = true;
    }
    void Line(PixelPoint a, PixelPoint b) {
        const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
        const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Set(a.x, a.y);
            if (a.x == b.x && a.y == b.y) return;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
    }
    void Polyline(const std::vector<PixelPoint>& p) {
        if (p.size() == 1) Set(p[0].x, p[0].y);
        for (std::size_t i = 1; i < p.size(); ++i) Line(p[i - 1], p[i]);
    }
};

struct Drawn {
    std::vector<PixelPoint> all, grouped;
};

Drawn DrawBoth(const std::vector<int>& xs, const std::vector<float>& values, const PlotArea& plot,
               const CurveAxis& axis) {
    Drawn d;
    CurvePoints(xs, 1, values, axis, plot, false, d.all);
    CurvePoints(xs, 1, values, axis, plot, true, d.grouped);
    return d;
}

void ExpectSamePixels(const Drawn& d, const PlotArea& plot) {
    Raster a(plot.image_width, plot.image_height), b(plot.image_width, plot.image_height);
    a.Polyline(d.all);
    b.Polyline(d.grouped);
    ASSERT_EQ(a.on, b.on);
}

TEST(TripViewCurves, GroupedColumnsDrawTheSamePixels) {
    const PlotArea plot = PlotAreaOf(265, 175);  // 200 x 100 px
    const CurveAxis axis{0, 400, 1};
    std::mt19937 rng(11);
    std::normal_distribution<float> step(0, 25);
    for (int samples : {50, 199, 200, 201, 1000, 20000}) {
        SCOPED_TRACE(samples);
        std::vector<float> values(static_cast<std::size_t>(samples) + 1);
        float v = 200;
        for (std::size_t i = 1; i < values.size(); ++i) {
            v = std::clamp(v + step(rng), -50.0f, 450.0f);  // also beyond the axis
            values[i] = v;
        }
        // Time axis: x grows with the sample; the zoomed-in case has gaps between samples.
        std::vector<int> xs(static_cast<std::size_t>(samples));
        for (int k = 0; k < samples; ++k) xs[k] = ToPixel(k * (200.0 / samples) + 35);
        const Drawn d = DrawBoth(xs, values, plot, axis);
        ExpectSamePixels(d, plot);
        EXPECT_LE(d.grouped.size(), 4u * 201);
        if (samples >= 20000) {
            EXPECT_LT(d.grouped.size(), d.all.size() / 20);
        }

        // Distance axis: standstills share a column, a damaged distance runs backwards.
        for (int k = 0; k < samples; ++k) xs[k] = 35 + (k / 7) % 150 - (k % 97 == 0 ? 20 : 0);
        ExpectSamePixels(DrawBoth(xs, values, plot, axis), plot);
    }
}

TEST(TripViewCurves, GroupKeepsFirstExtremesAndLast) {
    const PlotArea plot = PlotAreaOf(165, 175);  // height 100: y = 150 - value
    const CurveAxis axis{0, 100, 1};
    const std::vector<int> xs = {40, 40, 40, 40, 41, 42, 42, 43, 43, 43, 44, 44, 44};
    const std::vector<float> values = {0, 50, 90, 10, 60, 30, 70, 70, 10, 20, 30, 60, 90, 10};
    std::vector<PixelPoint> out;
    CurvePoints(xs, 1, values, axis, plot, true, out);
    // A column of one value, or of equal values, is a single point; a rising column is its
    // first and last point; a column ending on one extreme visits the other one first.
    const std::vector<PixelPoint> expect = {{40, 100}, {40, 60}, {40, 140}, {40, 90},
                                            {41, 120}, {42, 80}, {43, 140}, {43, 120},
                                            {44, 90},  {44, 60}, {44, 140}};
    EXPECT_EQ(out, expect);
}

TEST(TripViewCurves, YFollowsTheAxisAndClampsBadValues) {
    const PlotArea plot = PlotAreaOf(165, 675);  // H = 600
    EXPECT_EQ(CurveY(plot, {0, 500, 1}, 250), 350);
    EXPECT_EQ(CurveY(plot, {0, 500, 1}, 0), 650);
    EXPECT_EQ(CurveY(plot, {60, 200, 1}, 200), 50);
    EXPECT_EQ(CurveY(plot, {-20, 20, 1}, 0), 350);   // climb rate zero line at mid height
    EXPECT_EQ(CurveY(plot, {-10, 40, 1}, 15), 350);  // temperature
    EXPECT_EQ(CurveY(plot, {0, 100, kTorqueFactor}, 0), 650);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CurveY(plot, {0, 500, 1}, nan), 650);  // not finite counts as 0
    EXPECT_EQ(CurveY(plot, {0, 500, 1}, 1e300), -kPixelLimit);
    EXPECT_EQ(CurveY(plot, {0, 500, 1}, -1e300), kPixelLimit);
    EXPECT_EQ(CurveY(plot, {0, 1e-300, 1}, 1e10), -kPixelLimit);

    // An axis without height places nothing.
    std::vector<PixelPoint> out;
    CurvePoints(std::vector<int>{40, 41}, 1, std::vector<float>{0, 1, 2}, {100, 100, 1}, plot, true,
                out);
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE((CurveAxis{200, 150, 1}).valid());
    EXPECT_FALSE((CurveAxis{0, std::nanf(""), 1}).valid());
}

TEST(TripViewCurves, DrawnSamplesStayInsideTheTrip) {
    auto trip = test::CurveTrip(101, [](int, TripRecord&) {});
    const CurveSource src = CurveSourceOf(*trip);
    struct Case {
        ViewRange range;
        int first, last;
    } cases[] = {{{0, 180}, 1, 100}, {{1, 101}, 2, 100}, {{40, 60}, 41, 59}, {{0, 106}, 1, 100}};
    for (const Case& c : cases) {
        const DrawnSamples d = DrawnSamplesOf(src, c.range);
        EXPECT_EQ(d.first, c.first);
        EXPECT_EQ(d.last, c.last);
    }
    // Values shorter than the positions: the curve ends with its values.
    std::vector<PixelPoint> out;
    CurvePoints(std::vector<int>(50, 40), 1, std::vector<float>(11, 5.0f), {0, 10, 1},
                PlotAreaOf(165, 175), false, out);
    EXPECT_EQ(out.size(), 10u);
}

TEST(TripViewCurves, CurveTableRoundTrip) {
    for (int type : {0, 1, 2, 3, 4, 5, 6, 9}) {
        ASSERT_TRUE(CurveOfType(type));
        EXPECT_EQ(CurveTypeOf(*CurveOfType(type)), type);
    }
    EXPECT_FALSE(CurveOfType(7));
    EXPECT_FALSE(CurveTypeOf(TripCurve::Temperature));
    EXPECT_EQ(CurvePenWidth(TripCurve::Altitude), 2);
    EXPECT_EQ(CurvePenWidth(TripCurve::Power), 1);
}

}  // namespace
}  // namespace vx
