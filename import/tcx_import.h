// A Garmin Training Center file (TCX, XML) into the current trip: each trackpoint is placed at
// the second it was recorded, the trackpoints with a distance are the anchors between which
// the seconds are interpolated, and the speed comes from the distance.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "import/base_name.h"
#include "import/import_store.h"
#include "trip/trip.h"

namespace vx {

constexpr const char* kTcxTrackpointCut = "gestoppt not ptr_e";
// Below this many metres per second between two anchors the later one keeps the earlier
// one's distance (standing still).
constexpr double kTcxStandstillKmPerSecond = 0.0005;

struct TcxImport {
    bool ok = false;
    std::string message;                // why nothing was imported
    std::vector<std::string> warnings;  // the data were imported all the same
    std::string base_name;              // "YYYYMMDD_HHMMSS__rider", local time
    CivilTime start;                    // the first trackpoint's time as local time
    std::int64_t start_unix = 0;        // the same instant in seconds since 1970 (UTC)
    std::int32_t count = 0;             // the trip's count: the last distance anchor
    std::int32_t trackpoints = 0;       // trackpoints in the file
    std::int32_t anchors = 0;           // trackpoints whose distance was taken
    std::size_t bytes = 0;              // size of the file read
    MotionFlags flags;

    StoreButtons buttons() const { return ok ? MotionStoreButtons(flags) : StoreButtons{}; }
};

// A TCX time "YYYY-MM-DDThh:mm:ss" with an optional fraction and an optional zone ("Z",
// "+hh:mm", "-hh:mm", "+hhmm"); a time without zone is UTC. Seconds since 1970 (UTC) with
// their fraction, or nothing when the text is not such a time.
std::optional<double> ParseTcxTime(std::string_view text);

// Reads a TCX file into trip. Elements are matched by their local name, so any namespace
// prefix works ("ns3:Watts"). Trackpoint s sits at record 1 + its seconds after the first
// trackpoint (rounded); trackpoints outside records 1 .. 199999 are left out with a warning.
// The values between two distance anchors are interpolated, a slower advance than 0.5 m/s is
// a standstill; the speed is the centred difference of the distance. A file without any
// trackpoint distance, or whose anchors span fewer than 5 records, is refused. A file that
// ends inside a trackpoint keeps the trackpoints before it. On failure the trip is left
// untouched. utc_offset gives the local time of the start instant for the base name.
TcxImport ImportTcx(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip,
                    const UtcOffsetFn& utc_offset = LocalUtcOffset);
TcxImport ImportTcxPath(const std::string& path, const std::string& rider_name, Trip& trip,
                        const UtcOffsetFn& utc_offset = LocalUtcOffset);

// The standstill removal of the TCX window.
inline StoreRules TcxStoreRules() {
    return {.compaction = kTcxPausePolicy};
}

StorePrepared PrepareTcxStore(Trip& trip, const TcxImport& import, int sport_type,
                              const ImportStoreSteps& steps);
StoreResult StoreTcxTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const TcxImport& import, int sport_type, const ImportStoreSteps& steps);

}  // namespace vx
