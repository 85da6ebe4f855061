// The HRM and TCX rules of the standstill removal.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "import/compact_pauses.h"

namespace vx {
namespace {

// Speeds of records 1..n at time_s 1 + (i - 1) x interval; the distance advances with the
// speed; count = n + 1.
std::unique_ptr<Trip> MakeTrip(const std::vector<float>& speeds, std::int32_t interval) {
    auto trip = std::make_unique<Trip>();
    double distance = 0;
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        TripRecord& r = trip->records[i + 1];
        r.time_s = 1 + static_cast<std::int32_t>(i) * interval;
        r.speed_kmh = speeds[i];
        r.distance_km = static_cast<float>(distance);
        r.heart_rate_bpm = 120;
        distance += speeds[i] * interval / 3600.0;
    }
    trip->count = static_cast<std::int32_t>(speeds.size() + 1);
    return trip;
}

std::vector<float> Speeds(std::initializer_list<std::pair<int, float>> runs) {
    std::vector<float> v;
    for (auto [n, speed] : runs) v.insert(v.end(), static_cast<std::size_t>(n), speed);
    return v;
}

TEST(CompactPausesVariants, SlowRunsKeepFiveSamplesAndTheFirstStopHasNoPause) {
    // Records 2..10: 20, seven slow, 20; then a second stop of ten samples.
    const std::vector<float> s = Speeds({{1, 20}, {1, 20}, {7, 0}, {60, 20}, {10, 0.5f}, {60, 20}});
    struct Case {
        const char* name;
        PausePolicy policy;
        std::int32_t interval;
        std::int32_t second_pause;      // pause_s of the first moving sample after the second stop
        std::int32_t time_after_first;  // time_s of the first moving sample after the first stop
    };
    for (const Case& c : {Case{"HRM", kHrmPausePolicy, 5, 5 * 5, 1 + 6 * 5},
                          Case{"TCX", kTcxPausePolicy, 1, 5, 7}}) {
        SCOPED_TRACE(c.name);
        auto trip = MakeTrip(s, c.interval);
        ASSERT_EQ(CompactPauses(*trip, c.policy, false), PauseResult::Compacted);
        // The first slow sample is dropped, the next four remain, the last two are dropped.
        for (std::int32_t i = 3; i <= 6; ++i) EXPECT_EQ(trip->records[i].speed_kmh, 0) << i;
        EXPECT_EQ(trip->records[7].speed_kmh, 20);
        EXPECT_EQ(trip->records[7].pause_s, 0);
        EXPECT_EQ(trip->records[7].time_s, c.time_after_first);
        // The second stop: five kept, five dropped, the pause on the sample after it.
        const std::int32_t after = 7 + 60 + 5;
        EXPECT_EQ(trip->records[after - 1].speed_kmh, 0.5f);
        EXPECT_EQ(trip->records[after].speed_kmh, 20);
        EXPECT_EQ(trip->records[after].pause_s, c.second_pause);
        EXPECT_EQ(trip->count, 140 - 8 - 1);
    }
}

TEST(CompactPausesVariants, AnHrmTripWithoutDistanceIsLeftAsItIs) {
    auto trip = MakeTrip(Speeds({{100, 0}}), 1);
    const auto before = std::make_unique<Trip>(*trip);
    EXPECT_EQ(CompactPauses(*trip, kHrmPausePolicy, false), PauseResult::Unchanged);
    EXPECT_EQ(trip->count, before->count);
    EXPECT_TRUE(trip->records == before->records);
    // The TCX rules compact every trip: nothing moves, so nothing is left to store.
    EXPECT_EQ(CompactPauses(*trip, kTcxPausePolicy, false), PauseResult::TooShort);
}

TEST(CompactPausesVariants, TheEndIsTrimmedNoFurtherThanThirtyRecords) {
    for (const PausePolicy& rules : {kHrmPausePolicy, kTcxPausePolicy}) {
        PausePolicy p = rules;
        p.min_count = 0;
        // Moving, but the distance stays below 10 m for the whole trip.
        auto trip = MakeTrip(Speeds({{100, 2}}), 1);
        for (std::int32_t i = 1; i <= 101; ++i) trip->records[i].distance_km = 0.001f;
        ASSERT_EQ(CompactPauses(*trip, p, true), PauseResult::Compacted);
        EXPECT_EQ(trip->count, 30);
        // With the store's minimum the trip is too short and stays as it was.
        auto again = MakeTrip(Speeds({{100, 2}}), 1);
        for (std::int32_t i = 1; i <= 101; ++i) again->records[i].distance_km = 0.001f;
        EXPECT_EQ(CompactPauses(*again, rules, true), PauseResult::TooShort);
        EXPECT_EQ(again->count, 101);
    }
}

}  // namespace
}  // namespace vx
