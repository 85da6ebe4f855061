// The climb rate of the range being drawn, from the 20-sample altitude mean.
#pragma once

#include <cstdint>

#include "views/curve_channels.h"

namespace vx {

// Climb rate in metres per minute for the samples first .. end-1, a recursive filter over the
// altitude mean 15 samples either side; only samples 17 .. count-16 get a value. Computes the
// altitude mean first when the channel set holds none for this trip.
void ComputeClimbRate(const CurveSource& source, std::int32_t first, std::int32_t end,
                      CurveChannels& channels);

}  // namespace vx
