#include "app/app_state.h"

#include "trip/paths.h"

namespace vx {

bool AppState::WriteSettings() {
    std::string error;
    if (settings_file.Write(settings, &error)) return true;
    info.push_back(error.empty() ? "settings file not written" : error);
    return false;
}

void AppState::LoadRider() {
    trips.paths = BuildPaths(base, settings.rider_folder, &info);
    LoadTripList(trips, settings.current_rider == kCollectionRider, &info);
}

bool AppState::SaveTripsIfModified(std::string* error) {
    if (!trips.modified()) return true;
    return SaveTripList(trips, error);
}

}  // namespace vx
