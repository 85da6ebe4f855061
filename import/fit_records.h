// What the import takes from a FIT activity: the start from the file_id message, the lap
// count, and every record message decoded whole.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

enum class FitValue : std::uint8_t {
    Altitude,     // raw: 1/5 m with 500 m offset (field 2, or 78 when 2 is absent)
    HeartRate,    // raw: 1/min (field 3)
    Cadence,      // raw: 1/min (field 4)
    Distance,     // raw: cm (field 5)
    Speed,        // raw: mm/s (field 6, or 73 when 6 is absent)
    Power,        // raw: W (field 7)
    Temperature,  // raw: degrees C (field 13)
};
constexpr int kFitValueCount = 7;

// One record message. A field that is missing or holds its type's invalid value is absent.
struct FitRecord {
    std::optional<std::uint32_t> timestamp;  // field 253 or the compressed-timestamp header
    std::uint8_t lap = 0;                    // lap messages read before this record
    std::uint8_t present = 0;                // one bit per FitValue
    std::array<std::int64_t, kFitValueCount> raw{};

    bool has(FitValue v) const { return present & (1u << static_cast<int>(v)); }
    std::int64_t get(FitValue v) const { return raw[static_cast<int>(v)]; }
    void set(FitValue v, std::int64_t value) {
        present |= static_cast<std::uint8_t>(1u << static_cast<int>(v));
        raw[static_cast<int>(v)] = value;
    }
};

// Raw values in the trip's units.
inline double FitAltitudeM(std::int64_t raw) {
    return (double(raw) - 2500.0) * 0.2;
}
inline double FitDistanceKm(std::int64_t raw) {
    return double(raw) * 0.00001;
}
inline double FitSpeedKmh(std::int64_t raw) {
    return double(raw) * 0.0036;
}

struct FitActivity {
    std::optional<std::uint32_t> time_created;  // of the first file_id message
    std::vector<FitRecord> records;
    std::int32_t laps = 0;
};

struct FitActivityRead {
    bool ok = false;
    std::string error;
    std::vector<std::string> warnings;
    FitActivity activity;
};

// Decodes the file and collects its activity. On failure the activity is empty.
FitActivityRead ReadFitActivity(std::span<const std::uint8_t> file);

}  // namespace vx
