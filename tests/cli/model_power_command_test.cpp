#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "analysis/power_model_file.h"
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

// A data root with a rider of 70 kg and a 200-record ride at 30 km/h on the flat.
class ModelPowerCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        Settings s = DefaultSettings();
        s.riders[0].weight_kg = 70;
        s.riders[0].height_m = 1.80f;
        paths_ = BuildPaths(dir_.path(), "RIDER_1", nullptr);
        ASSERT_TRUE(WriteSettings(paths_.settings_file, s));
        auto trip = std::make_unique<Trip>();
        trip->count = 200;
        trip->zone_bounds = {kZoneBlockMarker, 100, 150, 200, 250, 300, 350};
        for (int i = 1; i < trip->count; ++i) {
            TripRecord& r = trip->records[i];
            r.time_s = i - 1;
            r.distance_km = (i - 1) * 30.0f / 3600;
            r.speed_kmh = 30;
            r.cadence_rpm = i == 100 ? 8.0f : 90.0f;
            r.altitude_m = 200;
            r.temperature_c = 20;
            r.power_w = 55;
        }
        deo_ = dir_.file("20140316_093015_0_RIDER_1.DEO");
        ASSERT_TRUE(WriteTripPath(deo_, *trip));
    }

    std::unique_ptr<Trip> Reread() {
        auto trip = std::make_unique<Trip>();
        EXPECT_TRUE(ReadTripPath(deo_, *trip, RiderZones{}));
        return trip;
    }

    test::TempDir dir_;
    Paths paths_;
    std::string deo_;
};

TEST_F(ModelPowerCommand, WritesTheCsvAndLeavesTheTrip) {
    Result r = RunCli({"--data", dir_.path(), "model-power", deo_});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "samples"), "179");
    const double avg = std::stod(Value(r.out, "avg_model_power_w"));
    EXPECT_GT(avg, 150);
    EXPECT_LT(avg, 250);
    EXPECT_GE(std::stod(Value(r.out, "max_model_power_w")), avg);
    EXPECT_EQ(Value(r.out, "applied_samples"), "<missing>");
    const std::vector<std::uint8_t> csv = test::ReadBytes(dir_.file("CALC_POWER.CSV"));
    EXPECT_EQ(std::string(csv.begin(), csv.begin() + 6), "Zeit;S");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 180);
    EXPECT_EQ(Reread()->records[50].power_w, 55);
}

TEST_F(ModelPowerCommand, ApplyWritesThePowerIntoTheTrip) {
    Result r = RunCli({"--data", dir_.path(), "model-power", "--apply", deo_});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "applied_samples"), "198");
    auto trip = Reread();
    EXPECT_EQ(trip->count, 200);
    EXPECT_EQ(trip->records[5].power_w, 0);    // never a window centre
    EXPECT_EQ(trip->records[100].power_w, 0);  // cadence 8
    EXPECT_NEAR(trip->records[50].power_w, std::stod(Value(r.out, "avg_model_power_w")), 1.0);
}

TEST_F(ModelPowerCommand, ParameterFileOfTheDataRootOrNamed) {
    const double plain = std::stod(
        Value(RunCli({"--data", dir_.path(), "model-power", deo_}).out, "avg_model_power_w"));
    // A heavy touring setup stored for bike type 2 raises the rolling resistance.
    PowerModelFile file;
    PowerModelParams p;
    SelectBikeType(p, file, 2, 1.8f);
    p.bike_kg = 25;
    p.load_kg = 20;
    AcceptBike(p, file);
    ASSERT_TRUE(WritePowerModelFile(paths_.power_model, file));
    const double heavy = std::stod(
        Value(RunCli({"--data", dir_.path(), "model-power", deo_}).out, "avg_model_power_w"));
    EXPECT_GT(heavy, plain + 5);
    const std::string named = dir_.file("other.GRD");
    ASSERT_TRUE(WritePowerModelFile(named, PowerModelFile{}));
    Result r = RunCli({"--data", dir_.path(), "model-power", deo_, "--params", named});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_DOUBLE_EQ(std::stod(Value(r.out, "avg_model_power_w")), plain);
}

TEST_F(ModelPowerCommand, FailuresAreOneLine) {
    test::WriteBytes(dir_.file("short.GRD"), {1, 2, 3});
    for (auto args : std::vector<std::vector<std::string>>{
             {"model-power"},
             {"model-power", dir_.file("missing.DEO")},
             {"model-power", deo_, "--bogus"},
             {"model-power", deo_, deo_},
             {"model-power", deo_, "--params"},
             {"model-power", deo_, "--params", dir_.file("none.GRD")},
             {"model-power", deo_, "--params", dir_.file("short.GRD")}}) {
        args.insert(args.begin(), {"--data", dir_.path()});
        Result r = RunCli(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(Reread()->records[50].power_w, 55);
}

}  // namespace
}  // namespace vx
