// A FIT activity file into the current trip: decoding, the slot fill and the conversion, with
// the figures the import window and the store need afterwards.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "import/base_name.h"
#include "trip/trip.h"

namespace vx {

constexpr const char* kFitNoRecords = "no records";

struct FitImport {
    bool ok = false;
    std::string message;                // why nothing was imported
    std::vector<std::string> warnings;  // the data were imported all the same
    std::string base_name;              // "YYYYMMDD_HHMMSS__rider"
    std::int32_t count = 0;             // the trip's count
    std::int32_t laps = 0;
    std::int64_t record_messages = 0;
    bool has_motion_data = false;  // a sample with cadence or power above 5
    bool has_power_data = false;   // a sample with power above 5
    bool has_cadence = false;      // a sample with cadence above 5

    // The store buttons of the import window.
    bool can_store_bike_power() const { return ok && has_cadence; }
    bool can_store_bike_heart_rate() const { return ok; }
    bool can_store_run() const { return ok && !has_motion_data; }
};

// Reads a whole FIT file into trip: records 1 .. count-1 one second apart, the laps as
// interval numbers, record 1's pause_s the delay from the file's creation to its first record.
// The base name takes the file's creation time (the first record's time when the file has
// none) as local time. On failure the trip is left untouched.
FitImport ImportFit(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip,
                    const UtcOffsetFn& utc_offset = LocalUtcOffset);
// The same from a path; a file that cannot be read is a failure too.
FitImport ImportFitPath(const std::string& path, const std::string& rider_name, Trip& trip,
                        const UtcOffsetFn& utc_offset = LocalUtcOffset);

// has_motion_data, has_power_data and has_cadence over records 1 .. count-1.
void SetFitMotionFlags(const Trip& trip, FitImport& import);

}  // namespace vx
