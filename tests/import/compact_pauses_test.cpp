#include "import/compact_pauses.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "import/fit_store.h"

namespace vx {
namespace {

struct Sample {
    float speed_kmh;
    bool moves = true;  // the distance advances by speed x 1 s
    float altitude_m = 100;
    std::uint8_t lap = 0;
};

// Samples in records 1..n one second apart; count = n + 1, as the FIT conversion leaves it.
std::unique_ptr<Trip> MakeTrip(const std::vector<Sample>& samples) {
    auto trip = std::make_unique<Trip>();
    float distance = 0.5f;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        TripRecord& r = trip->records[i + 1];
        if (samples[i].moves) distance += samples[i].speed_kmh / 3600.0f;
        r.time_s = static_cast<std::int32_t>(i + 1);
        r.speed_kmh = samples[i].speed_kmh;
        r.distance_km = distance;
        r.altitude_m = samples[i].altitude_m;
        r.cadence_rpm = 80;
        r.power_w = 150;
        r.interval_no = samples[i].lap;
    }
    trip->count = static_cast<std::int32_t>(samples.size() + 1);
    return trip;
}

void Append(std::vector<Sample>& v, int n, Sample s) {
    v.insert(v.end(), n, s);
}

TEST(CompactPauses, AStandstillInTheRideIsRemovedAndItsTimeKept) {
    std::vector<Sample> s;
    Append(s, 100, {20});
    Append(s, 30, {0, false});
    Append(s, 100, {20, true, 130});
    for (bool fixed : {true, false}) {
        SCOPED_TRACE(fixed ? "first stop gets its pause" : "first stop without pause");
        auto trip = MakeTrip(s);
        PausePolicy p = kFitPausePolicy;
        p.first_stop_gets_pause = fixed;
        ASSERT_EQ(CompactPauses(*trip, p, true), PauseResult::Compacted);
        EXPECT_EQ(trip->count, 200);
        EXPECT_EQ(trip->records[101].time_s, 101);
        EXPECT_FLOAT_EQ(trip->records[101].speed_kmh, 20);
        EXPECT_EQ(trip->records[101].pause_s, fixed ? 30 : 0);
        EXPECT_EQ(trip->records[100].pause_s, 0);
        // The altitude continues at its level before the pause (only where a pause is set).
        EXPECT_FLOAT_EQ(trip->records[150].altitude_m, fixed ? 100 : 130);
    }
}

TEST(CompactPauses, ALeadingStandstillIsDroppedWithoutPause) {
    std::vector<Sample> s;
    Append(s, 20, {0, false});
    Append(s, 100, {20});
    auto trip = MakeTrip(s);
    ASSERT_EQ(CompactPauses(*trip, kFitPausePolicy, true), PauseResult::Compacted);
    EXPECT_EQ(trip->count, 101);  // record 1 stays, 19 dropped
    EXPECT_FLOAT_EQ(trip->records[2].speed_kmh, 20);
    for (std::int32_t i = 1; i <= trip->count; ++i) EXPECT_EQ(trip->records[i].pause_s, 0);
}

TEST(CompactPauses, SlowRunsKeepTwoSamplesAndShortPausesVanish) {
    std::vector<Sample> s;
    Append(s, 10, {20});
    Append(s, 1, {0, false});  // one second standing: removed, a 1 s pause is not kept
    Append(s, 10, {20});
    Append(s, 5, {1.0f});  // slow but moving: two kept, three removed
    Append(s, 60, {20});
    auto trip = MakeTrip(s);
    ASSERT_EQ(CompactPauses(*trip, kFitPausePolicy, true), PauseResult::Compacted);
    EXPECT_EQ(trip->count, 87 - 4 - 1);
    EXPECT_EQ(trip->records[11].pause_s, 0);
    EXPECT_FLOAT_EQ(trip->records[21].speed_kmh, 1.0f);
    EXPECT_FLOAT_EQ(trip->records[22].speed_kmh, 1.0f);
    EXPECT_FLOAT_EQ(trip->records[23].speed_kmh, 20);
    EXPECT_EQ(trip->records[23].pause_s, 3);
}

TEST(CompactPauses, FewerThanSixtyRecordsFailAndLeaveTheTripAsItWas) {
    struct Case {
        int moving, standing;
        bool remove_stops;
        PauseResult result;
        std::int32_t count;
    };
    // Without stop removal the standing samples stay: only the trimming and the test apply.
    for (const Case& c : std::vector<Case>{{59, 40, true, PauseResult::TooShort, 0},
                                           {60, 40, true, PauseResult::Compacted, 60},
                                           {59, 0, false, PauseResult::TooShort, 0},
                                           {60, 0, false, PauseResult::Compacted, 60},
                                           {20, 40, false, PauseResult::Compacted, 60}}) {
        SCOPED_TRACE(testing::Message()
                     << c.moving << " + " << c.standing << " remove_stops " << c.remove_stops);
        std::vector<Sample> s;
        Append(s, c.moving, {20});
        Append(s, c.standing, {0, false});
        auto trip = MakeTrip(s);
        const Trip before = *trip;
        const PauseResult r = CompactPauses(*trip, kFitPausePolicy, false, c.remove_stops);
        EXPECT_EQ(r, c.result);
        if (r == PauseResult::TooShort) {
            EXPECT_EQ(trip->count, before.count);
            EXPECT_EQ(trip->records, before.records);
        } else {
            EXPECT_EQ(trip->count, c.count);
        }
    }
}

TEST(CompactPauses, AnIndoorTripIsLeftAsItIs) {
    std::vector<Sample> s;
    Append(s, 100, {20});
    auto trip = MakeTrip(s);
    for (std::int32_t i = 1; i <= trip->count; ++i) trip->records[i].distance_km = 0;
    const Trip before = *trip;
    EXPECT_EQ(CompactPauses(*trip, kFitPausePolicy, false), PauseResult::Unchanged);
    EXPECT_EQ(trip->records, before.records);
    EXPECT_EQ(trip->count, before.count);
}

TEST(CompactPauses, PowerWithoutMotionDataIsClearedWhereCadenceIsLow) {
    std::vector<Sample> s;
    Append(s, 80, {20});
    for (bool motion : {true, false}) {
        auto trip = MakeTrip(s);
        trip->records[10].cadence_rpm = 3;
        ASSERT_EQ(CompactPauses(*trip, kFitPausePolicy, motion), PauseResult::Compacted);
        EXPECT_EQ(trip->records[10].power_w, motion ? 150 : 0);
        EXPECT_EQ(trip->records[11].power_w, 150);
    }
}

TEST(CompactPauses, TheSampleBeforeALapChangeIsMarked) {
    std::vector<Sample> s;
    Append(s, 40, {20, true, 100, 1});
    Append(s, 40, {20, true, 100, 2});
    auto trip = MakeTrip(s);
    ASSERT_EQ(CompactPauses(*trip, kFitPausePolicy, true), PauseResult::Compacted);
    EXPECT_EQ(trip->records[39].interval_no, 1);
    EXPECT_EQ(trip->records[40].interval_no, 0);  // the last of lap 1 is marked
    EXPECT_EQ(trip->records[41].interval_no, 2);
}

TEST(CompactPauses, AnotherImporterRunsTheSameCoreWithItsOwnRules) {
    // Slow runs keep five samples, times stay with the positions, pauses count in sample
    // intervals, the end is trimmed to any length, nothing fails.
    const PausePolicy hrm{.keep_indoor_trips = false,
                          .moving_needs_distance = false,
                          .slow_samples_kept = 5,
                          .renumber_time = false,
                          .seconds_per_sample = 0,
                          .first_stop_gets_pause = false,
                          .level_altitude_across_pauses = false,
                          .trim_floor = 1,
                          .min_count = 0};
    std::vector<Sample> s{{20}, {20}};
    Append(s, 7, {0});
    Append(s, 6, {20});
    for (bool first_pause : {false, true}) {
        auto trip = MakeTrip(s);  // records 2..10: 20, 0 x 7, 20
        for (std::int32_t i = 1; i < trip->count; ++i) trip->records[i].time_s = 5 * i;
        PausePolicy p = hrm;
        p.first_stop_gets_pause = first_pause;
        ASSERT_EQ(CompactPauses(*trip, p, true), PauseResult::Compacted);
        EXPECT_EQ(trip->count, 16 - 3 - 1);
        for (std::int32_t i = 3; i <= 6; ++i) EXPECT_EQ(trip->records[i].speed_kmh, 0);
        EXPECT_EQ(trip->records[7].speed_kmh, 20);
        EXPECT_EQ(trip->records[7].time_s, 35);
        EXPECT_EQ(trip->records[7].pause_s, first_pause ? 15 : 0);
    }
}

}  // namespace
}  // namespace vx
