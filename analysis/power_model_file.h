// The power model's parameter file "POW_CALC.GRD": the selected bike type and one slot of
// stored parameters per bike type (484 bytes, little-endian).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/power_model_params.h"

namespace vx {

constexpr std::size_t kPowerModelFileSize = 484;
constexpr std::size_t kPowerModelSlotSize = 48;
constexpr int kPowerModelSlotCount = 10;  // slots 7..9 stay empty

struct PowerModelSlot {
    std::uint8_t bike_type = 0;
    std::uint8_t tyre = 0;
    float efficiency = 0;
    float bike_kg = 0;
    float front_wheel_kg = 0;
    float rear_wheel_kg = 0;
    float load_kg = 0;
    float rider_cwa = 0;
    float bike_cwa = 0;
    float reserved = 0;
    float rolling = 0;

    bool operator==(const PowerModelSlot&) const = default;
};

struct PowerModelFile {
    std::int32_t selected_bike = kDefaultBikeType;
    std::array<PowerModelSlot, kPowerModelSlotCount> slots{};

    bool operator==(const PowerModelFile&) const = default;
};

// A slot holds a bike of its own once its bike mass is above 3 kg.
bool SlotConfigured(const PowerModelSlot& slot);

std::vector<std::uint8_t> EncodePowerModelFile(const PowerModelFile& file);
// Refuses files that are short or select a bike type outside 0..6, with the reason. A slot
// that is damaged (a tyre outside the table, values that are no numbers or negative) is
// emptied, so that its bike type starts from the presets again.
std::optional<PowerModelFile> DecodePowerModelFile(std::span<const std::uint8_t> bytes,
                                                   std::string* reason = nullptr);
// The file at path; a file that is missing or refused gives the empty file (bike type 2).
PowerModelFile ReadPowerModelFile(const std::string& path);
bool WritePowerModelFile(const std::string& path, const PowerModelFile& file,
                         std::string* error = nullptr);

// Selecting a bike type: a configured slot gives its stored values, any other type its
// presets for the current rider mass and the given height.
void SelectBikeType(PowerModelParams& params, const PowerModelFile& file, std::int32_t bike_type,
                    float height_m);
// The parameters as the parameter window shows them on activation: the rider mass from the
// rider profile when above 20 kg, then the file's selected bike type.
PowerModelParams LoadPowerModelParams(const PowerModelFile& file, const RiderRecord& rider,
                                      PowerModelParams params = {});
// Accepting a bike: the efficiency is validated, then the parameters go into the slot of their
// bike type, which becomes the selected one.
void AcceptBike(PowerModelParams& params, PowerModelFile& file);

}  // namespace vx
