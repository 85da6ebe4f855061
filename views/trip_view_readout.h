// The readouts of the single-trip view: the cursor's time and distance (S_Time), the
// difference to the start marker (S_STime), and the summary panel with the thirteen summary
// lines of the whole trip or of a range.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/evaluation_range.h"
#include "views/curve_channels.h"

namespace vx {

// "T=%02i:%02i:%02i   D=%8.3f": the time of the sample (sample x interval) and its distance
// in display units.
std::string CursorTimeText(const CurveSource& source, std::int32_t sample, double distance_factor);
// "dT=%02i:%02i:%02i   dD=%8.3f": time and distance between the sample and the start marker.
std::string StartDifferenceText(const CurveSource& source, std::int32_t sample, std::int32_t start,
                                double distance_factor);

// The summary panel ZD0 .. ZDC: the thirteen lines as shown (tools may overwrite single
// lines) and the evaluation they came from.
struct SummaryPanel {
    bool shown = false;
    std::array<std::string, kSummaryLines> lines;
    RangeEvaluation evaluation;

    // The summary of the whole trip, headed "Total distance".
    void ShowTrip(const Trip& trip, const Settings& settings, const SummaryLabels& labels);
    // The summary of samples first .. last, headed "Select distance".
    void ShowRange(const Trip& trip, const Settings& settings, const SummaryLabels& labels,
                   std::int32_t first, std::int32_t last);
    // A right click on ZD9 writes line L10 into ZDA again.
    void RestoreLine10() { lines[10] = evaluation.lines[10]; }
    void Hide() { shown = false; }
};

}  // namespace vx
