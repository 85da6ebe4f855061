#include "analysis/evaluation_distributions.h"

#include <algorithm>

#include "analysis/evaluation_passes.h"
#include "analysis/evaluation_zones.h"

namespace vx {

namespace {

int Bin(double x, int bins) {
    if (!(x >= 1)) return 0;  // truncation toward zero, NaN included
    if (x >= bins - 1) return bins - 1;
    return static_cast<int>(x);
}

}  // namespace

int HeartRateBin(float bpm) {
    return Bin((Sample(bpm) - 60) * 0.2 + 0.5, kHistogramBins);
}
int CadenceBin(float rpm) {
    return Bin((Sample(rpm) - 40) / 3.0 + 0.5, kHistogramBins);
}
int SpeedBin(float kmh) {
    return Bin((Sample(kmh) - 3) * 0.5 + 0.5, kHistogramBins);
}
int PowerBin(float w) {
    return Bin((Sample(w) - 20) * 0.1 + 0.5, kPowerHistogramBins);
}

std::int32_t PowerPeak(const Trip& trip, int window) {
    const int last = LastSample(trip);
    // Windows s..s+window-1 with s >= 1 that end at last - 2 at the latest.
    const int last_start = last - 2 - window + 1;
    if (window < 1 || last_start < 1) return 0;
    const auto& rec = trip.records;
    double sum = 0;
    for (int k = 1; k <= window; ++k) sum += Sample(rec[k].power_w);
    double best = 0;
    for (int s = 1; s <= last_start; ++s) {
        best = std::max(best, sum / window);
        sum += Sample(rec[s + window].power_w) - static_cast<double>(Sample(rec[s].power_w));
    }
    return TruncateToInt(static_cast<float>(best));
}

void ComputeDistributions(const Trip& trip, int trip_number, TripDistribution& d,
                          DistributionDisplay& display) {
    const int last = LastSample(trip);
    const std::int32_t interval = SampleInterval(trip);
    d.hr_histogram_s.fill(0);
    d.cadence_histogram_s.fill(0);
    d.speed_histogram_s.fill(0);
    d.power_histogram_s.fill(0);
    d.duration_s =
        static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{last} * interval, INT32_MAX));
    for (int i = 1; i < last; ++i) {
        const TripRecord& r = trip.records[i];
        d.hr_histogram_s[HeartRateBin(r.heart_rate_bpm)] += interval;
        d.cadence_histogram_s[CadenceBin(r.cadence_rpm)] += interval;
        d.speed_histogram_s[SpeedBin(r.speed_kmh)] += interval;
        d.power_histogram_s[PowerBin(r.power_w)] += interval;
    }
    d.peak_5 = PowerPeak(trip, 5);
    d.peak_60 = PowerPeak(trip, 60);
    d.peak_300 = PowerPeak(trip, 300);
    d.peak_1200 = PowerPeak(trip, 1200);
    d.marker = kSummaryRecordMarker;

    display.hr_histogram_s = d.hr_histogram_s;
    display.cadence_histogram_s = d.cadence_histogram_s;
    display.speed_histogram_s = d.speed_histogram_s;
    std::copy_n(d.power_histogram_s.begin(), kPowerHistogramBins,
                display.power_histogram_s.begin());
    display.peak_5 = d.peak_5;
    display.peak_60 = d.peak_60;
    display.peak_300 = d.peak_300;
    display.peak_1200 = d.peak_1200;
    for (int i = 0; i < 9; ++i)
        display.zone_bounds[i] = trip_number < kScratchTripNumber
                                     ? d.zone_bounds[i + 1]
                                     : TruncateToInt(trip.zone_bounds[i + 1]);
}

}  // namespace vx
