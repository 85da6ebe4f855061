// Display units: stored values are metric; feet, miles, pounds and Fahrenheit exist on screen.
#pragma once

#include <cstdint>

namespace vx {

constexpr double kMilesPerKm = 0.62137;
constexpr double kFeetPerMetre = 3.28084;
constexpr double kPoundsPerKg = 2.2046225;

inline double DistanceFactor(bool imperial) {
    return imperial ? kMilesPerKm : 1.0;
}
inline double AltitudeFactor(bool imperial) {
    return imperial ? kFeetPerMetre : 1.0;
}
inline double WeightFactor(bool pounds) {
    return pounds ? kPoundsPerKg : 1.0;
}

// The process-wide factors, derived from the unit flags (see settings.h for the bits).
struct DisplayFactors {
    double distance_factor = 1;  // km -> miles, km/h -> mph
    double altitude_factor = 1;  // m -> ft
    double weight_factor = 1;    // kg -> lbs
    bool fahrenheit = false;
};

DisplayFactors FactorsFromUnitFlags(std::uint8_t unit_flags);

inline double CelsiusToDisplay(double c, bool fahrenheit) {
    return fahrenheit ? c * 1.8 + 32 : c;
}
inline double DisplayToCelsius(double t, bool fahrenheit) {
    return fahrenheit ? (t - 32) / 1.8 : t;
}

}  // namespace vx
