#include "views/curve_channels.h"

#include <gtest/gtest.h>

#include <cmath>

#include "views/curve_fixture.h"
#include "views/curve_smoothing.h"

namespace vx {
namespace {

SmoothingLevels AllLevels(int level) {
    SmoothingLevels l{};
    l.fill(level);
    return l;
}

TEST(PrepareChannels, CadenceGatesPowerAndCadenceAboveLevelZero) {
    // Sample 20 pedals at cadence 5, sample 40 at 5.5, both with a high power.
    auto trip = test::CurveTrip(80, [](int i, TripRecord& r) {
        if (i == 20 || i == 40) r.power_w = 900;
        if (i == 20) r.cadence_rpm = 5;
        if (i == 40) r.cadence_rpm = 5.5f;
    });
    for (int level = 0; level < kSmoothingLevelCount; ++level) {
        const CurveChannels c = PrepareChannels(CurveSourceOf(*trip), AllLevels(level), 1.0);
        if (level == 0) {
            EXPECT_EQ(c.power[20], 900);
            EXPECT_EQ(c.cadence[20], 5);
        } else {
            EXPECT_EQ(c.power[20], 0) << level;
            EXPECT_EQ(c.cadence[20], 0) << level;
        }
        EXPECT_GT(c.power[40], 0) << level;
        EXPECT_GT(c.cadence[40], 0) << level;
    }
}

TEST(PrepareChannels, TorqueIsZeroAtLowCadenceAtEveryLevel) {
    auto trip = test::CurveTrip(100, [](int i, TripRecord& r) {
        r.cadence_rpm = (i % 7 == 0) ? 15.0f : (i % 5 == 0 ? 12.0f : 80.0f);
    });
    for (int level = 0; level < kSmoothingLevelCount; ++level) {
        const CurveChannels c = PrepareChannels(CurveSourceOf(*trip), AllLevels(level), 1.0);
        for (int i = 1; i < trip->count; ++i) {
            if (trip->records[i].cadence_rpm <= 15) {
                ASSERT_EQ(c.torque_ratio[i], 0) << "level " << level << " sample " << i;
            } else if (level == 0) {
                ASSERT_FLOAT_EQ(c.torque_ratio[i], 200.0f / 80.0f);
            }
        }
    }
}

TEST(PrepareChannels, RightLegShareFromTheCadenceDecimals) {
    auto trip = test::CurveTrip(30, [](int, TripRecord& r) { r.cadence_rpm = 87.40f; });
    const CurveChannels c = PrepareChannels(CurveSourceOf(*trip), AllLevels(3), 1.0);
    EXPECT_NEAR(c.right_leg_share[10], 40.0f, 1e-3);
}

TEST(PrepareChannels, GradientOverFourteenSamples) {
    struct Case {
        float metres_per_sample;  // altitude change per sample
        float gradient;
    };
    // 14 samples cover 0.05 km: 2 m of rise give tan(asin(0.04)) x 100.
    for (Case c :
         {Case{2.0f / 14, 4.0032f}, Case{-2.0f / 14, -4.0032f}, Case{0, 0}, Case{60.0f / 14, 0}}) {
        auto trip = test::CurveTrip(200, [&](int i, TripRecord& r) {
            r.distance_km = i * (0.05f / 14);
            r.altitude_m = 500 + i * c.metres_per_sample;
        });
        const CurveChannels ch = PrepareChannels(CurveSourceOf(*trip), AllLevels(0), 1.0);
        EXPECT_NEAR(ch.gradient[100], c.gradient, 2e-3) << c.metres_per_sample;
        EXPECT_EQ(ch.gradient[1], 0);
    }
}

TEST(PrepareChannels, AltitudeAxisLimits) {
    auto trip = test::CurveTrip(50, [](int i, TripRecord& r) {
        r.altitude_m = i == 10 ? 987.0f : (i == 30 ? 312.0f : 500.0f);
    });
    CurveChannels c = PrepareChannels(CurveSourceOf(*trip), AllLevels(0), 1.0);
    ASSERT_TRUE(c.altitude_axis);
    EXPECT_EQ(c.altitude_axis->max, 990);
    EXPECT_EQ(c.altitude_axis->min, 300);
    c = PrepareChannels(CurveSourceOf(*trip), AllLevels(0), 3.28084);
    EXPECT_EQ(c.altitude_axis->max, 3240);  // 3238.2 ft
    EXPECT_EQ(c.altitude_axis->min, 1010);  // 1023.6 ft
}

TEST(AltitudeMean, TwentySampleMeanWithHeldEnds) {
    auto trip = test::CurveTrip(60, [](int i, TripRecord& r) { r.altitude_m = i * 1.0f; });
    const std::vector<float> a = AltitudeMean(CurveSourceOf(*trip));
    ASSERT_EQ(a.size(), 60u);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[5], 5);
    EXPECT_FLOAT_EQ(a[6], 10.5f);   // samples 1..20
    EXPECT_FLOAT_EQ(a[44], 48.5f);  // samples 39..58, the last mean
    for (int i = 40; i < 60; ++i) EXPECT_FLOAT_EQ(a[i], 48.5f) << i;
}

TEST(AltitudeMean, ShortTripsKeepTheirRawAltitudes) {
    for (int count : {5, 21}) {
        auto trip = test::CurveTrip(count, [](int i, TripRecord& r) { r.altitude_m = i * 2.0f; });
        const std::vector<float> a = AltitudeMean(CurveSourceOf(*trip));
        ASSERT_EQ(a.size(), static_cast<std::size_t>(count));
        for (int i = 1; i < count; ++i) EXPECT_EQ(a[i], i * 2.0f);
    }
}

TEST(PrepareChannels, SecondTripIsPreparedIntoItsOwnSet) {
    auto trip = test::CurveTrip(100, [](int, TripRecord&) {});
    auto second = std::make_unique<SecondTrip>();
    second->count = 40;
    for (int i = 1; i < 40; ++i) {
        second->records[i] = trip->records[i];
        second->records[i].power_w = 50;
    }
    const CurveChannels first = PrepareChannels(CurveSourceOf(*trip), AllLevels(2), 1.0);
    const CurveChannels other = PrepareChannels(CurveSourceOf(*second, 2), AllLevels(2), 1.0);
    EXPECT_EQ(first.power.size(), 100u);
    EXPECT_EQ(other.power.size(), 40u);
    EXPECT_FLOAT_EQ(first.power[30], 200);
    EXPECT_FLOAT_EQ(other.power[30], 50);
}

TEST(RecomputeCurve, OnlyTheCurveOfTheChangedLevel) {
    auto trip = test::CurveTrip(100, [](int i, TripRecord& r) {
        r.power_w = i % 2 ? 100.0f : 300.0f;
        r.speed_kmh = i % 2 ? 20.0f : 40.0f;
        r.cadence_rpm = i % 2 ? 80.25f : 90.75f;
    });
    const CurveSource src = CurveSourceOf(*trip);
    SmoothingLevels levels{};
    CurveChannels c = PrepareChannels(src, levels, 1.0);
    const CurveChannels before = c;
    levels[kCurvePower] = 1;
    levels[kCurveSpeed] = 1;
    RecomputeCurve(src, kCurvePower, levels, c);
    EXPECT_NEAR(c.power[50], (100.0f + 300.0f + 100.0f) / 3, 1e-3);
    EXPECT_EQ(c.speed, before.speed);  // speed waits for its own recompute
    RecomputeCurve(src, kCurveSpeed, levels, c);
    EXPECT_NE(c.speed, before.speed);
    EXPECT_EQ(c.gradient, before.gradient);
    RecomputeCurve(src, 6, levels, c);  // no curve of its own
    EXPECT_EQ(c.torque_ratio, before.torque_ratio);
}

}  // namespace
}  // namespace vx
