#include "views/trip_view_readout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "analysis/evaluation_format.h"
#include "views/trip_view_range.h"

namespace vx {

namespace {

std::string Clock(std::int64_t seconds) {
    return FormatTwoDigits(seconds / 3600) + ":" + FormatTwoDigits(seconds % 3600 / 60) + ":" +
           FormatTwoDigits(seconds % 60);
}

std::int32_t Held(const CurveSource& source, std::int32_t sample) {
    return std::clamp(sample, 1, std::max(source.size() - 1, 1));
}

}  // namespace

std::string CursorTimeText(const CurveSource& source, std::int32_t sample, double distance_factor) {
    sample = Held(source, sample);
    const std::int64_t seconds = static_cast<std::int64_t>(sample) * ViewInterval(source);
    return "T=" + Clock(seconds) +
           "   D=" + FormatFixed(SampleDistance(source, sample) * distance_factor, 8, 3);
}

std::string StartDifferenceText(const CurveSource& source, std::int32_t sample, std::int32_t start,
                                double distance_factor) {
    sample = Held(source, sample);
    start = Held(source, start);
    const std::int64_t seconds =
        static_cast<std::int64_t>(std::abs(sample - start)) * ViewInterval(source);
    const double d = std::fabs(SampleDistance(source, sample) - SampleDistance(source, start));
    return "dT=" + Clock(seconds) + "   dD=" + FormatFixed(d * distance_factor, 8, 3);
}

void SummaryPanel::ShowTrip(const Trip& trip, const Settings& settings,
                            const SummaryLabels& labels) {
    EvaluateRange(trip, settings, labels, DistanceLabel::Total, 0, trip.count - 1, evaluation);
    lines = evaluation.lines;
    shown = true;
}

void SummaryPanel::ShowRange(const Trip& trip, const Settings& settings,
                             const SummaryLabels& labels, std::int32_t first, std::int32_t last) {
    EvaluateRange(trip, settings, labels, DistanceLabel::Select, std::max(first, 1), last,
                  evaluation);
    lines = evaluation.lines;
    shown = true;
}

}  // namespace vx
