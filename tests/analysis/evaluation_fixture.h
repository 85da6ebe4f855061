// Synthetic trips for the evaluation tests.
#pragma once

#include <functional>

#include "trip/settings.h"
#include "trip/trip.h"

namespace vx::test {

// count records; record k (1..count-1) starts as a steady ride: time (k-1) x interval, 10 m
// per record, 200 W, 90/min, 36 km/h, 140/min, 20 °C, altitude 100 m. fill changes records.
inline Trip MakeTrip(int count, int interval = 1,
                     const std::function<void(int, TripRecord&)>& fill = {},
                     std::uint8_t sport_type = 0, float zone_threshold = 250) {
    Trip t;
    t.count = count;
    t.sample_interval_s = interval;
    t.sport_type = NormalizeSportType(sport_type);
    TripHeader h = t.header();
    h.zone_threshold() = zone_threshold;
    h.weight_x10() = 725;
    h.threshold_hr_bike() = 150;
    h.threshold_hr_run() = 160;
    h.sport_type() = sport_type;
    for (int k = 1; k < count; ++k) {
        TripRecord& r = t.records[k];
        r.time_s = (k - 1) * interval;
        r.distance_km = k * 0.01f;
        r.power_w = 200;
        r.cadence_rpm = 90;
        r.speed_kmh = 36;
        r.heart_rate_bpm = 140;
        r.temperature_c = 20;
        r.altitude_m = 100;
        if (fill) fill(k, r);
    }
    return t;
}

// Default settings with zones for the current rider: power threshold 250 W, bounds 55, 75,
// 90, 105, 120, 150 % for every sport type; heart-rate thresholds 150 and 160.
inline Settings EvaluationSettings() {
    Settings s = DefaultSettings();
    s.zones[0][0] = {250, 55, 75, 90, 105, 120, 150, 2500, 0, 0};
    s.zones[0][1] = {150, 55, 75, 90, 105, 120, 150, 2500, 0, 0};
    s.zones[0][2] = {160, 55, 75, 90, 105, 120, 150, 2500, 0, 0};
    s.climb_threshold_pct = 2.0f;
    return s;
}

}  // namespace vx::test
