#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/evaluation_passes.h"
#include "evaluation_fixture.h"

namespace vx {
namespace {

// Every second stepped one by one, as the rule reads.
double ReferenceNp(const Trip& trip, int first, int last, int interval) {
    double ring[30] = {};
    long t = 0, c = 0;
    double m = 0;
    for (int k = first; k <= last; ++k)
        for (int j = 0; j < interval; ++j) {
            if (t > 30 && k * interval > 60) {
                double a = 0;
                for (double v : ring) a += v;
                a /= 30;
                m = (m * c + a * a * a * a) / (c + 1);
                ++c;
            }
            ring[t % 30] = trip.records[k].power_w;
            ++t;
        }
    return std::sqrt(std::sqrt(m));
}

const RiderZones kZones = test::EvaluationSettings().current_zones();

TEST(NpIfTss, OneHourAtThresholdIsTss100AtAnyInterval) {
    for (int interval : {1, 2}) {
        SCOPED_TRACE(interval);
        Trip trip = test::MakeTrip(3600 / interval + 1, interval,
                                   [](int, TripRecord& r) { r.power_w = 250; });
        NpIfTss r = ComputeNpIfTss(trip, kZones, 1, trip.count - 1);
        EXPECT_FLOAT_EQ(r.np_w, 250);
        EXPECT_FLOAT_EQ(r.intensity_factor, 1);
        EXPECT_FLOAT_EQ(r.tss, 100);
    }
}

TEST(NpIfTss, WholeTripLeavesOutTheFirstMinute) {
    const Trip base = test::MakeTrip(400);
    const float np = ComputeNpIfTss(base, kZones, 1, 399).np_w;
    EXPECT_FLOAT_EQ(np, 200);
    struct Case {
        int record;
        bool changes;
    };
    for (Case c : {Case{1, false}, Case{30, false}, Case{31, true}, Case{60, true}}) {
        SCOPED_TRACE(c.record);
        Trip trip = test::MakeTrip(400, 1, [&](int k, TripRecord& r) {
            if (k == c.record) r.power_w = 1000;
        });
        EXPECT_EQ(ComputeNpIfTss(trip, kZones, 1, 399).np_w != np, c.changes);
    }
}

TEST(NpIfTss, RangeNeedsMoreThan31Steps) {
    const Trip trip = test::MakeTrip(1000);
    EXPECT_EQ(ComputeNpIfTss(trip, kZones, 500, 530).np_w, 0);  // 31 records
    EXPECT_FLOAT_EQ(ComputeNpIfTss(trip, kZones, 500, 531).np_w, 200);
    EXPECT_EQ(ComputeNpIfTss(trip, kZones, 531, 500).np_w, 0);  // empty range
}

TEST(NpIfTss, MatchesTheStepBySecondRuleForVaryingPowerAndIntervals) {
    for (int interval : {1, 2, 5, 31, 45}) {
        SCOPED_TRACE(interval);
        Trip trip = test::MakeTrip(300, interval, [](int k, TripRecord& r) {
            r.power_w = static_cast<float>((k * 37) % 400);
        });
        for (int first : {1, 20}) {
            const NpIfTss r = ComputeNpIfTss(trip, kZones, first, 299);
            EXPECT_NEAR(r.np_w, ReferenceNp(trip, first, 299, interval), 1e-3);
            const double steps = (300.0 - first) * interval;
            EXPECT_NEAR(r.tss, steps * (r.np_w / 250.0) * (r.np_w / 250.0) / 36, 1e-2);
        }
    }
}

TEST(NpIfTss, HeartRateTripsUseTheRidersPowerThreshold) {
    // The zone threshold of a heart-rate trip is a heart rate: 150/min.
    Trip trip = test::MakeTrip(
        3601, 1, [](int, TripRecord& r) { r.power_w = 125; }, 1, 150);
    NpIfTss r = ComputeNpIfTss(trip, kZones, 1, 3600);
    EXPECT_FLOAT_EQ(r.np_w, 125);
    EXPECT_FLOAT_EQ(r.intensity_factor, 0.5f);  // 125 / 250 W
    EXPECT_FLOAT_EQ(r.tss, 25);

    Trip no_power = test::MakeTrip(
        3601, 1, [](int, TripRecord& r) { r.power_w = 0; }, 2, 160);
    r = ComputeNpIfTss(no_power, kZones, 1, 3600);
    EXPECT_EQ(r.np_w, 0);
    EXPECT_EQ(r.intensity_factor, 0);
    EXPECT_EQ(r.tss, 0);

    Trip no_threshold = test::MakeTrip(400, 1, {}, 0, 0);
    r = ComputeNpIfTss(no_threshold, kZones, 1, 399);
    EXPECT_FLOAT_EQ(r.np_w, 200);
    EXPECT_EQ(r.intensity_factor, 0);
    EXPECT_EQ(r.tss, 0);
}

TEST(NpIfTss, BadSamplesAndIntervalsStayBounded) {
    Trip trip = test::MakeTrip(400, 1, [](int k, TripRecord& r) {
        if (k % 7 == 0) r.power_w = std::numeric_limits<float>::quiet_NaN();
        if (k % 11 == 0) r.power_w = std::numeric_limits<float>::infinity();
    });
    EXPECT_TRUE(std::isfinite(ComputeNpIfTss(trip, kZones, 1, 399).np_w));
    trip.sample_interval_s = 2000000000;  // from a damaged file
    NpIfTss r = ComputeNpIfTss(trip, kZones, 1, 399);
    EXPECT_TRUE(std::isfinite(r.np_w));
    EXPECT_NEAR(r.tss, 399.0 * kMaxSampleInterval * (r.np_w / 250.0) * (r.np_w / 250.0) / 36, 1);
}

}  // namespace
}  // namespace vx
