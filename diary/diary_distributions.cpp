// Summing trip distributions for the chart panel.
#include "diary/diary_distributions.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/evaluation_format.h"

namespace vx {

namespace {

void Clear(DistributionSums& d) {
    d.hr_histogram_s.fill(0);
    d.cadence_histogram_s.fill(0);
    d.speed_histogram_s.fill(0);
    d.power_histogram_s.fill(0);
    d.peak_5 = d.peak_60 = d.peak_300 = d.peak_1200 = 0;
    d.total_time_s = 0;
}

void Add(DistributionSums& d, const TripDistribution& t, bool take_bounds) {
    for (int i = 0; i < kHistogramBins; ++i) {
        d.hr_histogram_s[i] += t.hr_histogram_s[i];
        d.cadence_histogram_s[i] += t.cadence_histogram_s[i];
        d.speed_histogram_s[i] += t.speed_histogram_s[i];
    }
    for (int i = 0; i < kPowerHistogramBins; ++i) d.power_histogram_s[i] += t.power_histogram_s[i];
    d.total_time_s += t.duration_s;
    d.peak_5 = std::max(d.peak_5, t.peak_5);
    d.peak_60 = std::max(d.peak_60, t.peak_60);
    d.peak_300 = std::max(d.peak_300, t.peak_300);
    d.peak_1200 = std::max(d.peak_1200, t.peak_1200);
    if (take_bounds) d.zone_bounds = t.zone_bounds;
}

// The valid record of a trip number, or null.
const TripDistribution* RecordOf(const SummaryStore& store, int n) {
    if (n < 1 || n > kMaxTripNumber) return nullptr;
    const TripDistribution& d = store.distributions[n];
    return d.valid() ? &d : nullptr;
}

// Sums the entries of one day with the sport; adds their date cells to cells.
int AddDay(const TripList& list, const SummaryStore& store, double date, int sport_filter,
           bool bounds_need_zone2, std::uint8_t flags, DistributionSums& display,
           std::vector<std::string>& cells) {
    int contributing = 0;
    for (std::size_t i = 0; i < list.table.size() && i < list.entry_count(); ++i) {
        const TripTableEntry& e = list.table[i];
        if (e.date != date || e.sport_digit != sport_filter) continue;
        const TripDistribution* d = RecordOf(store, e.trip_number);
        if (!d) continue;
        Add(display, *d, !bounds_need_zone2 || d->zone_bounds[2] > 10);
        cells.push_back(DateCellText(list.lines[i], flags));
        ++contributing;
    }
    return contributing;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& glue) {
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? glue : std::string()) + parts[i];
    return s;
}

bool HasRideData(const DistributionSums& d) {
    return d.cadence_histogram_s[0] != 0 || d.peak_1200 != 0;
}

}  // namespace

std::string TotalTimeText(const DiaryTexts& texts, std::int64_t s) {
    if (s < 0) s = 0;
    return texts.total_time + " = " + FormatTwoDigits(s / 3600) + ":" +
           FormatTwoDigits((s % 3600) / 60) + ":" + FormatTwoDigits(s % 60);
}

std::string CalendarDateText(double serial_date, std::uint8_t unit_flags) {
    // Civil date from days since 1 January 1970 (proleptic Gregorian).
    const long z = static_cast<long>(std::floor(serial_date)) - 25569 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2);
    const std::string dd = FormatTwoDigits(d), mm = FormatTwoDigits(m), yyyy = std::to_string(y);
    if (unit_flags & kUnitUsDate) return mm + "/" + dd + "/" + yyyy;
    return dd + "." + mm + "." + yyyy;
}

DistributionShow ShowTripDistributions(const TripList& list, const SummaryStore& store,
                                       int trip_number, std::uint8_t unit_flags,
                                       const DiaryTexts& texts, DistributionSums& display) {
    Clear(display);
    DistributionShow r;
    const TripDistribution* d = RecordOf(store, trip_number);
    if (d) {
        Add(display, *d, true);
        r.contributing = 1;
    }
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < list.entry_count(); ++i) {
        const std::string& line = list.lines[i];
        if (!IsManualEntry(line) && StoreNumberOfLine(line) == trip_number)
            cells.push_back(DateCellText(line, unit_flags));
    }
    r.caption = Joined(cells, " + ") + "   " + TotalTimeText(texts, display.total_time_s);
    r.show = r.contributing > 0 && HasRideData(display);
    return r;
}

DistributionShow ShowDayDistributions(const TripList& list, const SummaryStore& store, double date,
                                      int sport_filter, std::uint8_t unit_flags,
                                      const DiaryTexts& texts, DistributionSums& display) {
    Clear(display);
    DistributionShow r;
    std::vector<std::string> cells;
    r.contributing = AddDay(list, store, date, sport_filter, true, unit_flags, display, cells);
    r.caption = Joined(cells, " + ") + "   " + TotalTimeText(texts, display.total_time_s);
    r.show = r.contributing > 0 && HasRideData(display);
    return r;
}

DistributionShow ShowWeekDistributions(const TripList& list, const SummaryStore& store,
                                       double monday, int sport_filter, std::uint8_t unit_flags,
                                       const DiaryTexts& texts, DistributionSums& display) {
    Clear(display);
    DistributionShow r;
    std::vector<std::string> cells;
    for (int day = 0; day < 7; ++day)
        r.contributing +=
            AddDay(list, store, monday + day, sport_filter, false, unit_flags, display, cells);
    r.caption = CalendarDateText(monday, unit_flags) + "  -  " +
                CalendarDateText(monday + 6, unit_flags) + "   " +
                TotalTimeText(texts, display.total_time_s);
    r.show = r.contributing > 0 && display.total_time_s > 0;
    return r;
}

}  // namespace vx
