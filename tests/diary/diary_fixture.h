// A rider folder for the diary tests: settings, trip list and store in a temporary folder, and
// helpers that store rides through the ordinary store path or write lists directly.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "trip/settings.h"
#include "trip/trip_store.h"

namespace vx::test {

struct DiaryFixture {
    TempDir dir;
    Settings settings = DefaultSettings();
    RiderTrips trips;
    std::unique_ptr<Trip> trip = std::make_unique<Trip>();

    DiaryFixture() {
        settings.riders[0].SetName("ANNA");
        settings.riders[0].weight_kg = 70;
        settings.rider_folder = "ANNA";
        settings.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        settings.zones[0][1] = {165, 60, 70, 80, 90, 100, 2500, 0, 0, 0};
        settings.zones[0][2] = {175, 60, 70, 80, 90, 100, 2500, 0, 0, 0};
        trips.paths = BuildPaths(dir.path(), "ANNA", nullptr);
        LoadTripList(trips, false, nullptr);
    }

    // Fills the trip with a ride of n one-second samples.
    void Ride(int n, float power = 200, float interval = 1) {
        trip->resetForImport();
        trip->count = n + 1;
        for (int i = 1; i <= n; ++i) {
            TripRecord& r = trip->records[i];
            r.time_s = static_cast<std::int32_t>((i - 1) * interval);
            r.distance_km = i * 0.008f * interval;
            r.power_w = power;
            r.cadence_rpm = 90;
            r.speed_kmh = 29;
            r.heart_rate_bpm = 140;
            r.altitude_m = 300;
            r.temperature_c = 18;
        }
    }

    // Stores a ride under the base name ("20140316_093015__ANNA" form); returns its number.
    int Store(const std::string& base, int n = 600, float power = 200, int sport = 0,
              float interval = 1) {
        Ride(n, power, interval);
        StoreResult r = StoreNewTrip(trips, settings, *trip, base, sport);
        return r.ok ? r.trip_number : -1;
    }

    // Replaces the list by these lines (the "ERASED :" line is added) without files.
    void SetLines(std::initializer_list<std::string> lines) {
        trips.list.lines.assign(lines.begin(), lines.end());
        trips.list.lines.push_back("ERASED :");
        ParseTripList(trips.list, false);
    }
    void SetLines(const std::vector<std::string>& lines) {
        trips.list.lines = lines;
        trips.list.lines.push_back("ERASED :");
        ParseTripList(trips.list, false);
    }

    std::string DeoPath(const std::string& base) const {
        return trips.paths.rider_folder + "/" + base + ".DEO";
    }
};

}  // namespace vx::test
