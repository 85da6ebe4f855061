// The trip base name of an imported file: its start as local date and time, and the rider.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vx {

struct CivilTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Calendar date and time of a count of seconds since 1970-01-01 00:00:00 (proleptic
// Gregorian, negative counts before 1970).
CivilTime CivilFromUnixSeconds(std::int64_t seconds);

// Seconds since 1970-01-01 00:00:00 of a calendar date and time (the inverse of the above;
// fields outside their ranges carry over).
std::int64_t UnixSecondsFromCivil(const CivilTime& t);

// True when the date exists (years 1..9999) and the time lies within 00:00:00 .. 23:59:59.
bool IsValidCivilTime(const CivilTime& t);

// "%4i%02i%02i_%02i%02i%02i__%s": date, time and the rider's folder name. Index 15 (the first
// "_" of the pair) is where storing puts the sport digit.
std::string TripBaseName(const CivilTime& t, const std::string& rider_name);

// The import windows' title line: "%s  %02i.%02i.%4i - %02i:%02i:%02i" of the word, day,
// month, year and time; with the US date setting "%s  %02i/%02i/%4i - %02i:%02i:%02i" with
// month and day exchanged.
std::string TripTitle(const CivilTime& t, bool us_date, const std::string& word = "Trip");

// Seconds east of UTC that local time has at a given instant (Unix seconds).
using UtcOffsetFn = std::function<std::int32_t(std::int64_t unix_seconds)>;

// The system time zone's offset at the instant, daylight saving time included.
std::int32_t LocalUtcOffset(std::int64_t unix_seconds);

// The base name of a trip that starts at a UTC instant: local time with the offset of that
// instant itself, so a winter ride imported in summer keeps its winter time.
std::string LocalTripBaseName(std::int64_t unix_seconds, const std::string& rider_name,
                              const UtcOffsetFn& utc_offset = LocalUtcOffset);

}  // namespace vx
