#include <gtest/gtest.h>

#include "app/units.h"
#include "trip/settings.h"
#include "trip/zone_bounds.h"

namespace vx {
namespace {

TEST(Units, FactorsFollowTheUnitFlags) {
    DisplayFactors metric = FactorsFromUnitFlags(0);
    EXPECT_EQ(metric.distance_factor, 1);
    EXPECT_EQ(metric.altitude_factor, 1);
    EXPECT_EQ(metric.weight_factor, 1);
    EXPECT_FALSE(metric.fahrenheit);
    DisplayFactors imperial = FactorsFromUnitFlags(kUnitFeetMiles | kUnitPounds | kUnitFahrenheit);
    EXPECT_EQ(imperial.distance_factor, 0.62137);
    EXPECT_EQ(imperial.altitude_factor, 3.28084);
    EXPECT_EQ(imperial.weight_factor, 2.2046225);
    EXPECT_TRUE(imperial.fahrenheit);
    EXPECT_DOUBLE_EQ(CelsiusToDisplay(20, true), 68);
    EXPECT_DOUBLE_EQ(DisplayToCelsius(68, true), 20);
    EXPECT_DOUBLE_EQ(CelsiusToDisplay(-5, false), -5);
}

TEST(Zones, ApplyZoneBounds) {
    ZoneBlock b;
    b.fill(9);
    ApplyZoneBounds(b, {200, 55, 75, 90, 105, 120, 150, 7, 8, 9}, 250);
    EXPECT_EQ(b[0], 5555.0f);
    EXPECT_EQ(b[1], 137.5f);
    EXPECT_EQ(b[6], 375.0f);
    EXPECT_EQ(b[7], 0);
    EXPECT_EQ(b[9], 0);
    EXPECT_EQ(b[10], 9);  // carried unchanged
    EXPECT_EQ(b[14], 9);
}

TEST(Zones, CountZonesShown) {
    RiderZones z{};
    EXPECT_EQ(CountZonesShown(z), 1);
    z[0] = {250, 55, 75, 90, 2500, 0, 0, 0, 80, 95};
    z[1] = {160, 1, 2, 3, 4, 5, 6, 0, 0, 0};  // only sport type 0 counts
    EXPECT_EQ(CountZonesShown(z), 5);
    z[0] = {250, 55, 75, 90, 105, 120, 150, 0, 0, 0};
    EXPECT_EQ(CountZonesShown(z), 7);
    z[0] = {250, 60, 80, 2500, 105, 120, 150, 0, 0, 0};  // an editor left the old bounds behind
    EXPECT_EQ(CountZonesShown(z), 4);
}

}  // namespace
}  // namespace vx
