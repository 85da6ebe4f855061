// The current rider's trips: where they live, the trip list and the summary store, and the
// operations that load, save, add, copy and erase trips.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "trip/paths.h"
#include "trip/settings.h"
#include "trip/summary_store.h"
#include "trip/trip.h"
#include "trip/trip_list.h"

namespace vx {

struct RiderTrips {
    Paths paths;
    TripList list;
    SummaryStore store;
    bool is_collection = false;
    bool loaded = false;  // false while the rider has no folder yet

    // The list-modified flag: set by every change of the list or the store.
    bool modified() const { return list.modified; }
};

// Loads the trip list and summary store of the rider the paths were built for. Every summary
// record of the previous rider is invalidated first. A rider folder without a list gets the
// single line "ERASED :", written at once. Messages go to info.
void LoadTripList(RiderTrips& trips, bool is_collection, InfoList* info);

// Writes the list (Windows-1252, CR LF) and the store, each through a temporary file. Clears
// the modified flag only when both were written; otherwise keeps it and reports the error.
bool SaveTripList(RiderTrips& trips, std::string* error);

}  // namespace vx
