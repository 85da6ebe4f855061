#include "views/trip_view_readout.h"

#include <gtest/gtest.h>

#include "app/units.h"
#include "views/curve_fixture.h"

namespace vx {
namespace {

TEST(TripViewReadout, CursorTimeAtOneAndTwoSeconds) {
    struct Case {
        int interval, sample, start;
        double factor;
        const char* time;
        const char* diff;
    } cases[] = {
        {1, 3661, 3601, 1, "T=01:01:01   D=  29.280", "dT=00:01:00   dD=   0.480"},
        {2, 1800, 1830, 1, "T=01:00:00   D=  14.392", "dT=00:01:00   dD=   0.240"},
        {1, 90000, 1, 1, "T=01:06:40   D=  31.992", "dT=01:06:39   dD=  31.992"},  // held at n-1
        {1, 0, 0, 1, "T=00:00:01   D=   0.000", "dT=00:00:00   dD=   0.000"},      // held at 1
        {1, 1001, 1, kMilesPerKm, "T=00:16:41   D=   4.971", "dT=00:16:40   dD=   4.971"},
    };
    auto trip = test::CurveTrip(4001, [](int, TripRecord&) {});
    for (const Case& c : cases) {
        trip->sample_interval_s = c.interval;
        const CurveSource src = CurveSourceOf(*trip);
        EXPECT_EQ(CursorTimeText(src, c.sample, c.factor), c.time);
        EXPECT_EQ(StartDifferenceText(src, c.sample, c.start, c.factor), c.diff);
    }
}

TEST(TripViewReadout, SummaryPanelShowsTheThirteenLines) {
    auto trip = test::CurveTrip(601, [](int, TripRecord&) {});
    const Settings settings = DefaultSettings();
    SummaryPanel panel;
    panel.ShowTrip(*trip, settings, SummaryLabels{});
    EXPECT_TRUE(panel.shown);
    EXPECT_EQ(panel.lines[0].rfind("Total distance", 0), 0u) << panel.lines[0];
    EXPECT_EQ(panel.lines, panel.evaluation.lines);
    RangeEvaluation direct;
    EvaluateRange(*trip, settings, SummaryLabels{}, DistanceLabel::Total, 0, 600, direct);
    EXPECT_EQ(panel.lines, direct.lines);

    panel.lines[10] = "loupe line";
    panel.RestoreLine10();
    EXPECT_EQ(panel.lines[10], panel.evaluation.lines[10]);

    panel.ShowRange(*trip, settings, SummaryLabels{}, 0, 300);
    EXPECT_EQ(panel.lines[0].rfind("Select distance", 0), 0u) << panel.lines[0];
}

}  // namespace
}  // namespace vx
