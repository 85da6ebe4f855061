// The committed import fixtures and a test rider folder to store into.
#pragma once

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "trip/file_io.h"
#include "trip/settings.h"
#include "trip/trip_store.h"

namespace vx::test {

inline std::string ImportFixture(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path() / "fixtures" / name).string();
}

inline std::string FixtureText(const std::string& name) {
    const std::vector<std::uint8_t> bytes = ReadBytes(ImportFixture(name));
    return std::string(bytes.begin(), bytes.end());
}

// The rider ANNA with her folder in a temporary data root.
struct RiderFolder {
    TempDir dir;
    Settings settings = DefaultSettings();
    RiderTrips trips;

    RiderFolder() {
        settings.riders[0].SetName("ANNA");
        settings.riders[0].weight_kg = 72.5f;
        settings.rider_folder = "ANNA";
        trips.paths = BuildPaths(dir.path(), "ANNA", nullptr);
        MakeDirectories(trips.paths.rider_folder);
        LoadTripList(trips, false, nullptr);
    }
};

}  // namespace vx::test
