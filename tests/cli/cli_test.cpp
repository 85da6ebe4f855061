#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/deo_fixture.h"
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

// The value of "key: value" in the output, or "<missing>".
std::string Value(const std::string& out, const std::string& key) {
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
    return "<missing>";
}

TEST(Cli, HelpAndUsageErrors) {
    Result r = RunCli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("show"), std::string::npos);
    EXPECT_NE(r.out.find("settings"), std::string::npos);
    r = RunCli({"show", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("usage: velomatix-cli [--data DIR] show FILE.DEO"), std::string::npos);
    for (auto args : std::vector<std::vector<std::string>>{
             {}, {"nonsense"}, {"--bogus", "show"}, {"--data"}, {"show"}, {"show", "a", "b"}}) {
        r = RunCli(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n') >= 1, true);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(Cli, ShowPrintsTheTripFields) {
    test::TempDir dir;
    test::DeoFixture f;
    f.count = 12;
    f.flags = kNoteFlag;
    f.note = test::NoteBytes(
        "  Col du Gal\xE9"
        "bier");
    f.zone_bounds = ZoneBlock{};  // no marker: rebuilt from the data root's zones
    f.times = {0, 2, 4, 6};
    const std::string deo = dir.file("20140316_0930150_RIDER_1.DEO");
    test::WriteBytes(deo, f.Bytes());

    Settings s = DefaultSettings();
    s.zones[0][0] = {200, 50, 60, 70, 80, 90, 100, 0, 0, 0};
    Paths p = BuildPaths(dir.path(), "RIDER_1", nullptr);
    ASSERT_TRUE(WriteSettings(p.settings_file, s));

    Result r = RunCli({"--data", dir.path(), "show", deo});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "count"), "12");
    EXPECT_EQ(Value(r.out, "sample_interval_s"), "2");
    EXPECT_EQ(Value(r.out, "sport_type"), "0");
    EXPECT_EQ(Value(r.out, "flags"), "32");
    EXPECT_EQ(Value(r.out, "zone_threshold"), "250");
    EXPECT_EQ(Value(r.out, "weight_x10"), "725");
    EXPECT_EQ(Value(r.out, "threshold_hr_bike"), "150");
    EXPECT_EQ(Value(r.out, "threshold_hr_run"), "160");
    EXPECT_EQ(Value(r.out, "zone_bounds"), "5555 125 150 175 200 225 250 0 0 0 0 0 0 0 0");
    EXPECT_EQ(Value(r.out, "curve_scale"), "1000 600 180 70 190 20 15 3 4 50");
    EXPECT_EQ(Value(r.out, "note"), "*-Col du Galébier");
    EXPECT_EQ(Value(r.out, "note_present"), "1");
    EXPECT_EQ(Value(r.out, "rewrite_pending"), "1");
}

TEST(Cli, ShowRefusesFilesThatAreNoTrip) {
    test::TempDir dir;
    test::DeoFixture f;
    f.count = 200000;
    test::WriteBytes(dir.file("big.DEO"), f.Bytes());
    test::WriteBytes(dir.file("text.DEO"), {'h', 'e', 'l', 'l', 'o', '\n'});
    for (const char* name : {"big.DEO", "text.DEO", "missing.DEO"}) {
        Result r = RunCli({"--data", dir.path(), "show", dir.file(name)});
        EXPECT_EQ(r.code, 2) << name;
        EXPECT_TRUE(r.out.empty()) << name;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Cli, SettingsPrintsTheFileOfTheDataRoot) {
    test::TempDir dir;
    Result r = RunCli({"--data", dir.path(), "settings"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("no settings file"), std::string::npos);

    Settings s = DefaultSettings();
    s.com_port = 2;
    s.current_rider = 1;
    s.riders[1].SetName("JÜRGEN");
    s.riders[1].weight_kg = 72.5f;
    s.riders[1].height_m = 1.81f;
    s.zones[1][0] = {265, 55, 75, 90, 105, 120, 2500, 0, 80, 95};
    s.climb_threshold_pct = 2.5f;
    s.unit_flags = 0x11;
    s.data_source = 3;
    Paths p = BuildPaths(dir.path(), "JÜRGEN", nullptr);
    ASSERT_TRUE(WriteSettings(p.settings_file, s));

    r = RunCli({"--data=" + dir.path(), "settings"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "version"), "2001");
    EXPECT_EQ(Value(r.out, "com_port"), "2");
    EXPECT_EQ(Value(r.out, "current_rider"), "1");
    EXPECT_EQ(Value(r.out, "rider_folder"), "JÜRGEN");
    EXPECT_EQ(Value(r.out, "rider.1.name"), "JÜRGEN");
    EXPECT_EQ(Value(r.out, "rider.1.weight_kg"), "72.5");
    EXPECT_EQ(Value(r.out, "rider.1.height_m"), "1.81");
    EXPECT_EQ(Value(r.out, "rider.6.name"), "COLLECTION");
    EXPECT_EQ(Value(r.out, "zones.1.0"), "265 55 75 90 105 120 2500 0 80 95");
    EXPECT_EQ(Value(r.out, "zones.1.1"), "160 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(Value(r.out, "zones.9.2"), "160 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(Value(r.out, "climb_threshold_pct"), "2.5");
    EXPECT_EQ(Value(r.out, "language"), "0");
    EXPECT_EQ(Value(r.out, "unit_flags"), "17");
    EXPECT_EQ(Value(r.out, "com_speed_index"), "2");
    EXPECT_EQ(Value(r.out, "data_source"), "3");
}

// The installed tool itself: exit codes and the one-line failure on stderr.
TEST(Cli, ExecutableExitCodes) {
    const char* exe = std::getenv("VELOMATIX_CLI");
    if (!exe) GTEST_SKIP() << "VELOMATIX_CLI not set";
    test::TempDir dir;
    const std::string err = dir.file("err.txt");
    std::string cmd =
        std::string(exe) + " --data " + dir.path() + " show " + dir.file("none.DEO") + " 2>" + err;
    int status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    auto text = test::ReadBytes(err);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    status = std::system((std::string(exe) + " --help >/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vx
