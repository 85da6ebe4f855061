#include "trip/trip_store.h"

#include "trip/file_io.h"

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
