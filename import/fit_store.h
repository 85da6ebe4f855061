// Getting an imported FIT trip ready for storing under the sport type the user picked: the
// modelled power for a bike trip without a power meter, the FIT standstill removal, the
// altitude correction, and the clearing of channels a sport type does not keep.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "analysis/power_model_params.h"
#include "import/compact_pauses.h"
#include "import/fit_import.h"
#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

constexpr const char* kFitNotEvaluable = "DATEN NICHT AUSWERTBAR";

// The FIT variant of the standstill removal: a moving sample must advance its distance, two
// slow samples are kept, kept samples are renumbered one second apart, pauses shorter than
// 2 s are dropped and the altitude is levelled across pauses; the end is trimmed down to 30
// records at most, and fewer than 60 records cannot be stored as a bike trip.
constexpr PausePolicy kFitPausePolicy{
    .keep_indoor_trips = true,
    .moving_needs_distance = true,
    .slow_samples_kept = 2,
    .renumber_time = true,
    .seconds_per_sample = 1,
    .first_stop_gets_pause = true,
    .level_altitude_across_pauses = true,
    .trim_floor = 30,
    .min_count = 60,
};

constexpr std::int32_t kFitAltitudeSmoothingHalfWidth = 2;  // five samples

struct FitStoreOptions {
    bool remove_stops = true;         // the window's "No stops" unchecked
    bool altitude_correction = true;  // the window's "alt correction"
};

// The steps that other parts of the program supply. An empty step is skipped.
struct FitStoreSteps {
    // Fills power_w from the power model (channel preparation and the model with apply).
    std::function<void(Trip&)> model_power;
    // Re-fits a stepped altitude.
    std::function<void(Trip&)> refit_altitude;
    // Centred moving average of a channel (x[0] not read) with the given half width.
    std::function<std::vector<float>(std::span<const float>, std::int32_t)> smooth;
};

struct FitStorePrepared {
    bool ok = false;
    std::string message;  // kFitNotEvaluable when the bike trip is too short
    int sport_type = 0;
    PauseResult compaction = PauseResult::Unchanged;
};

// Prepares trip, a copy of the converted trip, for StoreNewTrip with the import's base name
// and the returned sport type. Sport type 0 (bike by power) and 1 (bike by heart rate) remove
// the standstills and can fail; 2 (run) clears power and cadence and always succeeds.
// Sport types the window does not offer for this import (see FitImport) are refused.
FitStorePrepared PrepareFitStore(Trip& trip, const FitImport& import, int sport_type,
                                 const FitStoreOptions& options, const FitStoreSteps& steps);

// The program's own steps: the power model with these parameters and apply (the breakdown is
// written to model_csv_path unless it is empty; a file that cannot be written is skipped),
// RefitAltitude, and SmoothChannel.
FitStoreSteps FitStoreStepsWith(const PowerModelParams& params, std::string model_csv_path = {});

// The power model parameters of the rider's data root (its POW_CALC.GRD, else the presets)
// with the current rider's mass, and the breakdown file CALC_POWER.CSV in the data root.
FitStoreSteps RiderFitStoreSteps(const RiderTrips& trips, const Settings& settings);

// Stores the converted trip as a new trip of sport_type, as the import window's store buttons
// and `velomatix-cli import` do: a copy of trip is prepared (PrepareFitStore) and handed to
// StoreNewTrip under the import's base name. On success trip becomes the stored trip. On
// failure nothing is stored and trip is still the converted trip, so that another sport type
// can be stored from it; the message is kFitNotEvaluable when a bike trip keeps fewer than 60
// records.
StoreResult StoreFitTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const FitImport& import, int sport_type, const FitStoreOptions& options,
                         const FitStoreSteps& steps);
// The same with RiderFitStoreSteps.
StoreResult StoreFitTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const FitImport& import, int sport_type, const FitStoreOptions& options);

}  // namespace vx
