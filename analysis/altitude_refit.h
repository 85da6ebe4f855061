// Re-fitting a stepped altitude: a coarse altitude signal that stays on one level and then
// jumps is replaced by quadratics in distance fitted through four consecutive levels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "trip/trip.h"

namespace vx {

// A level starts where the altitude differs from the current level by this much or more.
constexpr float kAltitudeLevelStep = 0.7f;

// Least-squares polynomial of the given degree through the points (x, y), in the variable
// f = x / x.back(): coefficients c0 .. c_degree of y = c0 + c1 f + c2 f^2 + ...
// Throws MatrixException when the matrix work fails.
std::vector<double> FitQuadratic(std::span<const float> x, std::span<const float> y, int degree);

// Rewrites altitude_m of records 3 .. count-1 (up to the last window) in place. Trips of fewer
// than 10 records stay as they are, and so does every window that covers no distance or
// holds values that are not numbers.
void RefitAltitude(std::span<TripRecord> records, std::int32_t count);
void RefitAltitude(Trip& trip);

}  // namespace vx
