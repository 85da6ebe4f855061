// Base name of a trip from a picked date and time.
#include "diary/date_entry.h"

#include <cstdio>
#include <ctime>

#include "trip/file_io.h"

namespace vx {

namespace {

bool IsCalendarDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1) return false;
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

long long DateKey(const PickedDateTime& t) {
    return (static_cast<long long>(t.year) * 100 + t.month) * 100 + t.day;
}

}  // namespace

PickedDateTime CurrentPickedDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return ClampToPickerRange(
        {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
}

PickedDateTime ClampToPickerRange(const PickedDateTime& t) {
    if (DateKey(t) < DateKey(kEarliestPickedDate)) return kEarliestPickedDate;
    if (DateKey(t) > DateKey(kLatestPickedDate)) return kLatestPickedDate;
    return t;
}

DateEntryResult DateEntryBaseName(const PickedDateTime& t, const std::string& rider_folder_name,
                                  const TripList& list, const std::string& rider_folder_path) {
    DateEntryResult r;
    if (!IsCalendarDate(t.year, t.month, t.day) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59 || t.second < 0 || t.second > 59) {
        r.refusal = DateEntryRefusal::NotADate;
        r.message = "The date or time does not exist.";
        return r;
    }
    if (DateKey(t) < DateKey(kEarliestPickedDate) || DateKey(t) > DateKey(kLatestPickedDate)) {
        r.refusal = DateEntryRefusal::OutOfRange;
        r.message = "The date must lie between 01.01.2000 and 31.12.2099.";
        return r;
    }
    char head[32];
    std::snprintf(head, sizeof head, "%4i%02i%02i_%02i%02i%02i_", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    const std::string stamp(head, 15);  // "YYYYMMDD_HHMMSS"

    std::string clash;
    for (std::size_t i = 0; i < list.entry_count() && clash.empty(); ++i) {
        const std::string& line = list.lines[i];
        if (line.size() >= stamp.size() && line.compare(0, stamp.size(), stamp) == 0)
            clash = BaseNameOfLine(line);
    }
    if (clash.empty() && !rider_folder_path.empty()) {
        for (char digit : std::string("_012")) {
            const std::string name = stamp + digit + rider_folder_name;
            if (FileExists(rider_folder_path + "/" + name + ".DEO")) clash = name;
            if (!clash.empty()) break;
        }
    }
    if (!clash.empty()) {
        r.refusal = DateEntryRefusal::TripExists;
        r.message = "A trip with this date and time is stored already (" + clash +
                    "). Please choose another start time.";
        return r;
    }
    r.base_name = head + rider_folder_name;
    return r;
}

}  // namespace vx
