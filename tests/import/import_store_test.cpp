#include <gtest/gtest.h>

#include <memory>

#include "import/hrm_import.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

// An HRM file of n samples at 1 s with a standstill in the middle.
std::string HrmText(int n) {
    std::string text =
        "[Params]\nVersion=106\nMonitor=22\nSMode=11110000\nDate=20140705\nStartTime=09:05:03.0\n"
        "Length=00:10:00.0\nInterval=1\n\n[HRData]\n";
    for (int i = 0; i < n; ++i) {
        const bool stopped = i > n / 2 && i < n / 2 + 40;
        text += std::to_string(120 + i % 20) + (stopped ? "\t0\t0\t410\n" : "\t300\t85\t410\n");
    }
    return text;
}

TEST(ImportStore, ARefusedStoreLeavesTheConvertedTrip) {
    test::TempDir dir;
    Settings settings = DefaultSettings();
    settings.riders[0].SetName("ANNA");
    settings.rider_folder = "ANNA";
    RiderTrips trips;
    trips.paths = BuildPaths(dir.path(), "ANNA", nullptr);
    LoadTripList(trips, false, nullptr);
    auto trip = std::make_unique<Trip>();
    const HrmImport first = ImportHrm(HrmText(600), "ANNA", *trip);
    ASSERT_TRUE(first.ok) << first.message;
    const std::int32_t converted = trip->count;
    const StoreResult stored = StoreHrmTrip(trips, settings, *trip, first, 1, {});
    ASSERT_TRUE(stored.ok) << stored.message;
    EXPECT_LT(trip->count, converted);  // the stored trip lost its standstill

    // the same ride again: refused at the store, after the standstill removal
    const HrmImport again = ImportHrm(HrmText(600), "ANNA", *trip);
    ASSERT_TRUE(again.ok);
    const StoreResult refused = StoreHrmTrip(trips, settings, *trip, again, 1, {});
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(trip->count, converted);
    EXPECT_EQ(trips.list.entry_count(), 1u);
}

}  // namespace
}  // namespace vx
