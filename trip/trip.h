// A trip in memory: the record array with the header in record 0, and the blocks that follow
// the records in a DEO file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

constexpr std::int32_t kMinTripCount = 5;
constexpr std::int32_t kMaxTripCount = 199999;
// Room behind the longest trip: views read up to 500 records past the last sample, and
// importers leave their last converted sample at index count.
constexpr std::size_t kTripCapacity = 200500;
constexpr std::size_t kTripRecordSize = 40;

constexpr float kZoneBlockMarker = 5555.0f;
constexpr std::int32_t kNoteFlag = 0x20;
constexpr std::size_t kNoteSize = 330;
constexpr std::size_t kZoneBlockSize = 15;
constexpr std::size_t kCurveScaleSize = 10;
constexpr std::size_t kTrailerSize = 20;
// Bytes of a DEO file besides count and records: zone block, curve scale, note, trailer.
constexpr std::size_t kDeoBlocksSize = 60 + 40 + kNoteSize + kTrailerSize;

struct TripRecord {
    std::int32_t time_s = 0;
    float distance_km = 0;
    float power_w = 0;
    float cadence_rpm = 0;
    float altitude_m = 0;
    float speed_kmh = 0;
    float temperature_c = 0;
    float heart_rate_bpm = 0;
    std::int32_t pause_s = 0;
    std::uint8_t interval_no = 0;
    std::array<std::uint8_t, 3> reserved{};

    bool operator==(const TripRecord&) const = default;
};

// Record 0 seen as the trip header: the same 40 bytes under other names.
class TripHeader {
public:
    explicit TripHeader(TripRecord& r) : r_(r) {}
    std::int32_t& flags() { return r_.time_s; }
    float& zone_threshold() { return r_.power_w; }
    float& weight_x10() { return r_.cadence_rpm; }
    float& threshold_hr_run() { return r_.altitude_m; }
    float& offset() { return r_.speed_kmh; }
    float& k_factor() { return r_.temperature_c; }
    float& threshold_hr_bike() { return r_.heart_rate_bpm; }
    std::uint8_t& sport_type() { return r_.interval_no; }

private:
    TripRecord& r_;
};

using ZoneBlock = std::array<float, kZoneBlockSize>;
using CurveScale = std::array<float, kCurveScaleSize>;
using TripNote = std::array<char, kNoteSize>;

constexpr CurveScale kInitialCurveScale = {400, 500, 150, 50, 200, 25, 25, 0, 0, 0};

TripNote EmptyTripNote();  // two blanks and NUL
std::string NoteText(const TripNote& note);  // the bytes before the first NUL

// Axis maxima 0..4 that are zero, not a number or implausibly large get their defaults;
// negative values stay.
void ResetCurveScale(CurveScale& scale);

struct Trip {
    std::int32_t count = 0;  // records including the header
    std::vector<TripRecord> records = std::vector<TripRecord>(kTripCapacity);
    ZoneBlock zone_bounds{};
    CurveScale curve_scale = kInitialCurveScale;
    TripNote note = EmptyTripNote();
    std::int32_t sample_interval_s = 1;
    std::uint8_t sport_type = 0;  // the header's sport type as read last
    bool rewrite_pending = false;
    bool note_present = false;

    TripHeader header() { return TripHeader(records[0]); }

    // Every source of a new trip starts here: all records, the header, the zone bounds, the
    // note and the flags are cleared, so nothing of the previous trip leaks into the new one.
    // The curve scale stays (it carries the last used axis maxima).
    void resetForImport();
};

// The second trip: records only, for comparisons, clips and the regression.
struct SecondTrip {
    std::int32_t count = 0;
    std::vector<TripRecord> records = std::vector<TripRecord>(kTripCapacity);
};

// Sport types other than 1 and 2 count as 0 (bike analysed by power).
inline std::uint8_t NormalizeSportType(std::uint8_t s) { return (s == 1 || s == 2) ? s : 0; }

}  // namespace vx
