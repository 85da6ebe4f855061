#include "trip/zone_bounds.h"

namespace vx {

void ApplyZoneBounds(ZoneBlock& bounds, const ZoneEntry& entry, double threshold) {
    bounds[0] = kZoneBlockMarker;
    for (int i = 1; i <= 6; ++i) bounds[i] = static_cast<float>(entry[i] * threshold * 0.01);
    bounds[7] = bounds[8] = bounds[9] = 0;
}

int CountZonesShown(const RiderZones& rider_zones) {
    // bounds behind the end mark are left-overs of an earlier, longer table
    int n = 1;
    for (int i = 1; i <= 6; ++i) {
        const std::uint16_t bound = rider_zones[0][i];
        if (bound == 0) continue;
        ++n;
        if (bound >= 2500) break;
    }
    return n;
}

}  // namespace vx
