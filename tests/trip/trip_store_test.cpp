#include "trip/trip_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vx {
namespace {

RiderTrips TripsOf(const std::string& base, const std::string& rider) {
    RiderTrips t;
    t.paths = BuildPaths(base, rider, nullptr);
    return t;
}

TEST(TripStore, LoadCreatesTheListAndDropsThePreviousRider) {
    test::TempDir dir;
    RiderTrips t = TripsOf(dir.path(), "ANNA");
    t.store.zone_times[3].marker = kSummaryRecordMarker;  // a previous rider's figures
    LoadTripList(t, false, nullptr);
    EXPECT_TRUE(t.loaded);
    EXPECT_EQ(t.list.lines, std::vector<std::string>{"ERASED :"});
    EXPECT_FALSE(t.store.valid(3));
    EXPECT_EQ(test::ReadBytes(t.paths.trip_list), (std::vector<std::uint8_t>{'E', 'R', 'A', 'S', 'E', 'D', ' ', ':', '\r', '\n'}));

    RiderTrips none = TripsOf(dir.path(), "RIDER_2");  // no folder: nothing loaded or made
    LoadTripList(none, false, nullptr);
    EXPECT_FALSE(none.loaded);
    EXPECT_FALSE(std::filesystem::exists(none.paths.rider_folder));
}

TEST(TripStore, SaveAndLoadKeepListAndStore) {
    test::TempDir dir;
    RiderTrips t = TripsOf(dir.path(), "ANNA");
    LoadTripList(t, false, nullptr);
    AddListLine(t.list, "20140316_0930150_ANNA;007;*BIKE POWER*Köln");
    t.store.highest = 7;
    t.store.zone_times[7].marker = kSummaryRecordMarker;
    t.store.summaries[7].distance_km = 42;
    std::string error;
    ASSERT_TRUE(SaveTripList(t, &error)) << error;
    EXPECT_FALSE(t.modified());

    RiderTrips back = TripsOf(dir.path(), "ANNA");
    LoadTripList(back, false, nullptr);
    EXPECT_EQ(back.list.lines[0], "20140316_0930150_ANNA;007;*Köln");  // marker removed
    EXPECT_TRUE(back.modified());
    EXPECT_TRUE(back.store.valid(7));
    EXPECT_EQ(back.store.summaries[7].distance_km, 42);
    EXPECT_EQ(back.store.highest, 7);
}

TEST(TripStore, FailedSaveKeepsTheModifiedFlag) {
    test::TempDir dir;
    RiderTrips t = TripsOf(dir.path(), "ANNA");
    LoadTripList(t, false, nullptr);
    AddListLine(t.list, "20140316_0930150_ANNA;001;");
    std::filesystem::remove_all(t.paths.rider_folder);
    std::string error;
    EXPECT_FALSE(SaveTripList(t, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(t.modified());
}

TEST(TripStore, LostStoreKeepsNumberingAboveTheLines) {
    test::TempDir dir;
    RiderTrips t = TripsOf(dir.path(), "ANNA");
    LoadTripList(t, false, nullptr);
    AddListLine(t.list, "20140316_0930150_ANNA;031;");
    ASSERT_TRUE(SaveTripList(t, nullptr));
    std::filesystem::remove(t.paths.summary_store);
    LoadTripList(t, false, nullptr);
    EXPECT_EQ(t.store.highest, 31);
}

}  // namespace
}  // namespace vx
