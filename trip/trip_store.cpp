#include "trip/trip_store.h"

#include <cctype>
#include <cstdio>

#include "analysis/evaluation_summary.h"
#include "analysis/evaluation_zones.h"
#include "trip/cp1252.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"
#include "trip/zone_bounds.h"

namespace vx {

void LoadTripList(RiderTrips& trips, bool is_collection, InfoList* info) {
    trips.store.InvalidateAll();
    trips.list = TripList{};
    trips.is_collection = is_collection;
    trips.loaded = false;
    if (!DirectoryExists(trips.paths.rider_folder)) {
        ParseTripList(trips.list, is_collection);
        return;
    }
    trips.loaded = true;

    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(trips.paths.trip_list, bytes, &error) != ReadFileStatus::Ok) {
        trips.list.lines = {std::string(kErasedPrefix)};
        trips.store.highest = 1;
        ParseTripList(trips.list, is_collection);
        std::string write_error;
        if (!SaveTripList(trips, &write_error) && info) info->push_back(write_error);
        return;
    }
    trips.list.lines =
        DecodeListText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    CleanTripList(trips.list, is_collection);

    switch (ReadFileBytes(trips.paths.summary_store, bytes, &error)) {
        case ReadFileStatus::Ok: {
            std::string message;
            if (!DecodeSummaryStore(bytes, trips.store, &message) && info)
                info->push_back(trips.paths.summary_store + ": " + message +
                                "; the figures are rebuilt from the trip files");
            break;
        }
        case ReadFileStatus::Missing:
            trips.store.highest = 1;
            break;
        case ReadFileStatus::Unreadable:
            if (info) info->push_back("Cannot open output file. " + error);
            trips.store.highest = 1;
            break;
    }
    // The numbers on the lines count even when the store is lost.
    trips.store.highest = HighestTripNumber(trips.list, trips.store.highest);
}

bool SaveTripList(RiderTrips& trips, std::string* error) {
    const std::string text = EncodeListText(trips.list.lines);
    if (!WriteFileAtomically(trips.paths.trip_list,
                             std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                             error))
        return false;
    if (!WriteFileAtomically(trips.paths.summary_store, EncodeSummaryStore(trips.store), error))
        return false;
    trips.list.modified = false;
    return true;
}

}  // namespace vx

namespace vx {

namespace {

bool IsNamedRider(const RiderTrips& trips) { return trips.loaded; }

std::string WithSportDigit(std::string name, int sport_type) {
    const char digit = static_cast<char>('0' + sport_type);
    if (name.size() > 15)
        name[15] = digit;
    else if (name.size() == 15)
        name += digit;
    return name;
}

std::string NumberedLine(const std::string& base, int number, const std::string& rest) {
    char num[8];
    std::snprintf(num, sizeof num, ";%03i;", number);
    return base + num + rest;
}

// Everything storing, DEO import and CSV import share: the file must be new, a number must be
// free and the file written before the list changes; then line, summary and zone times.
StoreResult AddStoredTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                          const std::string& base, const std::string& line_rest) {
    StoreResult r;
    r.base_name = base;
    if (!IsNamedRider(trips)) {
        r.message = "The rider has no folder yet: choose or name a rider first.";
        return r;
    }
    if (!IsValidListLine(base) || base.size() < 16) {
        r.message = "\"" + base + "\" is not a trip name (date, \"_\", time, sport digit).";
        return r;
    }
    const std::string path = trips.paths.rider_folder + "/" + base + ".DEO";
    if (FileExists(path)) {
        r.message = "A trip starting at the same second is stored already: " + base + ".DEO";
        return r;
    }
    TripList list = trips.list;
    int highest = trips.store.highest;
    std::optional<int> number = AllocateTripNumber(list, highest, &r.message);
    if (!number) return r;
    if (!SaveTripFile(trips.paths.rider_folder, base, trip)) {
        r.message = "Cannot open output file. The trip was not stored: " + path;
        return r;
    }
    trips.list = std::move(list);
    trips.store.highest = highest;
    AddListLine(trips.list, NumberedLine(base, *number, line_rest));

    const int n = *number;
    SummarizeTrip(trip, settings, n, trips.store.summaries[n], trips.store.zone_times[n],
                  trips.store.distributions[n], trips.display);
    ParseTripList(trips.list, trips.is_collection);
    ComputeZoneTimes(trip, trip.sport_type, trips.store.zone_times[n], trips.store.distributions[n]);
    trips.list.modified = true;
    r.ok = true;
    r.trip_number = n;
    return r;
}

void FillHeaderFromRider(Trip& trip, const Settings& settings, int sport_type) {
    const RiderZones& zones = settings.current_zones();
    TripHeader h = trip.header();
    h.zone_threshold() = zones[sport_type][0];
    h.threshold_hr_bike() = zones[1][0];
    h.threshold_hr_run() = zones[2][0];
    h.weight_x10() = settings.current().weight_kg * 10;
    h.sport_type() = static_cast<std::uint8_t>(sport_type);
    trip.sport_type = static_cast<std::uint8_t>(sport_type);
    ApplyZoneBounds(trip.zone_bounds, zones[sport_type], zones[sport_type][0]);
}

std::string FileNameOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name without a ".DEO" extension of any case, or nullopt when it has none.
std::optional<std::string> DeoStem(const std::string& file_name) {
    if (file_name.size() < 4) return std::nullopt;
    std::string ext = file_name.substr(file_name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ext != ".DEO") return std::nullopt;
    return file_name.substr(0, file_name.size() - 4);
}

}  // namespace

std::string NoteForListLine(const TripNote& note) {
    std::string text = NoteText(note);
    for (char& c : text) {
        if (c == '\r') c = '|';
        if (c == '\n') c = '~';
    }
    return Cp1252ToUtf8(text);
}

StoreResult StoreNewTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const std::string& base_name, int sport_type) {
    if (sport_type < 0 || sport_type > 2) sport_type = 0;
    static const char* const kMarkers[3] = {"*BIKE POWER", "*BIKE HR", "*RUN"};
    const std::string base = WithSportDigit(base_name, sport_type);
    FillHeaderFromRider(trip, settings, sport_type);
    StoreResult r = AddStoredTrip(trips, settings, trip, base, kMarkers[sport_type]);
    if (!r.ok) return r;
    std::string error;
    if (!SaveTripList(trips, &error))
        r.message = "The trip is stored, but the trip list could not be saved: " + error;
    return r;
}

int ImportDeoFiles(RiderTrips& trips, const Settings& settings, Trip& trip,
                   const std::vector<std::string>& files, InfoList* info) {
    auto say = [&](const std::string& line) {
        if (info) info->push_back(line);
    };
    int imported = 0;
    for (const std::string& path : files) {
        const std::string name = FileNameOf(path);
        say(path);
        std::optional<std::string> stem = DeoStem(name);
        std::optional<std::string> base = stem ? CheckedTripBaseName(*stem) : std::nullopt;
        if (!base) {
            say(name + ": not named like a trip (date, \"_\", time); skipped");
            continue;
        }
        TripLoad load = ReadTripPath(path, trip, settings.current_zones());
        if (!load) {
            say(name + ": " + load.reason + "; skipped");
            continue;
        }
        TripHeader h = trip.header();
        h.zone_threshold() = settings.current_zones()[0][0];
        h.weight_x10() = settings.current().weight_kg * 10;
        trip.note_present = (h.flags() & kNoteFlag) != 0;
        StoreResult r = AddStoredTrip(trips, settings, trip, *base,
                                      trip.note_present ? NoteForListLine(trip.note) : "");
        if (!r.ok) {
            say(name + ": " + r.message);
            continue;
        }
        ++imported;
    }
    return imported;
}

StoreResult ImportCsvFile(RiderTrips& trips, const Settings& settings, Trip& trip,
                          const std::string& path, CsvDialect dialect) {
    StoreResult r;
    const std::optional<std::string> base = CsvBaseName(FileNameOf(path));
    if (!base) {
        r.message = FileNameOf(path) + " is not named like a trip (date, \"_\", time).";
        return r;
    }
    std::vector<std::uint8_t> bytes;
    if (ReadFileBytes(path, bytes, &r.message) != ReadFileStatus::Ok) return r;
    CsvRead read = ParseCsvSamples(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), dialect, trip);
    if (!read.ok) {
        r.message = read.message;
        return r;
    }
    FillHeaderFromRider(trip, settings, 0);
    r = AddStoredTrip(trips, settings, trip, *base, "");
    if (!r.ok) return r;
    r.message = read.message;
    std::string error;
    if (!SaveTripList(trips, &error))
        r.message = "The trip is stored, but the trip list could not be saved: " + error;
    return r;
}

int CopyToCollection(const RiderTrips& trips, const std::vector<std::string>& selection,
                     const RiderZones& rider_zones, Trip& trip, InfoList* info) {
    const Paths& p = trips.paths;
    std::vector<std::string> lines;
    std::vector<std::uint8_t> bytes;
    if (ReadFileBytes(p.collection_list, bytes) == ReadFileStatus::Ok)
        lines = DecodeListText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!lines.empty() && lines.back().rfind("ER", 0) == 0) lines.pop_back();
    if (!MakeDirectories(p.collection_folder)) {
        if (info) info->push_back("Cannot create the folder " + p.collection_folder);
        return 0;
    }
    int copied = 0;
    for (const std::string& line : selection) {
        if (IsManualEntry(line) || line.find(';') == std::string::npos) continue;
        const std::string base = BaseNameOfLine(line);
        TripLoad load = ReadTripPath(p.rider_folder + "/" + base + ".DEO", trip, rider_zones);
        std::string error;
        if (!load || !WriteTripPath(p.collection_folder + "/" + base + ".DEO", trip, &error)) {
            if (info) info->push_back(base + ": " + (load ? error : load.reason) + "; not copied");
            continue;
        }
        char num[16];
        std::snprintf(num, sizeof num, ";%03iPF;", static_cast<int>(lines.size() % 1000) + 1);
        lines.push_back(base + num + NoteOfLine(line));
        ++copied;
    }
    lines.push_back(std::string(kErasedPrefix));
    const std::string text = EncodeListText(lines);
    std::string error;
    if (!WriteFileAtomically(p.collection_list,
                             std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                             &error) &&
        info)
        info->push_back(error);
    return copied;
}

int EraseTrip(RiderTrips& trips, std::size_t index) {
    const int n = EraseListLine(trips.list, index, trips.is_collection);
    if (n > 0) trips.store.Invalidate(n);
    return n;
}

}  // namespace vx
