#include "views/curve_force_zones.h"

#include <gtest/gtest.h>

#include "views/curve_climb_rate.h"
#include "views/curve_fixture.h"

namespace vx {
namespace {

// A trip of 400 samples pedalled at cadence 50 for `length` samples from sample 100, standing
// (cadence 0, so both means are 0) elsewhere; power 200 W throughout.
std::unique_ptr<Trip> ForceTrip(int length, int interval) {
    auto trip = test::CurveTrip(400, [&](int i, TripRecord& r) {
        r.cadence_rpm = (i >= 100 && i < 100 + length) ? 50.0f : 0.0f;
    });
    trip->records[0].power_w = 250;  // zone threshold
    trip->sample_interval_s = interval;
    return trip;
}

TEST(MarkForceZones, StretchesLongerThanTwoMinutes) {
    struct Case {
        int length, interval;
        bool marked;
    };
    RiderZones zones{};
    zones[0][8] = 70;  // 175 W
    zones[0][9] = 90;  // 225 W
    for (Case c : {Case{150, 1, true}, Case{120, 1, false}, Case{121, 1, true}, Case{61, 2, true},
                   Case{60, 2, false}}) {
        auto trip = ForceTrip(c.length, c.interval);
        CurveChannels ch;
        MarkForceZones(CurveSourceOf(*trip), zones, ch);
        ASSERT_EQ(ch.force_zone.size(), 400u);
        int marked = 0;
        for (int i = 0; i < 400; ++i) marked += ch.force_zone[i];
        EXPECT_EQ(marked, c.marked ? c.length : 0) << c.length << " x " << c.interval;
        EXPECT_EQ(ch.force_zone[99], 0);
        EXPECT_FLOAT_EQ(ch.power_mean41[150], 200);
        EXPECT_EQ(ch.power_mean41[50], 0);  // cadence 5 or less
    }
}

TEST(MarkForceZones, PowerOutsideTheBandIsNoForceZone) {
    auto trip = ForceTrip(150, 1);
    CurveChannels ch;
    MarkForceZones(CurveSourceOf(*trip), 80, 90, ch);  // 200..225 W: 200 is not inside
    for (std::uint8_t m : ch.force_zone) ASSERT_EQ(m, 0);
}

TEST(MarkForceZones, TheScanEndsTenSamplesBeforeTheEnd) {
    auto trip =
        test::CurveTrip(300, [](int i, TripRecord& r) { r.cadence_rpm = i >= 100 ? 50.0f : 0.0f; });
    trip->records[0].power_w = 250;
    CurveChannels ch;
    MarkForceZones(CurveSourceOf(*trip), 70, 90, ch);
    EXPECT_EQ(ch.force_zone[100], 1);
    EXPECT_EQ(ch.force_zone[289], 1);
    EXPECT_EQ(ch.force_zone[290], 0);
}

TEST(ComputeClimbRate, SteadyClimbInsideTheTrip) {
    // 1 m per sample at one sample per second: 60 m per minute.
    auto trip = test::CurveTrip(200, [](int i, TripRecord& r) { r.altitude_m = 100.0f + i; });
    const CurveSource src = CurveSourceOf(*trip);
    CurveChannels ch = PrepareChannels(src, SmoothingLevels{}, 1.0);
    ComputeClimbRate(src, 0, 200, ch);
    EXPECT_NEAR(ch.climb_rate[100], 60.0f, 1e-3);
    EXPECT_EQ(ch.climb_rate[16], 0);
    EXPECT_EQ(ch.climb_rate[185], 0);
    EXPECT_NE(ch.climb_rate[184], 0);
    // A range running over both ends reads nothing outside the trip.
    ComputeClimbRate(src, 190, 5000, ch);
    ComputeClimbRate(src, -50, 10, ch);

    // The next trip starts without the previous climb rate.
    auto flat = test::CurveTrip(200, [](int, TripRecord&) {});
    PrepareChannels(CurveSourceOf(*flat), SmoothingLevels{}, 1.0, ch);
    for (float v : ch.climb_rate) ASSERT_EQ(v, 0);
}

}  // namespace
}  // namespace vx
