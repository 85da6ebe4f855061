#include "app/zone_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "trip/riders.h"

namespace vx {

namespace {

std::string Format(const char* fmt, double v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

// A field as a number; empty or not a number counts as 0.
double FieldValue(const std::string& text) {
    return ParseFieldNumber(text).value_or(0.0);
}

long Rounded(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<long>(std::trunc(std::clamp(v, -1e6, 1e6) + 0.5));
}

}  // namespace

void ResetImplausibleZones(ZoneEntry& entry) {
    if (entry[1] >= 10 && entry[1] <= 80) return;
    entry[1] = 50;
    entry[2] = 77;
    entry[3] = 90;
    entry[4] = 110;
    entry[5] = kZoneEndMark;
    entry[6] = 0;
}

ZoneEditorFields ShowZoneFields(const ZoneEntry& entry, bool absolute) {
    ZoneEditorFields f;
    const double q = absolute ? entry[0] * 0.01 : 1.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, " %d", entry[0]);
    f.threshold = buf;
    bool ended = false;
    for (int k = 1; k <= 5; ++k) {
        if (entry[k] > 2000) ended = true;
        if (!ended) f.bounds[k - 1] = Format(" %6.0f", entry[k] * q);
    }
    f.zone_a_from = Format(" %6.0f", entry[8] * q);
    f.zone_a_to = Format(" %6.0f", entry[9] * q);
    return f;
}

ZoneAccept AcceptZoneFields(const ZoneEntry& entry, int sport_type, const ZoneEditorFields& f,
                            bool absolute) {
    ZoneAccept r;
    r.entry = entry;
    const double threshold = FieldValue(f.threshold);
    const double lo = sport_type == 0 ? 5 : 80, hi = sport_type == 0 ? 1000 : 250;
    if (!(threshold >= lo && threshold <= hi)) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "The threshold must lie between %.0f and %.0f.", lo, hi);
        r.message = buf;
        r.refusal = ZoneRefusal::Threshold;
        r.threshold_min = static_cast<int>(lo);
        r.threshold_max = static_cast<int>(hi);
        return r;
    }
    double q = absolute ? threshold * 0.01 : 1.0;
    if (q == 0) q = 1;
    std::vector<std::uint16_t> bounds;
    for (const std::string& text : f.bounds) {
        const long v = Rounded(FieldValue(text) / q);
        if (v > 0)
            bounds.push_back(static_cast<std::uint16_t>(std::min<long>(v, kZoneEndMark - 1)));
    }
    if (bounds.empty()) {
        r.message = "Enter at least one zone bound.";
        r.refusal = ZoneRefusal::NoBounds;
        return r;
    }
    std::sort(bounds.begin(), bounds.end());
    for (std::size_t k = 0; k < bounds.size(); ++k) r.entry[k + 1] = bounds[k];
    r.entry[bounds.size() + 1] = kZoneEndMark;  // at most entry 7
    long a = std::clamp<long>(Rounded(FieldValue(f.zone_a_from) / q), 0, kZoneEndMark - 1);
    long b = std::clamp<long>(Rounded(FieldValue(f.zone_a_to) / q), 0, kZoneEndMark - 1);
    if (b < a) std::swap(a, b);
    r.entry[8] = static_cast<std::uint16_t>(a);
    r.entry[9] = static_cast<std::uint16_t>(b);
    r.entry[0] = static_cast<std::uint16_t>(Rounded(threshold));
    r.bound1_changed = r.entry[1] != entry[1];
    r.ok = true;
    return r;
}

}  // namespace vx
