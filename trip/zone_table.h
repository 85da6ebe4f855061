// The rider zone table: per rider and sport type ten uint16 values.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

constexpr int kRiderCount = 10;
constexpr int kSportTypeCount = 3;  // 0 bike by power, 1 bike by heart rate, 2 run

// [0] threshold (W for sport type 0, 1/min for 1 and 2), [1]..[6] zone bounds in percent of
// the threshold (2500 marks the end of the used bounds), [8], [9] zone A from/to in percent.
using ZoneEntry = std::array<std::uint16_t, 10>;
using RiderZones = std::array<ZoneEntry, kSportTypeCount>;
using ZoneTable = std::array<RiderZones, kRiderCount>;

}  // namespace vx
