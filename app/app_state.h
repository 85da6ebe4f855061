// The process-wide data of the program: one object, owned by main and handed to every window.
// Core functions take the parts they work on, so tests build their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/power_model.h"
#include "analysis/power_model_params.h"
#include "trip/settings.h"
#include "trip/settings_file.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

struct AppState {
    std::string base;  // the data root
    Settings settings = DefaultSettings();
    SettingsFile settings_file{""};
    RiderTrips trips;                                       // list, store, paths
    std::unique_ptr<Trip> trip = std::make_unique<Trip>();  // the current trip
    std::unique_ptr<Trip> second_trip = std::make_unique<Trip>();
    std::vector<std::string> selection;  // list lines marked for a bulk operation
    std::vector<std::string> marked;     // list lines whose trips are re-evaluated
    InfoList info;                       // lines for the main window's info list
    std::string start_file;              // the command-line argument
    std::uint8_t zones_defined = 0;      // bit per sport type, for this program run
    bool small_screen = false;
    PowerModelParams power_model;  // the model's parameters, changed only by its window
    PowerModelRun model_run;       // results of the last model run, for the views
    bool rewrite_pending = false;  // the current trip changed and goes back to its file

    // Writes the settings file; false (with the reason in info) when it cannot be written or
    // the file found at start could not be read.
    bool WriteSettings();
    // Builds the paths for the current rider and loads its trip list and summary store.
    void LoadRider();
    // Saves list and store while the list-modified flag is set.
    bool SaveTripsIfModified(std::string* error);
};

}  // namespace vx
