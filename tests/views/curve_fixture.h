// Trips built sample by sample for the curve tests.
#pragma once

#include <functional>
#include <memory>

#include "trip/trip.h"

namespace vx::test {

inline std::unique_ptr<Trip> CurveTrip(std::int32_t count,
                                       const std::function<void(int, TripRecord&)>& fill) {
    auto trip = std::make_unique<Trip>();
    trip->count = count;
    trip->sample_interval_s = 1;
    for (int i = 1; i < count; ++i) {
        TripRecord& r = trip->records[static_cast<std::size_t>(i)];
        r.time_s = i - 1;
        r.distance_km = (i - 1) * 0.008f;
        r.power_w = 200;
        r.cadence_rpm = 90;
        r.altitude_m = 300;
        r.speed_kmh = 28.8f;
        r.temperature_c = 18;
        r.heart_rate_bpm = 140;
        fill(i, r);
    }
    return trip;
}

}  // namespace vx::test
