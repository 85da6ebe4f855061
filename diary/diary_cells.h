// The diary grid: its logical columns, titles and units, the cell texts of one entry, and the
// whole table of precomputed texts (titles, units, entries, the empty row and the sum row)
// that a table view shows as it stands.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/summary_records.h"
#include "trip/settings.h"
#include "trip/summary_store.h"
#include "trip/trip_list.h"

namespace vx {

// The logical columns; a grid column shows the one the column table of the settings names.
enum class DiaryColumn : int {
    DateTime = 0,
    Comment = 1,
    Time = 2,
    Distance = 3,
    Power1 = 4,  // average power without zero samples
    HeartRate = 5,
    Cadence = 6,
    Speed = 7,
    Temperature = 8,
    NormalizedPower = 9,
    Tss = 10,
    IntensityFactor = 11,
    Ascent = 12,
    WorkKj = 13,
    Power2 = 14,  // average power including zero samples
    Comment2 = 15,
    WorkKcal = 16,
    Weight = 17,
};
constexpr int kDiaryLogicalColumns = 18;
// Grid column 0 is always the date; grid columns 1..19 follow the column table, and the
// logical columns 18 and 19 it may name stay empty.
constexpr int kDiaryGridColumns = 20;
constexpr int kDiaryTitleRow = 0;
constexpr int kDiaryUnitRow = 1;
constexpr int kDiaryFirstEntryRow = 2;
constexpr int kDiaryMinRows = 10;
constexpr std::size_t kCommentCellChars = 47;

// The language-dependent texts of the diary. Default-constructed they hold the English texts;
// the program fills them from its language tables. UTF-8.
struct DiaryTexts {
    std::array<std::string, kDiaryLogicalColumns> titles = {
        "Date / Time", "Comment", "Time",     "Distance", " Power 1", "HR",
        "RPM",         "Speed",   "Temp.",    "  NP™",    "  TSS™",   "  IF™",
        " D ALT",      "Work",    " Power 2", "Comment2", "Work",     "Weight"};
    // The sort list, in the order of SortKey (diary_sort.h).
    std::array<std::string, 17> sort_titles = {
        "Date / Time", "Comment", "Comment2", "Time",  "Distance", " Power 1",
        " Power 2",    "HR",      "RPM",      "Speed", "Temp.",    " NP™",
        " TSS™",       " IF™",    " D ALT",   "Work",  "Weight"};
    std::string diary = "Diary";
    std::string no_comment = "no comment";
    std::string total_time = "Total time";
    std::string select_all = "Select all trips";
    std::string selective = "Selective";
    std::string click_start_date = "click start date";
    std::string click_end_date = "click end date";
    std::string sort_hint = "Sorting up or down (right mouse button)";
    std::string delete_question = "Do you want to delete the trip?";
    std::string select_two = "Please select 2 trips";
    std::string different_rate = "Different recording rate";
    std::string missing_heart_rate = "Missing heartrate signal";
    std::string select_one_or_more = "Please select one or more trips";
};

// "Diary" + three blanks + the rider folder name.
std::string DiaryCaption(const DiaryTexts& texts, const std::string& rider_folder);

// For each grid column 0..19 the logical column shown there: column 0 is the date, columns
// 1..19 come from the settings' column table ([1]..[19]); a table without its marker 55 or
// with a value outside 1..19 counts as the identity. Logical columns 18 and 19 show nothing.
std::array<int, kDiaryGridColumns> DiaryColumnMap(const Settings& settings);

// The unit row text of a logical column by the unit flags (Settings::unit_flags).
std::string DiaryUnitText(DiaryColumn column, std::uint8_t unit_flags);

// "dd.mm.yyyy - hh:mm" (or "mm/dd/yyyy - " with the US date flag; "hh:mmAM"/"hh:mmPM" with the
// AM/PM flag) from the characters of the list line. A short line gives blanks and zeros where
// characters are missing; nothing is read past its end.
std::string DateCellText(std::string_view line, std::uint8_t unit_flags);
// "dd.mm.yyyy" or "mm/dd/yyyy" of a YYYYMMDD text (the first ten characters of a date cell).
std::string ShortDateText(std::string_view yyyymmdd, std::uint8_t unit_flags);
// The first line of the note (after the first "*", up to the first "|" or "~"), ";" shown as
// ",", at most 47 characters; no_comment without "*".
std::string CommentCellText(std::string_view line, const std::string& no_comment);
// The text after the first "§", or a blank.
std::string Comment2CellText(std::string_view line);

// The number after the first ";" of a line when it is a usable trip number 1..999; every
// access to the summary store goes through it.
std::optional<int> StoreNumberOfLine(std::string_view line);
// True for a COLLECTION entry: the number after the first ";" is followed by "PF".
bool IsCollectionEntry(std::string_view line);

// The text of a value column (2..14, 16, 17) from a summary record, in the display units of
// the flags; with trailing_blank false the blank behind the number is left off. Other columns
// give an empty text.
std::string ValueCellText(DiaryColumn column, const TripSummary& summary, std::uint8_t unit_flags,
                          bool trailing_blank = true);
// The columns a diary entry without recording fills: 0, 1, 2, 3, 5, 8 and 15.
bool IsManualEntryColumn(DiaryColumn column);

// The texts of one entry, per logical column.
std::array<std::string, kDiaryLogicalColumns> EntryCellTexts(std::string_view line,
                                                             const SummaryStore& store,
                                                             std::uint8_t unit_flags,
                                                             const DiaryTexts& texts,
                                                             bool trailing_blank = true);

enum class DiaryRowKind { Title, Units, Entry, Empty, Sum };

// The whole table as a view shows it: rows x kDiaryGridColumns texts.
struct DiaryGrid {
    int rows = kDiaryMinRows;
    std::array<int, kDiaryGridColumns> column_map{};  // grid column -> logical column
    std::vector<std::string> cells;                   // row-major
    std::size_t entry_count = 0;
    double distance_sum = 0;  // display units

    const std::string& cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * kDiaryGridColumns + column];
    }
    std::string& cell(int row, int column) {
        return cells[static_cast<std::size_t>(row) * kDiaryGridColumns + column];
    }
    int sum_row() const { return kDiaryFirstEntryRow + static_cast<int>(entry_count) + 1; }
    DiaryRowKind kind(int row) const;
    // The grid column that shows a logical column, if any.
    std::optional<int> GridColumnOf(DiaryColumn column) const;
};

// Builds the table: the list line count + 3 rows, at least 10; row 0 the titles, row 1 the
// units, rows 2.. the entries in display order (order[r - 2] is the list index of row r), then
// one empty row and the row with the sum of the distance column ("%8.2f "). order must be a
// permutation of the entry indices.
DiaryGrid BuildDiaryGrid(const TripList& list, const SummaryStore& store,
                         const std::vector<int>& order, const Settings& settings,
                         const DiaryTexts& texts);

// Fills the cells of one entry row again, for example after the summary overlay has
// recomputed the trip (it shows the numbers without the trailing blank).
void RefreshEntryRow(DiaryGrid& grid, int row, std::string_view line, const SummaryStore& store,
                     const Settings& settings, const DiaryTexts& texts, bool trailing_blank);

// The top row that shows the last entries: entries − visible rows + 5, at least 2, and never
// past the last row.
int DiaryTopRow(std::size_t entry_count, int visible_rows, int row_count);

}  // namespace vx
