// Zone bounds of a trip and the time it spent in each zone bin.
#pragma once

#include <cstdint>

#include "analysis/summary_records.h"
#include "trip/trip.h"
#include "trip/zone_table.h"

namespace vx {

// Rebuilds the trip's zone bounds block from the threshold of its sport type (zone threshold,
// bike or run threshold heart rate; the rider's zone table entry when below 30) and the
// rider's zone percentages for that sport type.
void RebuildZoneBounds(Trip& trip, const RiderZones& rider_zones);

// The zone bin of a value: below 1 bin 0; else the first bin k in 1..7 with value < bound k;
// else bin 8. A value equal to a bound belongs to the higher bin.
int ZoneBin(float value, const ZoneBlock& bounds);

// Counts records 1..last with the trip's zone bounds block into zone_times (bin seconds,
// sample interval, record count, marker; the mode field is left as it is) and stores the
// truncated bounds block in the distribution record. The value counted is the power for trips
// analysed by power and the heart rate for heart-rate trips.
void CountZoneTimes(const Trip& trip, ZoneTimes& zone_times, TripDistribution& distribution);

// CountZoneTimes, and the zone mode stored in the record.
void ComputeZoneTimes(const Trip& trip, std::int32_t mode, ZoneTimes& zone_times,
                      TripDistribution& distribution);

// A float of a stored block as an integer: truncated toward zero, NaN as 0, clamped to int32.
std::int32_t TruncateToInt(float v);

}  // namespace vx
