// The three per-trip records the evaluation fills and the summary store keeps, with their
// fixed little-endian layouts: TripSummary (108 bytes), ZoneTimes (80), TripDistribution (992).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "trip/byte_io.h"

namespace vx {

// A ZoneTimes or TripDistribution record holding this marker is valid.
constexpr std::int32_t kSummaryRecordMarker = 3021;

constexpr std::size_t kTripSummarySize = 108;
constexpr std::size_t kZoneTimesSize = 80;
constexpr std::size_t kTripDistributionSize = 992;

constexpr int kZoneBins = 10;
constexpr int kHistogramBins = 40;
constexpr int kPowerHistogramSlots = 60;
constexpr int kPowerHistogramBins = 51;  // slots 0..50 are filled, the rest stay 0

struct TripSummary {
    std::int32_t total_time_s = 0;  // 0
    std::int32_t climb_time_s = 0;  // 4
    float distance_km = 0;          // 8
    float climb_distance_km = 0;    // 12
    float ascent_m = 0;             // 16
    float min_altitude_m = 0;       // 20, 20000 when no altitude was valid
    float max_altitude_m = 0;       // 24
    float avg_power_w = 0;          // 28, zero samples included
    float avg_power_nonzero_w = 0;  // 32, samples with power above 0
    float avg_power_climb_w = 0;    // 36, bike by power only
    float max_power_w = 0;          // 40
    float np_w = 0;                 // 44
    float intensity_factor = 0;     // 48
    float tss = 0;                  // 52
    float work_kj = 0;              // 56
    float avg_hr = 0;               // 60, all samples
    float max_hr = 0;               // 64
    float avg_cadence = 0;          // 68, samples with cadence above 0
    float max_cadence = 0;          // 72
    float avg_speed_kmh = 0;        // 76, all samples
    float max_speed_kmh = 0;        // 80
    float avg_temperature_c = 0;    // 84
    std::int32_t power_time_s = 0;  // 88, time with power above 0
    float weight_kg = 0;            // 92; 12 reserved bytes follow

    bool operator==(const TripSummary&) const = default;
};

// Zone modes stored by ComputeZoneTimes.
constexpr std::int32_t kZoneModePower = 0;
constexpr std::int32_t kZoneModeHeartRateBike = 1;
constexpr std::int32_t kZoneModeHeartRateRun = 2;

struct ZoneTimes {
    std::array<std::int32_t, kZoneBins> seconds{};  // 0: bins "NULL", "Zone1".."Zone6", 7, 8, 9
    // 40: 24 reserved bytes
    std::int32_t mode = 0;               // 64
    std::int32_t sample_interval_s = 0;  // 68
    std::int32_t count = 0;              // 72, records including the header
    std::int32_t marker = 0;             // 76

    bool valid() const { return marker == kSummaryRecordMarker; }
    bool operator==(const ZoneTimes&) const = default;
};

struct TripDistribution {
    std::int32_t marker = 0;                                    // 0
    std::int32_t duration_s = 0;                                // 4
    std::int32_t peak_5 = 0;                                    // 8, best mean power over 5 records
    std::int32_t peak_60 = 0;                                   // 12
    std::int32_t peak_300 = 0;                                  // 16
    std::int32_t peak_1200 = 0;                                 // 20; 8 reserved bytes follow
    std::array<std::int32_t, kHistogramBins> hr_histogram_s{};  // 32, 5/min from 60
    std::array<std::int32_t, kHistogramBins> cadence_histogram_s{};      // 192, 3/min from 40
    std::array<std::int32_t, kHistogramBins> speed_histogram_s{};        // 352, 2 km/h from 3
    std::array<std::int32_t, kPowerHistogramSlots> power_histogram_s{};  // 512, 10 W from 20
    // 752: the zone bounds block truncated to integers: 5555, b1..b9. 200 reserved bytes follow.
    std::array<std::int32_t, kZoneBins> zone_bounds{};

    bool valid() const { return marker == kSummaryRecordMarker; }
    bool operator==(const TripDistribution&) const = default;
};

// Each Encode appends exactly the record's size to the writer.
void EncodeTripSummary(const TripSummary& s, ByteWriter& w);
void EncodeZoneTimes(const ZoneTimes& z, ByteWriter& w);
void EncodeTripDistribution(const TripDistribution& d, ByteWriter& w);
std::vector<std::uint8_t> EncodeTripSummary(const TripSummary& s);
std::vector<std::uint8_t> EncodeZoneTimes(const ZoneTimes& z);
std::vector<std::uint8_t> EncodeTripDistribution(const TripDistribution& d);

// Each Decode reads one record from the start of bytes; with fewer bytes than the record's
// size it returns false and leaves the record untouched. Reserved bytes are ignored.
bool DecodeTripSummary(std::span<const std::uint8_t> bytes, TripSummary& s);
bool DecodeZoneTimes(std::span<const std::uint8_t> bytes, ZoneTimes& z);
bool DecodeTripDistribution(std::span<const std::uint8_t> bytes, TripDistribution& d);

}  // namespace vx
