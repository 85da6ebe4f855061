// The current rider's trips: where they live, the trip list and the summary store, and the
// operations that load, save, add, copy and erase trips.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/evaluation_distributions.h"
#include "trip/csv_file.h"
#include "trip/paths.h"
#include "trip/settings.h"
#include "trip/summary_store.h"
#include "trip/trip.h"
#include "trip/trip_list.h"

namespace vx {

struct RiderTrips {
    Paths paths;
    TripList list;
    SummaryStore store;
    bool is_collection = false;
    bool loaded = false;  // false while the rider has no folder yet
    DistributionDisplay display;  // the distribution computed last

    // The list-modified flag: set by every change of the list or the store.
    bool modified() const { return list.modified; }
};

// Loads the trip list and summary store of the rider the paths were built for. Every summary
// record of the previous rider is invalidated first. A rider folder without a list gets the
// single line "ERASED :", written at once. Messages go to info.
void LoadTripList(RiderTrips& trips, bool is_collection, InfoList* info);

// Writes the list (Windows-1252, CR LF) and the store, each through a temporary file. Clears
// the modified flag only when both were written; otherwise keeps it and reports the error.
bool SaveTripList(RiderTrips& trips, std::string* error);

// The outcome of storing a trip.
struct StoreResult {
    bool ok = false;
    std::string message;  // why nothing was stored, or a warning
    std::string base_name;
    int trip_number = 0;
};

// The one door through which every new trip enters (importers, download, CSV import, the
// data table's copy): fills the header from the rider's settings (thresholds, weight, sport
// type, zone bounds), writes the DEO file, gives it a trip number, adds its list line, computes
// its summary records and saves list and store. The sport digit replaces index 15 of the base
// name. Nothing is stored, and the message says why, when the rider has no folder, the base
// name has not the list form, a trip of that start second is stored already, no number is
// free, or the file cannot be written.
StoreResult StoreNewTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const std::string& base_name, int sport_type);

// Imports DEO files into the rider's list: each file is read into trip and stored under its
// own base name (with the sport digit "0" inserted when the name has "_" at index 15), with
// the rider's power threshold and weight and its note on the list line. Files that do not load,
// are not named like trips, or are stored already are skipped with a line in info. Returns the
// number of trips imported.
int ImportDeoFiles(RiderTrips& trips, const Settings& settings, Trip& trip,
                   const std::vector<std::string>& files, InfoList* info);

// Reads a CSV sample table into trip and stores it as a bike-power trip named after the file
// ("..._c"), like ImportDeoFiles stores its trips.
StoreResult ImportCsvFile(RiderTrips& trips, const Settings& settings, Trip& trip,
                          const std::string& path, CsvDialect dialect);

// Copies the selected trips' DEO files into the COLLECTION folder and adds them to its list
// ("%03iPF;" numbering). Returns the number copied; skipped lines go to info.
int CopyToCollection(const RiderTrips& trips, const std::vector<std::string>& selection,
                     const RiderZones& rider_zones, Trip& trip, InfoList* info);

// Removes line index from the list, invalidates its summary records and releases its number.
// The DEO file stays on disk. Returns the released number (0 for a line without one).
int EraseTrip(RiderTrips& trips, std::size_t index);

// A trip note as a list line holds it: CR and LF become "|" and "~" (Windows-1252 in the file,
// UTF-8 here).
std::string NoteForListLine(const TripNote& note);

}  // namespace vx
