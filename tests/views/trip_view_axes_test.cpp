#include "views/trip_view_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/units.h"
#include "views/curve_fixture.h"

namespace vx {
namespace {

constexpr int kClockWidth = 30;  // "00:00"

std::unique_ptr<Trip> AxisTrip(int n, int interval) {
    auto trip = test::CurveTrip(n, [](int, TripRecord&) {});
    trip->sample_interval_s = interval;
    return trip;
}

TEST(TripViewAxes, PlotAreaAndPixelConversion) {
    const PlotArea plot = PlotAreaOf(1265, 675);
    EXPECT_EQ(plot.width, 1200);
    EXPECT_EQ(plot.height, 600);
    EXPECT_EQ(plot.bottom(), 650);
    EXPECT_FALSE(plot.empty());
    EXPECT_TRUE(PlotAreaOf(65, 500).empty());
    EXPECT_TRUE(PlotAreaOf(500, 40).empty());

    EXPECT_EQ(ToPixel(12.9), 12);
    EXPECT_EQ(ToPixel(-12.9), -12);  // toward zero
    EXPECT_EQ(ToPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ToPixel(1e300), kPixelLimit);
    EXPECT_EQ(ToPixel(-std::numeric_limits<double>::infinity()), -kPixelLimit);
}

struct TickCase {
    const char* name;
    int interval;
    ViewRange range;
    int ticks;          // full ticks
    int halves;         // "30s" ticks
    int step_px;        // distance between full ticks
    const char* first;  // first label
    const char* last;   // last label
};

TEST(TripViewAxes, TimeTicksAndLabelsAtOneAndTwoSeconds) {
    // W = 900: one hour spans 0.25 px per second, so m = 3 minutes (45 px).
    const TickCase cases[] = {
        {"one hour at 1 s", 1, {1800, 5400}, 21, 0, 45, "00:30", "01:30"},
        {"one hour at 2 s", 2, {930, 2730}, 21, 0, 45, "00:31", "01:31"},
        {"three minutes at 1 s", 1, {3600, 3780}, 4, 3, 300, "01:00", "01:03"},
        {"three minutes at 2 s", 2, {1800, 1890}, 4, 3, 300, "01:00", "01:03"},
    };
    const PlotArea plot = PlotAreaOf(965, 675);
    for (const TickCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto trip = AxisTrip(6001, c.interval);
        const CurveSource src = CurveSourceOf(*trip);
        const XMapping m = XMappingOf(plot, src, c.range, AxisMode::Time);
        const std::vector<AxisTick> ticks = TimeAxisTicks(plot, src, m, kClockWidth);
        std::vector<AxisTick> full;
        int halves = 0;
        for (const AxisTick& t : ticks) {
            if (t.half) {
                ++halves;
                EXPECT_EQ(t.label, "30s");
            } else {
                full.push_back(t);
            }
        }
        ASSERT_EQ(static_cast<int>(full.size()), c.ticks);
        EXPECT_EQ(halves, c.halves);
        EXPECT_EQ(full.front().x, 35);
        EXPECT_FALSE(full.front().grid);
        EXPECT_TRUE(full.back().grid);
        EXPECT_EQ(full.front().label_x, 35 - 13);
        EXPECT_EQ(full[1].x - full[0].x, c.step_px);
        EXPECT_LE(full.back().x, 35 + 900 + 10);
        EXPECT_EQ(full.front().label, c.first);
        EXPECT_EQ(full.back().label, c.last);
    }
}

TEST(TripViewAxes, TickStepIsTheSmallestThatFits) {
    EXPECT_EQ(TimeTickMinutes(1.0 / 3, 30), 3);  // 60 px - 30 >= 15; 40 px does not fit
    EXPECT_EQ(TimeTickMinutes(0.75, 30), 1);     // 45 - 30 = 15 fits exactly
    EXPECT_EQ(TimeTickMinutes(0.7499, 30), 2);
    EXPECT_EQ(TimeTickMinutes(1.0 / 1024, 30), 768);
    EXPECT_EQ(TimeTickMinutes(0, 30), 0);  // an empty plot has no step at all
    EXPECT_EQ(TimeTickMinutes(-2, 30), 0);
}

TEST(TripViewAxes, AnEmptyPlotHasNoTicksAndNoMapping) {
    auto trip = AxisTrip(3601, 1);
    const CurveSource src = CurveSourceOf(*trip);
    const ViewRange r{1, 3601};
    for (int w : {0, 40, 65}) {
        const PlotArea plot = PlotAreaOf(w, 300);
        const XMapping m = XMappingOf(plot, src, r, AxisMode::Time);
        EXPECT_FALSE(m.valid);
        EXPECT_TRUE(TimeAxisTicks(plot, src, m, kClockWidth).empty());
        EXPECT_TRUE(DistanceAxisTicks(plot, src, r, 1).empty());
        EXPECT_TRUE(HorizontalGridLines(plot).empty());
    }
}

TEST(TripViewAxes, SampleUnderTheMouseAndBack) {
    auto trip = AxisTrip(3601, 1);
    const CurveSource src = CurveSourceOf(*trip);
    const PlotArea plot = PlotAreaOf(965, 600);  // W = 900
    const ViewRange r{0, 3600};                  // 0.25 px per sample
    const XMapping m = XMappingOf(plot, src, r, AxisMode::Time);
    EXPECT_DOUBLE_EQ(m.pixels_per_sample, 0.25);
    EXPECT_EQ(m.X(src, 1200), 335);
    EXPECT_EQ(SampleAtX(plot, m, src, 335), 1200);
    EXPECT_EQ(SampleAtX(plot, m, src, 336), 1204);
    EXPECT_EQ(SampleAtX(plot, m, src, 0), 1);       // x 35 is sample S = 0, held at 1
    EXPECT_EQ(SampleAtX(plot, m, src, 951), 3600);  // past image width - 15: width - 13
    EXPECT_EQ(PointerXOfSample(m, 1200), 334);

    const ViewRange near_end{3400, 3640};
    const XMapping m2 = XMappingOf(plot, src, near_end, AxisMode::Time);
    EXPECT_EQ(SampleAtX(plot, m2, src, 900), 3600);  // never past the last sample
}

TEST(TripViewAxes, DistanceMappingAndTicks) {
    auto trip = test::CurveTrip(1001, [](int i, TripRecord& r) { r.distance_km = i / 8.0f; });
    const CurveSource src = CurveSourceOf(*trip);
    const PlotArea plot = PlotAreaOf(1065, 600);  // W = 1000
    const ViewRange r{8, 48};                     // 1 .. 6 km
    const XMapping m = XMappingOf(plot, src, r, AxisMode::Distance);
    ASSERT_TRUE(m.valid);
    EXPECT_EQ(m.X(src, 8), 35);
    EXPECT_EQ(m.X(src, 28), 535);
    const std::vector<AxisTick> ticks = DistanceAxisTicks(plot, src, r, 1);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(ticks[0].label, " 1.00");
    EXPECT_EQ(ticks[5].x, 535);
    EXPECT_EQ(ticks[10].x, 1035);
    EXPECT_EQ(ticks[10].label, " 6.00");
    EXPECT_EQ(DistanceAxisTicks(plot, src, r, kMilesPerKm)[10].label, " 3.73");

    // Standing still: no distance window, no mapping.
    auto still = test::CurveTrip(1001, [](int, TripRecord& r) { r.distance_km = 3; });
    EXPECT_FALSE(XMappingOf(plot, CurveSourceOf(*still), r, AxisMode::Distance).valid);
}

TEST(TripViewAxes, HorizontalGrid) {
    const std::vector<int> ys = HorizontalGridLines(PlotAreaOf(500, 675));
    ASSERT_EQ(ys.size(), 10u);
    EXPECT_EQ(ys.front(), 590);  // j = 1
    EXPECT_EQ(ys.back(), 50);    // j = 10
}

}  // namespace
}  // namespace vx
