// Diary entries without a recording ("NR" entries, "Data input for runners/swimmers"): the
// panel's values, the list line they form, adding, editing and erasing such entries. An entry
// holds a trip number of its own; its TripSummary record keeps the duration, distance, heart
// rate and temperature (and the date and start time as day numbers in the slots 80 and 76).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "trip/settings.h"
#include "trip/trip_store.h"

namespace vx {

struct ManualEntry {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0;
    std::int32_t duration_s = 0;
    double distance = 0;                  // km or miles by the unit flags
    double heart_rate = 0;                // 1/min
    double temperature = 0;               // °C or °F by the unit flags
    std::string note;                     // as typed, line ends "\n"
    std::optional<std::string> comment2;  // the text after "§", kept when an entry is edited
    int kind = 0;                         // 3..7, 0 when no kind is chosen
};

// A number typed into a panel field: blanks around it are ignored, a decimal comma counts as a
// point, an empty field is 0. nullopt for anything else.
std::optional<double> ParseDiaryNumber(std::string_view text);
// A duration typed as "h:mm:ss", "h:mm" or a number of minutes (decimal comma allowed).
std::optional<std::int32_t> ParseDiaryDuration(std::string_view text);
// "hh:mm:ss" of a duration in seconds.
std::string FormatDiaryDuration(std::int32_t seconds);

// Empty when the values can form an entry, else why not (date outside 2000-01-01 ..
// 2099-12-31 or not a calendar date, time, negative or non-finite numbers).
std::string CheckManualEntry(const ManualEntry& e);

// "%4i%02i%02i_%02i%02iNR%1i_" + rider folder + ";%03i;*" + note ("|~" for line ends), and
// "|~§" + Comment2 when the entry has one.
std::string ManualEntryLine(const ManualEntry& e, const std::string& rider_folder, int number);

// The panel's values for an existing entry: date, time and kind from the line, the numbers
// from its TripSummary record (when its number is 1..999), note and Comment2 from the line.
ManualEntry ManualEntryOfLine(std::string_view line, const SummaryStore& store,
                              std::uint8_t unit_flags);

struct ManualEntrySave {
    bool ok = false;
    std::size_t index = 0;  // where the entry's line stands now
    int trip_number = 0;
    std::string message;
};

// Adds an entry with a new trip number; its line goes into the list in date order.
ManualEntrySave AddManualEntry(RiderTrips& trips, const Settings& settings, const ManualEntry& e);
// Replaces the entry at index (an "NR" line): its line is taken out and inserted again in date
// order, so a changed date moves it; the entry keeps its trip number (an old entry stored with
// "000" gets a new one). The record's other fields stay as they are.
ManualEntrySave EditManualEntry(RiderTrips& trips, const Settings& settings, std::size_t index,
                                const ManualEntry& e);

// Erases entry index (after the confirmation): its line goes, its summary records are
// invalidated and its number goes onto the "ERASED :" line, for entries with and without
// recording alike. The DEO file stays. Returns the released number (0 when none).
int EraseDiaryEntry(RiderTrips& trips, std::size_t index);

}  // namespace vx
