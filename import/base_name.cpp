#include "import/base_name.h"

#include <cstdio>
#include <ctime>

namespace vx {

CivilTime CivilFromUnixSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Days since 0000-03-01 in 400-year eras of 146097 days; March-based years put the leap
    // day at the end of the year.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

std::int64_t UnixSecondsFromCivil(const CivilTime& t) {
    // Months and years are normalised first, then the days counted from 0000-03-01.
    std::int64_t y = t.year;
    std::int64_t m = t.month - 1;
    y += m >= 0 ? m / 12 : (m - 11) / 12;
    m = ((m % 12) + 12) % 12 + 1;
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + t.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t days = era * 146097 + doe - 719468;
    return days * 86400 + std::int64_t{t.hour} * 3600 + std::int64_t{t.minute} * 60 + t.second;
}

bool IsValidCivilTime(const CivilTime& t) {
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1) return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
    return t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
           t.second >= 0 && t.second < 60;
}

std::string TripBaseName(const CivilTime& t, const std::string& rider_name) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%4i%02i%02i_%02i%02i%02i__", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf + rider_name;
}

std::string TripTitle(const CivilTime& t, bool us_date, const std::string& word) {
    char buf[64];
    const int first = us_date ? t.month : t.day;
    const int second = us_date ? t.day : t.month;
    std::snprintf(buf, sizeof buf,
                  us_date ? "  %02i/%02i/%4i - %02i:%02i:%02i" : "  %02i.%02i.%4i - %02i:%02i:%02i",
                  first, second, t.year, t.hour, t.minute, t.second);
    return word + buf;
}

std::int32_t LocalUtcOffset(std::int64_t unix_seconds) {
    const std::time_t when = static_cast<std::time_t>(unix_seconds);
    std::tm local{};
    if (!localtime_r(&when, &local)) return 0;
    return static_cast<std::int32_t>(local.tm_gmtoff);
}

std::string LocalTripBaseName(std::int64_t unix_seconds, const std::string& rider_name,
                              const UtcOffsetFn& utc_offset) {
    const std::int32_t offset = utc_offset ? utc_offset(unix_seconds) : 0;
    return TripBaseName(CivilFromUnixSeconds(unix_seconds + offset), rider_name);
}

}  // namespace vx
