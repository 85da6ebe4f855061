// Cell texts of the diary grid and the table they form.
#include "diary/diary_cells.h"

#include <algorithm>

#include "analysis/evaluation_format.h"
#include "app/units.h"

namespace vx {

namespace {

// Like printf "%N.Ns": the characters of the line at [pos, pos + n), right-aligned in n.
std::string Field(std::string_view line, std::size_t pos, std::size_t n) {
    std::string_view part = pos < line.size() ? line.substr(pos, n) : std::string_view();
    std::string s(n - part.size(), ' ');
    s += part;
    return s;
}

// The leading digits of line[pos, pos + n) as a number; 0 when there are none.
int Number(std::string_view line, std::size_t pos, std::size_t n) {
    int v = 0;
    for (std::size_t i = pos; i < line.size() && i < pos + n; ++i) {
        if (line[i] < '0' || line[i] > '9') break;
        v = v * 10 + (line[i] - '0');
    }
    return v;
}

std::string Value(double v, int precision, bool trailing_blank) {
    std::string s = FormatFixed(v, 8, precision);
    if (trailing_blank) s += ' ';
    return s;
}

const std::string kSection = "§";

}  // namespace

std::string DiaryCaption(const DiaryTexts& texts, const std::string& rider_folder) {
    return texts.diary + "   " + rider_folder;
}

std::array<int, kDiaryGridColumns> DiaryColumnMap(const Settings& settings) {
    std::array<int, kDiaryGridColumns> map{};
    bool ok = settings.diary_columns[0] == 55;
    for (int i = 1; i < kDiaryGridColumns && ok; ++i)
        ok = settings.diary_columns[i] >= 1 && settings.diary_columns[i] <= 19;
    for (int i = 0; i < kDiaryGridColumns; ++i)
        map[i] = (i == 0 || !ok) ? i : settings.diary_columns[i];
    return map;
}

std::string DiaryUnitText(DiaryColumn column, std::uint8_t unit_flags) {
    const bool imperial = unit_flags & kUnitFeetMiles;
    switch (column) {
        case DiaryColumn::Distance:
            return imperial ? " [mi]" : " [km]";
        case DiaryColumn::Power1:
            return "[EXC 0 W]";
        case DiaryColumn::HeartRate:
            return " [1/min]";
        case DiaryColumn::Speed:
            return imperial ? " [mph]" : " [km/h]";
        case DiaryColumn::Temperature:
            return (unit_flags & kUnitFahrenheit) ? " [°F]" : " [°C]";
        case DiaryColumn::NormalizedPower:
            return " [W]";
        case DiaryColumn::Ascent:
            return imperial ? " [ft]" : " [m]";
        case DiaryColumn::WorkKj:
            return " [kJ]";
        case DiaryColumn::Power2:
            return "[INC 0 W]";
        case DiaryColumn::WorkKcal:
            return " [kcal]";
        case DiaryColumn::Weight:
            return (unit_flags & kUnitPounds) ? " [lbs]" : " [kg]";
        default:
            return "";
    }
}

std::string ShortDateText(std::string_view d, std::uint8_t unit_flags) {
    if (unit_flags & kUnitUsDate)
        return Field(d, 4, 2) + "/" + Field(d, 6, 2) + "/" + Field(d, 0, 4);
    return Field(d, 6, 2) + "." + Field(d, 4, 2) + "." + Field(d, 0, 4);
}

std::string DateCellText(std::string_view line, std::uint8_t unit_flags) {
    std::string s = ShortDateText(line, unit_flags) + " - ";
    int hours = Number(line, 9, 2);
    const int minutes = Number(line, 11, 2);
    const char* suffix = "";
    if (unit_flags & kUnitAmPm) {
        suffix = hours < 12 ? "AM" : "PM";
        if (hours > 12) hours -= 12;
    }
    s += FormatTwoDigits(hours) + ":" + FormatTwoDigits(minutes) + suffix;
    return s;
}

std::string CommentCellText(std::string_view line, const std::string& no_comment) {
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos) return no_comment;
    std::string_view note = line.substr(star + 1);
    note = note.substr(0, note.find('|'));
    note = note.substr(0, note.find('~'));
    std::string s(Utf8Prefix(note, kCommentCellChars));
    std::replace(s.begin(), s.end(), ';', ',');
    return s;
}

std::string Comment2CellText(std::string_view line) {
    const std::size_t sect = line.find(kSection);
    if (sect == std::string_view::npos) return " ";
    return std::string(line.substr(sect + kSection.size()));
}

std::optional<int> StoreNumberOfLine(std::string_view line) {
    if (line.find(';') == std::string_view::npos) return std::nullopt;
    const int n = TripNumberOfLine(line);
    if (n < 1 || n > kMaxTripNumber) return std::nullopt;
    return n;
}

bool IsCollectionEntry(std::string_view line) {
    std::size_t i = line.find(';');
    if (i == std::string_view::npos) return false;
    ++i;
    for (std::size_t k = 0; k < 3 && i < line.size() && line[i] >= '0' && line[i] <= '9'; ++k) ++i;
    return line.substr(i, 2) == "PF";
}

std::string ValueCellText(DiaryColumn column, const TripSummary& s, std::uint8_t unit_flags,
                          bool trailing_blank) {
    const DisplayFactors f = FactorsFromUnitFlags(unit_flags);
    switch (column) {
        case DiaryColumn::Time: {
            const std::int64_t t = s.total_time_s;
            std::string text = "  " + FormatTwoDigits(t / 3600) + ":" +
                               FormatTwoDigits((t % 3600) / 60) + ":" + FormatTwoDigits(t % 60);
            if (trailing_blank) text += "   ";
            return text;
        }
        case DiaryColumn::Distance:
            return Value(s.distance_km * f.distance_factor, 2, trailing_blank);
        case DiaryColumn::Power1:
            return Value(s.avg_power_nonzero_w, 0, trailing_blank);
        case DiaryColumn::HeartRate:
            return Value(s.avg_hr, 0, trailing_blank);
        case DiaryColumn::Cadence:
            return Value(s.avg_cadence, 0, trailing_blank);
        case DiaryColumn::Speed:
            return Value(s.avg_speed_kmh * f.distance_factor, 1, trailing_blank);
        case DiaryColumn::Temperature:
            return Value(CelsiusToDisplay(s.avg_temperature_c, f.fahrenheit), 1, trailing_blank);
        case DiaryColumn::NormalizedPower:
            return Value(s.np_w, 0, trailing_blank);
        case DiaryColumn::Tss:
            return Value(s.tss, 0, trailing_blank);
        case DiaryColumn::IntensityFactor:
            return Value(s.intensity_factor, 3, trailing_blank);
        case DiaryColumn::Ascent:
            return Value(s.ascent_m * f.altitude_factor, 0, trailing_blank);
        case DiaryColumn::WorkKj:
            return Value(s.work_kj, 0, trailing_blank);
        case DiaryColumn::Power2:
            return Value(s.avg_power_w, 0, trailing_blank);
        case DiaryColumn::WorkKcal:
            return Value(s.work_kj * 0.2389 * 4.5, 0, trailing_blank);
        case DiaryColumn::Weight:
            return Value(s.weight_kg * f.weight_factor, 0, trailing_blank);
        default:
            return "";
    }
}

bool IsManualEntryColumn(DiaryColumn c) {
    return c == DiaryColumn::DateTime || c == DiaryColumn::Comment || c == DiaryColumn::Time ||
           c == DiaryColumn::Distance || c == DiaryColumn::HeartRate ||
           c == DiaryColumn::Temperature || c == DiaryColumn::Comment2;
}

std::array<std::string, kDiaryLogicalColumns> EntryCellTexts(std::string_view line,
                                                             const SummaryStore& store,
                                                             std::uint8_t unit_flags,
                                                             const DiaryTexts& texts,
                                                             bool trailing_blank) {
    std::array<std::string, kDiaryLogicalColumns> out;
    out[0] = DateCellText(line, unit_flags);
    out[static_cast<int>(DiaryColumn::Comment)] = CommentCellText(line, texts.no_comment);
    out[static_cast<int>(DiaryColumn::Comment2)] = Comment2CellText(line);
    const std::optional<int> n = StoreNumberOfLine(line);
    if (!n) return out;
    const bool manual = IsManualEntry(line);
    const TripSummary& s = store.summaries[*n];
    for (int c = 2; c < kDiaryLogicalColumns; ++c) {
        const auto column = static_cast<DiaryColumn>(c);
        if (column == DiaryColumn::Comment2 || (manual && !IsManualEntryColumn(column))) continue;
        out[c] = ValueCellText(column, s, unit_flags, trailing_blank);
    }
    return out;
}

DiaryRowKind DiaryGrid::kind(int row) const {
    if (row == kDiaryTitleRow) return DiaryRowKind::Title;
    if (row == kDiaryUnitRow) return DiaryRowKind::Units;
    if (row >= kDiaryFirstEntryRow && row < kDiaryFirstEntryRow + static_cast<int>(entry_count))
        return DiaryRowKind::Entry;
    if (row == sum_row()) return DiaryRowKind::Sum;
    return DiaryRowKind::Empty;
}

std::optional<int> DiaryGrid::GridColumnOf(DiaryColumn column) const {
    for (int c = 0; c < kDiaryGridColumns; ++c)
        if (column_map[c] == static_cast<int>(column)) return c;
    return std::nullopt;
}

namespace {

void PutEntryRow(DiaryGrid& grid, int row, std::string_view line, const SummaryStore& store,
                 std::uint8_t unit_flags, const DiaryTexts& texts, bool trailing_blank) {
    const auto texts_of_entry = EntryCellTexts(line, store, unit_flags, texts, trailing_blank);
    for (int c = 0; c < kDiaryGridColumns; ++c) {
        const int logical = grid.column_map[c];
        grid.cell(row, c) =
            logical < kDiaryLogicalColumns ? texts_of_entry[logical] : std::string();
    }
}

}  // namespace

DiaryGrid BuildDiaryGrid(const TripList& list, const SummaryStore& store,
                         const std::vector<int>& order, const Settings& settings,
                         const DiaryTexts& texts) {
    DiaryGrid g;
    g.entry_count = list.entry_count();
    g.rows = std::max(kDiaryMinRows, static_cast<int>(list.lines.size()) + 3);
    g.rows = std::max(g.rows, g.sum_row() + 1);
    g.column_map = DiaryColumnMap(settings);
    g.cells.assign(static_cast<std::size_t>(g.rows) * kDiaryGridColumns, std::string());
    const std::uint8_t flags = settings.unit_flags;

    for (int c = 0; c < kDiaryGridColumns; ++c) {
        const int logical = g.column_map[c];
        if (logical >= kDiaryLogicalColumns) continue;
        g.cell(kDiaryTitleRow, c) = texts.titles[logical];
        g.cell(kDiaryUnitRow, c) = DiaryUnitText(static_cast<DiaryColumn>(logical), flags);
    }

    const double factor = FactorsFromUnitFlags(flags).distance_factor;
    for (std::size_t i = 0; i < g.entry_count; ++i) {
        const std::string& line = list.lines[i];
        if (std::optional<int> n = StoreNumberOfLine(line))
            g.distance_sum += store.summaries[*n].distance_km * factor;
    }
    for (std::size_t r = 0; r < g.entry_count && r < order.size(); ++r) {
        const int index = order[r];
        if (index < 0 || static_cast<std::size_t>(index) >= g.entry_count) continue;
        PutEntryRow(g, kDiaryFirstEntryRow + static_cast<int>(r), list.lines[index], store, flags,
                    texts, true);
    }
    if (std::optional<int> c = g.GridColumnOf(DiaryColumn::Distance))
        g.cell(g.sum_row(), *c) = FormatFixed(g.distance_sum, 8, 2) + " ";
    return g;
}

void RefreshEntryRow(DiaryGrid& grid, int row, std::string_view line, const SummaryStore& store,
                     const Settings& settings, const DiaryTexts& texts, bool trailing_blank) {
    if (grid.kind(row) != DiaryRowKind::Entry) return;
    PutEntryRow(grid, row, line, store, settings.unit_flags, texts, trailing_blank);
}

int DiaryTopRow(std::size_t entry_count, int visible_rows, int row_count) {
    int top = static_cast<int>(entry_count) - visible_rows + 5;
    top = std::min(top, row_count - 1);
    return std::max(top, kDiaryFirstEntryRow);
}

}  // namespace vx
