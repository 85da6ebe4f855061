#include "trip/trip.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vx {

TripNote EmptyTripNote() {
    TripNote n{};
    n[0] = ' ';
    n[1] = ' ';
    return n;
}

std::string NoteText(const TripNote& note) {
    return std::string(note.data(), strnlen(note.data(), note.size()));
}

void Trip::resetForImport() {
    count = 0;
    std::fill(records.begin(), records.end(), TripRecord{});
    zone_bounds = {};
    note = EmptyTripNote();
    sample_interval_s = 1;
    sport_type = 0;
    rewrite_pending = false;
    note_present = false;
}

void ResetCurveScale(CurveScale& s) {
    struct Limit {
        float above, fallback;
    };
    static constexpr Limit limits[5] = {{50000, 400}, {3000, 500}, {250, 150}, {150, 120},
                                        {250, 200}};
    for (int i = 0; i < 5; ++i)
        if (s[i] == 0 || std::isnan(s[i]) || s[i] > limits[i].above) s[i] = limits[i].fallback;
}

}  // namespace vx
