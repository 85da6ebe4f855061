// Parameters of the power model: masses, drag areas, rolling resistance, efficiency, and the
// bike and tyre presets they start from.
#pragma once

#include <array>
#include <cstdint>

#include "trip/settings.h"

namespace vx {

constexpr int kBikeTypeCount = 7;
constexpr int kTyreCount = 6;
constexpr std::int32_t kDefaultBikeType = 2;
constexpr std::int32_t kMaxModelWindowHalf = 300;
constexpr float kDefaultRiderHeight = 1.75f;

struct BikePreset {
    const char* name;
    float shape;        // e: rider shape factor
    float exposed;      // g: share of body height exposed
    float bike_drag;    // p_b
    float frame_area;   // p_f, m^2
    float front_wheel;  // p_v
    float rear_wheel;   // p_h
    std::int32_t tyre;  // tyre set of the bike type
};

struct TyrePreset {
    const char* name;
    float rolling;  // Cr
    float drag;     // T
};

extern const std::array<BikePreset, kBikeTypeCount> kBikePresets;
extern const std::array<TyrePreset, kTyreCount> kTyrePresets;

struct PowerModelParams {
    std::int32_t window_half = 10;  // n: the averaging window holds 2n records
    float rider_kg = 66.0f;
    float bike_kg = 9.5f;          // including the wheels
    float load_kg = 4.0f;          // luggage and clothes
    float front_wheel_kg = 1.36f;  // stored and shown only
    float rear_wheel_kg = 1.36f;   // stored and shown only
    float rider_cwa = 0.25f;       // m^2
    float bike_cwa = 0.10f;        // m^2
    float rolling = 0.006f;        // Cr
    float efficiency = 0.97f;      // drive train
    float wind_ms = 0.0f;          // head wind positive
    std::int32_t bike_type = kDefaultBikeType;
    std::int32_t tyre = 0;
    float tyre_drag = 0.021f;  // T of the tyre
    float reserved = 0.7f;     // carried through the parameter file
};

// 1 .. 300; values outside are brought into it.
std::int32_t ClampWindowHalf(std::int32_t n);
// An efficiency below 0.5 (or not a number) counts as 1.0.
float ValidEfficiency(float efficiency);
// Heights outside 0.5 .. 2.5 m (0 when none was entered) count as 1.75 m.
float ValidRiderHeight(float height_m);

// The rider's drag area from mass and height, and the bike's from its preset and the tyre.
float PresetRiderDragArea(const BikePreset& bike, float rider_kg, float height_m);
float PresetBikeDragArea(const BikePreset& bike, float tyre_drag);

// The presets of a bike type: its tyre set (Cr and T) and both drag areas for the current
// rider mass. Types outside 0..6 count as type 2.
void ApplyBikePresets(PowerModelParams& params, std::int32_t bike_type, float height_m);
// A tyre change: Cr and T from the tyre table and the bike's drag area again.
void ApplyTyre(PowerModelParams& params, std::int32_t tyre);

}  // namespace vx
