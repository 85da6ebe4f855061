#include <gtest/gtest.h>

#include "diary/diary_distributions.h"
#include "diary_fixture.h"

namespace vx {
namespace {

// Three trips on Monday 17 March 2014 (two bike power, one run), one on Sunday the 23rd, one
// on the Monday after.
struct DistributionFixture : test::DiaryFixture {
    DistributionFixture() {
        SetLines({"20140317_0900000_A;001;", "20140317_1800000_A;002;", "20140317_1900002_A;003;",
                  "20140323_0900000_A;004;", "20140324_0900000_A;005;"});
        for (int n = 1; n <= 5; ++n) {
            TripDistribution& d = trips.store.distributions[n];
            d.marker = kSummaryRecordMarker;
            d.duration_s = 1000 * n;
            d.peak_5 = 100 * n;
            d.peak_1200 = n == 2 ? 0 : 50;
            for (int i = 0; i < kHistogramBins; ++i) {
                d.hr_histogram_s[i] = n;
                d.cadence_histogram_s[i] = 10 * n;
                d.speed_histogram_s[i] = i;
            }
            for (int i = 0; i < 60; ++i) d.power_histogram_s[i] = 1;
            d.zone_bounds = {5555, 100 * n, n == 2 ? 5 : 200, 300};
        }
    }
};

TEST(DiaryDistributions, TripDayAndWeekSums) {
    DistributionFixture f;
    const DiaryTexts texts;
    DistributionSums d;

    DistributionShow s = ShowTripDistributions(f.trips.list, f.trips.store, 2, 0, texts, d);
    EXPECT_TRUE(s.show);
    EXPECT_EQ(s.caption, "17.03.2014 - 18:00   Total time = 00:33:20");
    EXPECT_EQ(d.total_time_s, 2000);
    EXPECT_EQ(d.zone_bounds[1], 200);

    const double monday = SerialDate(2014, 3, 17);
    s = ShowDayDistributions(f.trips.list, f.trips.store, monday, 0, 0, texts, d);
    EXPECT_TRUE(s.show);
    EXPECT_EQ(s.contributing, 2);
    EXPECT_EQ(s.caption, "17.03.2014 - 09:00 + 17.03.2014 - 18:00   Total time = 00:50:00");
    EXPECT_EQ(d.total_time_s, 3000);
    EXPECT_EQ(d.hr_histogram_s[7], 3);
    EXPECT_EQ(d.cadence_histogram_s[0], 30);
    EXPECT_EQ(d.speed_histogram_s[39], 78);
    EXPECT_EQ(d.power_histogram_s[50], 2);
    EXPECT_EQ(d.power_histogram_s[51], 0);  // classes past 50 are not summed
    EXPECT_EQ(d.peak_5, 200);               // the largest, not the sum
    EXPECT_EQ(d.peak_1200, 50);
    // Trip 2's bound 2 is 5: the bounds stay those of trip 1.
    EXPECT_EQ(d.zone_bounds[1], 100);

    s = ShowWeekDistributions(f.trips.list, f.trips.store, monday, 0, kUnitUsDate, texts, d);
    EXPECT_TRUE(s.show);
    EXPECT_EQ(s.contributing, 3);
    EXPECT_EQ(s.caption, "03/17/2014  -  03/23/2014   Total time = 01:56:40");
    EXPECT_EQ(d.total_time_s, 7000);
    EXPECT_EQ(d.zone_bounds[1], 400);  // the last contributing trip wins, whatever its bounds

    s = ShowWeekDistributions(f.trips.list, f.trips.store, monday, 2, 0, texts, d);
    EXPECT_EQ(s.contributing, 1);
    EXPECT_EQ(d.total_time_s, 3000);
}

TEST(DiaryDistributions, NothingToShow) {
    DistributionFixture f;
    const DiaryTexts texts;
    DistributionSums d;
    ShowTripDistributions(f.trips.list, f.trips.store, 1, 0, texts, d);
    const auto bounds = d.zone_bounds;

    // An empty day: nothing shown, the sums are cleared and the bounds kept.
    DistributionShow s =
        ShowDayDistributions(f.trips.list, f.trips.store, SerialDate(2014, 3, 18), 0, 0, texts, d);
    EXPECT_FALSE(s.show);
    EXPECT_EQ(s.contributing, 0);
    EXPECT_EQ(d.total_time_s, 0);
    EXPECT_EQ(d.peak_5, 0);
    EXPECT_EQ(d.zone_bounds, bounds);

    // A trip with neither cadence class 0 nor a 20-minute peak.
    f.trips.store.distributions[2].cadence_histogram_s[0] = 0;
    s = ShowTripDistributions(f.trips.list, f.trips.store, 2, 0, texts, d);
    EXPECT_FALSE(s.show);
    EXPECT_EQ(d.total_time_s, 2000);  // the display record keeps the sums

    // Invalid records and numbers outside 1..999 add nothing.
    f.trips.store.distributions[1].marker = 0;
    EXPECT_FALSE(ShowTripDistributions(f.trips.list, f.trips.store, 1, 0, texts, d).show);
    EXPECT_FALSE(ShowTripDistributions(f.trips.list, f.trips.store, 1000, 0, texts, d).show);
    EXPECT_FALSE(ShowTripDistributions(f.trips.list, f.trips.store, -3, 0, texts, d).show);
    EXPECT_EQ(d.total_time_s, 0);
    EXPECT_EQ(CalendarDateText(SerialDate(2000, 2, 29), 0), "29.02.2000");
    EXPECT_EQ(CalendarDateText(SerialDate(2099, 12, 31), kUnitUsDate), "12/31/2099");
}

}  // namespace
}  // namespace vx
