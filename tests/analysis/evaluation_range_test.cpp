#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>

#include "analysis/evaluation_format.h"
#include "analysis/evaluation_range.h"
#include "evaluation_fixture.h"

namespace vx {
namespace {

std::string Printf(const char* format, ...) {
    char buf[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return buf;
}

// 200 records at 1 s, 10 m each, climbing 0.5 m per record (5 %), 200 W throughout.
Trip ClimbTrip(std::uint8_t sport_type = 0) {
    return test::MakeTrip(
        201, 1, [](int k, TripRecord& r) { r.altitude_m = 100 + 0.5f * k; }, sport_type,
        sport_type == 0 ? 250 : 150);
}

TEST(EvaluateRange, WholeTripLines) {
    const Trip trip = ClimbTrip();
    RangeEvaluation e;
    e.values.gradient_pct = 7;  // a whole trip keeps the last range gradient
    ASSERT_TRUE(EvaluateRange(trip, test::EvaluationSettings(), SummaryLabels{},
                              DistanceLabel::Total, 0, 200, e));
    const auto& L = e.lines;
    EXPECT_EQ(L[0], Printf("%-24.24s=%8.3f %12.12s  %02i:%02i:%02i", "Total distance [km]", 1.99,
                           "Time", 0, 3, 19));
    EXPECT_EQ(L[1], Printf("NP™[W]                  =%8.1f          IF™ =%8.3f", 200.0, 0.8));
    EXPECT_EQ(L[2], Printf("                                           TSS™=%8.1f", 3.5556));
    EXPECT_EQ(L[3], Printf("Power(%-16.16s) =%8.1f /%6.1f  max =%8.1f", "INC 0 W/ EXC 0 W", 200.0,
                           200.0, 200.0));
    EXPECT_EQ(L[4], Printf("%-13.13s%11.11s=%8.1f          max =%8.1f", "Speed[km/h]", "Average",
                           36.0, 36.0));
    EXPECT_EQ(L[5], Printf("RPM        %13.13s=%8.1f          max =%8.1f", "Average", 90.0, 90.0));
    EXPECT_EQ(L[6],
              Printf("%-10.10s %13.13s=%8.1f          max =%8.1f", "HR", "Average", 140.0, 140.0));
    EXPECT_EQ(L[7], Printf("%-16.16s[kJoule]=%8.1f        [kcal]=%8.1f", "Work", 40.0, 43.164));
    EXPECT_EQ(L[8], Printf("%-20.20smin =%8.1f          max =%8.1f", "Altitude [m]", 101.0, 200.0));
    // Climbs in records 16..184; the gradient rises from 2.5 % towards 5 %.
    EXPECT_EQ(L[9], Printf("%-24.24s=%8.1f    ( %4.2f%% /  %6.2f%%)", "Altitude difference [m]",
                           99.5, 4.97, 84.5));
    EXPECT_EQ(L[10], Printf("%-30.30s Power  (EXC 0 W)=%8.1f", "Gradient > 2.00%  (4.97%)", 200.0));
    EXPECT_EQ(L[11], Printf("%-24.24s=%8.3f  %11.11s  %02i:%02i:%02i", "Distance [km]", 1.69,
                            "Time", 0, 2, 49));
    EXPECT_EQ(L[12], Printf("%-13.13s%11.11s=%8.1f  %11.11s =%8.1f", "Speed[km/h]", "Average", 36.0,
                            "HR", 140.0));
    EXPECT_FLOAT_EQ(e.values.avg_power_w, 200);
    EXPECT_FLOAT_EQ(e.values.avg_speed, 36);
    EXPECT_FLOAT_EQ(e.values.avg_cadence, 90);
    EXPECT_FLOAT_EQ(e.values.gradient_pct, 7);
    EXPECT_FLOAT_EQ(e.values.avg_temperature_c, 20);
    EXPECT_FLOAT_EQ(e.values.avg_altitude_m, 100 + 0.5f * 100.5f);
}

TEST(EvaluateRange, SelectedRange) {
    const Trip trip = ClimbTrip();
    RangeEvaluation e;
    ASSERT_TRUE(EvaluateRange(trip, test::EvaluationSettings(), SummaryLabels{},
                              DistanceLabel::Select, 50, 150, e));
    const auto& L = e.lines;
    EXPECT_EQ(L[0], Printf("%-24.24s=%8.3f %12.12s  %02i:%02i:%02i", "Select distance [km]", 1.0,
                           "Time", 0, 1, 40));
    EXPECT_EQ(L[2], Printf("                                           TSS™=%8.1f", 1.8));
    // The smoothing ends with raw values at the range's end: the ascent is 175 - 124.5 m.
    EXPECT_EQ(L[9], Printf("%-24.24s=%8.1f%11.11s[%%]=%8.2f", "Altitude difference [m]", 50.5,
                           "Gradient", 5.0063));
    EXPECT_EQ(L[10], Printf("%-30.30s Power  (EXC 0 W)=%8.1f", "Gradient > 2.00%  (4.93%)", 200.0));
    EXPECT_EQ(L[11], Printf("%-24.24s=%8.3f  %11.11s  %02i:%02i:%02i", "Distance [km]", 0.70,
                            "Time", 0, 1, 10));
    EXPECT_NEAR(e.values.gradient_pct, 5000 / std::sqrt(1e6 - 2500), 1e-4);
}

TEST(EvaluateRange, RunShowsNoPowerLines) {
    const Trip trip = ClimbTrip(2);
    RangeEvaluation e;
    ASSERT_TRUE(EvaluateRange(trip, test::EvaluationSettings(), SummaryLabels{},
                              DistanceLabel::Total, 0, 200, e));
    for (int i : {1, 2, 3, 5}) EXPECT_EQ(e.lines[i], "") << i;
    EXPECT_EQ(e.lines[10], Printf("%-30.30s", "Gradient > 2.00%  (4.97%)"));
    EXPECT_NE(e.lines[6], "");

    const Trip hr_bike = ClimbTrip(1);
    ASSERT_TRUE(EvaluateRange(hr_bike, test::EvaluationSettings(), SummaryLabels{},
                              DistanceLabel::Total, 0, 200, e));
    for (int i : {1, 2, 3}) EXPECT_EQ(e.lines[i], "") << i;
    EXPECT_EQ(e.lines[5],
              Printf("RPM        %13.13s=%8.1f          max =%8.1f", "Average", 90.0, 90.0));
}

TEST(EvaluateRange, EmptyRangePrintsZeros) {
    const Trip trip = ClimbTrip();
    RangeEvaluation e;
    e.lines[7] = "old";
    e.values.avg_power_w = 123;
    EXPECT_FALSE(EvaluateRange(trip, test::EvaluationSettings(), SummaryLabels{},
                               DistanceLabel::Select, 150, 50, e));
    EXPECT_EQ(e.lines[0], Printf("%-24.24s=%8.3f %12.12s  %02i:%02i:%02i", "Select distance [km]",
                                 0.0, "Time", 0, 0, 0));
    EXPECT_EQ(e.lines[1], Printf("NP™[W]                  =%8.1f          IF™ =%8.3f", 0.0, 0.0));
    EXPECT_EQ(e.lines[2], Printf("                                           TSS™=%8.1f", 0.0));
    EXPECT_EQ(e.lines[7], "");
    EXPECT_EQ(e.values.avg_power_w, 123);
}

TEST(EvaluateRange, ImperialUnitsAndHoursBeyond99) {
    Settings s = test::EvaluationSettings();
    s.unit_flags = kUnitFeetMiles;
    Trip trip = ClimbTrip();
    trip.records[200].time_s = 100 * 3600 + 61;
    trip.records[200].distance_km = 0;  // uphill share of a trip without distance is 0
    RangeEvaluation e;
    ASSERT_TRUE(EvaluateRange(trip, s, SummaryLabels{}, DistanceLabel::Total, 0, 200, e));
    EXPECT_EQ(e.lines[0], Printf("%-24.24s=%8.3f %12.12s  %02i:%02i:%02i", "Total distance [miles]",
                                 -0.01 * 0.62137, "Time", 100, 1, 1));
    EXPECT_EQ(e.lines[4].substr(0, 13), "Speed[mph]   ");
    EXPECT_EQ(e.lines[8], Printf("%-20.20smin =%8.1f          max =%8.1f", "Altitude [ft]",
                                 101 * 3.28084, 200 * 3.28084));
    EXPECT_NE(e.lines[9].find("/    0.00%)"), std::string::npos) << e.lines[9];
}

TEST(EvaluateRange, TranslatedLabelsArePaddedByCharacters) {
    SummaryLabels labels;
    labels.altitude_difference = "Höhendifferenz";
    labels.time = "Tiempo™";
    labels.altitude = "Höhe über alles und noch viel mehr";
    RangeEvaluation e;
    ASSERT_TRUE(EvaluateRange(ClimbTrip(), test::EvaluationSettings(), labels, DistanceLabel::Total,
                              0, 200, e));
    auto chars_before = [](const std::string& line, const std::string& what) {
        return Utf8Length(line.substr(0, line.find(what)));
    };
    EXPECT_EQ(e.lines[9].substr(0, e.lines[9].find('=')), "Höhendifferenz [m]      ");
    EXPECT_EQ(chars_before(e.lines[9], "="), 24u);
    EXPECT_EQ(chars_before(e.lines[0], "Tiempo™"), 24u + 1 + 8 + 1 + 5);
    EXPECT_EQ(chars_before(e.lines[8], "min ="), 20u);
    EXPECT_EQ(e.lines[8].substr(0, e.lines[8].find("min =")), "Höhe über alles und ");
}

TEST(Format, NumbersAndFieldsAsPrintfInTheCLocale) {
    struct Case {
        double v;
        int width, precision;
    };
    for (Case c : {Case{0.99, 8, 3}, Case{-3.25, 8, 1}, Case{2.675, 4, 2}, Case{1e7, 8, 1},
                   Case{0.05, 6, 1}, Case{123456.789, 3, 2}}) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(FormatFixed(c.v, c.width, c.precision),
                  Printf("%*.*f", c.width, c.precision, c.v));
    }
    EXPECT_EQ(FormatTwoDigits(7), "07");
    EXPECT_EQ(FormatTwoDigits(123), "123");
    EXPECT_EQ(PadRight("Zeit", 6), "Zeit  ");
    EXPECT_EQ(PadRight("Größe", 3), "Grö");
    EXPECT_EQ(PadLeft("™x", 4), "  ™x");
    EXPECT_EQ(PadLeft("Größenordnung", 4), "Größ");
}

}  // namespace
}  // namespace vx
