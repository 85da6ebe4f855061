// Select-all by period and sport, period texts, day and week marks.
#include "diary/diary_selection.h"

#include <algorithm>

namespace vx {

namespace {

std::string DateOf(std::string_view line) {
    return std::string(line.substr(0, 8));
}

}  // namespace

DiaryPeriod ListPeriod(const TripList& list) {
    DiaryPeriod p;
    for (std::size_t i = 0; i < list.entry_count(); ++i) {
        const std::string d = DateOf(list.lines[i]);
        if (d.size() < 8) continue;
        if (p.start.empty() || d < p.start) p.start = d;
        if (p.end.empty() || d > p.end) p.end = d;
    }
    return p;
}

DiaryPeriod MakePeriod(std::string_view a, std::string_view b) {
    std::string x(a.substr(0, 8)), y(b.substr(0, 8));
    if (y < x) std::swap(x, y);
    return {x, y};
}

bool InPeriod(std::string_view line, const DiaryPeriod& period) {
    if (!period.set()) return true;
    const std::string d = DateOf(line);
    return d >= period.start && d <= period.end;
}

int NextSportFilter(int filter) {
    return filter >= 0 && filter < 2 ? filter + 1 : 0;
}

DiaryMarks SelectAllMarks(const TripList& list, const DiaryPeriod& period, int sport_filter) {
    DiaryMarks marks(list.entry_count(), false);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const std::string& line = list.lines[i];
        marks[i] = line.size() > 15 && line[15] == '0' + sport_filter && InPeriod(line, period);
    }
    return marks;
}

std::string SelectAllHint(const DiaryTexts& texts, const DiaryPeriod& period,
                          std::uint8_t unit_flags) {
    std::string s = texts.select_all;
    if (period.set())
        s += " (" + ShortDateText(period.start, unit_flags) + " - " +
             ShortDateText(period.end, unit_flags) + ")";
    return s;
}

DiaryMarks DayMarks(const TripList& list, double date) {
    DiaryMarks marks(list.entry_count(), false);
    for (std::size_t i = 0; i < marks.size() && i < list.table.size(); ++i)
        marks[i] = list.table[i].date == date;
    return marks;
}

DiaryMarks WeekMarks(const TripList& list, double monday) {
    DiaryMarks marks(list.entry_count(), false);
    for (std::size_t i = 0; i < marks.size() && i < list.table.size(); ++i)
        marks[i] = list.table[i].date >= monday && list.table[i].date < monday + 7;
    return marks;
}

}  // namespace vx
