#include "import/hrm_import.h"

#include <charconv>
#include <optional>

#include "trip/file_io.h"

namespace vx {

namespace {

constexpr std::int32_t kHrmMaxInterval = 3600;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Walks the text line by line; a line's trailing CR (and blanks) are dropped.
class LineReader {
  public:
    explicit LineReader(std::string_view text, std::size_t from = 0) : text_(text), pos_(from) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', pos_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        line = Trim(text_.substr(pos_, stop - pos_));
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        return true;
    }
    std::size_t position() const { return pos_; }

  private:
    std::string_view text_;
    std::size_t pos_;
};

// A whole decimal integer (with an optional sign), nothing else.
std::optional<std::int64_t> WholeNumber(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

struct HrmHeader {
    std::optional<std::string_view> version, mode, date, start_time, interval;
    std::optional<std::size_t> data_start;  // byte offset of the line after [HRData]
};

// The first value of each key in [Params], and where [HRData] begins.
HrmHeader ScanHeader(std::string_view text) {
    HrmHeader h;
    LineReader lines(text);
    std::string_view line, section;
    while (lines.next(line)) {
        if (!line.empty() && line.front() == '[') {
            section = line;
            if (section == "[HRData]") {
                h.data_start = lines.position();
                return h;
            }
            continue;
        }
        if (section != "[Params]") continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        auto take = [&](std::optional<std::string_view>& slot) {
            if (!slot) slot = value;
        };
        if (key == "Version")
            take(h.version);
        else if (key == "SMode")
            take(h.mode);
        else if (key == "Date")
            take(h.date);
        else if (key == "StartTime")
            take(h.start_time);
        else if (key == "Interval")
            take(h.interval);
    }
    return h;
}

std::string Quoted(std::string_view key, std::string_view value) {
    std::string s;
    s.reserve(key.size() + value.size() + 3);
    s.append(1, '"').append(key).append(1, '=').append(value).append(1, '"');
    return s;
}

// "hh:mm:ss" with an optional fraction, which is ignored.
bool ParseStartTime(std::string_view s, CivilTime& t) {
    const std::size_t c1 = s.find(':');
    const std::size_t c2 = c1 == std::string_view::npos ? c1 : s.find(':', c1 + 1);
    if (c2 == std::string_view::npos) return false;
    std::string_view sec = s.substr(c2 + 1);
    if (const std::size_t dot = sec.find('.'); dot != std::string_view::npos) {
        const std::string_view fraction = sec.substr(dot + 1);
        if (!fraction.empty() && !WholeNumber(fraction)) return false;
        sec = sec.substr(0, dot);
    }
    const auto h = WholeNumber(s.substr(0, c1));
    const auto m = WholeNumber(s.substr(c1 + 1, c2 - c1 - 1));
    const auto x = WholeNumber(sec);
    if (!h || !m || !x || *h < 0 || *h > 23 || *m < 0 || *m > 59 || *x < 0 || *x > 59) return false;
    t.hour = static_cast<int>(*h);
    t.minute = static_cast<int>(*m);
    t.second = static_cast<int>(*x);
    return true;
}

bool ParseDate(std::string_view s, CivilTime& t) {
    if (s.size() != 8) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    t.year = static_cast<int>(*WholeNumber(s.substr(0, 4)));
    t.month = static_cast<int>(*WholeNumber(s.substr(4, 2)));
    t.day = static_cast<int>(*WholeNumber(s.substr(6, 2)));
    return IsValidCivilTime(CivilTime{t.year, t.month, t.day, 0, 0, 0});
}

// Checks the header; on success fills the import's start, mode and interval.
bool CheckHeader(const HrmHeader& h, HrmImport& r) {
    auto fail = [&](std::string message) {
        r.message = std::move(message);
        return false;
    };
    if (!h.version) return fail("no \"Version=\" line in [Params]: not an HRM file");
    if (*h.version != "106")
        return fail(Quoted("Version", *h.version) + ": only HRM version 106 is read");
    if (!h.mode) return fail("no \"SMode=\" line in [Params]");
    const std::string_view mode = h.mode->substr(0, 8);
    bool binary = mode.size() == 8;
    for (char c : mode) binary = binary && (c == '0' || c == '1');
    if (!binary) return fail(Quoted("SMode", *h.mode) + ": the mode is not 8 digits 0 or 1");
    if (!h.date) return fail("no \"Date=\" line in [Params]");
    if (!ParseDate(*h.date, r.start))
        return fail(Quoted("Date", *h.date) + ": not a date YYYYMMDD");
    if (!h.start_time) return fail("no \"StartTime=\" line in [Params]");
    if (!ParseStartTime(*h.start_time, r.start))
        return fail(Quoted("StartTime", *h.start_time) + ": not a time of day hh:mm:ss");
    if (!h.interval) return fail("no \"Interval=\" line in [Params]");
    const auto interval = WholeNumber(*h.interval);
    if (!interval) return fail(Quoted("Interval", *h.interval) + ": not a whole number");
    if (*interval == kHrmRrInterval)
        return fail(Quoted("Interval", *h.interval) +
                    ": the file holds R-R intervals, not samples");
    if (*interval <= 0 || *interval > kHrmMaxInterval)
        return fail(Quoted("Interval", *h.interval) + ": the sample interval must be 1 .. " +
                    std::to_string(kHrmMaxInterval) + " s");
    if (!h.data_start) return fail("no [HRData] section");
    r.mode = std::string(mode);
    r.interval_s = static_cast<std::int32_t>(*interval);
    return true;
}

// The data section ends at the next section header or at the end of the text.
bool IsDataEnd(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

struct DataLine {
    std::int64_t fields[5] = {};  // heart rate, then the present columns in their order
    bool unreadable = false;      // a field was missing or not a whole number
};

// Splits a data line at tabs (or blanks) and reads its first `wanted` fields.
void ReadDataLine(std::string_view line, int wanted, DataLine& out) {
    int n = 0;
    std::size_t pos = 0;
    while (n < wanted) {
        while (pos < line.size() && (line[pos] == '\t' || line[pos] == ' ')) ++pos;
        if (pos >= line.size()) break;
        std::size_t end = pos;
        while (end < line.size() && line[end] != '\t' && line[end] != ' ') ++end;
        const auto v = WholeNumber(line.substr(pos, end - pos));
        out.fields[n] = v ? *v : 0;
        if (!v) out.unreadable = true;
        ++n;
        pos = end;
    }
    for (; n < wanted; ++n) {
        out.fields[n] = 0;
        out.unreadable = true;
    }
}

}  // namespace

HrmImport ImportHrm(std::string_view text, const std::string& rider_name, Trip& trip) {
    HrmImport r;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
    const HrmHeader header = ScanHeader(text);
    if (!CheckHeader(header, r)) return r;

    // Count the data lines first, so a refusal leaves the trip untouched.
    std::string_view line;
    std::int32_t lines = 0;
    for (LineReader reader(text, *header.data_start); reader.next(line) && !IsDataEnd(line);)
        if (!line.empty()) ++lines;
    r.data_lines = lines;
    const std::int32_t n_read = lines < kHrmMaxDataLines ? lines : kHrmMaxDataLines;
    if (n_read < kMinTripCount) {
        r.message = "only " + std::to_string(lines) + " data lines: too short for a trip";
        return r;
    }
    if (lines > kHrmMaxDataLines)
        r.warnings.push_back("the file has " + std::to_string(lines) +
                             " data lines; the trip keeps the first " +
                             std::to_string(kHrmMaxDataLines));

    float TripRecord::*columns[4] = {&TripRecord::speed_kmh, &TripRecord::cadence_rpm,
                                     &TripRecord::altitude_m, &TripRecord::power_w};
    bool present[4] = {r.has_speed(), r.has_cadence_column(), r.has_altitude(), r.has_power()};
    int wanted = 1;
    for (bool p : present) wanted += p ? 1 : 0;

    trip.resetForImport();
    const double km_per_speed_unit = 0.1 * r.interval_s / 3600.0;  // per 0.1 km/h and sample
    double distance = 0;
    std::int32_t unreadable = 0;
    std::int32_t n = 0;
    for (LineReader reader(text, *header.data_start);
         n < n_read && reader.next(line) && !IsDataEnd(line);) {
        if (line.empty()) continue;
        DataLine d;
        ReadDataLine(line, wanted, d);
        ++n;
        TripRecord& rec = trip.records[n];
        rec.time_s = 1 + (n - 1) * r.interval_s;
        rec.distance_km = static_cast<float>(distance);
        // Heart rate, speed, cadence and power cannot be negative; altitude can.
        int field = 0;
        auto value = [&](bool signed_ok) {
            std::int64_t v = d.fields[field++];
            if (v < 0 && !signed_ok) {
                d.unreadable = true;
                v = 0;
            }
            return v;
        };
        rec.heart_rate_bpm = static_cast<float>(value(false));
        std::int64_t speed_raw = 0;
        for (int c = 0; c < 4; ++c) {
            if (!present[c]) continue;
            const std::int64_t v = value(c == 2);
            if (c == 0) speed_raw = v;
            rec.*columns[c] = static_cast<float>(c == 0 ? v * 0.1 : double(v));
        }
        distance += static_cast<double>(speed_raw) * km_per_speed_unit;
        if (d.unreadable) ++unreadable;
    }
    if (unreadable > 0)
        r.warnings.push_back(std::to_string(unreadable) +
                             " data lines hold fields that are missing or not whole numbers "
                             "(read as 0)");
    trip.records[1].speed_kmh = 0;
    trip.records[1].distance_km = 0;
    trip.count = n;
    trip.sample_interval_s = r.interval_s;

    r.count = n;
    r.flags = ScanMotionFlags(trip);
    r.base_name = TripBaseName(r.start, rider_name);
    r.ok = true;
    return r;
}

HrmImport ImportHrmPath(const std::string& path, const std::string& rider_name, Trip& trip) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) {
        HrmImport r;
        r.message = error.empty() ? "cannot read " + path : error;
        return r;
    }
    return ImportHrm(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     rider_name, trip);
}

StorePrepared PrepareHrmStore(Trip& trip, const HrmImport& import, int sport_type,
                              const ImportStoreSteps& steps) {
    if (!import.ok) return {.ok = false, .message = import.message, .sport_type = sport_type};
    return PrepareImportStore(trip, sport_type, import.buttons(), import.flags, HrmStoreRules(),
                              steps);
}

StoreResult StoreHrmTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const HrmImport& import, int sport_type, const ImportStoreSteps& steps) {
    if (!import.ok) {
        StoreResult r;
        r.message = import.message;
        return r;
    }
    return StoreImportedTrip(trips, settings, trip, import.base_name, sport_type, import.buttons(),
                             import.flags, HrmStoreRules(), steps);
}

}  // namespace vx
