#include "app/units.h"

#include "trip/settings.h"

namespace vx {

DisplayFactors FactorsFromUnitFlags(std::uint8_t unit_flags) {
    DisplayFactors f;
    f.distance_factor = DistanceFactor(unit_flags & kUnitFeetMiles);
    f.altitude_factor = AltitudeFactor(unit_flags & kUnitFeetMiles);
    f.weight_factor = WeightFactor(unit_flags & kUnitPounds);
    f.fahrenheit = unit_flags & kUnitFahrenheit;
    return f;
}

}  // namespace vx
