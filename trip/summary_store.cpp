#include "trip/summary_store.h"

#include "trip/byte_io.h"

namespace vx {

void SummaryStore::Invalidate(int trip_number) {
    if (trip_number < 0 || trip_number >= kTripSlots) return;
    summaries[trip_number] = {};
    zone_times[trip_number] = {};
    distributions[trip_number] = {};
}

void SummaryStore::InvalidateAll() {
    for (int n = 0; n < kTripSlots; ++n) Invalidate(n);
    version = 0;
}

std::vector<std::uint8_t> EncodeSummaryStore(const SummaryStore& store) {
    std::vector<std::uint8_t> out;
    out.reserve(kSummaryStoreSize);
    ByteWriter w(out);
    w.i32(store.highest);
    w.i32(kSummaryStoreVersion);
    for (const TripSummary& s : store.summaries) EncodeTripSummary(s, w);
    for (const ZoneTimes& z : store.zone_times) EncodeZoneTimes(z, w);
    for (const TripDistribution& d : store.distributions) EncodeTripDistribution(d, w);
    return out;
}

bool DecodeSummaryStore(std::span<const std::uint8_t> bytes, SummaryStore& store,
                        std::string* message) {
    store.InvalidateAll();
    ByteReader in(bytes);
    std::int32_t highest = 0, version = 0;
    if (!in.i32(highest) || !in.i32(version)) {
        if (message) *message = "summary store too short";
        return false;
    }
    store.highest = highest;
    if (version != kSummaryStoreVersion) {
        if (message) *message = "summary store of version " + std::to_string(version) + ", not 3021";
        return false;
    }
    store.version = version;
    // The three tables one after another; a record the file does not hold in full stays empty.
    const std::size_t base = 8;
    auto table = [&](std::size_t offset, std::size_t size, int n) {
        std::size_t at = base + offset + static_cast<std::size_t>(n) * size;
        return at + size <= bytes.size() ? bytes.subspan(at, size) : std::span<const std::uint8_t>();
    };
    const std::size_t zone_offset = kTripSlots * kTripSummarySize;
    const std::size_t dist_offset = zone_offset + kTripSlots * kZoneTimesSize;
    for (int n = 0; n < kTripSlots; ++n) {
        DecodeTripSummary(table(0, kTripSummarySize, n), store.summaries[n]);
        DecodeZoneTimes(table(zone_offset, kZoneTimesSize, n), store.zone_times[n]);
        DecodeTripDistribution(table(dist_offset, kTripDistributionSize, n), store.distributions[n]);
    }
    if (bytes.size() < kSummaryStoreSize && message) *message = "summary store file is short";
    return true;
}

}  // namespace vx
