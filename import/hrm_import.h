// A Polar HRM heart-rate monitor file (text, version 106) into the current trip: the header
// lines of its [Params] section, the columns its mode string announces, one record per data
// line of [HRData] at the file's sample interval, and the store of the import window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/base_name.h"
#include "import/import_store.h"
#include "trip/trip.h"

namespace vx {

struct HrmImport {
    bool ok = false;
    std::string message;                // why nothing was imported
    std::vector<std::string> warnings;  // the data were imported all the same
    std::string base_name;              // "YYYYMMDD_HHMMSS__rider"
    CivilTime start;                    // date and start time as the file states them
    std::string mode;                   // the 8 characters of SMode
    std::int32_t interval_s = 0;
    std::int32_t count = 0;       // the trip's count: the record of the last data line
    std::int32_t data_lines = 0;  // data lines in the file (more than were read when cut)
    MotionFlags flags;

    // Speed, cadence, altitude and power columns as the mode string announces them.
    bool has_speed() const { return mode.size() > 0 && mode[0] == '1'; }
    bool has_cadence_column() const { return mode.size() > 1 && mode[1] == '1'; }
    bool has_altitude() const { return mode.size() > 2 && mode[2] == '1'; }
    bool has_power() const { return mode.size() > 3 && mode[3] == '1'; }

    // The store buttons of the import window: none when nothing was imported.
    StoreButtons buttons() const { return ok ? MotionStoreButtons(flags) : StoreButtons{}; }
};

// Data lines beyond this many are not read (record count is the last line's record).
constexpr std::int32_t kHrmMaxDataLines = kMaxTripCount;
// An "Interval=" of 238 announces R-R intervals instead of samples.
constexpr std::int32_t kHrmRrInterval = 238;

// Reads an HRM file's text into trip: record n (from 1) holds data line n at time_s
// 1 + (n - 1) x interval, its distance summed from the speeds before it; record 1's speed is
// 0. The header lines are found by name in [Params]; a file without Version=106, SMode, Date,
// StartTime, a usable Interval or [HRData] is refused, and so are files of fewer than 5 data
// lines. On failure the trip is left untouched.
HrmImport ImportHrm(std::string_view text, const std::string& rider_name, Trip& trip);
// The same from a path; a file that cannot be read is a failure too.
HrmImport ImportHrmPath(const std::string& path, const std::string& rider_name, Trip& trip);

// The standstill removal of the HRM window.
inline StoreRules HrmStoreRules() {
    return {.compaction = kHrmPausePolicy};
}

// What the window's store buttons do: PrepareImportStore with the HRM rules and buttons.
StorePrepared PrepareHrmStore(Trip& trip, const HrmImport& import, int sport_type,
                              const ImportStoreSteps& steps);
StoreResult StoreHrmTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const HrmImport& import, int sport_type, const ImportStoreSteps& steps);

}  // namespace vx
