// velomatix-cli import FILE.hrm / .srm / .tcx: the store of the import windows from the
// command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>

#include "support/temp_dir.h"
#include "tests/cli/cli_run.h"
#include "tests/import/import_fixtures.h"
#include "tests/import/srm_writer.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using test::Deos;
using test::RunCli;
using test::UtcZone;
using test::Value;

void WriteText(const std::string& path, const std::string& text) {
    test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// 120 samples a second apart at 30 km/h, with cadence 90 and 200 W.
std::string HrmRide() {
    std::string s =
        "[Params]\r\nVersion=106\r\nSMode=11110000\r\nDate=20140705\r\nStartTime=09:05:03.0\r\n"
        "Interval=1\r\n\r\n[HRData]\r\n";
    for (int i = 0; i < 120; ++i) s += "130\t300\t90\t410\t200\r\n";
    return s;
}

// 100 trackpoints a second apart, 8 m per second, with heart rate (no cadence, no power).
std::string TcxRide() {
    std::string s =
        "<?xml version=\"1.0\"?>\n<TrainingCenterDatabase "
        "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\"><Activities>"
        "<Activity Sport=\"Running\"><Lap StartTime=\"2014-07-05T10:00:00Z\"><Track>\n";
    for (int i = 0; i < 100; ++i) {
        char buf[256];
        std::snprintf(buf, sizeof buf,
                      "<Trackpoint><Time>2014-07-05T10:%02d:%02dZ</Time>"
                      "<DistanceMeters>%d</DistanceMeters><HeartRateBpm><Value>150</Value>"
                      "</HeartRateBpm></Trackpoint>\n",
                      i / 60, i % 60, i * 8);
        s += buf;
    }
    return s + "</Track></Lap></Activity></Activities></TrainingCenterDatabase>\n";
}

TEST(CliImportFormats, StoresEachFormatByItsExtension) {
    UtcZone utc;
    test::TempDir files;
    WriteText(files.file("ride.HRM"), HrmRide());
    test::WriteBytes(files.file("ride.srm"), test::SrmFile(100).bytes());
    WriteText(files.file("ride.Tcx"), TcxRide());
    struct Case {
        const char* file;
        std::vector<std::string> options;
        const char* base_name;
        const char* count;
        const char* duration_s;
        const char* distance_km;
    };
    const std::vector<Case> cases = {
        // Cadence and power: bike by power; nothing stands, the compaction takes one record.
        {"ride.HRM", {}, "20140705_0905030_ANNA", "119", "117", "0.975"},
        // Power: bike by power, every record kept (100 records of 10 m, the last past the trip).
        {"ride.srm", {}, "20110603_1000000_ANNA", "100", "98", "0.99"},
        {"ride.srm", {"--sport", "0"}, "20110603_1000000_ANNA", "100", "98", "0.99"},
        // No cadence: bike by heart rate, compacted; or a run as read.
        {"ride.Tcx", {}, "20140705_1000001_ANNA", "99", "97", "0.776"},
        {"ride.Tcx", {"--sport", "2"}, "20140705_1000002_ANNA", "100", "98", "0.784"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << " " << testing::PrintToString(c.options));
        test::TempDir root;
        std::vector<std::string> args = {"import", files.file(c.file), "--rider", "ANNA"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const test::CliResult r = RunCli(root.path(), args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(Value(r.out, "base_name"), c.base_name);
        EXPECT_EQ(Value(r.out, "trip_number"), "1");
        EXPECT_EQ(Value(r.out, "count"), c.count);
        EXPECT_EQ(Value(r.out, "duration_s"), c.duration_s);
        EXPECT_EQ(Value(r.out, "distance_km"), c.distance_km);
        EXPECT_EQ(Value(r.out, "warning"), "<missing>");
        EXPECT_EQ(Deos(root.path()), std::vector<std::string>{std::string(c.base_name) + ".DEO"});
    }
}

TEST(CliImportFormats, RefusalsStoreNothing) {
    test::TempDir root;
    std::vector<std::uint8_t> srm = test::SrmFile(100).bytes();
    srm.resize(60);
    test::WriteBytes(root.file("cut.srm"), srm);
    test::WriteBytes(root.file("ride.srm"), test::SrmFile(100).bytes());
    WriteText(root.file("ride.tcx"), TcxRide());
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{test::ImportFixture("tcx/gpsbabel_course.tcx")}, "no trackpoint carries a distance"},
        {{test::ImportFixture("hrm/rr_intervals.hrm")}, "R-R intervals"},
        {{test::ImportFixture("hrm/ride_11110000.hrm")}, "DATEN NICHT AUSWERTBAR"},
        {{root.file("cut.srm")}, "ends inside its header"},
        {{root.file("ride.srm"), "--sport", "2"}, "cannot be stored as sport type 2"},
        {{root.file("ride.tcx"), "--sport", "0"}, "cannot be stored as sport type 0"},
        {{root.file("ride.tcx"), "--no-stops"}, "--no-stops does not apply to .tcx files"},
        {{root.file("missing.hrm")}, "missing.hrm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        std::vector<std::string> args = {"import", "--rider", "ANNA"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliResult r = RunCli(root.path(), args);
        EXPECT_EQ(r.code, cli::kExitFailure);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(Deos(root.path()).empty());
    }
}

}  // namespace
}  // namespace vx
