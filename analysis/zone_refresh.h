// Recomputing the zone times of every recorded trip after the rider's zones changed.
#pragma once

#include <cstddef>
#include <functional>

#include "trip/settings.h"
#include "trip/trip_store.h"

namespace vx {

// Each recorded trip of the list ("NR" entries have no file) is read into a trip object of its
// own, gets the zone bounds of the rider's zones for its sport type at its own threshold, is
// written back and has its zone times recomputed in the summary store. Unreadable trips are
// skipped. progress(done, total) follows the lines. Returns the trips refreshed.
int RefreshAllZoneTimes(RiderTrips& trips, const Settings& settings,
                        const std::function<void(std::size_t, std::size_t)>& progress);

}  // namespace vx
