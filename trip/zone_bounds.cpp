#include "trip/zone_bounds.h"

namespace vx {

void ApplyZoneBounds(ZoneBlock& bounds, const ZoneEntry& entry, double threshold) {
    bounds[0] = kZoneBlockMarker;
    for (int i = 1; i <= 6; ++i) bounds[i] = static_cast<float>(entry[i] * threshold * 0.01);
    bounds[7] = bounds[8] = bounds[9] = 0;
}

int CountZonesShown(const RiderZones& rider_zones) {
    int n = 1;
    for (int i = 1; i <= 6; ++i)
        if (rider_zones[0][i] != 0) ++n;
    return n;
}

}  // namespace vx
