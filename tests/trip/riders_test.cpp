#include "trip/riders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "trip/paths.h"

namespace vx {
namespace {

RiderPanelInput NewName(const std::string& name, const std::string& weight = "80",
                        const std::string& height = "1.80") {
    RiderPanelInput in;
    in.entry = kEntryNew;
    in.new_name = name;
    in.weight_text = weight;
    in.height_text = height;
    return in;
}

TEST(Riders, NameKeyFilter) {
    struct Case {
        char32_t key, expected;
    };
    const Case cases[] = {{'a', 'A'},   {'Z', 'Z'},   {'7', '7'},   {'_', '_'},   {' ', '_'},
                          {8, 8},       {U'ä', U'Ä'}, {U'Ö', U'Ö'}, {U'ü', U'Ü'}, {'/', 0},
                          {'.', 0},     {'-', 0},     {U'é', 0},    {U'ß', 0},    {'\\', 0}};
    for (const Case& c : cases) EXPECT_EQ(FilterNameKey(c.key), c.expected) << int(c.key);
    EXPECT_EQ(FilterNameText("an na/../ö"), "AN_NAÖ");
}

TEST(Riders, NewNameTakesTheFirstUnnamedRider) {
    Settings s = DefaultSettings();
    s.riders[0].SetName("ANNA");
    auto r = AcceptRider(s, NewName("BERT"));
    ASSERT_TRUE(r.changed) << r.message;
    EXPECT_TRUE(r.new_rider_named);
    EXPECT_EQ(s.current_rider, 1);
    EXPECT_EQ(s.rider_folder, "BERT");
    EXPECT_EQ(s.riders[1].Name(), "BERT");
    EXPECT_FLOAT_EQ(s.riders[1].weight_kg, 80);
    EXPECT_FLOAT_EQ(s.riders[1].height_m, 1.8f);
}

TEST(Riders, AllFiveNamedMakesTheTemporaryRider) {
    Settings s = DefaultSettings();
    for (int i = 0; i < 5; ++i) s.riders[i].SetName("R" + std::to_string(i) + "X");
    ASSERT_TRUE(AcceptRider(s, NewName("GUEST")).changed);
    EXPECT_EQ(s.current_rider, kTemporaryRider);
    EXPECT_EQ(s.riders[kTemporaryRider].Name(), "GUEST");
}

TEST(Riders, NamesAreComparedWhole) {
    Settings s = DefaultSettings();
    s.riders[0].SetName("RIDER_ANNA");  // a real name, not a placeholder
    ASSERT_TRUE(AcceptRider(s, NewName("NEWTON")).changed);
    EXPECT_EQ(s.current_rider, 1);
    test::TempDir dir;
    BuildPaths(dir.path(), "NEWTON", nullptr);
    BuildPaths(dir.path(), "RIDER_ANNA", nullptr);
    BuildPaths(dir.path(), "RIDER_3", nullptr);
    BuildPaths(dir.path(), "NEW", nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("DATA/NEWTON")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("DATA/RIDER_ANNA")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("DATA/RIDER_3")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("DATA/NEW")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("DATA/GRD_DATA")));
}

TEST(Riders, NewNamesThatChangeNothing) {
    for (const char* name : {"NEW", "CH7__ALPHA", "CH0__ALPHA", "X", "CH3__A", "./", ""}) {
        Settings s = DefaultSettings();
        s.riders[2].SetName("KEEP");
        const Settings before = s;
        auto r = AcceptRider(s, NewName(name));
        EXPECT_FALSE(r.changed) << name;
        EXPECT_FALSE(r.message.empty()) << name;
        EXPECT_EQ(s.riders[2].Name(), "KEEP") << name;
        EXPECT_EQ(s.current_rider, before.current_rider) << name;
        EXPECT_EQ(s.rider_folder, before.rider_folder) << name;
    }
}

TEST(Riders, ChDigitRenamesThatRider) {
    Settings s = DefaultSettings();
    s.riders[2].SetName("OLD");
    ASSERT_TRUE(AcceptRider(s, NewName("CH3__ALPHA")).changed);
    EXPECT_EQ(s.riders[2].Name(), "ALPHA");
    EXPECT_EQ(s.current_rider, 2);
    EXPECT_EQ(s.rider_folder, "ALPHA");
}

TEST(Riders, ChNameInTheWeightFieldRenamesAndKeepsTheWeight) {
    Settings s = DefaultSettings();
    s.riders[1].SetName("BERT");
    s.riders[1].weight_kg = 68;
    RiderPanelInput in;
    in.entry = 1;
    in.weight_text = "CH_NAME_BERTRAND_THE_VERY_LONG_NAME";
    in.height_text = "1.75";
    ASSERT_TRUE(AcceptRider(s, in).changed);
    EXPECT_EQ(s.riders[1].Name(), "BERTRAND_THE_VERY_LO");  // at most 20 characters
    EXPECT_FLOAT_EQ(s.riders[1].weight_kg, 68);

    in.weight_text = "CH_NAME_../carl";  // filtered like the name field
    ASSERT_TRUE(AcceptRider(s, in).changed);
    EXPECT_EQ(s.riders[1].Name(), "CARL");
    for (const char* bad : {"CH_NAME_../X", "CH_NAME_A", "CH_NAME_"}) {
        in.weight_text = bad;
        auto r = AcceptRider(s, in);
        EXPECT_FALSE(r.changed) << bad;
        EXPECT_EQ(s.riders[1].Name(), "CARL");
    }
}

TEST(Riders, WeightAndHeightInDisplayUnits) {
    Settings s = DefaultSettings();
    s.riders[0].SetName("ANNA");
    s.riders[0].weight_unit = 1;
    s.unit_flags = kUnitFeetMiles;
    RiderPanelInput in;
    in.entry = 0;
    in.weight_text = " 159 ";
    in.height_text = "5,74";
    ASSERT_TRUE(AcceptRider(s, in).changed);
    EXPECT_NEAR(s.riders[0].weight_kg, 72.12, 0.01);
    EXPECT_NEAR(s.riders[0].height_m, 1.7495, 0.001);
    EXPECT_EQ(FormatRiderWeight(s.riders[0]), "  159");
    EXPECT_EQ(FormatRiderHeight(s.riders[0], s.unit_flags), " 5.74");
    EXPECT_EQ(RiderWeightLabel(s.riders[0]), "[lbs]");
    EXPECT_EQ(RiderHeightLabel(s.unit_flags), "[ft]");

    in.weight_text = "heavy";
    const float before = s.riders[0].weight_kg;
    EXPECT_FALSE(AcceptRider(s, in).changed);
    EXPECT_EQ(s.riders[0].weight_kg, before);
}

TEST(Riders, CollectionAndAttachedFolders) {
    Settings s = DefaultSettings();
    RiderPanelInput in;
    in.entry = kEntryCollection;
    in.weight_text = "75";
    in.height_text = "1.75";
    auto r = AcceptRider(s, in);
    ASSERT_TRUE(r.changed);
    EXPECT_FALSE(r.calendar_enabled);
    EXPECT_EQ(s.rider_folder, "COLLECTION");
    EXPECT_EQ(s.current_rider, kCollectionRider);

    test::TempDir dir;
    for (const char* d : {"GRD_DATA", "COLLECTION", "RIDER_1", "RIDER_5", "NEW", "CLUB", "ANNA",
                          "RIDER_X"})
        std::filesystem::create_directories(dir.file("DATA/") + d);
    test::WriteBytes(dir.file("DATA/file.txt"), {1});
    EXPECT_EQ(ListAttachableFolders(dir.file("DATA")),
              (std::vector<std::string>{"ANNA", "CLUB", "RIDER_X"}));

    in = {};
    in.attached_folder = "CLUB";
    in.weight_text = "70";
    in.height_text = "1.70";
    r = AcceptRider(s, in);
    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.calendar_enabled);
    EXPECT_EQ(s.current_rider, kTemporaryRider);
    EXPECT_EQ(s.rider_folder, "CLUB");
}

TEST(Riders, DeleteKeepsTheFolder) {
    test::TempDir dir;
    Settings s = DefaultSettings();
    s.riders[1].SetName("BERT");
    Paths p = BuildPaths(dir.path(), "BERT", nullptr);
    test::WriteBytes(p.rider_folder + "/20140316_0930150_BERT.DEO", {1, 2, 3});
    ASSERT_TRUE(DeleteRider(s, 1));
    EXPECT_EQ(s.riders[1].Name(), "RIDER_2");
    EXPECT_EQ(s.riders[1].weight_kg, 75.0f);
    EXPECT_EQ(s.riders[1].height_m, 1.75f);
    EXPECT_EQ(s.rider_folder, "RIDER_2");
    EXPECT_TRUE(std::filesystem::exists(p.rider_folder + "/20140316_0930150_BERT.DEO"));
    EXPECT_FALSE(DeleteRider(s, 5));
}

TEST(Riders, FieldNumbers) {
    EXPECT_EQ(ParseFieldNumber("72,5"), 72.5);
    EXPECT_EQ(ParseFieldNumber(" 80 "), 80);
    EXPECT_EQ(ParseFieldNumber("1e3"), 1000);
    EXPECT_FALSE(ParseFieldNumber(""));
    EXPECT_FALSE(ParseFieldNumber("7x"));
    EXPECT_FALSE(ParseFieldNumber("nan"));
}

}  // namespace
}  // namespace vx
