#include "analysis/summary_records.h"

namespace vx {

namespace {

template <typename Record, typename Encode>
std::vector<std::uint8_t> EncodeToBytes(const Record& r, std::size_t size, Encode encode) {
    std::vector<std::uint8_t> out;
    out.reserve(size);
    ByteWriter w(out);
    encode(r, w);
    return out;
}

template <std::size_t N>
void WriteInts(const std::array<std::int32_t, N>& values, ByteWriter& w) {
    for (std::int32_t v : values) w.i32(v);
}

template <std::size_t N>
void ReadInts(ByteReader& in, std::array<std::int32_t, N>& values) {
    for (std::int32_t& v : values) in.i32(v);
}

}  // namespace

void EncodeTripSummary(const TripSummary& s, ByteWriter& w) {
    w.i32(s.total_time_s);
    w.i32(s.climb_time_s);
    w.f32(s.distance_km);
    w.f32(s.climb_distance_km);
    w.f32(s.ascent_m);
    w.f32(s.min_altitude_m);
    w.f32(s.max_altitude_m);
    w.f32(s.avg_power_w);
    w.f32(s.avg_power_nonzero_w);
    w.f32(s.avg_power_climb_w);
    w.f32(s.max_power_w);
    w.f32(s.np_w);
    w.f32(s.intensity_factor);
    w.f32(s.tss);
    w.f32(s.work_kj);
    w.f32(s.avg_hr);
    w.f32(s.max_hr);
    w.f32(s.avg_cadence);
    w.f32(s.max_cadence);
    w.f32(s.avg_speed_kmh);
    w.f32(s.max_speed_kmh);
    w.f32(s.avg_temperature_c);
    w.i32(s.power_time_s);
    w.f32(s.weight_kg);
    w.zeros(12);
}

void EncodeZoneTimes(const ZoneTimes& z, ByteWriter& w) {
    WriteInts(z.seconds, w);
    w.zeros(24);
    w.i32(z.mode);
    w.i32(z.sample_interval_s);
    w.i32(z.count);
    w.i32(z.marker);
}

void EncodeTripDistribution(const TripDistribution& d, ByteWriter& w) {
    w.i32(d.marker);
    w.i32(d.duration_s);
    w.i32(d.peak_5);
    w.i32(d.peak_60);
    w.i32(d.peak_300);
    w.i32(d.peak_1200);
    w.zeros(8);
    WriteInts(d.hr_histogram_s, w);
    WriteInts(d.cadence_histogram_s, w);
    WriteInts(d.speed_histogram_s, w);
    WriteInts(d.power_histogram_s, w);
    WriteInts(d.zone_bounds, w);
    w.zeros(200);
}

std::vector<std::uint8_t> EncodeTripSummary(const TripSummary& s) {
    return EncodeToBytes(s, kTripSummarySize,
                         [](const TripSummary& r, ByteWriter& w) { EncodeTripSummary(r, w); });
}

std::vector<std::uint8_t> EncodeZoneTimes(const ZoneTimes& z) {
    return EncodeToBytes(z, kZoneTimesSize,
                         [](const ZoneTimes& r, ByteWriter& w) { EncodeZoneTimes(r, w); });
}

std::vector<std::uint8_t> EncodeTripDistribution(const TripDistribution& d) {
    return EncodeToBytes(d, kTripDistributionSize, [](const TripDistribution& r, ByteWriter& w) {
        EncodeTripDistribution(r, w);
    });
}

bool DecodeTripSummary(std::span<const std::uint8_t> bytes, TripSummary& s) {
    if (bytes.size() < kTripSummarySize) return false;
    ByteReader in(bytes);
    TripSummary r;
    in.i32(r.total_time_s);
    in.i32(r.climb_time_s);
    in.f32(r.distance_km);
    in.f32(r.climb_distance_km);
    in.f32(r.ascent_m);
    in.f32(r.min_altitude_m);
    in.f32(r.max_altitude_m);
    in.f32(r.avg_power_w);
    in.f32(r.avg_power_nonzero_w);
    in.f32(r.avg_power_climb_w);
    in.f32(r.max_power_w);
    in.f32(r.np_w);
    in.f32(r.intensity_factor);
    in.f32(r.tss);
    in.f32(r.work_kj);
    in.f32(r.avg_hr);
    in.f32(r.max_hr);
    in.f32(r.avg_cadence);
    in.f32(r.max_cadence);
    in.f32(r.avg_speed_kmh);
    in.f32(r.max_speed_kmh);
    in.f32(r.avg_temperature_c);
    in.i32(r.power_time_s);
    in.f32(r.weight_kg);
    s = r;
    return true;
}

bool DecodeZoneTimes(std::span<const std::uint8_t> bytes, ZoneTimes& z) {
    if (bytes.size() < kZoneTimesSize) return false;
    ByteReader in(bytes);
    ZoneTimes r;
    ReadInts(in, r.seconds);
    in.skip(24);
    in.i32(r.mode);
    in.i32(r.sample_interval_s);
    in.i32(r.count);
    in.i32(r.marker);
    z = r;
    return true;
}

bool DecodeTripDistribution(std::span<const std::uint8_t> bytes, TripDistribution& d) {
    if (bytes.size() < kTripDistributionSize) return false;
    ByteReader in(bytes);
    TripDistribution r;
    in.i32(r.marker);
    in.i32(r.duration_s);
    in.i32(r.peak_5);
    in.i32(r.peak_60);
    in.i32(r.peak_300);
    in.i32(r.peak_1200);
    in.skip(8);
    ReadInts(in, r.hr_histogram_s);
    ReadInts(in, r.cadence_histogram_s);
    ReadInts(in, r.speed_histogram_s);
    ReadInts(in, r.power_histogram_s);
    ReadInts(in, r.zone_bounds);
    d = r;
    return true;
}

}  // namespace vx
