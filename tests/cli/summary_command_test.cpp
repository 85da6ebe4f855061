#include <gtest/gtest.h>

#include <sstream>

#include "analysis/evaluation_fixture.h"
#include "cli/cli.h"
#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/paths.h"
#include "trip/settings_file.h"

namespace vx {
namespace {

struct Result {
    int code;
    std::string out, err;
};

Result RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "velomatix-cli");
    std::ostringstream out, err;
    int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::string Value(const std::string& out, const std::string& key) {
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
    return "<missing>";
}

// A data root with the evaluation settings and a 200-record climb at 1 s.
struct SummaryRoot {
    test::TempDir dir;
    std::string deo = dir.file("20140316_0930150_RIDER_1.DEO");

    explicit SummaryRoot(std::uint8_t unit_flags = 0) {
        Trip trip = test::MakeTrip(201, 1, [](int k, TripRecord& r) {
            r.altitude_m = 100 + 0.5f * k;
            if (k > 100) r.power_w = 300;
        });
        trip.zone_bounds = {5555, 1, 2, 3, 4, 5, 6};
        EXPECT_TRUE(WriteTripPath(deo, trip));
        Settings s = test::EvaluationSettings();
        s.unit_flags = unit_flags;
        EXPECT_TRUE(WriteSettings(BuildPaths(dir.path(), "RIDER_1", nullptr).settings_file, s));
    }
};

TEST(CliSummary, PrintsLinesRecordsAndRangeValues) {
    SummaryRoot root;
    Result r = RunCli({"--data", root.dir.path(), "summary", root.deo});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "L0"), "Total distance [km]     =   1.990         Time  00:03:19");
    EXPECT_EQ(Value(r.out, "L3"), "Power(INC 0 W/ EXC 0 W) =   250.0 / 250.0  max =   300.0");
    EXPECT_NE(Value(r.out, "L12"), "<missing>");
    EXPECT_EQ(Value(r.out, "has_power"), "1");
    EXPECT_EQ(Value(r.out, "total_time_s"), "200");
    EXPECT_EQ(Value(r.out, "climb_time_s"), "169");
    EXPECT_EQ(Value(r.out, "distance_km"), "2");
    EXPECT_EQ(Value(r.out, "avg_power_w"), "250");
    EXPECT_EQ(Value(r.out, "max_power_w"), "300");
    EXPECT_EQ(Value(r.out, "work_kj"), "50");
    EXPECT_EQ(Value(r.out, "avg_hr"), "140");
    EXPECT_EQ(Value(r.out, "min_altitude_m"), "101");
    EXPECT_EQ(Value(r.out, "weight_kg"), "72.5");
    // 200 W in 187.5..225 (Zone3), 300 W in 300..375 (Zone6): bounds from the rider's zones.
    EXPECT_EQ(Value(r.out, "zone_times_s"), "0 0 0 100 0 0 100 0 0 0");
    EXPECT_EQ(Value(r.out, "zone_bounds"), "5555 137 187 225 262 300 375 0 0 0");
    EXPECT_EQ(Value(r.out, "peak_5"), "300");
    EXPECT_EQ(Value(r.out, "peak_60"), "300");
    EXPECT_EQ(Value(r.out, "peak_300"), "0");
    EXPECT_EQ(Value(r.out, "peak_1200"), "0");
    EXPECT_EQ(Value(r.out, "sample_interval_s"), "1");
    EXPECT_EQ(Value(r.out, "range_evaluated"), "1");
    EXPECT_EQ(Value(r.out, "range_avg_power_w"), "250");
    EXPECT_EQ(Value(r.out, "range_gradient_pct"), "0");
    for (const char* key : {"climb_distance_km",
                            "ascent_m",
                            "max_altitude_m",
                            "avg_power_nonzero_w",
                            "avg_power_climb_w",
                            "np_w",
                            "if",
                            "tss",
                            "max_hr",
                            "avg_cadence",
                            "max_cadence",
                            "avg_speed_kmh",
                            "max_speed_kmh",
                            "avg_temperature_c",
                            "power_time_s",
                            "hr_histogram_s",
                            "power_histogram_s",
                            "range_avg_speed",
                            "range_avg_cadence",
                            "range_avg_temperature_c",
                            "range_avg_altitude_m"})
        EXPECT_NE(Value(r.out, key), "<missing>") << key;
}

TEST(CliSummary, SelectedRangeAndUnitsOfTheDataRoot) {
    SummaryRoot root(kUnitFeetMiles);
    Result r =
        RunCli({"--data", root.dir.path(), "summary", root.deo, "--first", "50", "--last", "150"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "L0"), "Select distance [miles] =   0.621         Time  00:01:40");
    EXPECT_EQ(Value(r.out, "L9").substr(0, 33), "Altitude difference [ft]=   165.7");
    EXPECT_EQ(Value(r.out, "total_time_s"), "200");  // the records describe the whole trip
    EXPECT_EQ(Value(r.out, "range_gradient_pct").substr(0, 4), "5.00");

    r = RunCli({"--data", root.dir.path(), "summary", root.deo, "--first", "150", "--last", "50"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "range_evaluated"), "0");
    EXPECT_EQ(Value(r.out, "L0"), "Select distance [miles] =   0.000         Time  00:00:00");
}

TEST(CliSummary, UsageErrors) {
    SummaryRoot root;
    const std::string data = root.dir.path();
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"summary"},
             {"summary", root.deo, "--first"},
             {"summary", root.deo, "--first", "x"},
             {"summary", root.deo, "--first", "0"},
             {"summary", root.deo, "--last", "5k"},
             {"summary", root.deo, "--bogus"},
             {"summary", root.deo, root.deo},
             {"summary", root.dir.file("missing.DEO")},
         }) {
        std::vector<std::string> a = {"--data", data};
        a.insert(a.end(), args.begin(), args.end());
        Result r = RunCli(a);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    Result r = RunCli({"summary", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("summary FILE.DEO [--first N] [--last M]"), std::string::npos);
}

}  // namespace
}  // namespace vx
