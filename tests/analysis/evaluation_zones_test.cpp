#include <gtest/gtest.h>

#include <limits>

#include "analysis/evaluation_distributions.h"
#include "analysis/evaluation_summary.h"
#include "analysis/evaluation_zones.h"
#include "evaluation_fixture.h"

namespace vx {
namespace {

TEST(ZoneBins, ValueOnABoundGoesToTheHigherBin) {
    const ZoneBlock bounds = {5555, 100, 150, 200, 250, 300, 350, 0, 0, 0};
    struct Case {
        float value;
        int bin;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (Case c : {Case{0, 0}, Case{0.5f, 0}, Case{-20, 0}, Case{nan, 0}, Case{1, 1},
                   Case{99.9f, 1}, Case{100, 2}, Case{149.9f, 2}, Case{300, 6}, Case{349.9f, 6},
                   Case{350, 8}, Case{5000, 8}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ZoneBin(c.value, bounds), c.bin);
    }
}

TEST(ZoneBounds, RebuiltFromTheThresholdOfTheSportType) {
    const Settings s = test::EvaluationSettings();
    struct Case {
        std::uint8_t sport;
        float zone_threshold, hr_bike, hr_run;
        float b1, b6;  // 55 % and 150 % of the threshold used
    };
    // A heart-rate trip carries a power threshold in zone_threshold after an import.
    for (Case c : {Case{0, 200, 150, 160, 110, 300}, Case{1, 250, 140, 160, 77, 210},
                   Case{2, 250, 150, 180, 99, 270}, Case{0, 20, 150, 160, 137.5f, 375},
                   Case{1, 250, 0, 160, 82.5f, 225}, Case{5, 200, 150, 160, 110, 300}}) {
        SCOPED_TRACE(c.sport);
        Trip trip = test::MakeTrip(10, 1, {}, c.sport, c.zone_threshold);
        TripHeader h = trip.header();
        h.threshold_hr_bike() = c.hr_bike;
        h.threshold_hr_run() = c.hr_run;
        trip.zone_bounds.fill(7);
        RebuildZoneBounds(trip, s.current_zones());
        EXPECT_EQ(trip.zone_bounds[0], 5555.0f);
        EXPECT_FLOAT_EQ(trip.zone_bounds[1], c.b1);
        EXPECT_FLOAT_EQ(trip.zone_bounds[6], c.b6);
        EXPECT_EQ(trip.zone_bounds[7], 0);
        EXPECT_EQ(trip.zone_bounds[9], 0);
    }
}

TEST(ZoneTimes, CountsPowerOrHeartRateAndCopiesTheBounds) {
    // Bounds 100 150 200 250 300 350 W; records 1..10 with these powers.
    const float powers[10] = {0, 0.5f, 50, 100, 149, 150, 350, 400, 260, 299};
    Trip trip = test::MakeTrip(11, 5, [&](int k, TripRecord& r) { r.power_w = powers[k - 1]; });
    trip.zone_bounds = {5555, 100, 150, 200, 250, 300, 350, 0, 0, 0};
    ZoneTimes z;
    z.mode = 7;
    TripDistribution d;  // bounds of an earlier trip
    d.zone_bounds.fill(42);
    CountZoneTimes(trip, z, d);
    EXPECT_EQ(z.seconds, (std::array<std::int32_t, 10>{10, 5, 10, 5, 0, 10, 0, 0, 10, 0}));
    EXPECT_EQ(z.mode, 7);
    EXPECT_EQ(z.sample_interval_s, 5);
    EXPECT_EQ(z.count, 11);
    EXPECT_TRUE(z.valid());
    EXPECT_EQ(d.zone_bounds, (std::array<std::int32_t, 10>{5555, 100, 150, 200, 250, 300, 350}));

    ComputeZoneTimes(trip, kZoneModeHeartRateBike, z, d);
    EXPECT_EQ(z.mode, kZoneModeHeartRateBike);

    // A heart-rate trip counts the heart rate (140/min in every record).
    Trip hr_trip = test::MakeTrip(11, 1, {}, 1, 150);
    hr_trip.zone_bounds = {5555, 100, 150, 200, 250, 300, 350, 0, 0, 0};
    CountZoneTimes(hr_trip, z, d);
    EXPECT_EQ(z.seconds[2], 10);
}

TEST(ZoneTimes, SummarizeTripCountsWithRebuiltBoundsAndWritesTheCopy) {
    const Settings s = test::EvaluationSettings();
    // 250 W threshold: bounds 137.5, 187.5, 225, 262.5, 300, 375.
    Trip trip =
        test::MakeTrip(101, 2, [](int k, TripRecord& r) { r.power_w = k <= 50 ? 200 : 400; });
    trip.zone_bounds = {5555, 1, 2, 3, 4, 5, 6, 0, 0, 0};  // as a damaged file left them
    TripSummary summary;
    ZoneTimes z;
    TripDistribution d;
    d.zone_bounds.fill(42);
    DistributionDisplay display;
    ASSERT_TRUE(SummarizeTrip(trip, s, 3, summary, z, d, display));
    EXPECT_FLOAT_EQ(trip.zone_bounds[1], 137.5f);
    EXPECT_EQ(z.seconds[3], 100);  // 200 W
    EXPECT_EQ(z.seconds[8], 100);  // 400 W
    EXPECT_EQ(z.count, 101);
    EXPECT_EQ(z.sample_interval_s, 2);
    EXPECT_EQ(z.marker, kSummaryRecordMarker);
    EXPECT_EQ(d.zone_bounds, (std::array<std::int32_t, 10>{5555, 137, 187, 225, 262, 300, 375}));
    EXPECT_EQ(display.zone_bounds, (std::array<std::int32_t, 9>{137, 187, 225, 262, 300, 375}));
}

}  // namespace
}  // namespace vx
