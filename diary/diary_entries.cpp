// "NR" diary entries: values, line, add, edit, erase.
#include "diary/diary_entries.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "analysis/evaluation_format.h"
#include "app/units.h"
#include "diary/diary_cells.h"
#include "diary/diary_notes.h"

namespace vx {

namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r\n";
    const std::size_t a = s.find_first_not_of(blanks);
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(blanks) - a + 1);
}

int Digits(std::string_view line, std::size_t pos, std::size_t n) {
    int v = 0;
    for (std::size_t i = pos; i < line.size() && i < pos + n; ++i) {
        if (line[i] < '0' || line[i] > '9') break;
        v = v * 10 + (line[i] - '0');
    }
    return v;
}

bool IsCalendarDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1) return false;
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

void WriteRecord(TripSummary& s, const ManualEntry& e, std::uint8_t unit_flags) {
    const DisplayFactors f = FactorsFromUnitFlags(unit_flags);
    s.max_speed_kmh = static_cast<float>(SerialDate(e.year, e.month, e.day));
    s.avg_speed_kmh = static_cast<float>((e.hour * 60 + e.minute) / 1440.0);
    s.total_time_s = e.duration_s;
    s.distance_km = static_cast<float>(e.distance / f.distance_factor);
    s.avg_hr = static_cast<float>(e.heart_rate);
    s.avg_power_w = 0;
    s.avg_temperature_c = static_cast<float>(DisplayToCelsius(e.temperature, f.fahrenheit));
}

std::size_t IndexOfLine(const TripList& list, const std::string& line) {
    return static_cast<std::size_t>(std::find(list.lines.begin(), list.lines.end() - 1, line) -
                                    list.lines.begin());
}

}  // namespace

std::optional<double> ParseDiaryNumber(std::string_view text) {
    std::string s(Trim(text));
    if (s.empty()) return 0.0;
    std::replace(s.begin(), s.end(), ',', '.');
    double v = 0;
    const char* begin = s.data();
    if (*begin == '+') ++begin;
    const auto r = std::from_chars(begin, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> ParseDiaryDuration(std::string_view text) {
    const std::string_view t = Trim(text);
    if (t.find(':') == std::string_view::npos) {
        const std::optional<double> minutes = ParseDiaryNumber(t);
        if (!minutes || *minutes < 0 || *minutes > 1e6) return std::nullopt;
        return static_cast<std::int32_t>(std::lround(*minutes * 60));
    }
    std::int64_t parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = t.find(':', start);
        const std::string_view piece =
            t.substr(start, colon == std::string_view::npos ? colon : colon - start);
        if (count == 3 || piece.empty() || piece.size() > 6) return std::nullopt;
        for (char c : piece)
            if (c < '0' || c > '9') return std::nullopt;
        parts[count++] = std::stoll(std::string(piece));
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    if (count < 2 || parts[1] > 59 || (count == 3 && parts[2] > 59)) return std::nullopt;
    const std::int64_t s = parts[0] * 3600 + parts[1] * 60 + (count == 3 ? parts[2] : 0);
    if (s > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(s);
}

std::string FormatDiaryDuration(std::int32_t seconds) {
    const std::int64_t s = std::max<std::int32_t>(seconds, 0);
    return FormatTwoDigits(s / 3600) + ":" + FormatTwoDigits((s % 3600) / 60) + ":" +
           FormatTwoDigits(s % 60);
}

std::string CheckManualEntry(const ManualEntry& e) {
    if (e.year < 2000 || e.year > 2099 || !IsCalendarDate(e.year, e.month, e.day))
        return "The date must be a day from 01.01.2000 to 31.12.2099.";
    if (e.hour < 0 || e.hour > 23 || e.minute < 0 || e.minute > 59)
        return "The start time is not a time of day.";
    if (e.duration_s < 0) return "The duration must not be negative.";
    if (!std::isfinite(e.distance) || e.distance < 0 || e.distance > 1e6)
        return "The distance must be a number of 0 or more.";
    if (!std::isfinite(e.heart_rate) || e.heart_rate < 0 || e.heart_rate > 300)
        return "The heart rate must be a number from 0 to 300.";
    if (!std::isfinite(e.temperature) || std::fabs(e.temperature) > 200)
        return "The temperature is not a plausible number.";
    return {};
}

std::string ManualEntryLine(const ManualEntry& e, const std::string& rider_folder, int number) {
    char head[48];
    const int kind = e.kind >= 3 && e.kind <= 7 ? e.kind : 0;
    std::snprintf(head, sizeof head, "%4i%02i%02i_%02i%02iNR%1i_", e.year, e.month, e.day, e.hour,
                  e.minute, kind);
    char num[16];
    std::snprintf(num, sizeof num, ";%03i;*", number);
    std::string line = head + rider_folder + num + EncodeNoteText(e.note);
    if (e.comment2) line += "|~§" + EncodeComment2(*e.comment2);
    return line;
}

ManualEntry ManualEntryOfLine(std::string_view line, const SummaryStore& store,
                              std::uint8_t unit_flags) {
    ManualEntry e;
    e.year = Digits(line, 0, 4);
    e.month = Digits(line, 4, 2);
    e.day = Digits(line, 6, 2);
    e.hour = Digits(line, 9, 2);
    e.minute = Digits(line, 11, 2);
    const NotePanel panel = NotePanelOfLine(line);
    e.kind = panel.kind;
    e.note = panel.note;
    if (line.find("§") != std::string_view::npos) e.comment2 = panel.comment2;
    if (const std::optional<int> n = StoreNumberOfLine(line)) {
        const DisplayFactors f = FactorsFromUnitFlags(unit_flags);
        const TripSummary& s = store.summaries[*n];
        e.duration_s = std::max(s.total_time_s, 0);
        e.distance = std::isfinite(s.distance_km) ? s.distance_km * f.distance_factor : 0;
        e.heart_rate = std::isfinite(s.avg_hr) ? s.avg_hr : 0;
        e.temperature = std::isfinite(s.avg_temperature_c)
                            ? CelsiusToDisplay(s.avg_temperature_c, f.fahrenheit)
                            : 0;
    }
    return e;
}

ManualEntrySave AddManualEntry(RiderTrips& trips, const Settings& settings, const ManualEntry& e) {
    ManualEntrySave r;
    r.message = CheckManualEntry(e);
    if (!r.message.empty()) return r;
    const std::optional<int> n = AllocateTripNumber(trips.list, trips.store.highest, &r.message);
    if (!n) return r;
    const std::string line = ManualEntryLine(e, settings.rider_folder, *n);
    AddListLine(trips.list, line);
    ParseTripList(trips.list, trips.is_collection);
    trips.store.Invalidate(*n);
    WriteRecord(trips.store.summaries[*n], e, settings.unit_flags);
    r.ok = true;
    r.trip_number = *n;
    r.index = IndexOfLine(trips.list, line);
    return r;
}

ManualEntrySave EditManualEntry(RiderTrips& trips, const Settings& settings, std::size_t index,
                                const ManualEntry& e) {
    ManualEntrySave r;
    TripList& list = trips.list;
    if (index >= list.entry_count() || !IsManualEntry(list.lines[index])) {
        r.message = "The row holds no entry without recording.";
        return r;
    }
    r.message = CheckManualEntry(e);
    if (!r.message.empty()) return r;
    std::optional<int> n = StoreNumberOfLine(list.lines[index]);
    bool fresh = false;
    if (!n) {
        n = AllocateTripNumber(list, trips.store.highest, &r.message);
        if (!n) return r;
        fresh = true;
    }
    const std::string line = ManualEntryLine(e, settings.rider_folder, *n);
    list.lines.erase(list.lines.begin() + static_cast<long>(index));
    AddListLine(list, line);
    ParseTripList(list, trips.is_collection);
    if (fresh) trips.store.Invalidate(*n);
    WriteRecord(trips.store.summaries[*n], e, settings.unit_flags);
    r.ok = true;
    r.trip_number = *n;
    r.index = IndexOfLine(list, line);
    return r;
}

int EraseDiaryEntry(RiderTrips& trips, std::size_t index) {
    if (index >= trips.list.entry_count()) return 0;
    return EraseTrip(trips, index);
}

}  // namespace vx
