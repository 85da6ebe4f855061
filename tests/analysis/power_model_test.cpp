#include "analysis/power_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

#include "support/temp_dir.h"
#include "views/curve_channels.h"

namespace vx {
namespace {

// A ride at a steady speed on the flat at 15 C and 100 m, one record per second.
std::unique_ptr<Trip> Ride(std::int32_t count, float speed_kmh,
                           const std::function<void(int, TripRecord&)>& change = {}) {
    auto trip = std::make_unique<Trip>();
    trip->count = count;
    for (int i = 1; i < count; ++i) {
        TripRecord& r = trip->records[i];
        r.time_s = i - 1;
        r.distance_km = (i - 1) * speed_kmh / 3600.0f;
        r.speed_kmh = speed_kmh;
        r.cadence_rpm = 90;
        r.altitude_m = 100;
        r.temperature_c = 15;
        r.power_w = 123;
        if (change) change(i, r);
    }
    return trip;
}

PowerModelParams Params() {
    PowerModelParams p;
    p.rider_kg = 70;
    return p;
}

PowerModelRun Model(Trip& trip, const PowerModelParams& p, bool apply = false) {
    const std::vector<float> a = AltitudeMean(CurveSourceOf(trip));
    return ComputeModelPower(trip, a, p, apply, std::string());
}

TEST(PowerModel, HalfAirDensity) {
    EXPECT_NEAR(HalfAirDensity(0, 15), 0.6128f, 1e-4);
    EXPECT_NEAR(HalfAirDensity(1000, 15), 0.5406f, 1e-4);
}

TEST(PowerModel, FlatSteadyRideIsRollingAndDrag) {
    auto trip = Ride(300, 30);
    const PowerModelParams p = Params();
    const PowerModelRun run = Model(*trip, p);

    const double v = 30 / 3.6;
    const double k = 176.5 * std::exp(-0.0001253 * 100) / 288;
    const double mass = 70 + 9.5 + 4;
    const double forces =
        mass * 9.81 * 0.006 + k * 0.25 * v * v * (1 + 0.002 * 90) + k * 0.10 * v * v;
    const double want = forces * v / 0.97;
    EXPECT_EQ(run.window_half, 10);
    EXPECT_EQ(run.first_centre, 11);
    EXPECT_EQ(run.centres, 300 - 20 - 1);
    for (int c : {11, 150, 289}) EXPECT_NEAR(run.power[c], want, want * 1e-4) << c;
    // Records that are never a centre: the first n records and the last n.
    for (int c : {0, 1, 10, 290, 299}) EXPECT_EQ(run.power[c], 0) << c;
    EXPECT_NEAR(run.smoothed_power[150], want, want * 1e-4);
    EXPECT_NEAR(run.smoothed_power[299], run.smoothed_power[289], 1e-3);  // held at the end
    EXPECT_EQ(trip->records[150].power_w, 123);  // no apply: the trip stays
}

TEST(PowerModel, StandingAndSteepDescentGiveZeroNeverNegative) {
    auto standing = Ride(100, 0);
    auto descent = Ride(200, 40, [](int i, TripRecord& r) { r.altitude_m = 1000 - i * 2.0f; });
    for (Trip* t : {standing.get(), descent.get()}) {
        const PowerModelRun run = Model(*t, Params());
        for (int i = 0; i < t->count; ++i) {
            ASSERT_EQ(run.power[i], 0) << i;
            ASSERT_EQ(run.smoothed_power[i], 0) << i;
        }
    }
}

TEST(PowerModel, ApplyWritesThePowerWhereTheCadenceIsAboveTen) {
    auto trip = Ride(120, 30, [](int i, TripRecord& r) {
        if (i == 50) r.cadence_rpm = 10;
        if (i == 60) r.cadence_rpm = 10.5f;
    });
    const PowerModelRun run = Model(*trip, Params(), true);
    EXPECT_EQ(trip->records[50].power_w, 0);
    EXPECT_EQ(trip->records[60].power_w, run.power[60]);
    EXPECT_GT(trip->records[60].power_w, 100);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(trip->records[i].power_w, 0) << i;
    EXPECT_EQ(run.applied_samples, 119 - 1);

    // The range version keeps P at cadence 10 and clears it only below.
    auto again = Ride(120, 30, [](int i, TripRecord& r) {
        if (i == 50) r.cadence_rpm = 10;
        if (i == 60) r.cadence_rpm = 9.5f;
    });
    PowerModelRun range;
    const std::vector<float> a = AltitudeMean(CurveSourceOf(*again));
    EXPECT_EQ(ComputeModelPowerRange(again->records, again->count, a, Params(), 1, 120, range),
              100);
    EXPECT_GT(range.power[50], 100);
    EXPECT_EQ(range.power[60], 0);
    EXPECT_EQ(range.smoothed_power[50], 0);  // S needs a cadence above 10
    EXPECT_GT(range.smoothed_power[70], 100);
}

TEST(PowerModel, TheWindowNeverReadsBehindTheTrip) {
    // Runs on the shortest trips and on ranges past the end; the sanitizers watch the reads.
    for (std::int32_t count : {5, 6, 21, 22, 23, 40}) {
        auto trip = Ride(count, 25);
        for (int n : {1, 10, 300}) {
            PowerModelParams p = Params();
            p.window_half = n;
            const PowerModelRun run = Model(*trip, p);
            ASSERT_EQ(run.power.size(), static_cast<std::size_t>(count));
            EXPECT_LE(2 * run.window_half + 2, count);
            EXPECT_GE(run.window_half, 1);
            for (float v : run.smoothed_power) EXPECT_TRUE(std::isfinite(v));
            PowerModelRun range;
            ComputeModelPowerRange(trip->records, trip->count, {}, p, 0, count + 100, range);
            ComputeModelPowerRange(trip->records, trip->count, {}, p, count - 2, count, range);
        }
    }
}

TEST(PowerModel, EachRunStartsFromClearedResults) {
    auto long_trip = Ride(400, 30);
    auto short_trip = Ride(60, 30);
    PowerModelRun run;
    ComputeModelPowerRange(long_trip->records, long_trip->count, {}, Params(), 1, 400, run);
    ComputeModelPowerRange(short_trip->records, short_trip->count, {}, Params(), 30, 60, run);
    ASSERT_EQ(run.power.size(), 60u);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(run.power[i], 0) << i;  // before the range
}

TEST(PowerModel, WindowAndEfficiencyAreValidated) {
    EXPECT_EQ(ModelWindowHalf(0, 1000), 1);
    EXPECT_EQ(ModelWindowHalf(-5, 1000), 1);
    EXPECT_EQ(ModelWindowHalf(301, 1000), 300);
    EXPECT_EQ(ModelWindowHalf(10, 15), 6);
    EXPECT_EQ(ValidEfficiency(0.3f), 1.0f);
    EXPECT_EQ(ValidEfficiency(std::nanf("")), 1.0f);
    EXPECT_EQ(ValidEfficiency(0.97f), 0.97f);
    auto trip = Ride(100, 30);
    PowerModelParams p = Params();
    p.efficiency = 0;
    PowerModelParams one = Params();
    one.efficiency = 1.0f;
    EXPECT_FLOAT_EQ(Model(*trip, p).power[50], Model(*trip, one).power[50]);
}

TEST(PowerModel, BreakdownLinesAndCsv) {
    auto trip = Ride(100, 30);
    int calls = 0, last_done = 0, last_total = 0;
    test::TempDir dir;
    const std::string csv = dir.file(kModelPowerCsvName);
    const std::vector<float> a = AltitudeMean(CurveSourceOf(*trip));
    const PowerModelRun run = ComputeModelPower(*trip, a, Params(), false, csv, [&](int d, int t) {
        ++calls;
        last_done = d;
        last_total = t;
    });
    ASSERT_EQ(run.lines.size(), 1u + 79u);
    EXPECT_EQ(run.lines[0], kModelPowerCsvHeader);
    EXPECT_EQ(run.lines[1].substr(0, 9), "00:00:11;");
    EXPECT_NE(run.lines[1].find(";   0.000;"), std::string::npos);  // no slope force
    EXPECT_GE(calls, 1);
    EXPECT_EQ(last_done, 79);
    EXPECT_EQ(last_total, 79);
    ASSERT_TRUE(run.csv_written);
    const std::vector<std::uint8_t> bytes = test::ReadBytes(csv);
    const std::string text(bytes.begin(), bytes.end());
    const std::string header = std::string(kModelPowerCsvHeader) + "\r\n";
    EXPECT_EQ(text.substr(0, header.size()), header);
    EXPECT_EQ(text.find('.'), std::string::npos);
    EXPECT_EQ(text, ModelPowerCsvText(run.lines));

    // A folder that does not exist: the file is skipped, the run stands.
    const PowerModelRun skipped =
        ComputeModelPower(*trip, a, Params(), true, dir.file("none/CALC_POWER.CSV"));
    EXPECT_FALSE(skipped.csv_written);
    EXPECT_EQ(trip->records[50].power_w, skipped.power[50]);
}

TEST(PowerModel, BreakdownLineFormat) {
    const std::vector<ModelForces> cases = {
        {21.5234f, 0, 4.9149f, 12.4f, 4.203f, 0, 8.3333f, 0, 0.6052f},
        {-1234.5678f, -88.0005f, 0.0005f, 99999.99f, -0.0004f, 1e7f, -3.14159f, 0.125f, 1.0f},
        {12345678.0f, 2.0625f, 0.0625f, 0.3125f, -2.5f, 7.0f, 123.456f, -0.005f, 0.5406f},
    };
    const std::int32_t records[] = {11, 3599, 199998};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const ModelForces& f = cases[i];
        const std::int32_t c = records[i];
        char want[256];
        std::snprintf(want, sizeof want,
                      "%02i:%02i:%02i;%10.3f;%8.3f;%8.3f;%8.3f;%8.3f;%8.3f;%5.2f;%5.2f;%8.3f",
                      c / 3600, (c % 3600) / 60, c % 60, f.sum, f.slope, f.rolling, f.rider_drag,
                      f.bike_drag, f.acceleration, f.speed_ms, f.rise * 100.0f, f.half_density);
        EXPECT_EQ(ModelPowerLine(c, f), want);
    }
}

}  // namespace
}  // namespace vx
