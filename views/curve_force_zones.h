// Force zones: stretches of more than two minutes at low cadence with the power inside the
// rider's force-zone band.
#pragma once

#include "trip/zone_table.h"
#include "views/curve_channels.h"

namespace vx {

// The 41-sample means of power and cadence (k = 20), 0 where the raw cadence is 5 or less.
void ComputeForceMeans(const CurveSource& source, CurveChannels& channels);

// Computes the two means and marks every sample of a stretch whose cadence mean stays below
// 63 and whose power mean stays strictly between lower_pct and upper_pct of the header's
// zone threshold for more than 120 s. The scan ends 10 samples before the end of the trip.
void MarkForceZones(const CurveSource& source, float lower_pct, float upper_pct,
                    CurveChannels& channels);
// The same with the percentages of the rider's sport-type-0 zone entry ([8] and [9]).
void MarkForceZones(const CurveSource& source, const RiderZones& zones, CurveChannels& channels);

}  // namespace vx
