// An SRM power-meter file (binary, "SRM7") into the current trip: the header, the marker and
// block tables, and the 14-byte data records at the file's recording interval, with the
// markers as interval numbers and the gaps between blocks as pauses.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "import/base_name.h"
#include "import/import_store.h"
#include "trip/trip.h"

namespace vx {

constexpr std::size_t kSrmHeaderSize = 86;
constexpr std::size_t kSrmMarkerSize = 270;
constexpr std::size_t kSrmBlockSize = 6;
constexpr std::size_t kSrmCalibrationSize = 7;
constexpr std::size_t kSrmRecordSize = 14;
// The ride's date counts days from 1880-01-01, which is this many days before 1970-01-01.
constexpr std::int64_t kSrmEpochDaysBefore1970 = 32872;

struct SrmMarker {
    std::string note;  // 255 bytes, Windows-1252 up to the first NUL, as UTF-8
    std::uint16_t first = 0, last = 0;
};

struct SrmBlock {
    std::uint32_t start_centiseconds = 0;  // since midnight
    std::uint16_t records = 0;
};

struct SrmImport {
    bool ok = false;
    std::string message;                // why nothing was imported
    std::vector<std::string> warnings;  // the data were imported all the same
    std::string base_name;              // "YYYYMMDD_HHMMSS__rider"
    CivilTime start;                    // ride date and the first block's start
    std::string identifier;             // "SRM7"
    std::uint16_t days = 0;
    std::uint16_t wheel_mm = 0;
    std::uint8_t interval_numerator = 0, interval_denominator = 0;
    std::int32_t interval_s = 0;
    std::string comment;             // 70 bytes, as UTF-8
    std::vector<SrmMarker> markers;  // entry 0 covers the file, 1 .. M the user's markers
    std::vector<SrmBlock> blocks;
    std::int32_t count = 0;      // data records read: the trip's count
    std::size_t bytes_read = 0;  // up to the end of the last record read
    MotionFlags flags;

    // The lines of the import window's information box (without today's date).
    std::vector<std::string> memo_lines() const;

    // Bike by power always, bike by heart rate unless the file has power data; no run.
    StoreButtons buttons() const {
        return ok ? StoreButtons{.bike_power = true,
                                 .bike_heart_rate = !flags.has_power_data,
                                 .run = false}
                  : StoreButtons{};
    }
};

// Reads an SRM file into trip. The identifier must be "SRM7"; the interval r1 / r2 must be
// one second or more; the header, marker and block tables must be complete. The records read
// are the fewest of marker 0's last record, the blocks' record counts, the complete records in
// the file and 199999; a file cut short keeps what it holds, with a warning. Record n's
// distance adds its speed over one interval; a block that starts later than the previous one
// ends gives its first record the gap as pause_s. On failure the trip is left untouched.
SrmImport ImportSrm(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip);
SrmImport ImportSrmPath(const std::string& path, const std::string& rider_name, Trip& trip);

// SRM trips are stored without standstill removal.
inline StoreRules SrmStoreRules() {
    return {};
}

StorePrepared PrepareSrmStore(Trip& trip, const SrmImport& import, int sport_type,
                              const ImportStoreSteps& steps);
StoreResult StoreSrmTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const SrmImport& import, int sport_type, const ImportStoreSteps& steps);

}  // namespace vx
