#include "trip/trip_list.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "trip/cp1252.h"

namespace vx {

bool IsValidListLine(std::string_view line) {
    return line.size() > 8 && line[0] == '2' && line[1] == '0' && line[8] == '_';
}

bool IsManualEntry(std::string_view line) { return line.size() > 14 && line.substr(13, 2) == "NR"; }

std::string BaseNameOfLine(std::string_view line) {
    return std::string(line.substr(0, line.find(';')));
}

int TripNumberOfLine(std::string_view line) {
    std::size_t semi = line.find(';');
    if (semi == std::string_view::npos) return 0;
    int n = 0;
    for (std::size_t i = semi + 1; i < line.size() && i <= semi + 3; ++i) {
        if (line[i] < '0' || line[i] > '9') break;
        n = n * 10 + (line[i] - '0');
    }
    return n;
}

std::string NoteOfLine(std::string_view line) {
    std::size_t star = line.find('*');
    return star == std::string_view::npos ? std::string() : std::string(line.substr(star));
}

int SportDigitOfLine(std::string_view line) {
    return (line.size() > 15 && line[15] >= '0' && line[15] <= '9') ? line[15] - '0' : 0;
}

double SerialDate(int year, int month, int day) {
    // Days from the civil calendar (proleptic Gregorian), shifted to 30 December 1899.
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days_since_1970 = era * 146097L + doe - 719468;
    return static_cast<double>(days_since_1970 + 25569);
}

namespace {

int Digits(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool IsErasedLine(std::string_view line) { return line.substr(0, 2) == "ER"; }

// Leading sport markers that storing writes in front of a note.
constexpr std::string_view kSportMarkers[] = {"*BIKE POWER", "*BIKE HR", "*RUN"};

bool RemoveSportMarker(std::string& line) {
    const std::size_t star = line.find('*');
    if (star == std::string::npos) return false;
    for (std::string_view marker : kSportMarkers) {
        if (line.compare(star, marker.size(), marker) == 0 && line.size() > star + marker.size() &&
            line[star + marker.size()] == '*') {
            line.erase(star, marker.size());
            return true;
        }
    }
    return false;
}

}  // namespace

void ParseTripList(TripList& list, bool is_collection) {
    list.table.clear();
    list.first_date = list.last_date = 0;
    const std::size_t n = list.entry_count();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& line = list.lines[i];
        TripTableEntry e;
        int y = line.size() >= 8 ? Digits(std::string_view(line).substr(0, 4)) : -1;
        int m = line.size() >= 8 ? Digits(std::string_view(line).substr(4, 2)) : -1;
        int d = line.size() >= 8 ? Digits(std::string_view(line).substr(6, 2)) : -1;
        if (y > 0 && m >= 1 && m <= 12 && d >= 1 && d <= 31) e.date = SerialDate(y, m, d);
        e.sport_digit = SportDigitOfLine(line);
        e.trip_number = IsManualEntry(line) ? 0 : TripNumberOfLine(line);
        if (e.date > 0) {
            if (list.first_date == 0 || e.date < list.first_date) list.first_date = e.date;
            if (e.date > list.last_date) list.last_date = e.date;
        }
        list.table.push_back(e);
    }
    list.calendar_enabled = !is_collection && list.last_date - list.first_date <= 999;
}

void CleanTripList(TripList& list, bool is_collection) {
    std::vector<std::string> kept;
    bool has_erased = !list.lines.empty() && IsErasedLine(list.lines.back());
    const std::size_t entries = has_erased ? list.lines.size() - 1 : list.lines.size();
    for (std::size_t i = 0; i < entries; ++i) {
        std::string line = list.lines[i];
        if (!IsValidListLine(line)) {
            list.modified = true;
            continue;
        }
        if (RemoveSportMarker(line)) list.modified = true;
        kept.push_back(std::move(line));
    }
    kept.push_back(has_erased ? list.lines.back() : std::string(kErasedPrefix));
    if (!has_erased) list.modified = true;
    list.lines = std::move(kept);
    ParseTripList(list, is_collection);
}

std::vector<std::string> DecodeListText(std::string_view cp1252) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= cp1252.size(); ++i) {
        if (i < cp1252.size() && cp1252[i] != '\r' && cp1252[i] != '\n') continue;
        if (i < cp1252.size() || i > start) lines.push_back(Cp1252ToUtf8(cp1252.substr(start, i - start)));
        if (i + 1 < cp1252.size() && cp1252[i] == '\r' && cp1252[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

std::string EncodeListText(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += Utf8ToCp1252(l);
        out += "\r\n";
    }
    return out;
}

void AddListLine(TripList& list, std::string line) {
    if (list.lines.empty()) list.lines.push_back(std::string(kErasedPrefix));
    auto end = list.lines.end() - 1;
    auto pos = std::upper_bound(list.lines.begin(), end, line);
    list.lines.insert(pos, std::move(line));
    list.modified = true;
}

std::vector<int> FreedTripNumbers(const TripList& list) {
    std::vector<int> freed;
    if (list.lines.empty() || !IsErasedLine(list.lines.back())) return freed;
    // Diary entries without a recording hold a number of their own too (their summary slot).
    std::set<int> used;
    for (std::size_t i = 0; i < list.entry_count(); ++i) used.insert(TripNumberOfLine(list.lines[i]));
    const std::string& erased = list.lines.back();
    std::size_t colon = erased.find(':');
    if (colon == std::string::npos) return freed;
    std::string_view rest = std::string_view(erased).substr(colon + 1);
    while (!rest.empty()) {
        std::size_t semi = rest.find(';');
        std::string_view item = rest.substr(0, semi);
        int n = 0;
        auto [p, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
        if (ec == std::errc() && p == item.data() + item.size() && n >= 1 && n <= kMaxTripNumber &&
            !used.count(n) && std::find(freed.begin(), freed.end(), n) == freed.end())
            freed.push_back(n);
        if (semi == std::string_view::npos) break;
        rest.remove_prefix(semi + 1);
    }
    return freed;
}

int HighestTripNumber(const TripList& list, int stored_highest) {
    int h = std::clamp(stored_highest, 0, kMaxTripNumber);
    for (std::size_t i = 0; i < list.entry_count(); ++i)
        h = std::max(h, std::min(TripNumberOfLine(list.lines[i]), kMaxTripNumber));
    for (int n : FreedTripNumbers(list)) h = std::max(h, n);
    return h;
}

namespace {

std::string ErasedLine(const std::vector<int>& numbers) {
    std::string line(kErasedPrefix);
    for (int n : numbers) line += std::to_string(n) + ";";
    return line;
}

}  // namespace

std::optional<int> AllocateTripNumber(TripList& list, int& highest, std::string* message) {
    if (list.lines.empty() || !IsErasedLine(list.lines.back()))
        list.lines.push_back(std::string(kErasedPrefix));
    bool any_trip = false;
    for (std::size_t i = 0; i < list.entry_count() && !any_trip; ++i)
        any_trip = TripNumberOfLine(list.lines[i]) > 0;
    if (!any_trip) {
        // No entry uses a number: start again at 1.
        if (list.lines.back() != kErasedPrefix) list.modified = true;
        list.lines.back() = std::string(kErasedPrefix);
        highest = 1;
        return 1;
    }
    std::vector<int> freed = FreedTripNumbers(list);
    const int top = HighestTripNumber(list, highest);
    if (!freed.empty()) {
        const int n = freed.front();
        freed.erase(freed.begin());
        list.lines.back() = ErasedLine(freed);
        list.modified = true;
        highest = top;
        return n;
    }
    if (top >= kMaxTripNumber) {
        if (message) *message = "All 999 trip numbers are taken: erase trips before storing new ones.";
        return std::nullopt;
    }
    highest = top + 1;
    return highest;
}

int EraseListLine(TripList& list, std::size_t index, bool is_collection) {
    if (index >= list.entry_count()) return 0;
    const std::string line = list.lines[index];
    list.lines.erase(list.lines.begin() + static_cast<long>(index));
    int n = TripNumberOfLine(line);  // 0 for an old diary entry stored with "000"
    if (n >= 1 && n <= kMaxTripNumber) {
        if (list.lines.empty() || !IsErasedLine(list.lines.back()))
            list.lines.push_back(ErasedLine({n}));
        else
            list.lines.back() += std::to_string(n) + ";";
    } else {
        n = 0;
    }
    list.modified = true;
    ParseTripList(list, is_collection);
    return n;
}

}  // namespace vx
