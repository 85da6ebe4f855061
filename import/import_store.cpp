#include "import/import_store.h"

#include <memory>
#include <vector>

#include "import/fit_store.h"

namespace vx {

namespace {

std::int32_t LastIndex(const Trip& trip) {
    const std::int32_t last = static_cast<std::int32_t>(trip.records.size()) - 1;
    return trip.count < last ? trip.count : last;
}

void ClearChannel(Trip& trip, float TripRecord::*field) {
    for (std::int32_t i = 1; i <= LastIndex(trip); ++i) trip.records[i].*field = 0;
}

}  // namespace

MotionFlags ScanMotionFlags(const Trip& trip) {
    MotionFlags f;
    for (std::int32_t i = 1; i < LastIndex(trip); ++i) {
        const TripRecord& r = trip.records[i];
        if (r.cadence_rpm > 5) f.has_cadence = true;
        if (r.power_w > 5) f.has_power_data = true;
    }
    f.has_motion_data = f.has_cadence || f.has_power_data;
    return f;
}

bool StoreButtons::offers(int sport_type) const {
    switch (sport_type) {
        case 0:
            return bike_power;
        case 1:
            return bike_heart_rate;
        case 2:
            return run;
        default:
            return false;
    }
}

StoreButtons MotionStoreButtons(const MotionFlags& flags) {
    return {
        .bike_power = flags.has_cadence, .bike_heart_rate = true, .run = !flags.has_motion_data};
}

ImportStoreSteps RiderImportStoreSteps(const RiderTrips& trips, const Settings& settings) {
    return {.model_power = RiderFitStoreSteps(trips, settings).model_power};
}

StorePrepared PrepareImportStore(Trip& trip, int sport_type, const StoreButtons& buttons,
                                 const MotionFlags& flags, const StoreRules& rules,
                                 const ImportStoreSteps& steps) {
    StorePrepared out;
    out.sport_type = sport_type;
    if (!buttons.offers(sport_type)) {
        out.message = "this trip cannot be stored as sport type " + std::to_string(sport_type);
        return out;
    }
    if (trip.count < kMinStoredCount) {
        out.message = kNotEvaluable;
        return out;
    }
    if (sport_type == 2) {
        ClearChannel(trip, &TripRecord::power_w);
        ClearChannel(trip, &TripRecord::cadence_rpm);
        out.ok = true;
        return out;
    }

    // The modelled power is taken back when the trip turns out too short.
    std::vector<float> power;
    if (sport_type == 0 && !flags.has_power_data && steps.model_power) {
        power.resize(static_cast<std::size_t>(LastIndex(trip)) + 1);
        for (std::size_t i = 0; i < power.size(); ++i) power[i] = trip.records[i].power_w;
        steps.model_power(trip);
    }
    if (rules.compaction)
        out.compaction = CompactPauses(trip, *rules.compaction, flags.has_motion_data);
    if (out.compaction == PauseResult::TooShort || trip.count < kMinStoredCount) {
        for (std::size_t i = 0; i < power.size(); ++i) trip.records[i].power_w = power[i];
        out.message = kNotEvaluable;
        return out;
    }
    if (sport_type == 1 && !flags.has_power_data) ClearChannel(trip, &TripRecord::power_w);
    out.ok = true;
    return out;
}

StoreResult StoreImportedTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                              const std::string& base_name, int sport_type,
                              const StoreButtons& buttons, const MotionFlags& flags,
                              const StoreRules& rules, const ImportStoreSteps& steps) {
    // prepared on a copy: whatever refuses the store, the converted trip stays for another try
    auto copy = std::make_unique<Trip>(trip);
    const StorePrepared prepared =
        PrepareImportStore(*copy, sport_type, buttons, flags, rules, steps);
    if (!prepared.ok) {
        StoreResult r;
        r.message = prepared.message;
        return r;
    }
    StoreResult r = StoreNewTrip(trips, settings, *copy, base_name, sport_type);
    if (r.ok) trip = std::move(*copy);
    return r;
}

}  // namespace vx
