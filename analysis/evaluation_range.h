// The summary lines L0..L12 of a whole trip or of a selected range, and the range values
// that the control calculation takes over.
#pragma once

#include <array>
#include <string>

#include "analysis/evaluation_passes.h"
#include "analysis/summary_labels.h"
#include "trip/settings.h"
#include "trip/trip.h"

namespace vx {

constexpr int kSummaryLines = 13;
constexpr std::size_t kSummaryLineChars = 99;

// Which text opens L0.
enum class DistanceLabel { Total, Select };

struct RangeValues {
    float avg_power_w = 0;   // zero samples included
    float avg_speed = 0;     // display units
    float avg_cadence = 0;   // samples with cadence above 0
    float gradient_pct = 0;  // of a selected range; a whole-trip evaluation keeps the old value
    float avg_temperature_c = 0;
    float avg_altitude_m = 0;
};

struct RangeEvaluation {
    std::array<std::string, kSummaryLines> lines;  // UTF-8, empty where a line is not shown
    RangeValues values;
    NpIfTss np;
};

// Evaluates records first..last into out. first <= 0 evaluates the whole trip (records
// 1..last); first > 0 a selected range, with its gradient in L9. Distances and altitudes are
// shown in the units of the settings. Returns false when the range holds no records: L0..L2
// then show zeros, the other lines are empty and the range values stay as they were.
bool EvaluateRange(const Trip& trip, const Settings& settings, const SummaryLabels& labels,
                   DistanceLabel distance_label, int first, int last, RangeEvaluation& out);

}  // namespace vx
