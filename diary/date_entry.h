// The date and time entry of the trip download (window TForm7): the picked date and time
// become the trip base name "%4i%02i%02i_%02i%02i%02i_" + rider folder. The pickers offer
// 2000-01-01 .. 2099-12-31 (list lines must begin with "20"), and a date and time that a
// stored trip already has is refused, so that trip's file is never overwritten.
#pragma once

#include <string>

#include "trip/trip_list.h"

namespace vx {

struct PickedDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const PickedDateTime&) const = default;
};

constexpr PickedDateTime kEarliestPickedDate = {2000, 1, 1, 0, 0, 0};
constexpr PickedDateTime kLatestPickedDate = {2099, 12, 31, 23, 59, 59};

// The local date and time now, brought into the pickers' range (each activation shows it).
PickedDateTime CurrentPickedDateTime();
// A date outside the pickers' range becomes the nearest end of it.
PickedDateTime ClampToPickerRange(const PickedDateTime& t);

enum class DateEntryRefusal { None, OutOfRange, NotADate, TripExists };

struct DateEntryResult {
    DateEntryRefusal refusal = DateEntryRefusal::None;
    std::string base_name;  // set when accepted
    std::string message;    // why not, to show
    explicit operator bool() const { return refusal == DateEntryRefusal::None; }
};

// "Accept": the base name for the picked date and time, or the refusal. A trip exists when a
// line of the list starts with the same date and time (its first 15 characters; shorter lines
// never match), or when rider_folder_path (when given) holds a DEO file of that date and time
// under any sport digit.
DateEntryResult DateEntryBaseName(const PickedDateTime& t, const std::string& rider_folder_name,
                                  const TripList& list, const std::string& rider_folder_path = {});

}  // namespace vx
