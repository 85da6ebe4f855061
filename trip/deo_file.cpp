#include "trip/deo_file.h"

#include <cmath>
#include <iostream>

#include "trip/byte_io.h"
#include "trip/file_io.h"
#include "trip/zone_bounds.h"

namespace vx {

namespace {

void DecodeRecord(const std::uint8_t* p, TripRecord& r) {
    auto i32 = [&](int off) { return static_cast<std::int32_t>(ByteReader::LoadU32(p + off)); };
    auto f32 = [&](int off) { return std::bit_cast<float>(ByteReader::LoadU32(p + off)); };
    r.time_s = i32(0);
    r.distance_km = f32(4);
    r.power_w = f32(8);
    r.cadence_rpm = f32(12);
    r.altitude_m = f32(16);
    r.speed_kmh = f32(20);
    r.temperature_c = f32(24);
    r.heart_rate_bpm = f32(28);
    r.pause_s = i32(32);
    r.interval_no = p[36];
    r.reserved = {p[37], p[38], p[39]};
}

void EncodeRecord(const TripRecord& r, ByteWriter& w) {
    w.i32(r.time_s);
    w.f32(r.distance_km);
    w.f32(r.power_w);
    w.f32(r.cadence_rpm);
    w.f32(r.altitude_m);
    w.f32(r.speed_kmh);
    w.f32(r.temperature_c);
    w.f32(r.heart_rate_bpm);
    w.i32(r.pause_s);
    w.u8(r.interval_no);
    w.bytes(r.reserved.data(), 3);
}

// Leading control characters, blanks and bytes 128..255 of a note become "-", and the first
// character then becomes "*". The scan ends at the first NUL.
void CleanNote(TripNote& note) {
    note[kNoteSize - 1] = 0;
    bool replaced = false;
    for (std::size_t i = 0; i < kNoteSize - 1; ++i) {
        auto c = static_cast<signed char>(note[i]);
        if (c == 0 || c > 32) break;
        note[i] = '-';
        replaced = true;
    }
    if (replaced) note[0] = '*';
}

}  // namespace

TripLoad ReadTripBytes(std::span<const std::uint8_t> file, Trip& trip,
                       const RiderZones& rider_zones) {
    ByteReader in(file);
    std::int32_t count = 0;
    if (!in.i32(count)) return {false, "file too short for a trip count"};
    if (count < kMinTripCount || count > kMaxTripCount)
        return {false, "trip count " + std::to_string(count) + " outside 5..199999"};
    const std::size_t record_bytes = static_cast<std::size_t>(count) * kTripRecordSize;
    if (!in.has(record_bytes))
        return {false, "file ends inside the records (" + std::to_string(count) +
                           " records announced)"};

    // From here on the trip is replaced.
    trip.rewrite_pending = false;
    trip.count = count;
    const std::uint8_t* p = file.data() + in.position();
    for (std::int32_t i = 0; i < count; ++i) DecodeRecord(p + i * kTripRecordSize, trip.records[i]);
    in.skip(record_bytes);
    // Records behind the last sample read as zero, whatever an earlier trip or import left
    // there (one pass over at most 8 MB).
    std::fill(trip.records.begin() + count, trip.records.end(), TripRecord{});

    TripHeader header = trip.header();
    trip.sport_type = NormalizeSportType(header.sport_type());

    bool zone_ok = true;
    for (std::size_t i = 0; i < kZoneBlockSize; ++i) zone_ok = in.f32(trip.zone_bounds[i]) && zone_ok;
    zone_ok = zone_ok && trip.zone_bounds[1] != 0 && trip.zone_bounds[0] == kZoneBlockMarker;
    if (!zone_ok) {
        float t = trip.sport_type == 0   ? header.zone_threshold()
                  : trip.sport_type == 1 ? header.threshold_hr_bike()
                                         : header.threshold_hr_run();
        const ZoneEntry& entry = rider_zones[trip.sport_type];
        if (!(t >= 30)) t = entry[0];
        ApplyZoneBounds(trip.zone_bounds, entry, t);
        trip.rewrite_pending = true;
    }

    if (in.has(40))
        for (auto& v : trip.curve_scale) in.f32(v);
    ResetCurveScale(trip.curve_scale);

    trip.note = EmptyTripNote();
    if (header.flags() & kNoteFlag) {
        TripNote raw{};
        in.bytes(raw.data(), kNoteSize);
        trip.note = raw;
        CleanNote(trip.note);
    }
    in.skip(kTrailerSize);  // reserved, ignored

    trip.sample_interval_s = trip.records[3].time_s - trip.records[2].time_s;
    // Repeated or backward time stamps must not give a zero or negative interval.
    if (trip.sample_interval_s < 1) trip.sample_interval_s = 1;
    return {true, {}};
}

bool ReadWholeFile(std::FILE* file, std::vector<std::uint8_t>& out) {
    out.clear();
    if (std::fseek(file, 0, SEEK_SET) != 0) return false;
    std::uint8_t chunk[65536];
    for (;;) {
        std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        out.insert(out.end(), chunk, chunk + n);
        if (n < sizeof chunk) return !std::ferror(file);
    }
}

TripLoad ReadTripFile(std::FILE* file, Trip& trip, const RiderZones& rider_zones) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(file, bytes)) return {false, "cannot read the file"};
    return ReadTripBytes(bytes, trip, rider_zones);
}

TripLoad ReadTripPath(const std::string& path, Trip& trip, const RiderZones& rider_zones) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) return {false, error};
    return ReadTripBytes(bytes, trip, rider_zones);
}

std::vector<std::uint8_t> EncodeTripFile(Trip& trip) {
    std::vector<std::uint8_t> out;
    if (trip.count < kMinTripCount || trip.count > kMaxTripCount) return out;
    if (trip.note_present) trip.header().flags() |= kNoteFlag;
    out.reserve(4 + trip.count * kTripRecordSize + kDeoBlocksSize);
    ByteWriter w(out);
    w.i32(trip.count);
    for (std::int32_t i = 0; i < trip.count; ++i) EncodeRecord(trip.records[i], w);
    for (float v : trip.zone_bounds) w.f32(v);
    for (float v : trip.curve_scale) w.f32(v);
    w.bytes(trip.note.data(), kNoteSize);
    w.zeros(kTrailerSize);
    return out;
}

bool WriteTripFile(std::FILE* file, Trip& trip) {
    std::vector<std::uint8_t> bytes = EncodeTripFile(trip);
    if (bytes.empty() || std::fseek(file, 0, SEEK_SET) != 0) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
           std::fflush(file) == 0;
}

bool WriteTripPath(const std::string& path, Trip& trip, std::string* error) {
    std::vector<std::uint8_t> bytes = EncodeTripFile(trip);
    if (bytes.empty()) {
        if (error) *error = "trip count " + std::to_string(trip.count) + " outside 5..199999";
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

bool SaveTripFile(const std::string& rider_folder, const std::string& base_name, Trip& trip) {
    std::string error;
    if (WriteTripPath(rider_folder + "/" + base_name + ".DEO", trip, &error)) return true;
    std::cerr << "Cannot open output file.\n";
    return false;
}

}  // namespace vx
