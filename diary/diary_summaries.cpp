// Rebuilding missing summary records from the DEO files.
#include "diary/diary_summaries.h"

#include <algorithm>
#include <vector>

#include "analysis/evaluation_distributions.h"
#include "analysis/evaluation_summary.h"
#include "analysis/evaluation_zones.h"
#include "diary/diary_cells.h"
#include "diary/diary_open.h"

namespace vx {

void SummarizeDiaryTrip(RiderTrips& trips, const Settings& settings, int n, Trip& trip) {
    if (n < 1 || n > kMaxTripNumber) return;
    SummaryStore& s = trips.store;
    ApplyZoneThresholdFallback(trip, settings);
    SummarizeTrip(trip, settings, n, s.summaries[n], s.zone_times[n], s.distributions[n],
                  trips.display);
    ComputeZoneTimes(trip, trip.sport_type, s.zone_times[n], s.distributions[n]);
    if (!s.distributions[n].valid())
        ComputeDistributions(trip, n, s.distributions[n], trips.display);
    trips.list.modified = true;
}

SummaryRebuild RebuildMissingSummaries(RiderTrips& trips, const Settings& settings, Trip& trip,
                                       const DiaryProgress& progress, InfoList* info) {
    struct Work {
        std::size_t index;
        int n;
        bool summary;
    };
    std::vector<Work> work;
    const TripList& list = trips.list;
    for (std::size_t i = 0; i < list.entry_count(); ++i) {
        const std::string& line = list.lines[i];
        const std::optional<int> n = StoreNumberOfLine(line);
        if (!n) continue;
        trips.store.highest = std::max(trips.store.highest, *n);
        if (IsManualEntry(line)) continue;
        const bool summary = IsCollectionEntry(line) || trips.store.summaries[*n].total_time_s == 0;
        if (summary || !trips.store.distributions[*n].valid()) work.push_back({i, *n, summary});
    }

    SummaryRebuild r;
    for (std::size_t k = 0; k < work.size(); ++k) {
        const Work& w = work[k];
        const std::string line = trips.list.lines[w.index];
        const DiaryTripOpen open = OpenDiaryTrip(trips, line, settings, trip);
        if (!open.ok) {
            ++r.failed;
            if (info && !open.message.empty()) info->push_back(open.message);
        } else if (w.summary) {
            SummarizeDiaryTrip(trips, settings, w.n, trip);
            ++r.summarized;
        } else {
            ComputeDistributions(trip, w.n, trips.store.distributions[w.n], trips.display);
            trips.list.modified = true;
            ++r.distributions;
        }
        if (progress) progress(k + 1, work.size());
    }
    return r;
}

}  // namespace vx
