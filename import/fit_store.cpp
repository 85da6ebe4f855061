#include "import/fit_store.h"

namespace vx {

namespace {

void CorrectAltitude(Trip& trip, const FitStoreSteps& steps) {
    if (steps.refit_altitude) steps.refit_altitude(trip);
    if (!steps.smooth || trip.count < 3) return;
    std::vector<float> altitude(static_cast<std::size_t>(trip.count));
    for (std::int32_t i = 1; i < trip.count; ++i) altitude[i] = trip.records[i].altitude_m;
    const std::vector<float> smoothed = steps.smooth(altitude, kFitAltitudeSmoothingHalfWidth);
    for (std::int32_t i = 2; i < trip.count && std::size_t(i) < smoothed.size(); ++i)
        trip.records[i].altitude_m = smoothed[i];
}

void ClearChannel(Trip& trip, float TripRecord::*field) {
    for (std::int32_t i = 1; i <= trip.count && std::size_t(i) < trip.records.size(); ++i)
        trip.records[i].*field = 0;
}

}  // namespace

FitStorePrepared PrepareFitStore(Trip& trip, const FitImport& import, int sport_type,
                                 const FitStoreOptions& options, const FitStoreSteps& steps) {
    FitStorePrepared out;
    out.sport_type = sport_type;
    const bool offered = sport_type == 0   ? import.can_store_bike_power()
                         : sport_type == 1 ? import.can_store_bike_heart_rate()
                         : sport_type == 2 ? import.can_store_run()
                                           : false;
    if (!offered) {
        out.message = import.ok ? "this trip cannot be stored as sport type " +
                                      std::to_string(sport_type)
                                : import.message;
        return out;
    }
    if (sport_type == 2) {
        ClearChannel(trip, &TripRecord::power_w);
        ClearChannel(trip, &TripRecord::cadence_rpm);
        out.ok = true;
        return out;
    }
    if (sport_type == 0 && !import.has_power_data && steps.model_power) steps.model_power(trip);
    out.compaction =
        CompactPauses(trip, kFitPausePolicy, import.has_motion_data, options.remove_stops);
    if (out.compaction == PauseResult::TooShort) {
        out.message = kFitNotEvaluable;
        return out;
    }
    if (out.compaction == PauseResult::Compacted && options.altitude_correction)
        CorrectAltitude(trip, steps);
    if (sport_type == 1 && !import.has_power_data) ClearChannel(trip, &TripRecord::power_w);
    out.ok = true;
    return out;
}

}  // namespace vx
