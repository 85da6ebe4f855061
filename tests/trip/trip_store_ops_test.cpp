#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"
#include "trip/trip_store.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct Fixture {
    test::TempDir dir;
    Settings settings = DefaultSettings();
    RiderTrips trips;
    Trip trip;

    Fixture() {
        settings.riders[0].SetName("ANNA");
        settings.riders[0].weight_kg = 72.5f;
        settings.rider_folder = "ANNA";
        settings.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        settings.zones[0][1] = {165, 60, 70, 80, 90, 100, 2500, 0, 0, 0};
        settings.zones[0][2] = {175, 60, 70, 80, 90, 100, 2500, 0, 0, 0};
        trips.paths = BuildPaths(dir.path(), "ANNA", nullptr);
        LoadTripList(trips, false, nullptr);
    }

    // A ride of n seconds at steady power.
    void Ride(int n) {
        trip.resetForImport();
        trip.count = n + 1;
        for (int i = 1; i <= n; ++i) {
            TripRecord& r = trip.records[i];
            r.time_s = i - 1;
            r.distance_km = i * 0.008f;
            r.power_w = 200;
            r.cadence_rpm = 90;
            r.speed_kmh = 29;
            r.heart_rate_bpm = 140;
            r.altitude_m = 300;
        }
    }

    std::vector<std::string> Files() const {
        std::vector<std::string> out;
        for (auto& e : fs::directory_iterator(trips.paths.rider_folder))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST(TripStoreOps, StoreNewTrip) {
    Fixture f;
    f.Ride(600);
    StoreResult r = StoreNewTrip(f.trips, f.settings, f.trip, "20140316_093015__ANNA", 1);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20140316_0930151_ANNA");
    EXPECT_EQ(r.trip_number, 1);
    EXPECT_EQ(f.trips.list.lines,
              (std::vector<std::string>{"20140316_0930151_ANNA;001;*BIKE HR", "ERASED :"}));
    EXPECT_FALSE(f.trips.modified());  // saved at once

    const std::string deo = f.trips.paths.rider_folder + "/20140316_0930151_ANNA.DEO";
    EXPECT_EQ(test::ReadBytes(deo).size(), 40u * 601 + 454);
    Trip back;
    ASSERT_TRUE(ReadTripPath(deo, back, f.settings.current_zones()));
    EXPECT_EQ(back.header().sport_type(), 1);
    EXPECT_EQ(back.header().zone_threshold(), 165);
    EXPECT_EQ(back.header().threshold_hr_bike(), 165);
    EXPECT_EQ(back.header().threshold_hr_run(), 175);
    EXPECT_EQ(back.header().weight_x10(), 725);
    EXPECT_FLOAT_EQ(back.zone_bounds[1], 165 * 0.60f);

    auto list = test::ReadBytes(f.trips.paths.trip_list);
    EXPECT_EQ(std::string(list.begin(), list.end()),
              "20140316_0930151_ANNA;001;*BIKE HR\r\nERASED :\r\n");
    RiderTrips again;
    again.paths = f.trips.paths;
    LoadTripList(again, false, nullptr);
    EXPECT_TRUE(again.store.valid(1));
    EXPECT_GT(again.store.summaries[1].total_time_s, 0);
    EXPECT_EQ(again.store.highest, 1);

    r = StoreNewTrip(f.trips, f.settings, f.trip, "20140317_080000__ANNA", 0);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.trip_number, 2);
    EXPECT_EQ(f.trips.list.lines[1], "20140317_0800000_ANNA;002;*BIKE POWER");
}

TEST(TripStoreOps, RefusalsLeaveEverythingAsItWas) {
    Fixture f;
    f.Ride(300);
    ASSERT_TRUE(StoreNewTrip(f.trips, f.settings, f.trip, "20140316_093015__ANNA", 0).ok);
    const auto list_before = f.trips.list.lines;
    const auto files_before = f.Files();
    const auto store_before = test::ReadBytes(f.trips.paths.summary_store);

    struct Case {
        const char* name;
        std::string base;
        int count;
    };
    const Case cases[] = {
        {"same start second", "20140316_093015__ANNA", 300},
        {"not a trip name", "ride__ANNA", 300},
        {"too few records", "20140318_093015__ANNA", 3},
    };
    for (const Case& c : cases) {
        f.Ride(300);
        f.trip.count = c.count + 1;
        StoreResult r = StoreNewTrip(f.trips, f.settings, f.trip, c.base, 0);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.message.empty()) << c.name;
        EXPECT_EQ(f.trips.list.lines, list_before) << c.name;
        EXPECT_EQ(f.Files(), files_before) << c.name;
        EXPECT_EQ(test::ReadBytes(f.trips.paths.summary_store), store_before) << c.name;
    }

    // All numbers taken.
    f.trips.list.lines.insert(f.trips.list.lines.begin(), "20140101_0000000_ANNA;999;");
    const auto list_full = f.trips.list.lines;
    f.Ride(300);
    StoreResult r = StoreNewTrip(f.trips, f.settings, f.trip, "20140319_093015__ANNA", 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(f.trips.list.lines, list_full);
    EXPECT_EQ(f.Files(), files_before);

    // A rider without a folder.
    RiderTrips unnamed;
    unnamed.paths = BuildPaths(f.dir.path(), "RIDER_2", nullptr);
    LoadTripList(unnamed, false, nullptr);
    r = StoreNewTrip(unnamed, f.settings, f.trip, "20140319_093015__RIDER_2", 0);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(fs::exists(unnamed.paths.rider_folder));
}

TEST(TripStoreOps, ImportDeoFiles) {
    Fixture f;
    const std::string in = f.dir.file("in");
    fs::create_directory(in);
    f.Ride(200);
    f.trip.note.fill(0);
    std::strcpy(f.trip.note.data(), "*Line one\r\nK\xF6ln");
    f.trip.note_present = true;
    f.trip.header().zone_threshold() = 180;
    ASSERT_TRUE(WriteTripPath(in + "/20140316_093015_X.DEO", f.trip));
    f.trip.note_present = false;
    f.trip.header().flags() = 0;
    ASSERT_TRUE(WriteTripPath(in + "/20140317_101010_Y.deo", f.trip));
    ASSERT_TRUE(WriteTripPath(in + "/ABC.DEO", f.trip));
    test::WriteBytes(in + "/20140318_101010_Z.DEO", {4, 0, 0, 0});  // count 4

    InfoList info;
    int n = ImportDeoFiles(f.trips, f.settings, f.trip,
                           {in + "/20140316_093015_X.DEO", in + "/ABC.DEO",
                            in + "/20140318_101010_Z.DEO", in + "/20140317_101010_Y.deo"},
                           &info);
    EXPECT_EQ(n, 2);
    ASSERT_EQ(f.trips.list.lines.size(), 3u);
    EXPECT_EQ(f.trips.list.lines[0], "20140316_0930150_X;001;*Line one|~Köln");
    EXPECT_EQ(f.trips.list.lines[1], "20140317_1010100_Y;002;");
    EXPECT_TRUE(f.trips.modified());  // saved at the next save point
    Trip back;
    ASSERT_TRUE(ReadTripPath(f.trips.paths.rider_folder + "/20140316_0930150_X.DEO", back,
                             f.settings.current_zones()));
    EXPECT_EQ(back.header().zone_threshold(), 250);
    EXPECT_EQ(back.header().weight_x10(), 725);
    EXPECT_EQ(back.header().flags() & kNoteFlag, kNoteFlag);

    // Importing the same file again does not overwrite the stored trip.
    n = ImportDeoFiles(f.trips, f.settings, f.trip, {in + "/20140316_093015_X.DEO"}, &info);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(f.trips.list.lines.size(), 3u);
}

TEST(TripStoreOps, CsvImportStoresABikePowerTrip) {
    Fixture f;
    std::string text = "ZEIT;STRECKE\r\n";
    for (int i = 1; i <= 120; ++i)
        text += std::to_string(i) + ";" + std::to_string(i * 0.008).replace(1, 1, ",") + ";200;90\r\n";
    test::WriteBytes(f.dir.file("20140316_093015.CSV"), std::vector<std::uint8_t>(text.begin(), text.end()));
    StoreResult r = ImportCsvFile(f.trips, f.settings, f.trip, f.dir.file("20140316_093015.CSV"),
                                  CsvDialect::Semicolon);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20140316_0930150_c");
    EXPECT_EQ(f.trips.list.lines[0], "20140316_0930150_c;001;");
    EXPECT_TRUE(FileExists(f.trips.paths.rider_folder + "/20140316_0930150_c.DEO"));

    test::WriteBytes(f.dir.file("20140317_093015.CSV"), {'1', ',', '2', '\n'});
    const auto files = f.Files();
    r = ImportCsvFile(f.trips, f.settings, f.trip, f.dir.file("20140317_093015.CSV"), CsvDialect::Comma);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(f.Files(), files);
    EXPECT_EQ(f.trips.list.lines.size(), 2u);
}

TEST(TripStoreOps, CopyToCollectionAndErase) {
    Fixture f;
    f.Ride(100);
    ASSERT_TRUE(StoreNewTrip(f.trips, f.settings, f.trip, "20140316_093015__ANNA", 0).ok);
    f.Ride(100);
    ASSERT_TRUE(StoreNewTrip(f.trips, f.settings, f.trip, "20140317_093015__ANNA", 0).ok);
    InfoList info;
    int n = CopyToCollection(f.trips, {f.trips.list.lines[0], f.trips.list.lines[1], "20140318_0800NR3_ANNA;000;*x"},
                             f.settings.current_zones(), f.trip, &info);
    EXPECT_EQ(n, 2);
    auto bytes = test::ReadBytes(f.trips.paths.collection_list);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "20140316_0930150_ANNA;001PF;*BIKE POWER\r\n20140317_0930150_ANNA;002PF;*BIKE POWER\r\nERASED :\r\n");
    EXPECT_TRUE(FileExists(f.trips.paths.collection_folder + "/20140317_0930150_ANNA.DEO"));

    EXPECT_EQ(EraseTrip(f.trips, 0), 1);
    EXPECT_FALSE(f.trips.store.valid(1));
    EXPECT_TRUE(f.trips.store.valid(2));
    EXPECT_EQ(f.trips.list.lines.back(), "ERASED :1;");
    EXPECT_TRUE(FileExists(f.trips.paths.rider_folder + "/20140316_0930150_ANNA.DEO"));
    f.Ride(100);
    StoreResult r = StoreNewTrip(f.trips, f.settings, f.trip, "20140320_093015__ANNA", 2);
    EXPECT_EQ(r.trip_number, 1);
}

}  // namespace
}  // namespace vx
