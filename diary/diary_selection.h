// Which diary entries are marked: the select-all command by period and sport filter, the
// period and its hint text, and the marks the calendar prepares for a day or a week.
// Marks are kept per list entry (index into the trip list), so they follow their trips when
// the table is sorted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diary/diary_cells.h"
#include "trip/trip_list.h"

namespace vx {

using DiaryMarks = std::vector<bool>;  // one flag per list entry

// Start and end date as YYYYMMDD texts; empty while no period is set.
struct DiaryPeriod {
    std::string start;
    std::string end;
    bool set() const { return !start.empty() && !end.empty(); }
    bool operator==(const DiaryPeriod&) const = default;
};

// The period from the first to the last entry's date (the main window's first request).
DiaryPeriod ListPeriod(const TripList& list);
// A period from two picked dates, the earlier one first.
DiaryPeriod MakePeriod(std::string_view a, std::string_view b);
// The date of a line (characters 0..7) lies within the period, both ends included. Without a
// period every date counts.
bool InPeriod(std::string_view line, const DiaryPeriod& period);

// Sport filter of the select-all button: 0 bike power, 1 bike heart rate, 2 run.
int NextSportFilter(int filter);  // 0 -> 1 -> 2 -> 0

// The marks of the pressed select-all button: exactly the entries whose sport digit
// (character 15) equals the filter and whose date lies within the period.
DiaryMarks SelectAllMarks(const TripList& list, const DiaryPeriod& period, int sport_filter);

// "Select all trips", followed by " (" start " - " end ")" once a period is set, each date as
// the date cell shows it.
std::string SelectAllHint(const DiaryTexts& texts, const DiaryPeriod& period,
                          std::uint8_t unit_flags);

// The entries of one day (serial date, days since 30 December 1899) or of the seven days from
// a Monday, whatever their sport.
DiaryMarks DayMarks(const TripList& list, double date);
DiaryMarks WeekMarks(const TripList& list, double monday);

// Choosing the period by clicks (F3): the first click on a date cell sets the start, the
// second the end.
enum class PeriodPick { Off, WaitStart, WaitEnd };

}  // namespace vx
