#include "analysis/power_model_file.h"

#include <algorithm>
#include <cmath>

#include "trip/byte_io.h"
#include "trip/file_io.h"

namespace vx {

namespace {

bool SlotSound(const PowerModelSlot& s, int k) {
    if (s.bike_type != k || s.tyre >= kTyreCount) return false;
    for (float v : {s.efficiency, s.bike_kg, s.front_wheel_kg, s.rear_wheel_kg, s.load_kg,
                    s.rider_cwa, s.bike_cwa, s.rolling})
        if (!std::isfinite(v) || v < 0) return false;
    return std::isfinite(s.reserved);
}

}  // namespace

bool SlotConfigured(const PowerModelSlot& slot) {
    return slot.bike_kg > 3.0f;
}

std::vector<std::uint8_t> EncodePowerModelFile(const PowerModelFile& file) {
    std::vector<std::uint8_t> out;
    out.reserve(kPowerModelFileSize);
    ByteWriter w(out);
    w.i32(file.selected_bike);
    for (const PowerModelSlot& s : file.slots) {
        w.u8(s.bike_type);
        w.u8(s.tyre);
        w.zeros(2);
        w.f32(s.efficiency);
        w.f32(s.bike_kg);
        w.f32(s.front_wheel_kg);
        w.f32(s.rear_wheel_kg);
        w.f32(s.load_kg);
        w.f32(s.rider_cwa);
        w.f32(s.bike_cwa);
        w.zeros(8);
        w.f32(s.reserved);
        w.f32(s.rolling);
    }
    return out;
}

std::optional<PowerModelFile> DecodePowerModelFile(std::span<const std::uint8_t> bytes,
                                                   std::string* reason) {
    auto refuse = [&](const std::string& why) -> std::optional<PowerModelFile> {
        if (reason) *reason = why;
        return std::nullopt;
    };
    if (bytes.size() < kPowerModelFileSize)
        return refuse("power model file too short: " + std::to_string(bytes.size()) +
                      " bytes, 484 expected");
    ByteReader r(bytes);
    PowerModelFile file;
    r.i32(file.selected_bike);
    if (file.selected_bike < 0 || file.selected_bike >= kBikeTypeCount)
        return refuse("power model file selects bike type " + std::to_string(file.selected_bike) +
                      ", outside 0..6");
    for (int k = 0; k < kPowerModelSlotCount; ++k) {
        PowerModelSlot s;
        r.u8(s.bike_type);
        r.u8(s.tyre);
        r.skip(2);
        r.f32(s.efficiency);
        r.f32(s.bike_kg);
        r.f32(s.front_wheel_kg);
        r.f32(s.rear_wheel_kg);
        r.f32(s.load_kg);
        r.f32(s.rider_cwa);
        r.f32(s.bike_cwa);
        r.skip(8);
        r.f32(s.reserved);
        r.f32(s.rolling);
        if (k >= kBikeTypeCount || !SlotConfigured(s) || !SlotSound(s, k)) continue;
        s.efficiency = ValidEfficiency(s.efficiency);
        file.slots[static_cast<std::size_t>(k)] = s;
    }
    return file;
}

PowerModelFile ReadPowerModelFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (ReadFileBytes(path, bytes) != ReadFileStatus::Ok) return {};
    return DecodePowerModelFile(bytes).value_or(PowerModelFile{});
}

bool WritePowerModelFile(const std::string& path, const PowerModelFile& file, std::string* error) {
    return WriteFileAtomically(path, EncodePowerModelFile(file), error);
}

void SelectBikeType(PowerModelParams& params, const PowerModelFile& file, std::int32_t bike_type,
                    float height_m) {
    if (bike_type < 0 || bike_type >= kBikeTypeCount) bike_type = kDefaultBikeType;
    const PowerModelSlot& s = file.slots[static_cast<std::size_t>(bike_type)];
    if (!SlotConfigured(s) || !SlotSound(s, bike_type)) {
        ApplyBikePresets(params, bike_type, height_m);
        return;
    }
    params.bike_type = bike_type;
    params.tyre = s.tyre;
    params.tyre_drag = kTyrePresets[s.tyre].drag;
    params.efficiency = ValidEfficiency(s.efficiency);
    params.bike_kg = s.bike_kg;
    params.front_wheel_kg = s.front_wheel_kg;
    params.rear_wheel_kg = s.rear_wheel_kg;
    params.load_kg = s.load_kg;
    params.rider_cwa = s.rider_cwa;
    params.bike_cwa = s.bike_cwa;
    params.reserved = s.reserved;
    params.rolling = s.rolling;
}

PowerModelParams LoadPowerModelParams(const PowerModelFile& file, const RiderRecord& rider,
                                      PowerModelParams params) {
    if (rider.weight_kg > 20.0f) params.rider_kg = rider.weight_kg;
    SelectBikeType(params, file, file.selected_bike, rider.height_m);
    return params;
}

void AcceptBike(PowerModelParams& params, PowerModelFile& file) {
    params.efficiency = ValidEfficiency(params.efficiency);
    if (params.bike_type < 0 || params.bike_type >= kBikeTypeCount)
        params.bike_type = kDefaultBikeType;
    PowerModelSlot& s = file.slots[static_cast<std::size_t>(params.bike_type)];
    s.bike_type = static_cast<std::uint8_t>(params.bike_type);
    s.tyre = static_cast<std::uint8_t>(std::clamp(params.tyre, 0, kTyreCount - 1));
    s.efficiency = params.efficiency;
    s.bike_kg = params.bike_kg;
    s.front_wheel_kg = params.front_wheel_kg;
    s.rear_wheel_kg = params.rear_wheel_kg;
    s.load_kg = params.load_kg;
    s.rider_cwa = params.rider_cwa;
    s.bike_cwa = params.bike_cwa;
    s.reserved = params.reserved;
    s.rolling = params.rolling;
    file.selected_bike = params.bike_type;
}

}  // namespace vx
