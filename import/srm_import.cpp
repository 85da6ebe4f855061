#include "import/srm_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "trip/byte_io.h"
#include "trip/cp1252.h"
#include "trip/file_io.h"

namespace vx {

namespace {

// The one version whose data records have the 14-byte layout read here.
constexpr char kSrmVersion = '7';
constexpr std::int64_t kSrmMaxGapS = 86400;
constexpr std::int64_t kSrmMaxTimeS = 2'000'000'000;

std::string TextField(ByteReader& in, std::size_t size) {
    std::string raw(size, '\0');
    in.bytes(raw.data(), size);
    raw.resize(strnlen(raw.data(), raw.size()));
    return Cp1252ToUtf8(raw);
}

std::string Format(const char* format, auto... values) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, values...);
    return buf;
}

bool ReadHeader(std::span<const std::uint8_t> file, SrmImport& r, std::uint16_t& block_count,
                std::uint16_t& marker_count) {
    auto fail = [&](std::string message) {
        r.message = std::move(message);
        return false;
    };
    if (file.size() < 4 || std::memcmp(file.data(), "SRM", 3) != 0 || file[3] < '0' ||
        file[3] > '9')
        return fail("not an SRM file (it does not begin with \"SRM\" and a version digit)");
    r.identifier.assign(reinterpret_cast<const char*>(file.data()), 4);
    if (file[3] != kSrmVersion)
        return fail(r.identifier + " files are not read: the import reads SRM" + kSrmVersion);
    if (file.size() < kSrmHeaderSize)
        return fail("the file ends inside its header (" + std::to_string(file.size()) + " of " +
                    std::to_string(kSrmHeaderSize) + " bytes)");
    ByteReader in(file);
    in.skip(4);
    in.u16(r.days);
    in.u16(r.wheel_mm);
    in.u8(r.interval_numerator);
    in.u8(r.interval_denominator);
    in.u16(block_count);
    in.u16(marker_count);
    in.skip(2);
    r.comment = TextField(in, 70);
    if (r.interval_denominator == 0)
        return fail("the recording interval " + std::to_string(r.interval_numerator) +
                    " / 0 is undefined");
    if (r.interval_numerator < r.interval_denominator)
        return fail("the recording interval " + std::to_string(r.interval_numerator) + " / " +
                    std::to_string(r.interval_denominator) +
                    " s is shorter than a second, which the import does not read");
    r.interval_s = r.interval_numerator / r.interval_denominator;
    if (block_count == 0) return fail("the file has no data blocks");
    return true;
}

bool ReadTables(ByteReader& in, std::uint16_t block_count, std::uint16_t marker_count,
                SrmImport& r) {
    const std::size_t markers = std::size_t{marker_count} + 1;
    const std::size_t tables =
        markers * kSrmMarkerSize + block_count * kSrmBlockSize + kSrmCalibrationSize;
    if (!in.has(tables)) {
        r.message = "the file ends inside its marker and block tables (" + std::to_string(markers) +
                    " markers and " + std::to_string(block_count) + " blocks need " +
                    std::to_string(tables) + " bytes, " + std::to_string(in.remaining()) +
                    " are left)";
        return false;
    }
    r.markers.resize(markers);
    for (SrmMarker& m : r.markers) {
        m.note = TextField(in, 255);
        in.skip(1);
        in.u16(m.first);
        in.u16(m.last);
        in.skip(10);
    }
    r.blocks.resize(block_count);
    for (SrmBlock& b : r.blocks) {
        in.u32(b.start_centiseconds);
        in.u16(b.records);
    }
    in.skip(kSrmCalibrationSize);
    return true;
}

// The marker ranges as interval numbers: a marker runs from its first to its last record. A
// marker that names no records is passed over; one that starts before the previous one ends
// takes over after it.
class MarkerIntervals {
  public:
    explicit MarkerIntervals(const std::vector<SrmMarker>& markers) : markers_(markers) {}

    std::uint8_t at(std::int32_t n) {
        while (k_ < markers_.size() && markers_[k_].last < n) ++k_;
        if (k_ >= markers_.size() || markers_[k_].first == 0 || markers_[k_].first > n) return 0;
        return static_cast<std::uint8_t>(std::min<std::size_t>(k_, 255));
    }

  private:
    const std::vector<SrmMarker>& markers_;
    std::size_t k_ = 1;
};

}  // namespace

std::vector<std::string> SrmImport::memo_lines() const {
    const std::string date = Format("%02i.%02i.%4i", start.day, start.month, start.year);
    return {identifier,
            Format("Days %02X  %i", days, days),
            date,
            date,
            Format("Radumfang mm= %i", wheel_mm),
            Format("Aufzeichnung %i / %i", interval_numerator, interval_denominator),
            Format("Blocks %i  Markers %i\n", static_cast<int>(blocks.size()),
                   static_cast<int>(markers.empty() ? 0 : markers.size() - 1)),
            comment,
            Format("\nPointer %08X  %i\n", static_cast<unsigned>(bytes_read),
                   static_cast<int>(bytes_read))};
}

SrmImport ImportSrm(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip) {
    SrmImport r;
    std::uint16_t block_count = 0, marker_count = 0;
    if (!ReadHeader(file, r, block_count, marker_count)) return r;
    ByteReader in(file);
    in.seek(kSrmHeaderSize);
    if (!ReadTables(in, block_count, marker_count, r)) return r;

    // How many records there are: the fewest of what the markers, the blocks and the bytes say.
    std::int64_t in_blocks = 0;
    for (const SrmBlock& b : r.blocks) in_blocks += b.records;
    // Marker 0's record number has 16 bits: for more records it holds their low 16 bits (or
    // stays at its highest value), and the blocks' count is taken.
    const std::int64_t marker0 = r.markers[0].last;
    const bool marker0_wrapped =
        in_blocks > 0xFFFF && (marker0 == (in_blocks & 0xFFFF) || marker0 == 0xFFFF);
    const std::int64_t named = marker0_wrapped ? in_blocks : marker0;
    const std::int64_t announced = std::min(named, in_blocks);
    const std::int64_t in_file = static_cast<std::int64_t>(in.remaining() / kSrmRecordSize);
    const std::int64_t k = std::min({announced, in_file, std::int64_t{kMaxTripCount}});
    if (named != in_blocks)
        r.warnings.push_back("marker 0 names " + std::to_string(named) + " records, the blocks " +
                             std::to_string(in_blocks) + "; " + std::to_string(announced) +
                             " are read");
    if (in_file < announced)
        r.warnings.push_back("the file is cut: it holds " + std::to_string(in_file) + " of the " +
                             std::to_string(announced) + " records it announces");
    if (std::min(announced, in_file) > kMaxTripCount)
        r.warnings.push_back("the trip keeps the first " + std::to_string(kMaxTripCount) +
                             " records of " + std::to_string(announced));
    if (k < kMinTripCount) {
        r.message = "only " + std::to_string(k) + " data records: too short for a trip";
        return r;
    }

    // The ride starts with the first block that holds records.
    std::size_t block = 0;
    while (r.blocks[block].records == 0) ++block;
    const std::int64_t unix_day = std::int64_t{r.days} - kSrmEpochDaysBefore1970;
    const std::int64_t first_start_s = r.blocks[block].start_centiseconds / 100;
    r.start = CivilFromUnixSeconds(unix_day * 86400 + first_start_s);
    r.base_name = TripBaseName(r.start, rider_name);

    trip.resetForImport();
    const std::int32_t interval = r.interval_s;
    const double km_per_raw = 1e-6 * interval;  // mm/s over one interval, in km
    MarkerIntervals intervals(r.markers);
    std::int64_t in_block = 0;    // index of the record within its block
    std::int64_t day_offset = 0;  // 86400 for each midnight the blocks have passed
    bool irregular = false;
    double distance = 0;
    for (std::int32_t n = 1; n <= k; ++n) {
        while (in_block >= r.blocks[block].records) {
            ++block;  // k never exceeds the blocks' records, so a next block exists
            in_block = 0;
            if (r.blocks[block].start_centiseconds < r.blocks[block - 1].start_centiseconds)
                day_offset += 86400;
        }
        std::uint16_t power = 0;
        std::uint8_t cadence = 0, heart_rate = 0;
        std::int32_t speed = 0;
        std::uint16_t altitude = 0, temperature = 0;
        in.u16(power);
        in.u8(cadence);
        in.u8(heart_rate);
        in.i32(speed);
        in.u16(altitude);
        in.skip(2);
        in.u16(temperature);
        if (speed < 0) speed = 0;

        TripRecord& rec = trip.records[n];
        rec.power_w = power;
        rec.cadence_rpm = cadence;
        rec.heart_rate_bpm = heart_rate;
        rec.speed_kmh = static_cast<float>(speed * 3600e-6);
        rec.altitude_m = static_cast<std::int16_t>(altitude);
        rec.temperature_c = static_cast<float>(static_cast<std::int16_t>(temperature) * 0.1);
        distance += speed * km_per_raw;
        rec.distance_km = static_cast<float>(distance);
        rec.interval_no = intervals.at(n);

        const std::int64_t clock =
            in_block * interval + r.blocks[block].start_centiseconds / 100 + day_offset;
        std::int64_t time_s = n == 1 ? 1 : clock - first_start_s + 1;
        if (n > 1) {
            // A block that starts before the previous one ends, or more than a day after it,
            // follows on without a gap.
            const std::int32_t before = trip.records[n - 1].time_s;
            if (time_s <= before || time_s - before > kSrmMaxGapS || time_s > kSrmMaxTimeS) {
                irregular = true;
                time_s = before + interval;
            }
            if (time_s - before > interval)
                rec.pause_s = static_cast<std::int32_t>(time_s - before);
        }
        rec.time_s = static_cast<std::int32_t>(time_s);
        ++in_block;
    }
    if (irregular)
        r.warnings.push_back(
            "a block starts before the previous one ends or more than a day after it; its "
            "records follow on");
    trip.count = static_cast<std::int32_t>(k);
    trip.sample_interval_s = interval;

    r.count = trip.count;
    r.bytes_read = in.position();
    r.flags = ScanMotionFlags(trip);
    r.ok = true;
    return r;
}

SrmImport ImportSrmPath(const std::string& path, const std::string& rider_name, Trip& trip) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) {
        SrmImport r;
        r.message = error.empty() ? "cannot read " + path : error;
        return r;
    }
    return ImportSrm(bytes, rider_name, trip);
}

StorePrepared PrepareSrmStore(Trip& trip, const SrmImport& import, int sport_type,
                              const ImportStoreSteps& steps) {
    if (!import.ok) return {.ok = false, .message = import.message, .sport_type = sport_type};
    return PrepareImportStore(trip, sport_type, import.buttons(), import.flags, SrmStoreRules(),
                              steps);
}

StoreResult StoreSrmTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const SrmImport& import, int sport_type, const ImportStoreSteps& steps) {
    if (!import.ok) {
        StoreResult r;
        r.message = import.message;
        return r;
    }
    return StoreImportedTrip(trips, settings, trip, import.base_name, sport_type, import.buttons(),
                             import.flags, SrmStoreRules(), steps);
}

}  // namespace vx
