#include "analysis/power_model_params.h"

#include <algorithm>
#include <cmath>

namespace vx {

const std::array<BikePreset, kBikeTypeCount> kBikePresets = {{
    {"MT- BIKE", 0.75f, 0.85f, 1.23f, 0.052f, 1.1f, 0.9f, 5},
    {"CROSSBIKE", 0.75f, 0.85f, 1.23f, 0.05f, 1.1f, 0.9f, 3},
    {"Rennrad Lenkerhaltung (oben)", 0.78f, 0.89f, 1.2f, 0.048f, 1.1f, 0.9f, 0},
    {"Rennrad Lenkerhaltung (miite)", 0.675f, 0.78f, 1.2f, 0.048f, 1.1f, 0.9f, 0},
    {"Rennrad Lenkerhaltung (unten)", 0.57f, 0.67f, 1.2f, 0.048f, 1.1f, 0.9f, 0},
    {"Triatlon-Rad", 0.505f, 0.64f, 1.0f, 0.048f, 1.1f, 0.7f, 0},
    {"Rennrad SUPERMANN", 0.45f, 0.55f, 0.75f, 0.044f, 0.9f, 0.7f, 0},
}};

const std::array<TyrePreset, kTyreCount> kTyrePresets = {{
    {"schmaler Rennreifen", 0.006f, 0.021f},
    {"mittelbreiter HD-Slick", 0.0055f, 0.031f},
    {"breiter HD-Slick", 0.005f, 0.042f},
    {"breiter Tourenrefen(Profil)", 0.0075f, 0.048f},
    {"Teldavorn-G\xC3\xBCrtelreifen(breit)", 0.003f, 0.042f},
    {"Stollenreifen 1.75\"", 0.007f, 0.055f},
}};

std::int32_t ClampWindowHalf(std::int32_t n) {
    return std::clamp(n, 1, kMaxModelWindowHalf);
}

float ValidEfficiency(float efficiency) {
    return efficiency >= 0.5f ? efficiency : 1.0f;
}

float ValidRiderHeight(float height_m) {
    return (height_m >= 0.5f && height_m <= 2.5f) ? height_m : kDefaultRiderHeight;
}

float PresetRiderDragArea(const BikePreset& bike, float rider_kg, float height_m) {
    const float h = ValidRiderHeight(height_m);
    const float d = std::sqrt(std::max(rider_kg, 0.0f) / h * 0.0013333333f);
    return bike.shape * d * (d + (h - d) * bike.exposed);
}

float PresetBikeDragArea(const BikePreset& bike, float tyre_drag) {
    return (bike.front_wheel * tyre_drag + bike.rear_wheel * tyre_drag + bike.frame_area) *
           bike.bike_drag;
}

void ApplyBikePresets(PowerModelParams& params, std::int32_t bike_type, float height_m) {
    if (bike_type < 0 || bike_type >= kBikeTypeCount) bike_type = kDefaultBikeType;
    params.bike_type = bike_type;
    const BikePreset& bike = kBikePresets[static_cast<std::size_t>(bike_type)];
    const TyrePreset& tyre = kTyrePresets[static_cast<std::size_t>(bike.tyre)];
    params.tyre = bike.tyre;
    params.rolling = tyre.rolling;
    params.tyre_drag = tyre.drag;
    params.rider_cwa = PresetRiderDragArea(bike, params.rider_kg, height_m);
    params.bike_cwa = PresetBikeDragArea(bike, tyre.drag);
}

void ApplyTyre(PowerModelParams& params, std::int32_t tyre) {
    if (tyre < 0 || tyre >= kTyreCount) return;
    params.tyre = tyre;
    params.rolling = kTyrePresets[static_cast<std::size_t>(tyre)].rolling;
    params.tyre_drag = kTyrePresets[static_cast<std::size_t>(tyre)].drag;
    const std::int32_t type = std::clamp(params.bike_type, 0, kBikeTypeCount - 1);
    params.bike_cwa =
        PresetBikeDragArea(kBikePresets[static_cast<std::size_t>(type)], params.tyre_drag);
}

}  // namespace vx
