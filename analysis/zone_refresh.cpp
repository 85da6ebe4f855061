#include "analysis/zone_refresh.h"

#include <memory>

#include "analysis/evaluation_zones.h"
#include "trip/deo_file.h"
#include "trip/trip_list.h"
#include "trip/zone_bounds.h"

namespace vx {

int RefreshAllZoneTimes(RiderTrips& trips, const Settings& settings,
                        const std::function<void(std::size_t, std::size_t)>& progress) {
    auto trip = std::make_unique<Trip>();
    const RiderZones& zones = settings.current_zones();
    int refreshed = 0;
    const std::size_t n = trips.list.entry_count();
    for (std::size_t i = 0; i < n; ++i) {
        if (progress) progress(i, n);
        const std::string& line = trips.list.lines[i];
        const int number = TripNumberOfLine(line);
        if (IsManualEntry(line) || line.size() <= 15 || number < 1 ||
            number >= static_cast<int>(trips.store.zone_times.size()))
            continue;
        const std::string path = trips.paths.rider_folder + "/" + BaseNameOfLine(line) + ".DEO";
        if (!ReadTripPath(path, *trip, zones)) continue;
        TripHeader h = trip->header();
        const int sport = h.sport_type() < kSportTypeCount ? h.sport_type() : 0;
        const float threshold = sport == 0   ? h.zone_threshold()
                                : sport == 1 ? h.threshold_hr_bike()
                                             : h.threshold_hr_run();
        ApplyZoneBounds(trip->zone_bounds, zones[sport], threshold);
        if (!WriteTripPath(path, *trip)) continue;
        ComputeZoneTimes(*trip, sport, trips.store.zone_times[number],
                         trips.store.distributions[number]);
        trips.list.modified = true;
        ++refreshed;
    }
    if (progress) progress(n, n);
    return refreshed;
}

}  // namespace vx
