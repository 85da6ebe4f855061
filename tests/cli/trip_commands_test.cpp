#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

struct Result {
    int code;
    std::string out, err;
};

Result RunCli(const std::string& root, std::vector<std::string> args) {
    args.insert(args.begin(), {"velomatix-cli", "--data", root});
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

void WriteCsv(const std::string& path, int samples) {
    std::string text = "ZEIT,STRECKE,POWER\n";
    for (int i = 1; i <= samples; ++i)
        text += std::to_string(i) + "," + std::to_string(i * 0.01) + ",200,90,36,140,300,20,0,0\n";
    test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(CliTrips, ImportListExportEraseInAFreshDataRoot) {
    test::TempDir root;
    const std::string csv = root.file("20140316_093015.csv");
    WriteCsv(csv, 120);

    Result r = RunCli(root.path(), {"import", csv, "--dialect", "comma"});
    EXPECT_EQ(r.code, 2);  // no rider named yet
    EXPECT_NE(r.err.find("--rider"), std::string::npos);

    r = RunCli(root.path(), {"import", csv, "--dialect", "comma", "--rider", "ANNA"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "base_name"), "20140316_0930150_c");
    EXPECT_EQ(Value(r.out, "trip_number"), "1");
    EXPECT_EQ(Value(r.out, "count"), "121");
    EXPECT_EQ(Value(r.out, "duration_s"), "119");
    EXPECT_EQ(Value(r.out, "distance_km"), "1.2");

    r = RunCli(root.path(), {"list", "--rider", "ANNA"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "trips"), "1");
    EXPECT_EQ(Value(r.out, "trip").substr(0, 23), "1 20140316_0930150_c 0 ");

    const std::string deo = root.file("DATA/ANNA/20140316_0930150_c.DEO");
    r = RunCli(root.path(), {"export", deo, "-o", root.file("out.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Value(r.out, "samples"), "120");
    EXPECT_EQ(test::ReadBytes(root.file("out.csv")).size() > 120 * 60, true);
    r = RunCli(root.path(), {"export", deo, "--wko"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(root.file("DATA/ANNA/20140316_0930150_c_WKO.CSV")));

    r = RunCli(root.path(), {"erase", "1", "--rider", "ANNA"});
    ASSERT_EQ(r.code, 0) << r.err;
    r = RunCli(root.path(), {"list", "--rider", "ANNA"});
    EXPECT_EQ(Value(r.out, "trips"), "0");
    EXPECT_TRUE(std::filesystem::exists(deo));
    auto list = test::ReadBytes(root.file("DATA/ANNA/ANNA.T_L"));
    EXPECT_EQ(std::string(list.begin(), list.end()), "ERASED :1;\r\n");
}

TEST(CliTrips, RefusalsChangeNothing) {
    test::TempDir root;
    WriteCsv(root.file("20140316_093015.csv"), 3);
    WriteCsv(root.file("ride.csv"), 100);
    Result r = RunCli(root.path(), {"list", "--rider", "ANNA"});
    ASSERT_EQ(r.code, 0);
    const auto list = test::ReadBytes(root.file("DATA/ANNA/ANNA.T_L"));
    for (auto args : std::vector<std::vector<std::string>>{
             {"import", root.file("20140316_093015.csv"), "--rider", "ANNA", "--dialect", "comma"},
             {"import", root.file("ride.csv"), "--rider", "ANNA"},
             {"import", root.file("x.gpx"), "--rider", "ANNA"},
             {"import", root.file("missing.csv"), "--rider", "ANNA"},
             {"erase", "7", "--rider", "ANNA"},
             {"erase", "1000", "--rider", "ANNA"},
             {"list", "--rider", "../X"},
             {"export", root.file("missing.DEO")}}) {
        r = RunCli(root.path(), args);
        EXPECT_EQ(r.code, 2) << args[0] << " " << args[1];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(test::ReadBytes(root.file("DATA/ANNA/ANNA.T_L")), list);
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(root.file("DATA/ANNA"))) (void)e, ++files;
    EXPECT_EQ(files, 2);  // the list and the store
    EXPECT_FALSE(std::filesystem::exists(root.file("DATA/X")));
}

}  // namespace
}  // namespace vx
