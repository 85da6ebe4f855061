#include "import/compact_pauses.h"

#include <vector>

namespace vx {

namespace {

void CopySample(const TripRecord& from, TripRecord& to, std::int32_t t, bool renumber_time) {
    const std::int32_t time_s = renumber_time ? t : to.time_s;
    const std::int32_t pause_s = to.pause_s;
    to = from;
    to.time_s = time_s;
    to.pause_s = pause_s;
}

// Drops the slow samples of records 1 .. count-1; returns how many were removed.
std::int32_t RemoveStops(std::vector<TripRecord>& r, std::int32_t count, const PausePolicy& p,
                         bool has_motion_data) {
    const std::int32_t unit = p.seconds_per_sample > 0
                                  ? p.seconds_per_sample
                                  : (count > 3 ? r[3].time_s - r[2].time_s : 1);
    std::int32_t removed = 0, last = 0, slow = 0;
    bool moved = false;  // a moving sample has been kept
    for (std::int32_t k = 2; k < count; ++k) {
        std::int32_t t = k - removed;
        if (r[k].cadence_rpm < 5 && !has_motion_data) r[k].power_w = 0;
        const bool standing = p.moving_needs_distance && r[k].distance_km == r[k - 1].distance_km;
        if (r[k].speed_kmh >= 1.5f && !standing) {
            CopySample(r[k], r[t], t, p.renumber_time);
            const bool after_start = p.first_stop_gets_pause ? moved : last != 0;
            if (removed != last && after_start) r[t].pause_s = unit * (removed - last);
            last = removed;
            slow = 0;
            moved = true;
        } else {
            if (standing) slow = p.slow_samples_kept + 3;
            ++slow;
            if (slow <= p.slow_samples_kept && removed != 0)
                CopySample(r[k], r[t], t, p.renumber_time);
            else
                ++removed;
        }
        t = k - removed;
        if (t >= 2 && r[t].interval_no != r[t - 1].interval_no) r[t - 1].interval_no = 0;
    }
    return removed;
}

void LevelAltitude(std::vector<TripRecord>& r, std::int32_t end) {
    if (r[1].pause_s < 2) r[1].pause_s = 0;
    float d = 0;
    for (std::int32_t k = 2; k < end; ++k) {
        if (r[k].pause_s < 2) r[k].pause_s = 0;
        if (r[k].pause_s != 0) d = r[k - 1].altitude_m - r[k].altitude_m;
        r[k].altitude_m += d;
    }
}

}  // namespace

PauseResult CompactPauses(Trip& trip, const PausePolicy& p, bool has_motion_data,
                          bool remove_stops) {
    std::int32_t count = trip.count;
    if (count < 2) return p.min_count > 0 ? PauseResult::TooShort : PauseResult::Unchanged;
    if (p.keep_indoor_trips && trip.records[count - 1].distance_km == 0)
        return PauseResult::Unchanged;

    // Worked on a copy, so a trip that turns out too short stays as it was.
    std::vector<TripRecord> r(trip.records.begin(), trip.records.begin() + count + 1);
    if (remove_stops) {
        const std::int32_t removed = RemoveStops(r, count, p, has_motion_data);
        if (p.level_altitude_across_pauses) LevelAltitude(r, count);
        count = count - removed - 1;
    }
    while (count > p.trim_floor && r[count].distance_km < 0.01f) --count;
    if (p.min_count > 0 && count < p.min_count) return PauseResult::TooShort;

    std::copy(r.begin(), r.end(), trip.records.begin());
    trip.count = count;
    return PauseResult::Compacted;
}

}  // namespace vx
