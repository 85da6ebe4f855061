// One time slot per second of a FIT activity: the record messages are placed at their own
// second, then the gaps are filled. Altitude is interpolated between the slots that have one;
// the other values are held from the slot before where a slot has none (a field the record
// did not hold, held invalid or out of range, or a second without a record); across seconds
// without a record the distance is interpolated when it rises at walking pace or more, so a
// sparsely recorded ride keeps moving while a pause stays a pause.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/fit_records.h"

namespace vx {

constexpr std::uint8_t kSlotTimestamp = 0x01;
constexpr std::uint8_t kSlotAltitude = 0x02;
constexpr std::uint8_t kSlotData = 0x04;

// Bits of FitSlot::set: the values a record message gave the slot.
constexpr std::uint8_t kSetDistance = 0x01;
constexpr std::uint8_t kSetSpeed = 0x02;
constexpr std::uint8_t kSetHeartRate = 0x04;
constexpr std::uint8_t kSetPower = 0x08;
constexpr std::uint8_t kSetCadence = 0x10;
constexpr std::uint8_t kSetTemperature = 0x20;

struct FitSlot {
    std::uint8_t flags = 0;
    std::uint8_t set = 0;
    std::uint8_t lap = 0;
    float power = 0;
    float cadence = 0;
    float heart_rate = 0;
    float speed = 0;
    float altitude = 0;
    float temperature = 0;
    float distance = 0;
};

// Slot 1 is the second of the first record's timestamp; slot 199999 the last one a trip holds.
constexpr std::int32_t kMaxFitSlot = 199999;

struct FitSlots {
    std::vector<FitSlot> slots;  // index 0 unused
    std::int32_t last = 0;       // the last slot with data (the record just past the trip); 0: none
    std::optional<std::uint32_t> first_timestamp;
    std::int64_t cut_records = 0;      // records after slot 199999
    std::int64_t early_records = 0;    // records before the first timestamp
    std::int64_t untimed_records = 0;  // records without a slot to go to
};

// Speed from which a gap without records counts as ridden through (km/h).
constexpr double kFitGapMovingKmh = 1.5;

// Places the records and fills the gaps. Lines about dropped records go to warnings.
FitSlots FillFitSlots(const FitActivity& activity, std::vector<std::string>& warnings);

}  // namespace vx
