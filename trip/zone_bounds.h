// Zone bounds of a trip from the rider zone table, and how many zone bins are shown.
#pragma once

#include "trip/trip.h"
#include "trip/zone_table.h"

namespace vx {

// bounds[i] = entry[i] x t x 0.01 for i = 1..6 (double precision, stored as float), marker in
// [0], [7]..[9] zero; [10]..[14] keep what they held.
void ApplyZoneBounds(ZoneBlock& bounds, const ZoneEntry& entry, double threshold);

// 1 + the non-zero bounds among [1]..[6] of the rider's sport-type-0 entry up to and including
// the end mark: the bins "NULL" and "Zone1".."Zone6" that the zone displays draw, at most 7.
int CountZonesShown(const RiderZones& rider_zones);

}  // namespace vx
