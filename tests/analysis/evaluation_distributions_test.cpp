#include <gtest/gtest.h>

#include <limits>

#include "analysis/evaluation_distributions.h"
#include "evaluation_fixture.h"

namespace vx {
namespace {

TEST(Histograms, BinEdges) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        int (*bin)(float);
        float value;
        int expected;
    };
    for (Case c : {
             Case{HeartRateBin, 0, 0},     Case{HeartRateBin, 62.4f, 0},
             Case{HeartRateBin, 62.5f, 1}, Case{HeartRateBin, 67.5f, 2},
             Case{HeartRateBin, 254, 39},  Case{HeartRateBin, 1e30f, 39},
             Case{HeartRateBin, nan, 0},   Case{CadenceBin, 41.4f, 0},
             Case{CadenceBin, 41.5f, 1},   Case{CadenceBin, -90, 0},
             Case{CadenceBin, 300, 39},    Case{SpeedBin, 3.9f, 0},
             Case{SpeedBin, 4, 1},         Case{SpeedBin, 36, 17},
             Case{PowerBin, 24.9f, 0},     Case{PowerBin, 25, 1},
             Case{PowerBin, 200, 18},      Case{PowerBin, 515, 50},
             Case{PowerBin, 5000, 50},
         }) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.bin(c.value), c.expected);
    }
}

TEST(Histograms, CountSecondsOfAllButTheLastRecord) {
    Trip trip = test::MakeTrip(12, 5, [](int k, TripRecord& r) {
        if (k == 11) r.power_w = r.heart_rate_bpm = r.cadence_rpm = r.speed_kmh = 0;
    });
    TripDistribution d;
    d.power_histogram_s.fill(9);  // slots past bin 50 are cleared too
    d.zone_bounds.fill(42);       // the bounds copy belongs to the zone count
    DistributionDisplay display;
    ComputeDistributions(trip, 3, d, display);
    EXPECT_EQ(d.marker, kSummaryRecordMarker);
    EXPECT_EQ(d.duration_s, 55);
    EXPECT_EQ(d.hr_histogram_s[16], 50);  // 140/min
    EXPECT_EQ(d.cadence_histogram_s[17], 50);
    EXPECT_EQ(d.speed_histogram_s[17], 50);
    EXPECT_EQ(d.power_histogram_s[18], 50);
    EXPECT_EQ(d.power_histogram_s[0], 0);
    EXPECT_EQ(d.power_histogram_s[59], 0);
    EXPECT_EQ(d.zone_bounds[0], 42);
    EXPECT_EQ(display.power_histogram_s[18], 50);
    EXPECT_EQ(display.hr_histogram_s, d.hr_histogram_s);
    EXPECT_EQ(display.zone_bounds[0], 42);  // from the record of trip 3

    trip.zone_bounds = {5555, 110.9f, 150};
    ComputeDistributions(trip, kScratchTripNumber, d, display);
    EXPECT_EQ(display.zone_bounds[0], 110);  // from the trip's block
    EXPECT_EQ(display.zone_bounds[1], 150);
}

TEST(Peaks, WindowsEndTwoRecordsBeforeTheLast) {
    // Power 100 W, a 300 W block in records 10..14 and 1000 W in the last two records.
    auto fill = [](int count) {
        return [count](int k, TripRecord& r) {
            r.power_w = k >= count - 2 ? 1000 : (k >= 10 && k < 15 ? 300 : 100);
        };
    };
    Trip t62 = test::MakeTrip(62, 1, fill(62));
    EXPECT_EQ(PowerPeak(t62, 5), 300);
    EXPECT_EQ(PowerPeak(t62, 60), 0);
    EXPECT_EQ(PowerPeak(t62, 300), 0);
    EXPECT_EQ(PowerPeak(t62, 1200), 0);

    // 63 records: one 60-record window, records 1..60.
    Trip t63 = test::MakeTrip(63, 1, fill(63));
    EXPECT_EQ(PowerPeak(t63, 60), (55 * 100 + 5 * 300) / 60);

    // A peak is the strictly best mean, truncated.
    Trip rising = test::MakeTrip(1300, 2, [](int k, TripRecord& r) { r.power_w = k * 0.5f; });
    EXPECT_EQ(PowerPeak(rising, 5), static_cast<int>((1293 + 1294 + 1295 + 1296 + 1297) * 0.1));
    EXPECT_EQ(PowerPeak(rising, 1200), static_cast<int>((98 + 1297) * 0.5 / 2));

    for (int count = 5; count <= 8; ++count) {  // too short for any window before count 8
        SCOPED_TRACE(count);
        Trip tiny = test::MakeTrip(count, 1, [](int, TripRecord& r) { r.power_w = 400; });
        EXPECT_EQ(PowerPeak(tiny, 5), count == 8 ? 400 : 0);
    }
}

}  // namespace
}  // namespace vx
