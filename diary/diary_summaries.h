// Summary records the diary needs but the store lacks (a lost or foreign store, COLLECTION
// entries) are rebuilt from the trips' DEO files when the diary builds its table.
#pragma once

#include <cstddef>
#include <functional>

#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

// Recomputes the summary records of trip number n (1..999) from trip, as storing does:
// SummarizeTrip with the zone threshold fallback, the zone times with the trip's sport type,
// and the distributions when they are still not valid (trips without power).
void SummarizeDiaryTrip(RiderTrips& trips, const Settings& settings, int n, Trip& trip);

struct SummaryRebuild {
    int summarized = 0;     // trips whose records were recomputed
    int distributions = 0;  // trips that only got their distribution record
    int failed = 0;         // trips whose file could not be opened
};

using DiaryProgress = std::function<void(std::size_t done, std::size_t total)>;

// For every recorded entry with a trip number 1..999: when it is a COLLECTION entry or its
// TripSummary holds no total time, the trip is opened and its records recomputed; when its
// TripDistribution record is not valid, the distributions are computed. The highest trip number
// is raised to the numbers met. trip is the buffer the trips are opened into (a scratch trip
// keeps the current one). progress, when given, is called after each trip that needed work.
// Sets the list-modified flag when a record changed. Lines about files that did not open go
// to info.
SummaryRebuild RebuildMissingSummaries(RiderTrips& trips, const Settings& settings, Trip& trip,
                                       const DiaryProgress& progress = {},
                                       InfoList* info = nullptr);

}  // namespace vx
