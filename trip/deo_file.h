// The DEO trip file: count, records, zone bounds block, curve scale block, note, trailer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "trip/trip.h"
#include "trip/zone_table.h"

namespace vx {

struct TripLoad {
    bool loaded = false;
    std::string reason;  // why nothing was loaded
    explicit operator bool() const { return loaded; }
};

// Fills the trip from the bytes of a whole DEO file. On failure the trip is left untouched.
// rider_zones is the current rider's zone table, used to rebuild a missing zone bounds block.
TripLoad ReadTripBytes(std::span<const std::uint8_t> file, Trip& trip,
                       const RiderZones& rider_zones);
// The same from a file open for reading (read from its start).
TripLoad ReadTripFile(std::FILE* file, Trip& trip, const RiderZones& rider_zones);
TripLoad ReadTripPath(const std::string& path, Trip& trip, const RiderZones& rider_zones);

// The file image of the trip, exactly 40 x count + 454 bytes; empty when count is out of range.
// Sets the note flag in the header when the trip carries a note.
std::vector<std::uint8_t> EncodeTripFile(Trip& trip);
// Writes the trip from the file's start; writes nothing and returns false when count is out
// of range or the write fails.
bool WriteTripFile(std::FILE* file, Trip& trip);
// Writes the trip to an existing or new file at path through a temporary file beside it.
bool WriteTripPath(const std::string& path, Trip& trip, std::string* error = nullptr);
// Stores the trip as rider_folder/base_name.DEO. On failure writes "Cannot open output file."
// to the error stream and returns false; the old file stays as it was.
bool SaveTripFile(const std::string& rider_folder, const std::string& base_name, Trip& trip);

// Reads the whole of an open file from its start.
bool ReadWholeFile(std::FILE* file, std::vector<std::uint8_t>& out);

}  // namespace vx
