// The main window's small rules: the data-source cycle of the download button, the COM speed
// steps, the rider and trip checks, and the service words of the service memo.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

enum class DataSource { None, Tcx, Torkon, Hrm, Srm, Fit };

// The source a stored code stands for; unknown codes mean none.
DataSource DataSourceOfCode(std::int32_t code);
// The code after a right click on the download button: 2, 4, 5, 6, 7, 8, then 2 again.
std::int32_t NextDataSourceCode(std::int32_t code);

// "COM SPC 1".."COM SPC 4" for speed index 0..3; other indices show as index 3.
std::string ComSpeedCaption(int index);
// SB_RESETCOM: 1 -> 0, 2 -> 1, 3 -> 2, anything else -> 3.
int StepComSpeed(int index);

// A rider folder that is not a rider of its own yet: "NEW" or a name holding "RIDER_".
bool RiderNeedsName(const std::string& rider_folder);
// The diary and calendar need a first list line that begins with "20" and has "_" at index 8.
bool HasSavedRides(const TripList& list);

enum class ServiceWord { None, SetGrade, SetGlAll, ShowOffset };

struct ServiceLine {
    ServiceWord word = ServiceWord::None;
    float grade = 0;  // for SetGrade, already limited to 0.75..15
};

// Finds the first service word in the memo's first line. "SET_GRADE=" takes the number that
// follows the word, wherever the word stands.
ServiceLine ParseServiceLine(const std::string& line);

// "OFFSET = %5.2f  KF = %4.0f" of the trip.
std::string OffsetLine(const Trip& trip);

// Sets the power threshold of every recorded trip of the list to the rider's threshold and
// writes each trip back. Works on its own trip object, skips "NR" entries and trips that
// cannot be read. progress(done, total) is called per line. Returns the trips written.
int SetThresholdOfAllTrips(const RiderTrips& trips, const Settings& settings,
                           const std::function<void(std::size_t, std::size_t)>& progress);

}  // namespace vx
