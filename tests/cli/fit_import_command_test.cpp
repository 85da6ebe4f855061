// velomatix-cli import FILE.fit: the store of the import window from the command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>

#include "support/temp_dir.h"
#include "tests/cli/cli_run.h"
#include "tests/import/fit_writer.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using test::Deos;
using test::RunCli;
using test::UtcZone;
using test::Value;

TEST(CliFitImport, StoresUnderTheSportTypeAndOptions) {
    UtcZone utc;
    struct Case {
        const char* file;
        std::vector<std::string> options;
        const char* base_name;
        const char* count;
        const char* duration_s;
        const char* distance_km;
    };
    const std::vector<Case> cases = {
        // Cadence: bike by power; one record goes with the compaction.
        {"plain_activity.fit", {}, "20240115_0730000_ANNA", "299", "297", "2.45025"},
        // No cadence: bike by heart rate; the pause (120 s) and the standstill (60 s) go.
        {"sparse_pause.fit", {}, "20240115_0730001_ANNA", "620", "618", "4.635"},
        // Nothing removed, only the end trimmed: the last sample is second 798 (618 x 7.5 m).
        {"sparse_pause.fit", {"--no-stops"}, "20240115_0730001_ANNA", "800", "798", "4.635"},
        // A run is not compacted; the last sample is second 799, 619 x 7.5 m.
        {"sparse_pause.fit", {"--sport", "2"}, "20240115_0730002_ANNA", "801", "799", "4.6425"},
        {"mixed_fields.fit",
         {"--sport", "1", "--no-alt-correction"},
         "20240115_0730001_ANNA",
         "319",
         "317",
         "2.61525"},  // second 317 x 8.25 m
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << " " << testing::PrintToString(c.options));
        test::TempDir root;
        std::vector<std::string> args = {"import", test::FitFixture(c.file), "--rider", "ANNA"};
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
        const test::CliResult list = RunCli(root.path(), {"list", "--rider", "ANNA"});
        EXPECT_EQ(Value(list.out, "trips"), "1");
    }
}

TEST(CliFitImport, RefusalsStoreNothing) {
    test::TempDir root;
    std::vector<std::uint8_t> truncated = test::ReadBytes(test::FitFixture("plain_activity.fit"));
    truncated.resize(truncated.size() / 2);
    test::WriteBytes(root.file("truncated.fit"), truncated);
    test::WriteBytes(root.file("short.fit"), test::SteadyRide(59));
    test::WriteBytes(root.file("ride.gpx"), {'<', '?'});
    const std::string sparse = test::FitFixture("sparse_pause.fit");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{root.file("truncated.fit")}, "the file is truncated"},
        {{root.file("short.fit")}, "DATEN NICHT AUSWERTBAR"},
        {{root.file("missing.fit")}, "missing.fit"},
        {{sparse, "--sport", "0"}, "cannot be stored as sport type 0"},
        {{sparse, "--sport", "3"}, "--sport is 0"},
        {{sparse, "--dialect", "comma"}, "--dialect does not apply to .fit files"},
        {{root.file("ride.gpx")}, "no importer for files of type \"gpx\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        std::vector<std::string> args = {"import", "--rider", "ANNA"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliResult r = RunCli(root.path(), args);
        EXPECT_EQ(r.code, cli::kExitFailure);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        EXPECT_TRUE(Deos(root.path()).empty());
    }
}

TEST(CliFitImport, ChecksumWarningsAreReportedAndTheTripStored) {
    UtcZone utc;
    test::TempDir root;
    std::vector<std::uint8_t> bytes = test::ReadBytes(test::FitFixture("plain_activity.fit"));
    bytes.back() ^= 0xFF;  // the file CRC
    test::WriteBytes(root.file("ride.FIT"), bytes);
    const test::CliResult r =
        RunCli(root.path(), {"import", root.file("ride.FIT"), "--rider", "ANNA"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(Value(r.out, "warning").find("file CRC"), std::string::npos) << r.out;
    EXPECT_EQ(Value(r.out, "count"), "299");
}

}  // namespace
}  // namespace vx
