// The summary store of a rider folder: per-trip summary records indexed by trip number.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "analysis/summary_records.h"
#include "trip/trip_list.h"

namespace vx {

constexpr std::int32_t kSummaryStoreVersion = 3021;
constexpr std::size_t kSummaryStoreSize =
    8 + kTripSlots * (kTripSummarySize + kZoneTimesSize + kTripDistributionSize);

struct SummaryStore {
    std::int32_t highest = 1;  // highest trip number handed out
    std::int32_t version = 0;
    std::vector<TripSummary> summaries = std::vector<TripSummary>(kTripSlots);
    std::vector<ZoneTimes> zone_times = std::vector<ZoneTimes>(kTripSlots);
    std::vector<TripDistribution> distributions = std::vector<TripDistribution>(kTripSlots);

    // A trip's records count as valid when its ZoneTimes record carries the marker.
    bool valid(int trip_number) const {
        return trip_number >= 0 && trip_number < kTripSlots && zone_times[trip_number].valid();
    }
    void Invalidate(int trip_number);
    void InvalidateAll();
};

std::vector<std::uint8_t> EncodeSummaryStore(const SummaryStore& store);
// Reads a store file over an invalidated store. A file of another version, or one too short
// for its header, leaves every record invalid (false, with the reason); a short file keeps the
// records it holds in full.
bool DecodeSummaryStore(std::span<const std::uint8_t> bytes, SummaryStore& store,
                        std::string* message);

}  // namespace vx
