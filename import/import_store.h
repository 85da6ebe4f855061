// What the store buttons of the HRM, SRM and TCX import windows do with the imported trip:
// the modelled power for a bike trip without a power meter, the standstill removal of the
// format, the clearing of the channels a sport type does not keep, the length test, and the
// store itself through StoreNewTrip.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "import/compact_pauses.h"
#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

constexpr const char* kNotEvaluable = "DATEN NICHT AUSWERTBAR";
// A stored trip keeps at least this many records.
constexpr std::int32_t kMinStoredCount = 60;

// has_motion_data, has_power_data and the cadence test of the store buttons, over the
// samples 1 .. count-1 of a converted trip.
struct MotionFlags {
    bool has_motion_data = false;  // a sample with cadence or power above 5
    bool has_power_data = false;   // a sample with power above 5
    bool has_cadence = false;      // a sample with cadence above 5
};
MotionFlags ScanMotionFlags(const Trip& trip);

// The sport types the import window offers: 0 bike by power, 1 bike by heart rate, 2 run.
struct StoreButtons {
    bool bike_power = false;
    bool bike_heart_rate = false;
    bool run = false;
    bool offers(int sport_type) const;
};

// The buttons of the HRM and TCX windows: bike by power when some sample has cadence, bike by
// heart rate always, run unless the trip has motion data.
StoreButtons MotionStoreButtons(const MotionFlags& flags);

// The steps that other parts of the program supply. An empty step is skipped.
struct ImportStoreSteps {
    // Fills power_w from the power model (channel preparation and the model with apply).
    std::function<void(Trip&)> model_power;
};

// The program's own steps, the same power model as the FIT import uses: the parameters of the
// rider's data root (its POW_CALC.GRD, else the presets) with the current rider's mass, the
// breakdown written to CALC_POWER.CSV in the data root.
ImportStoreSteps RiderImportStoreSteps(const RiderTrips& trips, const Settings& settings);

struct StorePrepared {
    bool ok = false;
    std::string message;  // why the trip cannot be stored under that sport type
    int sport_type = 0;
    PauseResult compaction = PauseResult::Unchanged;
};

// How a format stores its trips.
struct StoreRules {
    // The standstill removal before a bike trip is stored; none keeps every sample.
    std::optional<PausePolicy> compaction;
};

// Prepares trip, the converted trip, for StoreNewTrip under sport_type:
// - 0: the modelled power when the trip has no power data, then the standstill removal;
// - 1: the standstill removal, then power_w cleared when the trip has no power data;
// - 2: power_w and cadence_rpm cleared, nothing removed.
// A sport type the buttons do not offer is refused. A trip of fewer than kMinStoredCount
// records is refused with kNotEvaluable; the trip is then left as it was (the modelled power
// is taken back), so another sport type can be stored from the same data.
StorePrepared PrepareImportStore(Trip& trip, int sport_type, const StoreButtons& buttons,
                                 const MotionFlags& flags, const StoreRules& rules,
                                 const ImportStoreSteps& steps);

// Prepares a copy of trip and stores it as a new trip under base_name; on success trip becomes
// the stored trip, otherwise it stays the converted trip and the message says why.
StoreResult StoreImportedTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                              const std::string& base_name, int sport_type,
                              const StoreButtons& buttons, const MotionFlags& flags,
                              const StoreRules& rules, const ImportStoreSteps& steps);

}  // namespace vx
