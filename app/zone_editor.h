// The training-zone editor's rules: what its fields show and how accepted fields are stored.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "trip/zone_table.h"

namespace vx {

constexpr std::uint16_t kZoneEndMark = 2500;

// The fields as shown: threshold, bounds 1..6 (6 is never filled), zone A from and to.
struct ZoneEditorFields {
    std::string threshold;
    std::array<std::string, 6> bounds;
    std::string zone_a_from, zone_a_to;
};

// A bound 1 below 10 or above 80 first resets the entry to 50, 77, 90, 110, 2500, 0.
void ResetImplausibleZones(ZoneEntry& entry);

// The fields of an entry, in percent or in absolute values (W or 1/min). Bounds above 2000
// (the end mark and what follows it) are shown empty.
ZoneEditorFields ShowZoneFields(const ZoneEntry& entry, bool absolute);

enum class ZoneRefusal { None, Threshold, NoBounds };

struct ZoneAccept {
    bool ok = false;
    ZoneRefusal refusal = ZoneRefusal::None;
    int threshold_min = 0, threshold_max = 0;  // the range a refused threshold must lie in
    std::string message;                       // why nothing was stored
    ZoneEntry entry{};
    bool bound1_changed = false;
};

// Stores the fields into a copy of entry: empty or zero fields are dropped, the others sorted
// ascending and clamped to 1..2499, the end mark follows them, later bounds stay as they were;
// zone A is ordered; the threshold must be 5..1000 W (sport type 0) or 80..250 1/min.
ZoneAccept AcceptZoneFields(const ZoneEntry& entry, int sport_type, const ZoneEditorFields& f,
                            bool absolute);

}  // namespace vx
