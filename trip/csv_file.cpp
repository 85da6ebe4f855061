#include "trip/csv_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "trip/file_io.h"

namespace vx {

namespace {

// Headers as the program writes them, Windows-1252 ("HÖHE", "°C").
constexpr char kPlainHeader1[] = "ZEIT,STRECKE,POWER,RPM,SPEED,PULS,H\xD6HE,TEMP,INTERVAL,PAUSE";
constexpr char kPlainHeader2[] = "L_SEC,KM,WATT,RPM,KM/H,BPM,METER,\xB0" "C,NUM,SEC";
constexpr char kWkoHeader[] = " Minutes, Torq (N-m), Km/h, Watts, Km, Cadence, Hrate,ID ";

// Non-finite samples print as 0 so a damaged trip still gives a readable table.
double Finite(float v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

std::string FormatCsv(const Trip& trip, CsvLayout layout) {
    std::string out;
    const std::int32_t n = std::clamp<std::int32_t>(trip.count, 0, kMaxTripCount);
    out.reserve(static_cast<std::size_t>(n) * 72 + 128);
    char line[256];
    if (layout == CsvLayout::Plain) {
        out += kPlainHeader1;
        out += "\r\n";
        out += kPlainHeader2;
        out += "\r\n";
        for (std::int32_t i = 1; i < n; ++i) {
            const TripRecord& r = trip.records[i];
            int len = std::snprintf(line, sizeof line,
                                    "%6li,%8.3f,%5.0f,%4.0f,%5.1f,%4.0f,%6.1f,%5.1f,%3i,%6i",
                                    static_cast<long>(r.time_s), Finite(r.distance_km),
                                    Finite(r.power_w), Finite(r.cadence_rpm), Finite(r.speed_kmh),
                                    Finite(r.heart_rate_bpm), Finite(r.altitude_m),
                                    Finite(r.temperature_c), int(r.interval_no), int(r.pause_s));
            len = std::min<int>(len, sizeof line - 1);
            std::replace(line, line + len, '.', ',');
            out.append(line, static_cast<std::size_t>(len));
            out += "\r\n";
        }
    } else {
        out += kWkoHeader;
        out += "\r\n";
        double pause_minutes = 0;
        for (std::int32_t i = 1; i < n; ++i) {
            const TripRecord& r = trip.records[i];
            const double minutes = r.time_s / 60.0 + pause_minutes;
            if (r.pause_s > 0) pause_minutes += r.pause_s / 60.0;
            int len = std::snprintf(line, sizeof line, "%8.3f,   ,%6.1f,%5.0f,%8.3f,%4.0f,%4.0f,    ",
                                    minutes, Finite(r.speed_kmh), Finite(r.power_w),
                                    Finite(r.distance_km), Finite(r.cadence_rpm),
                                    Finite(r.heart_rate_bpm));
            out.append(line, static_cast<std::size_t>(std::min<int>(len, sizeof line - 1)));
            out += "\r\n";
        }
    }
    return out;
}

bool ExportCsv(const Trip& trip, const std::string& path_without_extension, CsvLayout layout,
               std::string* error) {
    const std::string path =
        path_without_extension + (layout == CsvLayout::Plain ? ".CSV" : "_WKO.CSV");
    const std::string text = FormatCsv(trip, layout);
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), error);
}

namespace {

// Reads the number at the start of a field (after blanks), as scanf would; 0 when there is
// none. With decimal_comma, the first "," counts as the decimal point.
double FieldValue(std::string_view field, bool decimal_comma) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    std::string buf(field.substr(i));
    if (decimal_comma) {
        auto c = buf.find(',');
        if (c != std::string::npos) buf[c] = '.';
    }
    if (!buf.empty() && buf[0] == '+') buf.erase(0, 1);
    double v = 0;
    auto [p, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), v);
    if (ec != std::errc() || !std::isfinite(v)) return 0;
    return v;
}

// The fields of a line, split at the separator. In the semicolon dialect a decimal comma in
// the distance, speed, altitude and temperature fields is read as a point.
void FillRecord(std::string_view line, CsvDialect dialect, TripRecord& r) {
    const char sep = dialect == CsvDialect::Semicolon ? ';' : ',';
    double values[10] = {};
    int field = 0;
    std::size_t start = 0;
    while (field < 10 && start <= line.size()) {
        std::size_t end = line.find(sep, start);
        if (end == std::string_view::npos) end = line.size();
        const bool comma = dialect == CsvDialect::Semicolon &&
                           (field == 1 || field == 4 || field == 6 || field == 7);
        values[field++] = FieldValue(line.substr(start, end - start), comma);
        start = end + 1;
    }
    auto to_int = [](double v, double lo, double hi) {
        return static_cast<std::int64_t>(std::clamp(std::trunc(v), lo, hi));
    };
    r.time_s = static_cast<std::int32_t>(to_int(values[0], 0, 2147483647.0));
    r.distance_km = static_cast<float>(values[1]);
    r.power_w = static_cast<float>(values[2]);
    r.cadence_rpm = static_cast<float>(values[3]);
    r.speed_kmh = static_cast<float>(values[4]);
    r.heart_rate_bpm = static_cast<float>(values[5]);
    r.altitude_m = static_cast<float>(values[6]);
    r.temperature_c = static_cast<float>(values[7]);
    r.interval_no = static_cast<std::uint8_t>(to_int(values[8], 0, 255));
    r.pause_s = static_cast<std::int32_t>(to_int(values[9], -2147483648.0, 2147483647.0));
}

bool BeginsWithPositiveInteger(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    std::int64_t v = 0;
    bool digits = false;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        digits = true;
        if (v < 1000000000) v = v * 10 + (line[i] - '0');
    }
    return digits && v > 0;
}

}  // namespace

CsvRead ParseCsvSamples(std::string_view text, CsvDialect dialect, Trip& trip) {
    CsvRead result;
    trip.resetForImport();
    std::int32_t samples = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        ++result.lines;
        if (BeginsWithPositiveInteger(line)) {
            if (samples >= kMaxCsvSamples) {
                result.cut = true;
            } else {
                FillRecord(line, dialect, trip.records[++samples]);
            }
        }
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++start;
    }
    result.samples = samples;
    if (samples < kMinCsvSamples) {
        trip.resetForImport();
        result.message = "The file holds " + std::to_string(samples) +
                         " sample lines; a trip needs at least 5. Nothing was stored.";
        return result;
    }
    trip.count = samples + 1;
    trip.sample_interval_s = std::max(1, trip.records[3].time_s - trip.records[2].time_s);
    result.ok = true;
    if (result.cut)
        result.message = "The file holds more samples than a trip can take; it was cut after " +
                         std::to_string(kMaxCsvSamples) + " samples.";
    else if (samples < kFewCsvSamples)
        result.message = "Only " + std::to_string(samples) +
                         " samples: the views and the evaluation need at least 59.";
    return result;
}

std::optional<std::string> CheckedTripBaseName(std::string name) {
    auto digits = [&](std::size_t from, std::size_t n) {
        if (name.size() < from + n) return false;
        for (std::size_t i = from; i < from + n; ++i)
            if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
        return true;
    };
    if (!digits(0, 8) || name.size() < 15 || name[8] != '_' || !digits(9, 6)) return std::nullopt;
    if (name.size() > 15 && name[15] == '_') name.insert(15, "0");
    return name;
}

std::optional<std::string> CsvBaseName(const std::string& file_name) {
    std::string stem = file_name;
    if (stem.size() >= 4) {
        std::string ext = stem.substr(stem.size() - 4);
        std::transform(ext.begin(), ext.end(), ext.begin(), ::toupper);
        if (ext == ".CSV") stem.resize(stem.size() - 4);
    }
    return CheckedTripBaseName(stem + "_c");
}

}  // namespace vx
