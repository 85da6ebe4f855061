// Histograms of heart rate, cadence, speed and power, and the power peaks of a trip.
#pragma once

#include <array>
#include <cstdint>

#include "analysis/summary_records.h"
#include "trip/trip.h"

namespace vx {

// The distribution of the trip computed last, as the long-term graphs show it.
struct DistributionDisplay {
    std::array<std::int32_t, kHistogramBins> hr_histogram_s{};
    std::array<std::int32_t, kHistogramBins> cadence_histogram_s{};
    std::array<std::int32_t, kHistogramBins> speed_histogram_s{};
    std::array<std::int32_t, kPowerHistogramBins> power_histogram_s{};
    std::int32_t peak_5 = 0, peak_60 = 0, peak_300 = 0, peak_1200 = 0;
    std::array<std::int32_t, 9> zone_bounds{};  // b1..b9

    bool operator==(const DistributionDisplay&) const = default;
};

// The trip number used for a trip that is not in the trip list: its display bounds come from
// the trip's own zone bounds block.
constexpr int kScratchTripNumber = 999;

// Histogram bins: trunc((v - centre of bin 0) / width + 0.5), clamped to the bins.
int HeartRateBin(float bpm);
int CadenceBin(float rpm);
int SpeedBin(float kmh);
int PowerBin(float w);

// The best mean power over `window` consecutive records whose window ends at record last - 2
// at the latest, truncated; 0 when the trip has no such window.
std::int32_t PowerPeak(const Trip& trip, int window);

// Fills the histograms, peaks, duration and marker of the trip's distribution record (the zone
// bounds copy stays as counted) and the display copy. trip_number picks where the display's
// zone bounds come from: the record for trips of the list, the trip's block otherwise.
void ComputeDistributions(const Trip& trip, int trip_number, TripDistribution& distribution,
                          DistributionDisplay& display);

}  // namespace vx
