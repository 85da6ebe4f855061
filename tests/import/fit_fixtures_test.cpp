// The files written by the Garmin FIT SDK's encoder (tools/fit-fixtures/generate.mjs), imported
// whole. The expected values follow the generator's formulas of a record's second i.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "import/fit_import.h"
#include "import/fit_records.h"
#include "import/fit_store.h"
#include "tests/import/fit_writer.h"

namespace vx {
namespace {

const UtcOffsetFn kCentralEuropeanWinter = [](std::int64_t) { return 3600; };

// The generator's steady ride at second i (30 km/h is 8.25 m/s).
struct Expected {
    float altitude_m, heart_rate, cadence, distance_km, speed_kmh, power_w, temperature_c;
};
Expected SteadyAt(std::int32_t i) {
    return {100.0f + 0.2f * i,
            float(120 + i % 30),
            float(85 + i % 10),
            i * 0.00825f,
            29.7f,
            float(200 + i % 50),
            18.0f};
}

struct Imported {
    FitImport import;
    std::unique_ptr<Trip> trip = std::make_unique<Trip>();
};

Imported Import(const std::string& name) {
    Imported r;
    r.import = ImportFitPath(test::FitFixture(name), "ANNA", *r.trip, kCentralEuropeanWinter);
    return r;
}

void ExpectRecord(const Trip& trip, std::int32_t k, const Expected& e) {
    SCOPED_TRACE(testing::Message() << "record " << k);
    const TripRecord& r = trip.records[k];
    EXPECT_EQ(r.time_s, k);
    EXPECT_NEAR(r.altitude_m, e.altitude_m, 0.01);
    EXPECT_EQ(r.heart_rate_bpm, e.heart_rate);
    EXPECT_EQ(r.cadence_rpm, e.cadence);
    EXPECT_NEAR(r.distance_km, e.distance_km, 1e-5);
    EXPECT_NEAR(r.speed_kmh, e.speed_kmh, 1e-4);
    EXPECT_EQ(r.power_w, e.power_w);
    EXPECT_EQ(r.temperature_c, e.temperature_c);
}

TEST(FitFixtures, SteadyRidesImportEveryRecordAtItsSecond) {
    struct Case {
        const char* file;
        std::int32_t count;  // one record per second; the last lies just past the trip
        std::int32_t laps;
        std::int32_t lap_change;  // first record of the second lap; 0: one lap
        // A record the writer filled with invalid values: the values before it are held.
        std::function<bool(std::int32_t second)> invalid;
    };
    const auto none = [](std::int32_t) { return false; };
    const std::vector<Case> cases = {
        {"plain_activity.fit", 300, 2, 151, none},
        {"developer_fields.fit", 200, 1, 0, none},
        {"timestamp_last.fit", 200, 1, 0, none},
        {"invalid_values.fit", 100, 0, 0, [](std::int32_t i) { return i % 10 == 5; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Imported r = Import(c.file);
        ASSERT_TRUE(r.import.ok) << r.import.message;
        EXPECT_TRUE(r.import.warnings.empty());
        EXPECT_EQ(r.import.base_name, "20240115_083000__ANNA");
        EXPECT_EQ(r.import.record_messages, c.count);
        EXPECT_EQ(r.import.laps, c.laps);
        EXPECT_EQ(r.trip->count, c.count);
        EXPECT_TRUE(r.import.can_store_bike_power());
        EXPECT_FALSE(r.import.can_store_run());
        const Trip& trip = *r.trip;
        EXPECT_EQ(trip.records[1].pause_s, 5);  // first record 5 s after the file's creation
        EXPECT_EQ(trip.records[1].distance_km, 0);
        EXPECT_EQ(trip.records[1].speed_kmh, 0);
        for (std::int32_t k = 2; k < trip.count; ++k) {
            const std::int32_t i = k - 1;
            Expected e = SteadyAt(i);
            if (c.invalid(i)) {
                // Altitude and distance are interpolated, which lands on the steady line.
                const Expected before = SteadyAt(i - 1);
                e.heart_rate = before.heart_rate;
                e.cadence = before.cadence;
                e.power_w = before.power_w;
            }
            ExpectRecord(trip, k, e);
            EXPECT_EQ(trip.records[k].interval_no, c.lap_change && k >= c.lap_change ? 1 : 0);
        }
        EXPECT_EQ(trip.records[c.count], TripRecord{});
    }
}

// The generator's pattern of optional fields in mixed_fields.fit.
struct MixedHas {
    bool heart_rate, power, cadence, temperature, altitude;
};
MixedHas MixedAt(std::int32_t i) {
    const std::int32_t combo = (i * 7) % 32;
    return {(combo & 1) != 0, (combo & 2) != 0, (combo & 4) != 0, (combo & 8) != 0,
            (combo & 16) != 0};
}

TEST(FitFixtures, RedefinedLocalTypesKeepEveryFieldInItsRecord) {
    // 320 record definitions spread over the 16 local types in turn.
    const Imported r = Import("mixed_fields.fit");
    ASSERT_TRUE(r.import.ok) << r.import.message;
    EXPECT_EQ(r.import.record_messages, 320);
    const Trip& trip = *r.trip;
    ASSERT_EQ(trip.count, 320);
    // A field a record lacks holds the last record's that had it (0 before the first).
    Expected held{0, 0, 0, 0, 0, 0, 0};
    for (std::int32_t k = 1; k < trip.count; ++k) {
        const std::int32_t i = k - 1;
        const MixedHas has = MixedAt(i);
        const Expected s = SteadyAt(i);
        if (has.heart_rate) held.heart_rate = s.heart_rate;
        if (has.power) held.power_w = s.power_w;
        if (has.cadence) held.cadence = s.cadence;
        if (has.temperature) held.temperature_c = s.temperature_c;
        if (k == 1) continue;
        Expected e = held;
        e.distance_km = s.distance_km;
        e.speed_kmh = s.speed_kmh;
        // Altitude lies on the steady line between its records; the first one (second 3)
        // also stands for the seconds before it.
        e.altitude_m = SteadyAt(std::max(i, 3)).altitude_m;
        ExpectRecord(trip, k, e);
    }
}

TEST(FitFixtures, SparseRecordingHoldsThePauseAndMovesBetweenRecords) {
    const Imported r = Import("sparse_pause.fit");
    ASSERT_TRUE(r.import.ok) << r.import.message;
    const Trip& trip = *r.trip;
    ASSERT_EQ(trip.count, 801);  // seconds 0 .. 800
    EXPECT_FALSE(r.import.has_motion_data);
    EXPECT_FALSE(r.import.can_store_bike_power());
    EXPECT_TRUE(r.import.can_store_bike_heart_rate());
    EXPECT_TRUE(r.import.can_store_run());
    auto at = [&](std::int32_t second) -> const TripRecord& { return trip.records[second + 1]; };
    // Moving at 27 km/h with a record every 1 to 3 s: the distance rises every second.
    for (std::int32_t i = 1; i <= 200; ++i) {
        EXPECT_NEAR(at(i).distance_km, i * 0.0075, 1e-5) << i;
        EXPECT_FLOAT_EQ(at(i).speed_kmh, 27.0f) << i;
        EXPECT_EQ(at(i).heart_rate_bpm, 140) << i;
    }
    // The auto-pause without records keeps its distance.
    for (std::int32_t i = 201; i <= 320; ++i) EXPECT_NEAR(at(i).distance_km, 1.5, 1e-5) << i;
    EXPECT_NEAR(at(321).distance_km, 1.5075, 1e-5);
    // The standstill with a record every 5 s at speed 0.
    for (std::int32_t i = 500; i <= 560; ++i) {
        EXPECT_NEAR(at(i).distance_km, 2.85, 1e-5) << i;
        EXPECT_EQ(at(i).speed_kmh, 0) << i;
        EXPECT_EQ(at(i).heart_rate_bpm, 100) << i;
    }
    EXPECT_NEAR(at(799).distance_km, 619 * 0.0075, 1e-5);
    for (std::int32_t k = 1; k < trip.count; ++k) EXPECT_FLOAT_EQ(trip.records[k].altitude_m, 250);

    // Stored as a bike trip: the pause (seconds 201..320) and the standstill (501..560) go,
    // and the first records after them carry their lengths.
    Trip stored = *r.trip;
    const FitStorePrepared p = PrepareFitStore(stored, r.import, 1, {}, {});
    ASSERT_TRUE(p.ok) << p.message;
    EXPECT_EQ(p.compaction, PauseResult::Compacted);
    EXPECT_EQ(stored.count, 620);
    for (std::int32_t k = 1; k < stored.count; ++k) {
        const TripRecord& s = stored.records[k];
        EXPECT_EQ(s.time_s, k);
        EXPECT_EQ(s.pause_s, k == 1 ? 5 : k == 202 ? 120 : k == 382 ? 60 : 0) << k;
    }
    EXPECT_NEAR(stored.records[201].distance_km, 1.5, 1e-5);
    EXPECT_NEAR(stored.records[202].distance_km, 1.5075, 1e-5);
    EXPECT_NEAR(stored.records[381].distance_km, 2.85, 1e-5);  // second 500, slow but moved
    EXPECT_NEAR(stored.records[382].distance_km, 2.8575, 1e-5);
}

}  // namespace
}  // namespace vx
