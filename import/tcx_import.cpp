#include "import/tcx_import.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>

#include "trip/file_io.h"

namespace vx {

namespace {

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view LocalName(const char* name) {
    const char* colon = std::strrchr(name, ':');
    return colon ? std::string_view(colon + 1) : std::string_view(name);
}

bool Digits(std::string_view s, std::size_t at, std::size_t n, int& value) {
    if (at + n > s.size()) return false;
    value = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

// Values beyond this are no measurements (and would overflow the trip's floats).
constexpr double kTcxMaxValue = 1e9;

// A decimal number in the C locale, the whole text and nothing else.
std::optional<double> Number(const char* text) {
    const std::string_view s = Trim(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || !std::isfinite(v) ||
        std::fabs(v) > kTcxMaxValue)
        return std::nullopt;
    return v;
}

// The values one trackpoint holds.
struct Point {
    std::optional<double> time, altitude, distance, heart_rate, cadence, watts;
    bool unreadable = false;  // a value element whose text is not a number
};

const char* Text(pugi::xml_node n) {
    return n.child_value();
}

void Take(std::optional<double>& slot, pugi::xml_node n, Point& p) {
    if (slot) return;  // the first element of a kind counts
    slot = Number(Text(n));
    if (!slot) p.unreadable = true;
}

// The first element of that local name below n (n itself excluded), depth first.
pugi::xml_node FindBelow(pugi::xml_node n, std::string_view local) {
    pugi::xml_node c = n.first_child();
    while (c && c != n) {
        if (c.type() == pugi::node_element && LocalName(c.name()) == local) return c;
        if (c.first_child()) {
            c = c.first_child();
            continue;
        }
        while (c != n && !c.next_sibling()) c = c.parent();
        if (c != n) c = c.next_sibling();
    }
    return {};
}

Point ReadPoint(pugi::xml_node tp) {
    Point p;
    for (pugi::xml_node c = tp.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = LocalName(c.name());
        if (name == "Time") {
            if (!p.time) p.time = ParseTcxTime(Text(c));
        } else if (name == "AltitudeMeters") {
            Take(p.altitude, c, p);
        } else if (name == "DistanceMeters") {
            Take(p.distance, c, p);
        } else if (name == "Cadence") {
            Take(p.cadence, c, p);
        } else if (name == "HeartRateBpm") {
            if (pugi::xml_node v = FindBelow(c, "Value")) Take(p.heart_rate, v, p);
        } else if (name == "Extensions") {
            if (pugi::xml_node w = FindBelow(c, "Watts")) Take(p.watts, w, p);
        }
    }
    return p;
}

// Every trackpoint element in document order (trackpoints are not searched for inside
// trackpoints).
std::vector<pugi::xml_node> Trackpoints(const pugi::xml_document& doc) {
    std::vector<pugi::xml_node> out;
    pugi::xml_node n = doc.first_child();
    while (n) {
        if (n.type() == pugi::node_element && LocalName(n.name()) == "Trackpoint") {
            out.push_back(n);
        } else if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling()) n = n.parent();
        if (n) n = n.next_sibling();
    }
    return out;
}

// Whether the text from..to holds the closing tag of a trackpoint ("</Trackpoint>" with any
// prefix).
bool HasTrackpointEnd(std::string_view text, std::size_t from, std::size_t to) {
    constexpr std::string_view kName = "Trackpoint";
    if (to > text.size()) to = text.size();
    for (std::size_t at = text.find(kName, from); at != std::string_view::npos && at < to;
         at = text.find(kName, at + 1)) {
        std::size_t b = at;  // back over a prefix to "</"
        while (b > from && text[b - 1] != '<' && text[b - 1] != '>' && text[b - 1] != ' ') --b;
        if (b < from + 1 || text[b - 1] != '<' || b >= at || text[b] != '/') continue;
        if (at - b > 1 && text[at - 1] != ':') continue;
        std::size_t e = at + kName.size();
        while (e < to && (text[e] == ' ' || text[e] == '\t' || text[e] == '\r' || text[e] == '\n'))
            ++e;
        if (e < to && text[e] == '>') return true;
    }
    return false;
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::optional<double> ParseTcxTime(std::string_view text) {
    const std::string_view s = Trim(text);
    CivilTime t;
    if (!Digits(s, 0, 4, t.year) || s.size() < 19 || s[4] != '-' || !Digits(s, 5, 2, t.month) ||
        s[7] != '-' || !Digits(s, 8, 2, t.day) || (s[10] != 'T' && s[10] != 't') ||
        !Digits(s, 11, 2, t.hour) || s[13] != ':' || !Digits(s, 14, 2, t.minute) || s[16] != ':' ||
        !Digits(s, 17, 2, t.second) || !IsValidCivilTime(t))
        return std::nullopt;
    std::size_t pos = 19;
    double fraction = 0;
    if (pos < s.size() && (s[pos] == '.' || s[pos] == ',')) {
        double scale = 0.1;
        std::size_t digits = 0;
        for (++pos; pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++pos, ++digits) {
            fraction += (s[pos] - '0') * scale;
            scale *= 0.1;
        }
        if (digits == 0) return std::nullopt;
    }
    std::int64_t offset = 0;
    if (pos < s.size()) {
        const std::string_view zone = s.substr(pos);
        int hh = 0, mm = 0;
        if (zone == "Z" || zone == "z") {
        } else if ((zone[0] == '+' || zone[0] == '-') && Digits(zone, 1, 2, hh) &&
                   ((zone.size() == 3) ||
                    (zone.size() == 6 && zone[3] == ':' && Digits(zone, 4, 2, mm)) ||
                    (zone.size() == 5 && Digits(zone, 3, 2, mm))) &&
                   hh <= 18 && mm <= 59) {
            offset = (zone[0] == '-' ? -1 : 1) * (hh * 3600 + mm * 60);
        } else {
            return std::nullopt;
        }
    }
    return static_cast<double>(UnixSecondsFromCivil(t) - offset) + fraction;
}

TcxImport ImportTcx(std::span<const std::uint8_t> file, const std::string& rider_name, Trip& trip,
                    const UtcOffsetFn& utc_offset) {
    TcxImport r;
    r.bytes = file.size();
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(file.data(), file.size(), pugi::parse_minimal);
    std::vector<pugi::xml_node> nodes = Trackpoints(doc);
    r.trackpoints = static_cast<std::int32_t>(nodes.size());
    if (!parsed) {
        const std::string where = std::string("XML error \"") + parsed.description() +
                                  "\" at byte " + std::to_string(parsed.offset);
        if (nodes.empty()) {
            r.message = "not a TCX file: " + where;
            return r;
        }
        // The trackpoint the reading stopped in is incomplete unless its closing tag lies
        // before the error (the error's offset is that of its last character read).
        const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
        const std::ptrdiff_t start = nodes.back().offset_debug();
        if (start < 0 || !HasTrackpointEnd(text, static_cast<std::size_t>(start),
                                           static_cast<std::size_t>(parsed.offset) + 1)) {
            nodes.pop_back();
            r.warnings.push_back(kTcxTrackpointCut);
        }
        if (nodes.empty()) {
            r.message = "no complete trackpoint before the " + where;
            return r;
        }
        r.warnings.push_back(where + ": the trackpoints before it are used");
    }
    if (nodes.empty()) {
        r.message = "the file holds no trackpoints";
        return r;
    }

    // First every trackpoint's values and record, so a refusal leaves the trip untouched.
    std::vector<Point> points;
    points.reserve(nodes.size());
    for (pugi::xml_node n : nodes) points.push_back(ReadPoint(n));
    nodes = {};
    doc.reset();

    std::optional<double> first;
    std::size_t without_time = 0, outside = 0, unreadable = 0, with_distance = 0;
    std::vector<std::int32_t> index(points.size(), 0);  // 0: left out
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        if (p.unreadable) ++unreadable;
        if (!p.time) {
            ++without_time;
            continue;
        }
        if (!first) first = *p.time;
        const double s = std::round(*p.time - *first) + 1;
        if (s < 1 || s > kMaxTripCount) {
            ++outside;
            continue;
        }
        index[i] = static_cast<std::int32_t>(s);
        if (p.distance) ++with_distance;
    }
    if (!first) {
        r.message = "no trackpoint has a readable time";
        return r;
    }
    if (with_distance == 0) {
        r.message =
            "no trackpoint carries a distance (DistanceMeters): the speed and distance of the "
            "trip cannot be derived";
        return r;
    }

    // The distance anchors: each one later than the one before it.
    std::int32_t last = 0;
    std::size_t ignored = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!index[i] || !points[i].distance) continue;
        if (index[i] > last)
            last = index[i];
        else
            ++ignored;
    }
    if (last < kMinTripCount) {
        r.message = "the trackpoints with a distance span only " + std::to_string(last) +
                    " s: too short for a trip";
        return r;
    }
    if (without_time)
        r.warnings.push_back(Count(without_time, "trackpoint", "trackpoints") +
                             " without a readable time left out");
    if (outside)
        r.warnings.push_back(Count(outside, "trackpoint", "trackpoints") + " outside 1 .. " +
                             std::to_string(kMaxTripCount) + " s from the first one left out");
    if (ignored)
        r.warnings.push_back(Count(ignored, "distance", "distances") +
                             " at a time not after the previous distance ignored");
    if (unreadable)
        r.warnings.push_back(Count(unreadable, "trackpoint holds", "trackpoints hold") +
                             " values that are not numbers (left out)");

    trip.resetForImport();
    std::vector<TripRecord>& rec = trip.records;
    std::vector<std::int32_t> anchors;  // in increasing order; time_s holds the link back
    std::int32_t highest = 0;           // the highest record any trackpoint wrote
    last = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t s = index[i];
        if (!s) continue;
        const Point& p = points[i];
        TripRecord& x = rec[s];
        if (p.altitude) x.altitude_m = static_cast<float>(*p.altitude);
        if (p.heart_rate) x.heart_rate_bpm = static_cast<float>(*p.heart_rate);
        if (p.cadence) x.cadence_rpm = static_cast<float>(*p.cadence);
        if (p.watts) x.power_w = static_cast<float>(*p.watts);
        if (p.distance && s > last) {
            x.distance_km = static_cast<float>(*p.distance * 0.001);
            x.time_s = last;
            x.interval_no = 0;
            anchors.push_back(s);
            last = s;
        }
        if (s > highest) highest = s;
    }
    const std::int32_t n_last = last;

    // The seconds between two anchors.
    rec[1].distance_km = 0;
    rec[1].speed_kmh = 0;
    for (const std::int32_t i : anchors) {
        if (i < 2) continue;
        const std::int32_t j = rec[i].time_s > 1 ? rec[i].time_s : 1;
        const std::int32_t n = i - j;
        TripRecord& a = rec[j];
        TripRecord& b = rec[i];
        if ((double(b.distance_km) - a.distance_km) / n < kTcxStandstillKmPerSecond)
            b.distance_km = a.distance_km;
        if (b.distance_km == 0) b.distance_km = a.distance_km;
        const float dd = (b.distance_km - a.distance_km) / n;
        const float dh = (b.heart_rate_bpm - a.heart_rate_bpm) / n;
        const float dp = (b.power_w - a.power_w) / n;
        const float da = (b.altitude_m - a.altitude_m) / n;
        const float dc = b.cadence_rpm < 1 ? 0 : (b.cadence_rpm - a.cadence_rpm) / n;
        for (std::int32_t k = j + 1; k < i; ++k) {
            TripRecord& x = rec[k];
            const TripRecord& y = rec[k - 1];
            x.distance_km = y.distance_km + dd;
            x.heart_rate_bpm = y.heart_rate_bpm + dh;
            x.power_w = y.power_w + dp;
            x.altitude_m = y.altitude_m + da;
            x.cadence_rpm = y.cadence_rpm + dc;
            x.interval_no = y.interval_no;
        }
    }
    for (std::int32_t i = 2; i < n_last; ++i) {
        rec[i].time_s = i;
        rec[i].speed_kmh = (rec[i + 1].distance_km - rec[i - 1].distance_km) * 3600 * 0.5f;
    }
    rec[1].distance_km = 0;
    rec[1].speed_kmh = 0;
    rec[1].time_s = 1;
    rec[n_last].time_s = n_last;
    // Trackpoints after the last anchor have no place in the trip.
    for (std::int32_t i = n_last + 1; i <= highest; ++i) rec[i] = TripRecord{};
    trip.count = n_last;
    trip.sample_interval_s = 1;

    const std::int64_t start = static_cast<std::int64_t>(std::floor(*first));
    r.start_unix = start;
    r.start = CivilFromUnixSeconds(start + (utc_offset ? utc_offset(start) : 0));
    r.base_name = TripBaseName(r.start, rider_name);
    r.count = trip.count;
    r.anchors = static_cast<std::int32_t>(anchors.size());
    r.flags = ScanMotionFlags(trip);
    r.ok = true;
    return r;
}

TcxImport ImportTcxPath(const std::string& path, const std::string& rider_name, Trip& trip,
                        const UtcOffsetFn& utc_offset) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) {
        TcxImport r;
        r.message = error.empty() ? "cannot read " + path : error;
        return r;
    }
    return ImportTcx(bytes, rider_name, trip, utc_offset);
}

StorePrepared PrepareTcxStore(Trip& trip, const TcxImport& import, int sport_type,
                              const ImportStoreSteps& steps) {
    if (!import.ok) return {.ok = false, .message = import.message, .sport_type = sport_type};
    return PrepareImportStore(trip, sport_type, import.buttons(), import.flags, TcxStoreRules(),
                              steps);
}

StoreResult StoreTcxTrip(RiderTrips& trips, const Settings& settings, Trip& trip,
                         const TcxImport& import, int sport_type, const ImportStoreSteps& steps) {
    if (!import.ok) {
        StoreResult r;
        r.message = import.message;
        return r;
    }
    return StoreImportedTrip(trips, settings, trip, import.base_name, sport_type, import.buttons(),
                             import.flags, TcxStoreRules(), steps);
}

}  // namespace vx
