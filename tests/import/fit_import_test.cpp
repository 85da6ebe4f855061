#include "import/fit_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "import/fit_slots.h"
#include "tests/import/fit_writer.h"

namespace vx {
namespace {

using test::FitWriter;
using test::kFitStart;
using test::RecordFields;

constexpr std::int32_t kBerlinWinter = 3600;
const UtcOffsetFn kWinter = [](std::int64_t) { return kBerlinWinter; };

// A steady ride of n seconds whose record of second `at` gets `raw` in field `field`
// (an index into RecordFields()).
std::vector<std::uint8_t> RideWith(std::uint32_t n, std::uint32_t at, std::size_t field,
                                   std::uint64_t raw) {
    FitWriter w;
    w.define(0, kFitFileIdMessage, {{4, 4, test::kFitUint32}});
    w.data(0, {kFitStart});
    w.define(1, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < n; ++i) {
        auto values = test::SteadyRecord(kFitStart + 1 + i, i);
        if (i == at) values[field] = raw;
        w.data(1, values);
    }
    return w.finish();
}

TEST(FitImport, SteadyRideConvertsOneRecordPerSecond) {
    Trip trip;
    const FitImport r = ImportFit(test::SteadyRide(100), "RIDER", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.warnings.empty());
    // 100 seconds in slots 1..100; the last data slot lies just past the trip.
    EXPECT_EQ(trip.count, 100);
    EXPECT_EQ(r.base_name, "20240115_083000__RIDER");
    EXPECT_EQ(trip.records[1].time_s, 1);
    EXPECT_EQ(trip.records[1].distance_km, 0);
    EXPECT_EQ(trip.records[1].speed_kmh, 0);
    EXPECT_EQ(trip.records[1].pause_s, 1);   // first record one second after the file's creation
    const TripRecord& s = trip.records[11];  // second 10
    EXPECT_EQ(s.time_s, 11);
    EXPECT_FLOAT_EQ(s.distance_km, 0.1f);
    EXPECT_FLOAT_EQ(s.speed_kmh, 36.0f);
    EXPECT_FLOAT_EQ(s.altitude_m, 102.0f);
    EXPECT_EQ(s.heart_rate_bpm, 130);
    EXPECT_EQ(s.cadence_rpm, 85);
    EXPECT_EQ(s.power_w, 210);
    EXPECT_EQ(s.temperature_c, 20);
    EXPECT_EQ(trip.records[100], TripRecord{});
    EXPECT_TRUE(r.has_motion_data);
    EXPECT_TRUE(r.has_power_data);
    EXPECT_TRUE(r.can_store_bike_power());
    EXPECT_FALSE(r.can_store_run());
}

TEST(FitImport, RawValuesConvertAndInvalidOnesAreAbsent) {
    // Fields: 1 altitude, 2 heart rate, 3 cadence, 4 distance, 5 speed, 6 power, 7 temperature.
    // Second 9 is record 10; a value that is absent or out of range holds record 9's
    // (altitude: interpolated between records 9 and 11, 101.6 m and 102.0 m).
    struct Case {
        const char* name;
        std::size_t field;
        std::uint64_t raw;
        float TripRecord::*member;
        float expected;
    };
    const std::vector<Case> cases = {
        {"altitude 2500 is 0 m", 1, 2500, &TripRecord::altitude_m, 0},
        {"altitude 3000 is 100 m", 1, 3000, &TripRecord::altitude_m, 100},
        {"altitude 0xFFFF is absent", 1, 0xFFFF, &TripRecord::altitude_m, 101.8f},
        {"heart rate 0xFF is absent", 2, 0xFF, &TripRecord::heart_rate_bpm, 128},
        {"heart rate 250 is out of range", 2, 250, &TripRecord::heart_rate_bpm, 128},
        {"heart rate 249", 2, 249, &TripRecord::heart_rate_bpm, 249},
        {"cadence 0xFF is absent", 3, 0xFF, &TripRecord::cadence_rpm, 93},
        {"distance 0xFFFFFFFF is absent", 4, 0xFFFFFFFF, &TripRecord::distance_km, 0.08f},
        {"speed 20000 is 72 km/h", 5, 20000, &TripRecord::speed_kmh, 72},
        {"speed 0xFFFF is absent", 5, 0xFFFF, &TripRecord::speed_kmh, 36},
        {"speed 65520 is out of range", 5, 65520, &TripRecord::speed_kmh, 36},
        {"power 0xFFFF is absent", 6, 0xFFFF, &TripRecord::power_w, 208},
        {"power 4000 is out of range", 6, 4000, &TripRecord::power_w, 208},
        {"power 3999", 6, 3999, &TripRecord::power_w, 3999},
        {"temperature 0xFF is -1", 7, 0xFF, &TripRecord::temperature_c, -1},
        {"temperature 0x7F is absent", 7, 0x7F, &TripRecord::temperature_c, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Trip trip;
        const FitImport r = ImportFit(RideWith(100, 9, c.field, c.raw), "R", trip, kWinter);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_FLOAT_EQ(trip.records[10].*c.member, c.expected);
    }
}

TEST(FitImport, FieldsBeforeTheTimestampBelongToTheirOwnMessage) {
    FitWriter w;
    std::vector<test::FitFieldLayout> fields = RecordFields();
    std::rotate(fields.begin(), fields.begin() + 1, fields.end());  // timestamp last
    w.define(3, kFitRecordMessage, fields);
    for (std::uint32_t i = 0; i < 100; ++i) {
        auto v = test::SteadyRecord(kFitStart + i, i);
        std::rotate(v.begin(), v.begin() + 1, v.end());
        w.data(3, v);
    }
    Trip trip;
    const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    for (std::int32_t rec : {2, 10, 50}) {
        EXPECT_EQ(trip.records[rec].power_w, 200 + (rec - 1) % 50);
        EXPECT_EQ(trip.records[rec].heart_rate_bpm, 120 + (rec - 1) % 30);
    }
}

TEST(FitImport, GapsHoldValuesAndInterpolateAltitude) {
    // Data at seconds 0..9, 19 and 29..99. Seconds 10..18 have only timestamps (the ride moves
    // on); seconds 20..28 have no records at all and the distance stands still.
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    w.define(1, kFitRecordMessage, {{253, 4, test::kFitUint32}});
    for (std::uint32_t i = 0; i < 100; ++i) {
        auto v = test::SteadyRecord(kFitStart + i, i);
        if (i >= 20) v[4] = (i - 10) * 1000;  // distance halts during 19..29
        v[1] = i < 9 ? 3000 : i == 9 ? 3000 : i == 19 ? 3050 : 3050;
        if (i > 9 && i < 19)
            w.data(1, {kFitStart + i});
        else if (i < 20 || i > 28)
            w.data(0, v);
    }
    Trip trip;
    const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    // Altitude from 100 m at second 9 to 110 m at second 19: 1 m per second.
    for (int k = 0; k <= 10; ++k) EXPECT_FLOAT_EQ(trip.records[10 + k].altitude_m, 100.0f + k);
    // Timestamp-only seconds take the earlier data second's values; the distance moves on.
    for (std::int32_t rec = 11; rec < 20; ++rec) {
        EXPECT_EQ(trip.records[rec].power_w, 209);
        EXPECT_EQ(trip.records[rec].heart_rate_bpm, 129);
        EXPECT_FLOAT_EQ(trip.records[rec].speed_kmh, 36);
        EXPECT_NEAR(trip.records[rec].distance_km, 0.01f * (rec - 1), 1e-6);
    }
    // The stop without records holds the distance.
    for (std::int32_t rec = 21; rec < 30; ++rec)
        EXPECT_FLOAT_EQ(trip.records[rec].distance_km, 0.19f);
    EXPECT_FLOAT_EQ(trip.records[31].distance_km, 0.20f);
}

TEST(FitImport, TrailingAltitudeIsHeldAndDistanceNeverDecreases) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    w.define(1, kFitRecordMessage, {{253, 4, test::kFitUint32}, {5, 4, test::kFitUint32}});
    for (std::uint32_t i = 0; i < 100; ++i) {
        auto v = test::SteadyRecord(kFitStart + i, i);
        if (i < 50)
            w.data(0, v);
        else
            w.data(1, {kFitStart + i, i == 60 ? 1000u : i * 1000u});  // a dip at second 60
    }
    Trip trip;
    const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_FLOAT_EQ(trip.records[80].altitude_m, trip.records[50].altitude_m);
    EXPECT_FLOAT_EQ(trip.records[61].distance_km, trip.records[60].distance_km);
}

TEST(FitImport, LapsBecomeIntervalNumbers) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    w.define(1, kFitLapMessage, {{253, 4, test::kFitUint32}});
    for (std::uint32_t i = 0; i < 100; ++i) {
        w.data(0, test::SteadyRecord(kFitStart + i, i));
        if (i == 30 || i == 60) w.data(1, {kFitStart + i});
    }
    Trip trip;
    const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.laps, 2);
    EXPECT_EQ(trip.records[31].interval_no, 0);
    EXPECT_EQ(trip.records[32].interval_no, 1);
    EXPECT_EQ(trip.records[62].interval_no, 2);
}

TEST(FitImport, LongRidesAreCutAtTheLastSlot) {
    struct Case {
        const char* name;
        std::uint32_t seconds;
        std::uint32_t jump_at;  // seconds after this one come 200000 s later
        std::int32_t count;
        bool warned;
    };
    const std::vector<Case> cases = {
        {"199999 seconds fit", 199999, 0, 199999, false},
        {"200001 seconds are cut", 200001, 0, 199999, true},
        {"a time jump of more than 200000 s", 300, 150, 151, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FitWriter w;
        w.define(0, kFitRecordMessage, RecordFields());
        for (std::uint32_t i = 0; i < c.seconds; ++i) {
            const std::uint32_t t = kFitStart + i + (c.jump_at && i > c.jump_at ? 200000 : 0);
            w.data(0, test::SteadyRecord(t, i));
        }
        auto trip = std::make_unique<Trip>();
        const FitImport r = ImportFit(w.finish(), "R", *trip, kWinter);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(trip->count, c.count);
        const bool cut = std::any_of(r.warnings.begin(), r.warnings.end(), [](const auto& w) {
            return w.find("record messages") != std::string::npos;
        });
        EXPECT_EQ(cut, c.warned);
        EXPECT_EQ(trip->records[c.count - 1].time_s, c.count - 1);
    }
}

TEST(FitImport, FilesWithoutRecordDataImportNothing) {
    struct Case {
        const char* name;
        std::function<void(FitWriter&)> write;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no messages", [](FitWriter&) {}, kFitNoRecords},
        {"file_id only",
         [](FitWriter& w) {
             w.define(0, kFitFileIdMessage, {{4, 4, test::kFitUint32}});
             w.data(0, {kFitStart});
         },
         kFitNoRecords},
        {"timestamps only",
         [](FitWriter& w) {
             w.define(0, kFitRecordMessage, {{253, 4, test::kFitUint32}, {3, 1, test::kFitUint8}});
             for (std::uint32_t i = 0; i < 100; ++i) w.data(0, {kFitStart + i, 0xFF});
         },
         kFitNoRecords},
        {"three seconds",
         [](FitWriter& w) {
             w.define(0, kFitRecordMessage, RecordFields());
             for (std::uint32_t i = 0; i < 3; ++i) w.data(0, test::SteadyRecord(kFitStart + i, i));
         },
         "too short"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FitWriter w;
        c.write(w);
        Trip trip;
        trip.count = 9;
        const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_FALSE(r.can_store_bike_power() || r.can_store_bike_heart_rate() ||
                     r.can_store_run());
        EXPECT_EQ(trip.count, 9);
    }
}

TEST(FitImport, WithoutCreationTimeTheFirstRecordNamesTheTrip) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < 10; ++i) w.data(0, test::SteadyRecord(kFitStart + 7 + i, i));
    Trip trip;
    const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20240115_083007__R");
    EXPECT_EQ(trip.records[1].pause_s, 0);
}

TEST(FitImport, TemperatureStartTakesTheFourthSecond) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < 10; ++i) {
        auto v = test::SteadyRecord(kFitStart + i, i);
        v[7] = i < 3 ? 0 : 15;
        w.data(0, v);
    }
    Trip trip;
    ASSERT_TRUE(ImportFit(w.finish(), "R", trip, kWinter).ok);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(trip.records[i].temperature_c, 15);
}

TEST(FitImport, AFourthSecondWithoutTemperatureWipesNoReading) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < 10; ++i) {
        auto v = test::SteadyRecord(kFitStart + i, i);
        v[7] = i == 0 ? 0 : i == 3 ? 0x7F : 12;  // second 3 holds the invalid value
        w.data(0, v);
    }
    Trip trip;
    ASSERT_TRUE(ImportFit(w.finish(), "R", trip, kWinter).ok);
    EXPECT_EQ(trip.records[1].temperature_c, 0);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(trip.records[i].temperature_c, 12) << i;
}

TEST(FitImport, MotionFlagsFollowCadenceAndPower) {
    struct Case {
        std::uint64_t cadence, power;
        bool motion, power_data, bike_power, run;
    };
    for (const Case& c : std::vector<Case>{{90, 200, true, true, true, false},
                                           {90, 0, true, false, true, false},
                                           {0, 200, true, true, false, false},
                                           {0, 0, false, false, false, true}}) {
        FitWriter w;
        w.define(0, kFitRecordMessage, RecordFields());
        for (std::uint32_t i = 0; i < 20; ++i) {
            auto v = test::SteadyRecord(kFitStart + i, i);
            v[3] = c.cadence;
            v[6] = c.power;
            w.data(0, v);
        }
        Trip trip;
        const FitImport r = ImportFit(w.finish(), "R", trip, kWinter);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.has_motion_data, c.motion);
        EXPECT_EQ(r.has_power_data, c.power_data);
        EXPECT_EQ(r.can_store_bike_power(), c.bike_power);
        EXPECT_TRUE(r.can_store_bike_heart_rate());
        EXPECT_EQ(r.can_store_run(), c.run);
    }
}

}  // namespace
}  // namespace vx
