// The distribution hand-over to the chart panel: the histograms, power peaks and total time of
// one trip, of the trips of a day, or of the seven days of a week, summed from the trips'
// TripDistribution records into one display record, with the panel's caption and whether the
// panel is to be shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/summary_records.h"
#include "diary/diary_cells.h"
#include "trip/summary_store.h"
#include "trip/trip_list.h"

namespace vx {

constexpr int kDisplayPowerClasses = 52;  // classes 0..50 are summed, 51 stays 0

// Laid out like a TripDistribution record, plus the total time.
struct DistributionSums {
    std::array<std::int32_t, kHistogramBins> hr_histogram_s{};
    std::array<std::int32_t, kHistogramBins> cadence_histogram_s{};
    std::array<std::int32_t, kHistogramBins> speed_histogram_s{};
    std::array<std::int32_t, kDisplayPowerClasses> power_histogram_s{};
    std::int32_t peak_5 = 0, peak_60 = 0, peak_300 = 0, peak_1200 = 0;
    // The block from offset 752 (5555, b1..b9) of the last contributing trip; kept when no
    // trip contributes.
    std::array<std::int32_t, kZoneBins> zone_bounds{};
    std::int64_t total_time_s = 0;

    bool operator==(const DistributionSums&) const = default;
};

struct DistributionShow {
    bool show = false;     // bring up the chart panel (raise it when it is open)
    std::string caption;   // the panel's window caption
    int contributing = 0;  // trips whose records were summed
};

// "%s = %02i:%02i:%02i" of the "Total time" text and a time in seconds.
std::string TotalTimeText(const DiaryTexts& texts, std::int64_t seconds);
// The calendar's date text of a serial date: "dd.mm.yyyy", or "mm/dd/yyyy" with the US flag.
std::string CalendarDateText(double serial_date, std::uint8_t unit_flags);

// Each operation first clears the histograms, peaks and total time of display, then adds the
// valid TripDistribution records of the contributing trips (trip numbers 1..999 only).

// One trip number. Caption: its date cell, "   ", the total time; shown when the summed
// cadence class 0 or the 20-minute peak is not 0.
DistributionShow ShowTripDistributions(const TripList& list, const SummaryStore& store,
                                       int trip_number, std::uint8_t unit_flags,
                                       const DiaryTexts& texts, DistributionSums& display);
// Every entry of a day (serial date) whose sport digit equals the calendar's sport filter. The
// zone bounds are taken only from trips whose bound 2 is above 10. Caption: their date cells
// joined by " + ", "   ", the total time; shown when a trip contributed and the cadence class 0
// or the 20-minute peak is not 0.
DistributionShow ShowDayDistributions(const TripList& list, const SummaryStore& store, double date,
                                      int sport_filter, std::uint8_t unit_flags,
                                      const DiaryTexts& texts, DistributionSums& display);
// The seven days from a Monday. Caption: Monday's and Sunday's date texts joined by "  -  ",
// "   ", the total time; shown when a trip contributed and the total time is above 0.
DistributionShow ShowWeekDistributions(const TripList& list, const SummaryStore& store,
                                       double monday, int sport_filter, std::uint8_t unit_flags,
                                       const DiaryTexts& texts, DistributionSums& display);

}  // namespace vx
