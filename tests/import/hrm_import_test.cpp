#include "import/hrm_import.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "tests/import/import_fixtures.h"
#include "trip/deo_file.h"

namespace vx {
namespace {

using test::FixtureText;

// A trip left by an earlier import: values, note and flags that must not leak.
std::unique_ptr<Trip> EarlierTrip() {
    auto trip = std::make_unique<Trip>();
    for (std::int32_t i = 1; i <= 300; ++i) {
        trip->records[i] = {.time_s = i,
                            .distance_km = i * 0.01f,
                            .power_w = 222,
                            .cadence_rpm = 77,
                            .altitude_m = 999,
                            .speed_kmh = 33,
                            .temperature_c = 21,
                            .heart_rate_bpm = 155,
                            .pause_s = 3,
                            .interval_no = 4};
    }
    trip->count = 300;
    trip->note[0] = 'X';
    trip->note_present = true;
    trip->records[0].time_s = kNoteFlag;
    return trip;
}

// A header with the given lines and data lines of heart rate and speed (0.1 km/h).
std::string HrmText(const std::string& params, const std::vector<std::pair<int, int>>& data) {
    std::string s = "[Params]\n" + params + "\n[HRData]\n";
    for (auto [hr, speed] : data) s += std::to_string(hr) + "\t" + std::to_string(speed) + "\n";
    return s;
}

const char* const kParams =
    "Version=106\nSMode=10000000\nDate=20140705\nStartTime=09:05:03.0\nInterval=1";

std::vector<std::pair<int, int>> Steady(int n, int speed = 200) {
    return std::vector<std::pair<int, int>>(static_cast<std::size_t>(n), {130, speed});
}

TEST(HrmImport, TheFixtureReadsItsColumnsWithLfAndCrLf) {
    for (const char* name : {"hrm/ride_11110000.hrm", "hrm/ride_11110000_crlf.hrm"}) {
        SCOPED_TRACE(name);
        auto trip = EarlierTrip();
        const HrmImport r = ImportHrm(FixtureText(name), "ANNA", *trip);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_EQ(r.base_name, "20140705_090503__ANNA");
        EXPECT_EQ(r.mode, "11110000");
        EXPECT_EQ(r.interval_s, 5);
        EXPECT_EQ(TripTitle(r.start, false), "Trip  05.07.2014 - 09:05:03");
        EXPECT_EQ(TripTitle(r.start, true), "Trip  07/05/2014 - 09:05:03");
        // Eight data lines: records 1..8, the last one just past the trip.
        EXPECT_EQ(trip->count, 8);
        EXPECT_EQ(trip->sample_interval_s, 5);
        const TripRecord& first = trip->records[1];
        EXPECT_EQ(first.time_s, 1);
        EXPECT_EQ(first.heart_rate_bpm, 120);
        EXPECT_EQ(first.speed_kmh, 0);  // 25.3 in the file, cleared for record 1
        EXPECT_EQ(first.cadence_rpm, 85);
        EXPECT_EQ(first.altitude_m, 410);
        EXPECT_EQ(first.power_w, 230);
        EXPECT_EQ(first.distance_km, 0);
        const TripRecord& second = trip->records[2];
        EXPECT_EQ(second.time_s, 6);
        EXPECT_FLOAT_EQ(second.speed_kmh, 26.0f);
        EXPECT_FLOAT_EQ(second.distance_km, 25.3f * 5 / 3600);  // record 1's speed as read
        EXPECT_FLOAT_EQ(trip->records[4].distance_km, (25.3f + 26 + 36) * 5 / 3600);
        EXPECT_EQ(trip->records[8].time_s, 36);
        EXPECT_EQ(trip->records[8].power_w, 150);
        EXPECT_EQ(trip->records[9], TripRecord{});
        // Nothing of the earlier trip stays.
        EXPECT_EQ(trip->records[1].temperature_c, 0);
        EXPECT_EQ(trip->records[2].pause_s, 0);
        EXPECT_EQ(trip->records[20], TripRecord{});
        EXPECT_EQ(trip->records[0], TripRecord{});
        EXPECT_FALSE(trip->note_present);
        EXPECT_EQ(NoteText(trip->note), "  ");
        EXPECT_TRUE(r.flags.has_power_data);
        EXPECT_TRUE(r.buttons().bike_power);
        EXPECT_FALSE(r.buttons().run);
    }
}

TEST(HrmImport, AnAltitudeOnlyFileWithALongInterval) {
    Trip trip;
    const HrmImport r = ImportHrm(FixtureText("hrm/altitude_00100000.hrm"), "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.interval_s, 120);  // the whole number, not its first two digits
    EXPECT_EQ(trip.count, 6);
    EXPECT_EQ(trip.records[1].altitude_m, 512);
    EXPECT_EQ(trip.records[1].heart_rate_bpm, 140);
    EXPECT_EQ(trip.records[2].time_s, 121);
    EXPECT_EQ(trip.records[2].altitude_m, 515);
    for (std::int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(trip.records[i].speed_kmh, 0);
        EXPECT_EQ(trip.records[i].cadence_rpm, 0);
        EXPECT_EQ(trip.records[i].distance_km, 0);
    }
    // A run without cadence and power: bike by heart rate and run only.
    const StoreButtons b = r.buttons();
    EXPECT_FALSE(b.bike_power);
    EXPECT_TRUE(b.bike_heart_rate);
    EXPECT_TRUE(b.run);
}

TEST(HrmImport, DistanceSumsTheSpeedOverTheInterval) {
    Trip trip;
    std::string params = kParams;
    params.replace(params.find("Interval=1"), 10, "Interval=5");
    const HrmImport r = ImportHrm(HrmText(params, Steady(5, 360)), "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_FLOAT_EQ(trip.records[2].distance_km, 0.05f);
    EXPECT_FLOAT_EQ(trip.records[5].distance_km, 0.2f);
}

TEST(HrmImport, HeaderLinesAreFoundByNameInAnyOrder) {
    Trip trip;
    const std::string text =
        "\xEF\xBB\xBF[Params]\r\nInterval=2\r\nMonitor=1\r\nStartTime=23:59:59\r\n"
        "SMode=010000001\r\nDate=20120229\r\nVersion=106\r\n\r\n[Note]\r\nDate=19990101\r\n"
        "[HRData]\r\n100\t90\r\n101\t91\r\n102\t92\r\n103\t93\r\n104\t94\r\n\r\n\r\n";
    const HrmImport r = ImportHrm(text, "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20120229_235959__ANNA");  // not the Date of [Note]
    EXPECT_EQ(r.mode, "01000000");
    EXPECT_EQ(trip.count, 5);  // trailing empty lines are no samples
    EXPECT_EQ(trip.records[5].cadence_rpm, 94);
    EXPECT_EQ(trip.records[5].time_s, 9);
}

TEST(HrmImport, IncompleteOrForeignHeadersAreRefused) {
    struct Case {
        std::string from, to;  // replaced in the fixture's text
        const char* message;   // a part of the refusal
    };
    const std::vector<Case> cases = {
        {"Version=106\n", "", "no \"Version=\" line"},
        {"Version=106", "Version=105", "only HRM version 106"},
        {"SMode=11110000\n", "", "no \"SMode=\" line"},
        {"SMode=11110000", "SMode=1111", "not 8 digits"},
        {"SMode=11110000", "SMode=1111x000", "not 8 digits"},
        {"Date=20140705\n", "", "no \"Date=\" line"},
        {"Date=20140705", "Date=20140230", "not a date"},
        {"Date=20140705", "Date=2014075", "not a date"},
        {"StartTime=09:05:03.0\n", "", "no \"StartTime=\" line"},
        {"StartTime=09:05:03.0", "StartTime=25:05:03.0", "not a time of day"},
        {"StartTime=09:05:03.0", "StartTime=0905", "not a time of day"},
        {"Interval=5\n", "", "no \"Interval=\" line"},
        {"Interval=5", "Interval=0", "must be 1 .."},
        {"Interval=5", "Interval=-5", "must be 1 .."},
        {"Interval=5", "Interval=238", "R-R intervals"},
        {"Interval=5", "Interval=1.5", "not a whole number"},
        {"Interval=5", "Interval=", "not a whole number"},
        {"[HRData]", "[HRDaten]", "no [HRData] section"},
        {"[Params]", "[Parameter]", "no \"Version=\" line"},
    };
    const std::string text = FixtureText("hrm/ride_11110000.hrm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to.empty() ? "without " + c.from : c.to);
        std::string bad = text;
        const std::size_t at = bad.find(c.from);
        ASSERT_NE(at, std::string::npos);
        bad.replace(at, c.from.size(), c.to);
        auto trip = EarlierTrip();
        const auto before = std::make_unique<Trip>(*trip);
        const HrmImport r = ImportHrm(bad, "ANNA", *trip);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_FALSE(r.buttons().bike_heart_rate);
        EXPECT_EQ(trip->count, before->count);
        EXPECT_TRUE(trip->records == before->records);
        EXPECT_EQ(trip->note, before->note);
    }
    // Four data lines are too few for a trip.
    auto trip4 = EarlierTrip();
    const HrmImport four = ImportHrm(text.substr(0, text.find("135\t0")), "ANNA", *trip4);
    EXPECT_FALSE(four.ok);
    EXPECT_EQ(four.message, "only 4 data lines: too short for a trip");
    EXPECT_EQ(trip4->count, 300);
    // The committed refusal fixtures.
    Trip trip;
    EXPECT_NE(ImportHrm(FixtureText("hrm/rr_intervals.hrm"), "A", trip).message.find("R-R"),
              std::string::npos);
    EXPECT_NE(ImportHrm(FixtureText("hrm/version_105.hrm"), "A", trip).message.find("106"),
              std::string::npos);
}

TEST(HrmImport, UnreadableFieldsReadAsZeroWithAWarning) {
    Trip trip;
    const std::string text = std::string("[Params]\n") + kParams +
                             "\n[HRData]\n100\t200\n101\tx\n-5\t200\n103\n104\t-10\n105\t200\n";
    const HrmImport r = ImportHrm(text, "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("4 data lines"), std::string::npos) << r.warnings[0];
    EXPECT_EQ(trip.records[2].speed_kmh, 0);
    EXPECT_EQ(trip.records[3].heart_rate_bpm, 0);
    EXPECT_EQ(trip.records[4].speed_kmh, 0);
    EXPECT_EQ(trip.records[5].speed_kmh, 0);
    EXPECT_FLOAT_EQ(trip.records[6].distance_km, 40 / 3600.0f);  // only records 1 and 3 moved
}

TEST(HrmImport, MoreDataLinesThanATripHoldsAreCut) {
    Trip trip;
    std::string text = std::string("[Params]\n") + kParams + "\n[HRData]\n";
    for (std::int32_t i = 0; i < kHrmMaxDataLines + 2; ++i) text += "120\t250\n";
    const HrmImport r = ImportHrm(text, "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(trip.count, kMaxTripCount);
    EXPECT_EQ(r.data_lines, kHrmMaxDataLines + 2);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("keeps the first 199999"), std::string::npos);
    EXPECT_EQ(trip.records[kMaxTripCount].heart_rate_bpm, 120);
    EXPECT_EQ(trip.records[kMaxTripCount + 1], TripRecord{});
}

// The store buttons of the window.

TEST(HrmStore, ABikeTripLosesItsStopAndKeepsItsTime) {
    std::vector<std::pair<int, int>> data = Steady(100);
    auto stop = Steady(20, 0);
    data.insert(data.begin() + 50, stop.begin(), stop.end());
    std::string params = kParams;
    params.replace(params.find("Interval=1"), 10, "Interval=2");
    auto trip = std::make_unique<Trip>();
    const HrmImport r = ImportHrm(HrmText(params, data), "ANNA", *trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(trip->count, 120);
    const StorePrepared p = PrepareHrmStore(*trip, r, 1, {});
    ASSERT_TRUE(p.ok) << p.message;
    EXPECT_EQ(p.compaction, PauseResult::Compacted);
    // Records 2..50 move, 51..70 stand: the first slow one is dropped (nothing was removed
    // before it), the next four are kept, the other fifteen dropped; the times stay with the
    // positions, so the ride closes up.
    EXPECT_EQ(trip->count, 120 - 16 - 1);
    EXPECT_EQ(trip->records[54].speed_kmh, 0);
    EXPECT_EQ(trip->records[55].speed_kmh, 20);
    EXPECT_EQ(trip->records[55].time_s, 1 + 54 * 2);
    EXPECT_EQ(trip->records[55].pause_s, 0);  // the first stop carries no pause
}

TEST(HrmStore, AHeartRateOnlyTripIsNotCompacted) {
    std::string params = kParams;
    params.replace(params.find("SMode=10000000"), 14, "SMode=00000000");
    for (int sport : {1, 2}) {
        auto trip = std::make_unique<Trip>();
        const HrmImport r = ImportHrm(HrmText(params, Steady(80)), "ANNA", *trip);
        ASSERT_TRUE(r.ok) << r.message;
        const StorePrepared p = PrepareHrmStore(*trip, r, sport, {});
        ASSERT_TRUE(p.ok) << p.message;
        EXPECT_EQ(p.compaction, PauseResult::Unchanged);
        EXPECT_EQ(trip->count, 80);
        EXPECT_EQ(trip->records[79].heart_rate_bpm, 130);
    }
}

TEST(HrmStore, FewerThanSixtyRecordsAreNotStored) {
    test::RiderFolder rider;
    for (int sport : {1, 2}) {
        auto trip = std::make_unique<Trip>();
        const HrmImport r = ImportHrm(HrmText(kParams, Steady(59)), "ANNA", *trip);
        ASSERT_TRUE(r.ok);
        const StoreResult s = StoreHrmTrip(rider.trips, rider.settings, *trip, r, sport, {});
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.message, kNotEvaluable);
        EXPECT_EQ(trip->count, 59);
    }
    EXPECT_EQ(rider.trips.list.lines, std::vector<std::string>{"ERASED :"});
}

TEST(HrmStore, StoresTheTripUnderItsBaseNameAndSport) {
    test::RiderFolder rider;
    auto trip = std::make_unique<Trip>();
    const HrmImport r = ImportHrm(FixtureText("hrm/ride_11110000.hrm"), "ANNA", *trip);
    ASSERT_TRUE(r.ok);
    // Eight records are too few; the same ride at full length is stored.
    EXPECT_EQ(StoreHrmTrip(rider.trips, rider.settings, *trip, r, 1, {}).message, kNotEvaluable);
    const HrmImport ride = ImportHrm(HrmText(kParams, Steady(200)), "ANNA", *trip);
    bool modelled = false;
    const ImportStoreSteps steps{.model_power = [&](Trip& t) {
        modelled = true;
        for (std::int32_t i = 1; i < t.count; ++i) t.records[i].power_w = 180;
    }};
    // No cadence: bike by power is not offered.
    EXPECT_FALSE(StoreHrmTrip(rider.trips, rider.settings, *trip, ride, 0, steps).ok);
    EXPECT_FALSE(modelled);
    const StoreResult s = StoreHrmTrip(rider.trips, rider.settings, *trip, ride, 1, steps);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(s.base_name, "20140705_0905031_ANNA");
    EXPECT_EQ(s.trip_number, 1);
    EXPECT_TRUE(FileExists(rider.trips.paths.rider_folder + "/20140705_0905031_ANNA.DEO"));
}

}  // namespace
}  // namespace vx
