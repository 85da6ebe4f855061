#include <gtest/gtest.h>

#include "analysis/evaluation_passes.h"
#include "analysis/evaluation_range.h"
#include "analysis/evaluation_summary.h"
#include "analysis/evaluation_zones.h"
#include "evaluation_fixture.h"

namespace vx {
namespace {

struct Records {
    TripSummary summary;
    ZoneTimes zone_times;
    TripDistribution distribution;
    DistributionDisplay display;
};

bool Summarize(Trip& trip, Records& r, const Settings& s = test::EvaluationSettings()) {
    return SummarizeTrip(trip, s, 1, r.summary, r.zone_times, r.distribution, r.display);
}

// The record buffer cut to the trip, so that any read past its samples is caught.
void CutBuffer(Trip& trip) {
    trip.records.resize(trip.count);
    trip.records.shrink_to_fit();
}

TEST(SmoothAltitude, CentredMeanWithRawEnds) {
    Trip trip =
        test::MakeTrip(101, 1, [](int k, TripRecord& r) { r.altitude_m = k <= 50 ? 100 : 117; });
    std::vector<float> s = SmoothAltitude(trip, 8, 100);
    ASSERT_EQ(s.size(), 101u);
    EXPECT_EQ(s[8], 100);
    EXPECT_FLOAT_EQ(s[50], (9 * 100 + 8 * 117) / 17.0f);
    EXPECT_FLOAT_EQ(s[91], 117);
    EXPECT_EQ(s[92], 117);
    EXPECT_EQ(s[42], 100);
    EXPECT_FLOAT_EQ(s[43], (16 * 100 + 117) / 17.0f);
    // A range ending at record 60 keeps raw values from record 52 on.
    s = SmoothAltitude(trip, 8, 60);
    EXPECT_EQ(s.size(), 61u);
    EXPECT_EQ(s[52], 117);
    EXPECT_LT(s[51], 117);

    for (int count : {5, 17, 18}) {
        SCOPED_TRACE(count);
        Trip t = test::MakeTrip(count, 1, [](int k, TripRecord& r) { r.altitude_m = k * 10.0f; });
        CutBuffer(t);
        s = SmoothAltitude(t, 8, count - 1);
        for (int k = 1; k < count; ++k) EXPECT_FLOAT_EQ(s[k], k * 10.0f);  // linear: mean = raw
    }
}

TEST(SummarizeTrip, HandComputedFigures) {
    // 100 samples at 2 s: power 0 and 300 W alternating, no cadence in records 1..20, 72.5 kg.
    Trip trip = test::MakeTrip(101, 2, [](int k, TripRecord& r) {
        r.power_w = k % 2 ? 0 : 300;
        if (k <= 20) r.cadence_rpm = 0;
        if (k == 30) r.cadence_rpm = 150;
        if (k == 40) r.speed_kmh = 56;
        if (k == 50) r.heart_rate_bpm = 240;
    });
    Records r;
    ASSERT_TRUE(Summarize(trip, r));
    const TripSummary& s = r.summary;
    EXPECT_EQ(trip.sample_interval_s, 2);
    EXPECT_EQ(s.total_time_s, 200);
    EXPECT_FLOAT_EQ(s.distance_km, 1.0f);
    EXPECT_FLOAT_EQ(s.avg_power_w, 150);
    EXPECT_FLOAT_EQ(s.avg_power_nonzero_w, 300);
    EXPECT_FLOAT_EQ(s.max_power_w, 300);
    EXPECT_EQ(s.power_time_s, 100);
    EXPECT_FLOAT_EQ(s.work_kj, 30);
    EXPECT_FLOAT_EQ(s.avg_hr, 141);
    EXPECT_FLOAT_EQ(s.max_hr, 240);
    EXPECT_FLOAT_EQ(s.avg_cadence, (79 * 90 + 150) / 80.0f);
    EXPECT_FLOAT_EQ(s.max_cadence, 150);
    EXPECT_FLOAT_EQ(s.avg_speed_kmh, 36.2f);
    EXPECT_FLOAT_EQ(s.max_speed_kmh, 56);
    EXPECT_FLOAT_EQ(s.avg_temperature_c, 20);
    EXPECT_FLOAT_EQ(s.weight_kg, 72.5f);
    EXPECT_EQ(s.ascent_m, 0);
    EXPECT_EQ(s.min_altitude_m, 100);
    EXPECT_EQ(s.max_altitude_m, 100);
    EXPECT_EQ(s.climb_time_s, 0);
    const NpIfTss np = ComputeNpIfTss(trip, test::EvaluationSettings().current_zones(), 1, 100);
    EXPECT_GT(np.np_w, 150);
    EXPECT_EQ(s.np_w, np.np_w);
    EXPECT_EQ(s.intensity_factor, np.intensity_factor);
    EXPECT_EQ(s.tss, np.tss);
    EXPECT_TRUE(r.distribution.valid());
    EXPECT_EQ(r.distribution.duration_s, 200);
}

TEST(SummarizeTrip, ClimbsAscentAndAltitudeRange) {
    // 5 % all the way: 0.5 m per 10 m.
    auto fill = [](int k, TripRecord& r) { r.altitude_m = 100 + 0.5f * k; };
    struct Case {
        std::uint8_t sport;
        std::int32_t climb_time_s;
        float climb_power;
    };
    for (Case c : {Case{0, 169, 200}, Case{1, 169, 0}, Case{2, 169, 0}, Case{3, -1, -1}}) {
        SCOPED_TRACE(int{c.sport});
        Trip trip = test::MakeTrip(201, 1, fill, c.sport, c.sport == 0 ? 250 : 150);
        Records r;
        r.summary.climb_time_s = -1;
        r.summary.avg_power_climb_w = -1;
        r.summary.climb_distance_km = -1;
        Summarize(trip, r);
        EXPECT_EQ(r.summary.climb_time_s, c.climb_time_s);  // records 16..184
        EXPECT_EQ(r.summary.avg_power_climb_w, c.climb_power);
        if (c.sport <= 2) {
            EXPECT_NEAR(r.summary.climb_distance_km, 1.69, 1e-4);
        }
        EXPECT_NEAR(r.summary.ascent_m, 99.5, 1e-3);
        EXPECT_FLOAT_EQ(r.summary.min_altitude_m, 101);  // record 1 has no predecessor
        EXPECT_FLOAT_EQ(r.summary.max_altitude_m, 200);
    }

    // Bike by power: samples without power never climb.
    Trip trip = test::MakeTrip(201, 1, [&](int k, TripRecord& r) {
        fill(k, r);
        if (k > 100) r.power_w = 0;
    });
    Records r;
    Summarize(trip, r);
    EXPECT_EQ(r.summary.climb_time_s, 85);  // records 16..100

    // No valid altitude at all.
    trip = test::MakeTrip(201, 1, [](int, TripRecord& r) { r.altitude_m = 0; });
    Summarize(trip, r);
    EXPECT_EQ(r.summary.min_altitude_m, 20000);
    EXPECT_EQ(r.summary.max_altitude_m, 0);
    EXPECT_EQ(r.summary.ascent_m, 0);
}

TEST(SummarizeTrip, IntervalFromTheTimeStamps) {
    struct Case {
        std::vector<std::int32_t> times;  // records 1..
        std::int32_t reader_interval;
        std::int32_t expected;
    };
    for (const Case& c : std::vector<Case>{
             {{0, 5, 10, 15, 18, 20, 24, 30}, 5, 2},
             {{0, 1, 2, 3, 3, 3, 3, 3}, 1, 1},                     // repeated stamps
             {{0, 1, 2, 3, 2000000000, -2000000000, 0, 1}, 1, 1},  // no overflow
             {{0, 9000, 18000, 27000, 36000, 45000, 54000, 63000}, 1, 3600},
             {{0, 5, 10, 15, 16}, 5, 5},  // too short for records 5..7: the reader's interval
         }) {
        Trip trip = test::MakeTrip(static_cast<int>(c.times.size()) + 1, c.reader_interval,
                                   [&](int k, TripRecord& r) { r.time_s = c.times[k - 1]; });
        CutBuffer(trip);
        Records r;
        Summarize(trip, r);
        EXPECT_EQ(trip.sample_interval_s, c.expected);
    }
}

TEST(SummarizeTrip, TripWithoutPowerClearsItsDistribution) {
    Trip trip = test::MakeTrip(
        301, 1, [](int, TripRecord& r) { r.power_w = 0; }, 1, 150);
    Records r;
    r.summary.np_w = r.summary.avg_power_w = r.summary.work_kj = 99;
    r.summary.power_time_s = 99;
    // Records left by an earlier trip under the same trip number.
    r.distribution.marker = kSummaryRecordMarker;
    r.distribution.peak_5 = 400;
    r.distribution.power_histogram_s[20] = 3000;
    r.zone_times.marker = kSummaryRecordMarker;
    r.zone_times.seconds[3] = 77;
    EXPECT_FALSE(Summarize(trip, r));
    EXPECT_EQ(r.summary.np_w, 0);
    EXPECT_EQ(r.summary.avg_power_w, 0);
    EXPECT_EQ(r.summary.work_kj, 0);
    EXPECT_EQ(r.summary.power_time_s, 0);
    EXPECT_EQ(r.summary.tss, 0);
    EXPECT_FLOAT_EQ(r.summary.avg_hr, 140);
    EXPECT_EQ(r.summary.total_time_s, 300);
    EXPECT_EQ(r.distribution, TripDistribution{});
    EXPECT_FALSE(r.distribution.valid());
    EXPECT_EQ(r.zone_times.seconds[3], 77);  // zone times are the caller's to recount
}

TEST(ShortTrips, NeverReadPastTheirSamples) {
    const Settings s = test::EvaluationSettings();
    for (int count = 2; count <= 40; ++count) {
        SCOPED_TRACE(count);
        Trip trip = test::MakeTrip(count, 1, [](int k, TripRecord& r) {
            r.altitude_m = 100.0f + k * k;
            r.distance_km = k * 0.001f;  // 100 % on the raw altitude
        });
        CutBuffer(trip);
        Records r;
        EXPECT_TRUE(Summarize(trip, r));
        if (count <= 31) {
            EXPECT_EQ(r.summary.climb_time_s, 0);
        }
        // Raw altitude below the smoothing window: the ascent is the raw rise.
        if (count <= 17) {
            EXPECT_FLOAT_EQ(r.summary.ascent_m, (count - 1) * (count - 1) - 1.0f);
        }
        RangeEvaluation e;
        EXPECT_TRUE(EvaluateRange(trip, s, SummaryLabels{}, DistanceLabel::Total, 0, count - 1, e));
        EXPECT_TRUE(
            EvaluateRange(trip, s, SummaryLabels{}, DistanceLabel::Select, 1, count + 5, e));
        ComputeZoneTimes(trip, 0, r.zone_times, r.distribution);
        ComputeDistributions(trip, 1, r.distribution, r.display);
    }
}

}  // namespace
}  // namespace vx
