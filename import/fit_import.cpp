#include "import/fit_import.h"

#include <limits>

#include "import/fit_decoder.h"
#include "import/fit_records.h"
#include "import/fit_slots.h"
#include "trip/file_io.h"

namespace vx {

void SetFitMotionFlags(const Trip& trip, FitImport& import) {
    import.has_motion_data = import.has_power_data = import.has_cadence = false;
    for (std::int32_t i = 1; i < trip.count; ++i) {
        const TripRecord& r = trip.records[i];
        if (r.cadence_rpm > 5) import.has_cadence = true;
        if (r.power_w > 5) import.has_power_data = true;
    }
    import.has_motion_data = import.has_cadence || import.has_power_data;
}

FitImport ImportFit(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip,
                    const UtcOffsetFn& utc_offset) {
    FitImport result;
    FitActivityRead read = ReadFitActivity(file);
    result.warnings = std::move(read.warnings);
    if (!read.ok) {
        result.message = std::move(read.error);
        return result;
    }
    const FitActivity& activity = read.activity;
    result.laps = activity.laps;
    result.record_messages = static_cast<std::int64_t>(activity.records.size());
    FitSlots filled = FillFitSlots(activity, result.warnings);
    if (filled.last < 1) {
        result.message = kFitNoRecords;
        return result;
    }
    if (filled.last < kMinTripCount) {
        result.message =
            "only " + std::to_string(filled.last) + " s of records: too short for a trip";
        return result;
    }

    const std::uint32_t first = *filled.first_timestamp;
    const std::uint32_t start = activity.time_created.value_or(first);
    if (!activity.time_created)
        result.warnings.push_back("the file names no creation time; the first record's is used");
    result.base_name = LocalTripBaseName(kFitEpochUnixSeconds + start, rider_name, utc_offset);

    trip.resetForImport();
    const std::int32_t last = filled.last;
    for (std::int32_t i = 1; i < last; ++i) {
        const FitSlot& s = filled.slots[i];
        TripRecord& r = trip.records[i];
        r.time_s = i;
        r.speed_kmh = s.speed;
        r.distance_km = s.distance;
        r.heart_rate_bpm = s.heart_rate;
        r.power_w = s.power;
        r.cadence_rpm = s.cadence;
        r.altitude_m = s.altitude;
        r.temperature_c = s.temperature;
        r.interval_no = s.lap;
    }
    trip.records[1].distance_km = 0;
    trip.records[1].speed_kmh = 0;
    trip.records[1].time_s = 1;
    if (activity.time_created && first >= *activity.time_created &&
        first - *activity.time_created <= std::uint32_t(std::numeric_limits<std::int32_t>::max()))
        trip.records[1].pause_s = static_cast<std::int32_t>(first - *activity.time_created);
    trip.count = last;
    trip.sample_interval_s = 1;

    result.count = trip.count;
    SetFitMotionFlags(trip, result);
    result.ok = true;
    return result;
}

FitImport ImportFitPath(const std::string& path, const std::string& rider_name, Trip& trip,
                        const UtcOffsetFn& utc_offset) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) {
        FitImport result;
        result.message = error.empty() ? "cannot read " + path : error;
        return result;
    }
    return ImportFit(bytes, rider_name, trip, utc_offset);
}

}  // namespace vx
