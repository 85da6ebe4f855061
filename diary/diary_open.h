// Opening diary entries: a trip into the current trip (OpenDiaryTrip), the second trip buffer
// (OpenDiaryTrip2), both trips of a comparison, the heart-rate check of the power/heart-rate
// analysis, and the summary overlay.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/evaluation_range.h"
#include "analysis/summary_labels.h"
#include "diary/diary_cells.h"
#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

// Trips with fewer records are not opened from the diary.
constexpr std::int32_t kMinDiaryTripCount = 60;

struct DiaryTripOpen {
    bool ok = false;
    int trip_number = 0;  // the current diary trip number, 1..999
    std::string title;    // base name + "   =    " + first line of the note
    std::string message;  // why nothing was opened (empty for lines that have no trip file)
};

// Loads the entry's DEO file into trip. Lines of "NR" entries and lines without ";" open
// nothing; nor does a trip number outside 1..999. A file that cannot be read writes "Cannot
// open output file." to the error stream; trips with fewer than 60 records are refused; in
// both cases trip stays as it was. note_present follows the line's "*". When the file has no
// note but the line has one, the line's note goes into the file, written back at once.
DiaryTripOpen OpenDiaryTrip(const RiderTrips& trips, std::string_view line,
                            const Settings& settings, Trip& trip);

// Loads count and records of the entry into the second trip buffer; counts outside 5..199999
// and trips of 59 records or fewer are not loaded (second stays as it was).
bool OpenDiaryTrip2(const RiderTrips& trips, std::string_view line, const Settings& settings,
                    Trip& second, std::string* message = nullptr);

// A zone threshold of 0 becomes the rider's power threshold, or 100 when that is 0 too.
void ApplyZoneThresholdFallback(Trip& trip, const Settings& settings);

// The first two marked entries for the comparison: the one with more records goes into trip
// (TRIP1), the other into second (TRIP2). ok only when both opened and their recording rates
// agree; otherwise message holds "Please select 2 trips", "Different recording rate" or why a
// trip did not open, and the comparison must not start.
struct TwoTrips {
    bool ok = false;
    std::string message;
    std::string line1, line2;    // TRIP1 and TRIP2
    std::string title1, title2;  // "TRIP1  " / "TRIP2  " + date cell + "  " + comment cell
    int trip_number1 = 0;
    int power_threshold = 0;  // the rider's, for the comparison window
};
TwoTrips OpenTwoTrips(const RiderTrips& trips, const std::vector<std::string>& marked_lines,
                      const Settings& settings, const DiaryTexts& texts, Trip& trip, Trip& second);

// The power/heart-rate analysis needs a heart rate above 30 in more than 80 % of the records.
bool HasHeartRateSignal(const Trip& trip);
// "TRIP " + date cell + "   " + comment cell.
std::string RegressionTitle(std::string_view line, std::uint8_t unit_flags,
                            const DiaryTexts& texts);

// The summary overlay: opens the entry, applies the zone threshold fallback, evaluates the
// whole trip, recomputes the trip's summary records and saves list and store at once.
struct SummaryOverlay {
    bool ok = false;
    RangeEvaluation evaluation;  // the summary lines to show
    std::string message;
};
SummaryOverlay OpenSummaryOverlay(RiderTrips& trips, std::string_view line,
                                  const Settings& settings, const SummaryLabels& labels,
                                  Trip& trip);

}  // namespace vx
