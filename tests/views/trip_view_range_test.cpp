#include "views/trip_view_range.h"

#include <gtest/gtest.h>

#include <functional>

#include "views/curve_fixture.h"

namespace vx {
namespace {

// n records (samples 1 .. n-1) at the given interval and km per sample.
std::unique_ptr<Trip> RangeTrip(int n, int interval, float km_per_sample = 0.008f) {
    auto trip = test::CurveTrip(
        n, [km_per_sample](int i, TripRecord& r) { r.distance_km = (i - 1) * km_per_sample; });
    trip->sample_interval_s = interval;
    return trip;
}

enum class Cmd { Back, Forward, In, Out };

struct NavCase {
    const char* name;
    int interval;
    float km_per_sample;
    ViewRange from;
    Cmd cmd;
    ViewRange expect;
    bool done = true;  // false: the command is refused
};

TEST(TripViewRange, TimeAxisNavigation) {
    // 3600 samples; at 0.008 km per sample the trip is 28.8 km long.
    const NavCase cases[] = {
        {"back to the start: raised to 1, snapped to 0", 1, 0.008f, {30, 210}, Cmd::Back, {0, 180}},
        {"back by two thirds", 1, 0.008f, {1800, 2400}, Cmd::Back, {1380, 1980}},
        {"back by 61 samples at 2 s, snapped to 30", 2, 0.008f, {100, 190}, Cmd::Back, {30, 120}},
        {"forward ends exactly at the last sample",
         1,
         0.008f,
         {3400, 3580},
         Cmd::Forward,
         {3420, 3601}},
        {"forward by two thirds", 1, 0.008f, {0, 600}, Cmd::Forward, {360, 960}},
        {"zoom out past n: n + 5 from the start", 1, 0.008f, {1000, 3000}, Cmd::Out, {0, 3606}},
        {"zoom out around the centre", 1, 0.008f, {1200, 1500}, Cmd::Out, {1020, 1620}},
        {"zoom in halves", 1, 0.008f, {600, 1200}, Cmd::In, {720, 1020}},
        {"zoom in stops at 180 s", 1, 0.008f, {600, 900}, Cmd::In, {660, 840}},
        {"zoom in stops at 180 s at 2 s", 2, 0.02f, {600, 750}, Cmd::In, {630, 720}},
        {"zoom in refused at 180 s", 1, 0.008f, {600, 780}, Cmd::In, {600, 780}, false},
        {"zoom in refused at 1.55 km", 1, 0.001f, {600, 2100}, Cmd::In, {600, 2100}, false},
    };
    for (const NavCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto trip = RangeTrip(3601, c.interval, c.km_per_sample);
        const CurveSource src = CurveSourceOf(*trip);
        ViewRange r = c.from;
        bool done = true;
        switch (c.cmd) {
            case Cmd::Back:
                PageBackward(src, AxisMode::Time, r);
                break;
            case Cmd::Forward:
                PageForward(src, AxisMode::Time, r);
                break;
            case Cmd::In:
                done = ZoomIn(src, AxisMode::Time, r);
                break;
            case Cmd::Out:
                ZoomOut(src, AxisMode::Time, r);
                break;
        }
        EXPECT_EQ(done, c.done);
        EXPECT_EQ(r.first, c.expect.first);
        EXPECT_EQ(r.end, c.expect.end);
    }
}

TEST(TripViewRange, PagingReachesBothEndsAndStays) {
    for (int interval : {1, 2, 5}) {
        SCOPED_TRACE(interval);
        auto trip = RangeTrip(5001, interval);
        const CurveSource src = CurveSourceOf(*trip);
        ViewRange r{1200, 1200 + 700};
        for (int k = 0; k < 40; ++k) PageForward(src, AxisMode::Time, r);
        EXPECT_EQ(r.end, 5001);
        EXPECT_EQ(r.first, SnapFirst(src, r.first));
        const ViewRange at_end = r;
        PageForward(src, AxisMode::Time, r);
        EXPECT_EQ(r, at_end);
        for (int k = 0; k < 40; ++k) PageBackward(src, AxisMode::Time, r);
        EXPECT_EQ(r.first, 0);
        EXPECT_GE(r.width(), MinRangeSamples(src));
    }
}

TEST(TripViewRange, SelectionIsOrderedSnappedAndWidened) {
    struct Case {
        int interval, a, b;
        ViewRange expect;
    } cases[] = {
        {1, 1300, 1000, {960, 1300}}, {1, 3000, 9000, {3000, 3600}},  // the end at most n-1
        {1, 100, 130, {60, 240}},                                     // widened to 180.01 s
        {2, 100, 130, {60, 150}},                                     // 90.005 samples at 2 s
        {1, 0, 0, {0, 180}},                                          // the start held at sample 1
    };
    for (const Case& c : cases) {
        auto trip = RangeTrip(3601, c.interval);
        ViewRange r;
        ZoomToSelection(CurveSourceOf(*trip), c.a, c.b, r);
        EXPECT_EQ(r.first, c.expect.first) << c.a << ".." << c.b;
        EXPECT_EQ(r.end, c.expect.end) << c.a << ".." << c.b;
    }
}

TEST(TripViewRange, WholeTripAndShortTrips) {
    auto trip = RangeTrip(3601, 1);
    const ViewRange whole = WholeTrip(CurveSourceOf(*trip));
    EXPECT_EQ(whole.first, 1);
    EXPECT_EQ(whole.end, 3601);

    // A trip shorter than 180 s still shows 180 s; nothing reads past it.
    auto shorter = RangeTrip(101, 1);
    const CurveSource src = CurveSourceOf(*shorter);
    ViewRange r = WholeTrip(src);
    EXPECT_EQ(r.end, 181);
    EXPECT_FLOAT_EQ(RangeDistance(src, r), 99 * 0.008f);
    PageForward(src, AxisMode::Time, r);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.end, 180);  // held at the trip end, then widened to 180 s
    ZoomOut(src, AxisMode::Time, r);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.end, 180);  // n + 5 samples, widened to 180 s
    EXPECT_FALSE(ZoomIn(src, AxisMode::Time, r));

    // A trip without samples changes nothing and reads nothing.
    Trip empty;
    empty.count = 0;
    ViewRange e{1, 1};
    PageForward(CurveSourceOf(empty), AxisMode::Time, e);
    ZoomOut(CurveSourceOf(empty), AxisMode::Distance, e);
    EXPECT_EQ(e, (ViewRange{1, 1}));
    EXPECT_EQ(TripDistance(CurveSourceOf(empty)), 0);
}

TEST(TripViewRange, DistanceAxisNavigation) {
    auto trip = RangeTrip(3601, 1, 0.01f);  // 35.99 km
    const CurveSource src = CurveSourceOf(*trip);
    const double total = TripDistance(src);
    ViewRange r = WholeTrip(src);

    ASSERT_TRUE(ZoomIn(src, AxisMode::Distance, r));  // the middle half
    EXPECT_NEAR(r.d0, total / 4, 1e-6);
    EXPECT_NEAR(r.d1 - r.d0, total / 2, 1e-6);
    EXPECT_NEAR(r.first, 901, 1);
    EXPECT_NEAR(r.end, 2701, 1);

    PageForward(src, AxisMode::Distance, r);  // ends at the trip's end
    EXPECT_NEAR(r.d1, total, 1e-9);
    EXPECT_NEAR(r.d0, total / 2, 1e-6);
    EXPECT_EQ(r.end, 3600);

    PageBackward(src, AxisMode::Distance, r);
    PageBackward(src, AxisMode::Distance, r);
    EXPECT_EQ(r.d0, 0);
    EXPECT_EQ(r.first, 1);

    ZoomOut(src, AxisMode::Distance, r);
    ZoomOut(src, AxisMode::Distance, r);  // twice the window covers the trip: all of it
    EXPECT_EQ(r.d0, 0);
    EXPECT_NEAR(r.d1, total, 1e-9);

    // Paging forward on a window that starts within 0.02 km shows the whole trip.
    ViewRange near_start = WholeTrip(src);
    PageForward(src, AxisMode::Distance, near_start);
    EXPECT_EQ(near_start, WholeTrip(src));

    // Zoom in does nothing once the window is 1.55 km or less.
    auto slow = RangeTrip(3601, 1, 0.005f);
    ViewRange small{1000, 1300};
    SyncDistanceWindow(CurveSourceOf(*slow), small);
    EXPECT_FALSE(ZoomIn(CurveSourceOf(*slow), AxisMode::Distance, small));
    EXPECT_EQ(small.first, 1000);
}

}  // namespace
}  // namespace vx
