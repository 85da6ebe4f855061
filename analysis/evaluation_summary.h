// The evaluation run after a trip is loaded, imported or edited: fills the trip's summary
// records for the summary store.
#pragma once

#include "analysis/evaluation_distributions.h"
#include "analysis/summary_records.h"
#include "trip/settings.h"
#include "trip/trip.h"

namespace vx {

// The sample interval by the trip's time stamps: the smallest of the steps between records
// 4..7, within 1..kMaxSampleInterval; for a trip without record 7 the interval it has.
std::int32_t SummaryInterval(const Trip& trip);

// Evaluates the whole trip into the records of its trip number, using the current rider's
// zones and the climb threshold of the settings. Sets the trip's sample interval and rebuilds
// its zone bounds block. Returns false when no sample has power above 0: the power figures
// are then 0, the zone times stay as they were and the distribution record is cleared
// (invalid), so that it never shows another trip's figures.
bool SummarizeTrip(Trip& trip, const Settings& settings, int trip_number, TripSummary& summary,
                   ZoneTimes& zone_times, TripDistribution& distribution,
                   DistributionDisplay& display);

}  // namespace vx
