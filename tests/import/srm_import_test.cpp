#include "import/srm_import.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/import/import_fixtures.h"
#include "tests/import/srm_writer.h"

namespace vx {
namespace {

using test::SrmFile;
using test::SrmRecord;

std::unique_ptr<Trip> EarlierTrip() {
    auto trip = std::make_unique<Trip>();
    for (std::int32_t i = 1; i <= 500; ++i)
        trip->records[i] = {.time_s = i, .distance_km = 9, .power_w = 1, .pause_s = 7};
    trip->count = 500;
    trip->note_present = true;
    return trip;
}

TEST(SrmImport, ReadsTheHeaderAndConvertsTheRecords) {
    SrmFile f(100);
    f.records[0].temperature_dc = -25;
    f.records[1].power = 0;
    f.records[1].cadence = 0;
    f.records[1].speed_mm_s = 5000;
    f.comment = "Runde \xE4";  // Windows-1252
    auto trip = EarlierTrip();
    const SrmImport r = ImportSrm(f.bytes(), "ANNA", *trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(r.base_name, "20110603_100000__ANNA");
    EXPECT_EQ(r.identifier, "SRM7");
    EXPECT_EQ(r.interval_s, 1);
    EXPECT_EQ(r.comment, "Runde \xC3\xA4");
    EXPECT_EQ(trip->count, 100);  // the last record lies just past the trip
    EXPECT_EQ(trip->sample_interval_s, 1);
    const TripRecord& a = trip->records[1];
    EXPECT_EQ(a.time_s, 1);
    EXPECT_EQ(a.power_w, 200);
    EXPECT_EQ(a.cadence_rpm, 90);
    EXPECT_EQ(a.heart_rate_bpm, 140);
    EXPECT_FLOAT_EQ(a.speed_kmh, 36);
    EXPECT_FLOAT_EQ(a.distance_km, 0.01f);
    EXPECT_EQ(a.altitude_m, 400);
    EXPECT_FLOAT_EQ(a.temperature_c, -2.5f);
    EXPECT_FLOAT_EQ(trip->records[2].speed_kmh, 18);
    EXPECT_FLOAT_EQ(trip->records[2].distance_km, 0.015f);
    EXPECT_EQ(trip->records[100].time_s, 100);
    EXPECT_EQ(trip->records[50].pause_s, 0);
    EXPECT_EQ(trip->records[101], TripRecord{});
    EXPECT_FALSE(trip->note_present);
    EXPECT_TRUE(r.flags.has_power_data);
    EXPECT_TRUE(r.buttons().bike_power);
    EXPECT_FALSE(r.buttons().bike_heart_rate);
    EXPECT_FALSE(r.buttons().run);
    const std::vector<std::string> memo = r.memo_lines();
    ASSERT_EQ(memo.size(), 9u);
    EXPECT_EQ(memo[0], "SRM7");
    EXPECT_EQ(memo[1], "Days BB80  48000");
    EXPECT_EQ(memo[2], "03.06.2011");
    EXPECT_EQ(memo[4], "Radumfang mm= 2096");
    EXPECT_EQ(memo[5], "Aufzeichnung 1 / 1");
    EXPECT_EQ(memo[6], "Blocks 1  Markers 0\n");
    EXPECT_EQ(memo[8], "\nPointer 000006E9  1769\n");  // 86 + 270 + 6 + 7 + 100 x 14
}

TEST(SrmImport, ASecondBlockStartsAfterAPause) {
    SrmFile f(150);
    f.blocks = {{3600000, 50}, {3610000, 100}};  // 10:00:00.00 and 10:01:40.00
    Trip trip;
    const SrmImport r = ImportSrm(f.bytes(), "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(trip.records[50].time_s, 50);
    EXPECT_EQ(trip.records[51].time_s, 101);
    EXPECT_EQ(trip.records[51].pause_s, 51);
    EXPECT_EQ(trip.records[52].time_s, 102);
    EXPECT_EQ(trip.records[52].pause_s, 0);
}

TEST(SrmImport, TheDistanceCoversTheWholeInterval) {
    SrmFile f(100);
    f.r1 = 5;
    f.r2 = 2;  // 2.5 s, read as 2 s
    Trip trip;
    const SrmImport r = ImportSrm(f.bytes(), "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.interval_s, 2);
    EXPECT_EQ(trip.sample_interval_s, 2);
    EXPECT_FLOAT_EQ(trip.records[1].distance_km, 0.02f);
    EXPECT_FLOAT_EQ(trip.records[10].distance_km, 0.2f);
    // Samples of one block are one interval apart, without pauses.
    EXPECT_EQ(trip.records[1].time_s, 1);
    EXPECT_EQ(trip.records[2].time_s, 3);
    EXPECT_EQ(trip.records[2].pause_s, 0);
    EXPECT_EQ(trip.records[99].time_s, 1 + 98 * 2);
}

TEST(SrmImport, MarkersBecomeIntervalNumbers) {
    SrmFile f(100);
    f.markers = {{10, 20, "Anstieg"}, {40, 45, ""}, {0, 0, ""}, {60, 55, ""}, {70, 80, ""}};
    Trip trip;
    const SrmImport r = ImportSrm(f.bytes(), "ANNA", trip);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.markers.size(), 6u);
    EXPECT_EQ(r.markers[1].note, "Anstieg");
    struct Expect {
        std::int32_t record;
        std::uint8_t interval;
    };
    for (const Expect e : {Expect{9, 0},
                           {10, 1},
                           {20, 1},
                           {21, 0},
                           {40, 2},
                           {45, 2},
                           {46, 0},
                           {58, 0},
                           {70, 5},
                           {80, 5},
                           {81, 0}})
        EXPECT_EQ(trip.records[e.record].interval_no, e.interval) << "record " << e.record;
}

TEST(SrmImport, TheRecordCountIsTheFewestTheFileSupports) {
    struct Case {
        const char* name;
        int records;                           // written to the file
        std::optional<std::uint16_t> marker0;  // marker 0's last record
        std::uint16_t in_blocks;
        std::size_t cut_bytes;  // taken off the end
        std::int32_t count;
        const char* warning;  // a part of the one warning, or nothing
    };
    const std::vector<Case> cases = {
        {"all agree", 100, std::nullopt, 100, 0, 100, nullptr},
        {"marker 0 says fewer", 100, 80, 100, 0, 80, "marker 0 names 80"},
        {"the blocks say fewer", 100, std::nullopt, 90, 0, 90, "the blocks 90"},
        {"the file is cut", 100, std::nullopt, 100, 14 * 30 + 5, 69, "the file is cut"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SrmFile f(c.records);
        f.marker0_last = c.marker0;
        f.blocks[0].second = c.in_blocks;
        for (int i = 0; i < c.records; ++i) f.records[i].power = static_cast<std::uint16_t>(i + 1);
        std::vector<std::uint8_t> bytes = f.bytes();
        bytes.resize(bytes.size() - c.cut_bytes);
        auto trip = EarlierTrip();
        const SrmImport r = ImportSrm(bytes, "ANNA", *trip);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(trip->count, c.count);
        EXPECT_EQ(trip->records[c.count].power_w, c.count);
        // Nothing beyond what was read: no copies of the last record.
        EXPECT_EQ(trip->records[c.count + 1], TripRecord{});
        if (c.warning) {
            ASSERT_EQ(r.warnings.size(), 1u);
            EXPECT_NE(r.warnings[0].find(c.warning), std::string::npos) << r.warnings[0];
        } else {
            EXPECT_TRUE(r.warnings.empty());
        }
    }
}

TEST(SrmImport, ALongFileIsCutAtTheLongestTrip) {
    SrmFile f(0);
    f.records.assign(200005, SrmRecord{});
    f.blocks = {{0, 60000}, {6000000, 60000}, {12000000, 60000}, {18000000, 20005}};
    // Marker 0's record number has 16 bits: it names the blocks' 200005 records by their low
    // 16 bits, or by its highest value; any other number limits the records read.
    struct Case {
        std::uint16_t marker0;
        std::int32_t count;
    };
    for (const Case c :
         {Case{200005 & 0xFFFF, kMaxTripCount}, Case{0xFFFF, kMaxTripCount}, Case{1000, 1000}}) {
        SCOPED_TRACE(c.marker0);
        f.marker0_last = c.marker0;
        auto trip = std::make_unique<Trip>();
        const SrmImport r = ImportSrm(f.bytes(), "ANNA", *trip);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(trip->count, c.count);
        EXPECT_EQ(trip->records[c.count].time_s, c.count);
        EXPECT_EQ(trip->records[c.count + 1], TripRecord{});
        if (c.count == kMaxTripCount) {
            ASSERT_EQ(r.warnings.size(), 1u);
            EXPECT_NE(r.warnings[0].find("keeps the first 199999"), std::string::npos);
        }
    }
}

TEST(SrmImport, MalformedFilesAreRefused) {
    struct Case {
        const char* name;
        std::function<void(SrmFile&)> change;
        std::size_t keep;  // bytes kept of the file; 0 keeps all
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no SRM file", [](SrmFile& f) { f.identifier = "RIFF"; }, 0, "not an SRM file"},
        {"no version digit", [](SrmFile& f) { f.identifier = "SRMx"; }, 0, "not an SRM file"},
        {"another version", [](SrmFile& f) { f.identifier = "SRM6"; }, 0,
         "SRM6 files are not read"},
        {"empty", [](SrmFile&) {}, 3, "not an SRM file"},
        {"cut header", [](SrmFile&) {}, 50, "ends inside its header"},
        {"interval / 0", [](SrmFile& f) { f.r2 = 0; }, 0, "1 / 0 is undefined"},
        {"sub-second", [](SrmFile& f) { f.r1 = 1, f.r2 = 2; }, 0, "shorter than a second"},
        {"no blocks", [](SrmFile& f) { f.blocks.clear(); }, 0, "no data blocks"},
        {"too many markers", [](SrmFile& f) { f.marker_count = 60000; }, 0,
         "ends inside its marker and block tables"},
        {"too many blocks", [](SrmFile& f) { f.block_count = 60000; }, 0,
         "ends inside its marker and block tables"},
        {"cut tables", [](SrmFile&) {}, 86 + 270 + 3, "ends inside its marker and block tables"},
        {"no records", [](SrmFile& f) { f.records.resize(4); }, 0, "only 4 data records"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SrmFile f(100);
        c.change(f);
        std::vector<std::uint8_t> bytes = f.bytes();
        if (c.keep) bytes.resize(c.keep);
        auto trip = EarlierTrip();
        const auto before = std::make_unique<Trip>(*trip);
        const SrmImport r = ImportSrm(bytes, "ANNA", *trip);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_FALSE(r.buttons().bike_power);
        EXPECT_EQ(trip->count, before->count);
        EXPECT_TRUE(trip->records == before->records);
    }
}

TEST(SrmStore, BikeTripsKeepEverySample) {
    test::RiderFolder rider;
    SrmRecord standing;
    standing.speed_mm_s = 0;
    standing.power = 0;
    standing.cadence = 0;
    SrmFile f(200, standing);
    for (int i = 0; i < 100; ++i) f.records[i].speed_mm_s = 8000;
    auto trip = std::make_unique<Trip>();
    const SrmImport r = ImportSrm(f.bytes(), "ANNA", *trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_FALSE(r.flags.has_power_data);
    EXPECT_TRUE(r.buttons().bike_heart_rate);
    EXPECT_FALSE(PrepareSrmStore(*trip, r, 2, {}).ok);  // no run from a power meter
    int modelled = 0;
    const ImportStoreSteps steps{.model_power = [&](Trip&) { ++modelled; }};
    const StoreResult s = StoreSrmTrip(rider.trips, rider.settings, *trip, r, 0, steps);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(modelled, 1);
    EXPECT_EQ(s.base_name, "20110603_1000000_ANNA");
    EXPECT_EQ(trip->count, 200);  // the standing half stays
    // Too short for any store.
    const SrmImport small = ImportSrm(SrmFile(59).bytes(), "ANNA", *trip);
    ASSERT_TRUE(small.ok);
    EXPECT_EQ(StoreSrmTrip(rider.trips, rider.settings, *trip, small, 0, steps).message,
              kNotEvaluable);
}

}  // namespace
}  // namespace vx
