#include "trip/paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(Paths, LayoutBelowTheDataRoot) {
    test::TempDir dir;
    InfoList info;
    Paths p = BuildPaths(dir.path(), "JÜRGEN", &info);
    const std::string b = dir.path();
    EXPECT_EQ(p.rider_folder, b + "/DATA/JÜRGEN");
    EXPECT_EQ(p.trip_list, b + "/DATA/JÜRGEN/JÜRGEN.T_L");
    EXPECT_EQ(p.summary_store, b + "/DATA/JÜRGEN/JÜRGEN.T_D");
    EXPECT_EQ(p.collection_list, b + "/DATA/COLLECTION/COLLECTION.T_L");
    EXPECT_EQ(p.settings_file, b + "/DATA/GRD_DATA/GRD_DATA_01.GRD");
    EXPECT_EQ(p.mail_settings, b + "/DATA/GRD_DATA/MAIL_SET.GRD");
    EXPECT_EQ(p.power_model, b + "/DATA/GRD_DATA/POW_CALC.GRD");
    EXPECT_EQ(p.help_base, b + "/DATA/GRD_DATA/HILFE/HILFE_");
    EXPECT_EQ(p.control_text, b + "/CONTROLL_RECH.TXT");
    EXPECT_TRUE(std::filesystem::is_directory(p.rider_folder));
    EXPECT_EQ(info, (InfoList{p.trip_list, p.summary_store, p.garmin_no_blanks, p.help_base}));
    EXPECT_FALSE(std::filesystem::exists(p.garmin_no_blanks));
}

TEST(Paths, DataRootChoice) {
    test::TempDir dir;
    EXPECT_EQ(ResolveDataRoot(std::string("/x/y"), dir.path()), "/x/y");
    ::setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_EQ(ResolveDataRoot(std::nullopt, dir.path()), "/xdg/velomatix");
    std::filesystem::create_directory(dir.file("DATA"));
    EXPECT_EQ(ResolveDataRoot(std::nullopt, dir.path()), dir.path());  // portable use
    std::filesystem::remove(dir.file("DATA"));
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(ResolveDataRoot(std::nullopt, dir.path()), "/home/u/.local/share/velomatix");
}

}  // namespace
}  // namespace vx
