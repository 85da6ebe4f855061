// Sorting the diary: the sort list, the sort key of each entry and the display order they give.
// Numeric keys compare as numbers; equal keys keep the order of their index texts ("12" before
// "3"), as the text keys "value ÷ index" sort.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diary/diary_cells.h"
#include "trip/summary_store.h"
#include "trip/trip_list.h"

namespace vx {

// The entries of the sort list, in its order.
enum class SortKey : int {
    Date = 0,
    Comment,
    Comment2,
    Time,
    Distance,
    Power1,
    Power2,
    HeartRate,
    Cadence,
    Speed,
    Temperature,
    NormalizedPower,
    Tss,
    IntensityFactor,
    Ascent,
    Work,
    Weight,
};
constexpr int kSortKeyCount = 17;

// The sort key a logical column sorts by (double click on its title); none for the empty
// columns 18 and 19.
std::optional<SortKey> SortKeyOfColumn(int logical_column);

// One entry's key: a text for the comment columns, a number for the others, and the index
// text that breaks ties.
struct DiarySortKey {
    bool is_text = false;
    std::string text;   // Windows-1252, upper case, padded like "%-30s" / "%-12s"
    double number = 0;  // rounded to the precision the key is printed with
    std::string index;  // the entry index in decimal
};

// The key of list entry index. Diary entries without recording use 0 for the power, cadence,
// speed, NP, TSS, IF, ascent and work keys (their stored records stay as they are); an entry
// whose line has no usable trip number uses 0 for every numeric key.
DiarySortKey MakeSortKey(SortKey key, std::string_view line, int index, const SummaryStore& store);
// The key as the text "value ÷ index" (÷ as Windows-1252 247), for display and checks.
std::string SortKeyText(SortKey key, std::string_view line, int index, const SummaryStore& store);

// Strict order of two keys of the same sort key.
bool SortKeyLess(const DiarySortKey& a, const DiarySortKey& b);

// The display order for a sort: list indices in row order. Date sorts give 0..n-1 or n-1..0.
std::vector<int> SortedOrder(SortKey key, bool ascending, const TripList& list,
                             const SummaryStore& store);

// Upper case of UTF-8 text for the diary's case-insensitive comparisons: ASCII and the
// Latin-1 letters (à..þ without ÷).
std::string DiaryUpper(std::string_view utf8);

}  // namespace vx
