// Removing standstills from an imported trip: slow samples are dropped, the kept ones close
// up, and the first sample after a removed stretch carries the stopped time in pause_s. The
// importers differ in a few rules, which a PausePolicy states.
#pragma once

#include <cstdint>

#include "trip/trip.h"

namespace vx {

struct PausePolicy {
    // A trip whose last sample has no distance (indoor) is left as it is.
    bool keep_indoor_trips = false;
    // A moving sample must also have advanced its distance; a sample at the previous one's
    // distance counts as standing still at once.
    bool moving_needs_distance = false;
    // Slow samples kept at the start of a slow run (the first slow sample of a trip that has
    // removed nothing yet is dropped).
    std::int32_t slow_samples_kept = 5;
    // Kept samples get time_s = their new position; otherwise they keep the position's time.
    bool renumber_time = true;
    // pause_s = removed samples x this many seconds; 0 takes time_s[3] - time_s[2].
    std::int32_t seconds_per_sample = 1;
    // The stop before the first kept moving sample after the ride has started moving gets
    // its pause_s as well (a leading standstill never does).
    bool first_stop_gets_pause = true;
    // Pauses shorter than 2 s are dropped and the altitude continues across every pause at
    // its level before it.
    bool level_altitude_across_pauses = false;
    // The trailing samples without distance are trimmed only while count stays above this.
    std::int32_t trim_floor = 1;
    // The result fails when fewer records than this remain (0: never fails).
    std::int32_t min_count = 0;
};

// The HRM variant: five slow samples kept, times stay with the positions, a pause counts
// time_s[3] - time_s[2] seconds per removed sample, the first stop after the start gets no
// pause. A trip without any distance (heart rate only) is left as it is; the end is trimmed
// down to 30 records at most; fewer than 60 records cannot be stored as a bike trip.
constexpr PausePolicy kHrmPausePolicy{
    .keep_indoor_trips = true,
    .moving_needs_distance = false,
    .slow_samples_kept = 5,
    .renumber_time = false,
    .seconds_per_sample = 0,
    .first_stop_gets_pause = false,
    .level_altitude_across_pauses = false,
    .trim_floor = 30,
    .min_count = 60,
};

// The TCX variant: as the HRM one, but kept samples are renumbered one second apart, a pause
// counts one second per removed sample, and every trip is compacted.
constexpr PausePolicy kTcxPausePolicy{
    .keep_indoor_trips = false,
    .moving_needs_distance = false,
    .slow_samples_kept = 5,
    .renumber_time = true,
    .seconds_per_sample = 1,
    .first_stop_gets_pause = false,
    .level_altitude_across_pauses = false,
    .trim_floor = 30,
    .min_count = 60,
};

enum class PauseResult {
    Unchanged,  // an indoor trip, left as it was
    Compacted,
    TooShort,  // fewer than min_count records would remain; the trip is left as it was
};

// Compacts records 1 .. count-1 of the trip in place. remove_stops false keeps every sample
// and only trims the end. has_motion_data false clears power_w of the samples with cadence
// below 5. On TooShort nothing of the trip is changed.
PauseResult CompactPauses(Trip& trip, const PausePolicy& policy, bool has_motion_data,
                          bool remove_stops = true);

}  // namespace vx
