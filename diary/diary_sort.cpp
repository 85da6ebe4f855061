// Sort keys and display orders of the diary.
#include "diary/diary_sort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "analysis/evaluation_format.h"
#include "trip/cp1252.h"

namespace vx {

namespace {

constexpr char kDivide = '\xF7';  // "÷" in Windows-1252

unsigned char UpperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}

std::string UpperBytes(std::string s) {
    for (char& c : s) c = static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
    return s;
}

// "%-Ns": padded with blanks to n characters, never cut.
std::string PadTo(std::string s, std::size_t n) {
    if (s.size() < n) s.append(n - s.size(), ' ');
    return s;
}

struct NumericFormat {
    int width;
    int precision;
};

NumericFormat FormatOf(SortKey key) {
    switch (key) {
        case SortKey::Time:
            return {12, 0};
        case SortKey::Distance:
            return {8, 3};
        case SortKey::IntensityFactor:
            return {8, 3};
        case SortKey::Ascent:
        case SortKey::Work:
        case SortKey::Weight:
            return {8, 1};
        default:
            return {8, 2};
    }
}

bool ZeroForManualEntries(SortKey key) {
    switch (key) {
        case SortKey::Power1:
        case SortKey::Power2:
        case SortKey::Cadence:
        case SortKey::Speed:
        case SortKey::NormalizedPower:
        case SortKey::Tss:
        case SortKey::IntensityFactor:
        case SortKey::Ascent:
        case SortKey::Work:
            return true;
        default:
            return false;
    }
}

double RawValue(SortKey key, const TripSummary& s) {
    switch (key) {
        case SortKey::Time:
            return s.total_time_s;
        case SortKey::Distance:
            return s.distance_km;
        case SortKey::Power1:
            return s.avg_power_nonzero_w;
        case SortKey::Power2:
            return s.avg_power_w;
        case SortKey::HeartRate:
            return s.avg_hr;
        case SortKey::Cadence:
            return s.avg_cadence;
        case SortKey::Speed:
            return s.avg_speed_kmh;
        case SortKey::Temperature:
            return s.avg_temperature_c;
        case SortKey::NormalizedPower:
            return s.np_w;
        case SortKey::Tss:
            return s.tss;
        case SortKey::IntensityFactor:
            return s.intensity_factor;
        case SortKey::Ascent:
            return s.ascent_m;
        case SortKey::Work:
            return s.work_kj;
        case SortKey::Weight:
            return s.weight_kg;
        default:
            return 0;
    }
}

double KeyValue(SortKey key, std::string_view line, const SummaryStore& store) {
    const std::optional<int> n = StoreNumberOfLine(line);
    if (!n) return 0;
    if (IsManualEntry(line) && ZeroForManualEntries(key)) return 0;
    return RawValue(key, store.summaries[*n]);
}

// The comment text a key is built from, Windows-1252, or nullopt for the placeholder.
std::optional<std::string> KeySourceText(SortKey key, std::string_view line) {
    if (key == SortKey::Comment) {
        const std::size_t first = line.find('*');
        if (first == std::string_view::npos) return std::nullopt;
        const std::size_t second = line.find('*', first + 1);
        const std::size_t from = (second == std::string_view::npos ? first : second) + 1;
        return Utf8ToCp1252(line.substr(from));
    }
    const std::size_t sect = line.find("§");
    if (sect == std::string_view::npos) return std::nullopt;
    return Utf8ToCp1252(line.substr(sect + std::string_view("§").size()));
}

// The text part of a comment key: "%-30s" / "%-12s" or the placeholder, then " ÷ index".
std::string TextKey(SortKey key, std::string_view line, int index) {
    const std::optional<std::string> text = KeySourceText(key, line);
    std::string s;
    if (key == SortKey::Comment)
        s = text ? PadTo(*text, 30) : std::string("___");
    else
        s = text ? PadTo(*text, 12) : std::string("____");
    return s + " " + kDivide + " " + std::to_string(index);
}

}  // namespace

std::optional<SortKey> SortKeyOfColumn(int logical) {
    switch (static_cast<DiaryColumn>(logical)) {
        case DiaryColumn::DateTime:
            return SortKey::Date;
        case DiaryColumn::Comment:
            return SortKey::Comment;
        case DiaryColumn::Time:
            return SortKey::Time;
        case DiaryColumn::Distance:
            return SortKey::Distance;
        case DiaryColumn::Power1:
            return SortKey::Power1;
        case DiaryColumn::HeartRate:
            return SortKey::HeartRate;
        case DiaryColumn::Cadence:
            return SortKey::Cadence;
        case DiaryColumn::Speed:
            return SortKey::Speed;
        case DiaryColumn::Temperature:
            return SortKey::Temperature;
        case DiaryColumn::NormalizedPower:
            return SortKey::NormalizedPower;
        case DiaryColumn::Tss:
            return SortKey::Tss;
        case DiaryColumn::IntensityFactor:
            return SortKey::IntensityFactor;
        case DiaryColumn::Ascent:
            return SortKey::Ascent;
        case DiaryColumn::WorkKj:
            return SortKey::Work;
        case DiaryColumn::Power2:
            return SortKey::Power2;
        case DiaryColumn::Comment2:
            return SortKey::Comment2;
        case DiaryColumn::WorkKcal:
            return SortKey::Work;
        case DiaryColumn::Weight:
            return SortKey::Weight;
    }
    return std::nullopt;
}

DiarySortKey MakeSortKey(SortKey key, std::string_view line, int index, const SummaryStore& store) {
    DiarySortKey k;
    k.index = std::to_string(index);
    if (key == SortKey::Comment || key == SortKey::Comment2) {
        k.is_text = true;
        k.text = UpperBytes(TextKey(key, line, index));
        return k;
    }
    const NumericFormat f = FormatOf(key);
    // The number as printed: rounding like the key text, then read back.
    const std::string printed = FormatFixed(KeyValue(key, line, store), 0, f.precision);
    double v = 0;
    const auto r = std::from_chars(printed.data(), printed.data() + printed.size(), v);
    // A record holding no number (a damaged store) sorts first.
    k.number = (r.ec != std::errc() || std::isnan(v)) ? -HUGE_VAL : v;
    return k;
}

std::string SortKeyText(SortKey key, std::string_view line, int index, const SummaryStore& store) {
    if (key == SortKey::Comment || key == SortKey::Comment2) return TextKey(key, line, index);
    const NumericFormat f = FormatOf(key);
    return FormatFixed(KeyValue(key, line, store), f.width, f.precision) + " " + kDivide + " " +
           std::to_string(index);
}

bool SortKeyLess(const DiarySortKey& a, const DiarySortKey& b) {
    if (a.is_text) return a.text < b.text;
    if (a.number != b.number) return a.number < b.number;
    return a.index < b.index;
}

std::vector<int> SortedOrder(SortKey key, bool ascending, const TripList& list,
                             const SummaryStore& store) {
    const int n = static_cast<int>(list.entry_count());
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (key != SortKey::Date) {
        std::vector<DiarySortKey> keys;
        keys.reserve(n);
        for (int i = 0; i < n; ++i) keys.push_back(MakeSortKey(key, list.lines[i], i, store));
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return SortKeyLess(keys[a], keys[b]); });
    }
    if (!ascending) std::reverse(order.begin(), order.end());
    return order;
}

std::string DiaryUpper(std::string_view utf8) {
    std::string s(utf8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            s[i] = static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) s[i + 1] = static_cast<char>(d - 32);
            ++i;
        }
    }
    return s;
}

}  // namespace vx
