#include "import/fit_store.h"

#include <memory>

#include "analysis/altitude_refit.h"
#include "analysis/power_model.h"
#include "analysis/power_model_file.h"
#include "views/curve_channels.h"
#include "views/curve_smoothing.h"

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
        out.message = import.ok
                          ? "this trip cannot be stored as sport type " + std::to_string(sport_type)
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

FitStoreSteps FitStoreStepsWith(const PowerModelParams& params, std::string model_csv_path) {
    FitStoreSteps steps;
    steps.model_power = [params, csv = std::move(model_csv_path)](Trip& trip) {
        const std::vector<float> altitude_mean = AltitudeMean(CurveSourceOf(trip));
        ComputeModelPower(trip, altitude_mean, params, /*apply=*/true, csv);
    };
    steps.refit_altitude = [](Trip& trip) { RefitAltitude(trip); };
    steps.smooth = [](std::span<const float> x, std::int32_t k) { return SmoothChannel(x, k); };
    return steps;
}

FitStoreSteps RiderFitStoreSteps(const RiderTrips& trips, const Settings& settings) {
    const PowerModelFile file = ReadPowerModelFile(trips.paths.power_model);
    return FitStoreStepsWith(LoadPowerModelParams(file, settings.current()),
                             trips.paths.base + "/" + kModelPowerCsvName);
}

StoreResult StoreFitTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const FitImport& import, int sport_type, const FitStoreOptions& options,
                         const FitStoreSteps& steps) {
    StoreResult r;
    r.base_name = import.base_name;
    // The steps work on a copy: a refused store leaves the converted trip as it was.
    auto work = std::make_unique<Trip>(trip);
    const FitStorePrepared prepared = PrepareFitStore(*work, import, sport_type, options, steps);
    if (!prepared.ok) {
        r.message = prepared.message;
        return r;
    }
    r = StoreNewTrip(trips, settings, *work, import.base_name, prepared.sport_type);
    if (r.ok) trip = std::move(*work);
    return r;
}

StoreResult StoreFitTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const FitImport& import, int sport_type, const FitStoreOptions& options) {
    return StoreFitTrip(trips, settings, trip, import, sport_type, options,
                        RiderFitStoreSteps(trips, settings));
}

}  // namespace vx
