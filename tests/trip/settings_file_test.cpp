#include "trip/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "support/temp_dir.h"
#include "trip/settings_fixture.h"

namespace vx {
namespace {

Settings Decoded(const std::vector<std::uint8_t>& bytes, InfoList* info = nullptr) {
    Settings s = DefaultSettings();
    DecodeSettings(bytes, s, info);
    return s;
}

// Settings with a distinct value in every field.
Settings Distinct() {
    Settings s = DefaultSettings();
    s.com_port = 7;
    for (int r = 0; r < kRiderCount; ++r) {
        RiderRecord& rec = s.riders[r];
        if (r <= 5) rec.SetName("R" + std::to_string(r) + "Ä");
        rec.weight_kg = 60.5f + r;
        rec.height_m = 1.6f + 0.01f * r;
        rec.device_altitude_m = 100.0f * r;
        for (int b = 0; b < 5; ++b) rec.bikes[b] = {10.0f * b + r, 900.0f + b, 2096.0f + b};
        rec.unused_104 = 9;
        rec.weight_unit = 1;
        rec.recording_interval = 4;
        rec.time_display = 1;
        rec.date_display = 1;
        rec.length_units = 1;
        rec.selected_bike = 3;
        rec.temperature_unit = 1;
        rec.power_damping = 8;
        rec.hr_damping = 4;
        rec.power_display = 1;
        rec.unused_115 = {1, 2, 3, 4, 5};
        for (int t = 0; t < 3; ++t)
            s.zones[r][t] = {static_cast<std::uint16_t>(t == 0 ? 250 + r : 150 + r), 55, 75, 90,
                             105, 120, 2500, 0, 80, 95};
    }
    s.current_rider = 2;
    s.curve_scale = {900, 700, 160, 70, 190, 20, 15, 3000, 120, 80};
    s.curve_min = {50, 0, 0, 0, 60, 1, 2, 3, 4, 0};
    s.long_term_mode = 12;
    s.smoothing = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    s.language = 2;
    s.unit_flags = 0x1F;
    for (int i = 1; i <= 19; ++i) s.diary_columns[i] = 20 - i;
    s.diary_columns[25] = 77;
    s.com_speed_index = 1;
    s.view_flags = 0x0FFF;
    s.climb_threshold_pct = 3.5f;
    for (int i = 0; i < 16; ++i) s.colours[i] = Rgb(i, 2 * i, 3 * i);
    for (int i = 0; i < 15; ++i) s.zone_colours[i] = Rgb(10 * i, 0, 255 - i);
    std::memcpy(s.zone_names[1].data(), "Easy", 5);
    for (int i = 0; i < 30; ++i) s.calendar_profiles[i] = 100 + i;
    for (int i = 0; i < 14; ++i) s.long_term[i] = 200 + i;
    s.data_source = 4;
    return s;
}

TEST(SettingsFile, WriteAndReadBackEveryField) {
    test::TempDir dir;
    const std::string path = dir.file("GRD_DATA_01.GRD");
    Settings out = Distinct();
    const Settings before = out;
    ASSERT_TRUE(WriteSettings(path, out));
    auto bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), kSettingsFileSize);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data()), 2001u);
    // Reserved fields are zeros.
    EXPECT_EQ(bytes[1209], 0);
    for (std::size_t i : {2451u, 2470u, 2475u, 2514u}) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 2471), 4u);  // data source
    EXPECT_EQ(bytes[1330], 2);                                // language
    EXPECT_EQ(bytes[8 + 2], 0xC4);  // rider names are Windows-1252 on disk ("R0Ä")

    Settings in = DefaultSettings();
    ASSERT_EQ(ReadSettings(path, in, nullptr), SettingsLoad::Loaded);
    EXPECT_EQ(in.version, 2001);
    EXPECT_EQ(in.com_port, before.com_port);
    for (int r = 0; r < kRiderCount; ++r) {
        const RiderRecord &a = in.riders[r], &b = before.riders[r];
        if (r != kCollectionRider) {
            EXPECT_EQ(a.Name(), b.Name()) << r;
        }
        EXPECT_EQ(a.weight_kg, b.weight_kg);
        EXPECT_EQ(a.height_m, b.height_m);
        EXPECT_EQ(a.device_altitude_m, b.device_altitude_m);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(a.bikes[k].wheel_mm, b.bikes[k].wheel_mm);
        EXPECT_EQ(a.unused_104, b.unused_104);
        EXPECT_EQ(a.power_damping, b.power_damping);
        EXPECT_EQ(a.hr_damping, b.hr_damping);
        EXPECT_EQ(a.selected_bike, b.selected_bike);
        EXPECT_EQ(a.unused_115, b.unused_115);
    }
    EXPECT_EQ(in.riders[kCollectionRider].Name(), "COLLECTION");
    EXPECT_EQ(in.current_rider, 2);
    EXPECT_EQ(in.rider_folder, before.riders[2].Name());
    EXPECT_EQ(in.curve_scale, before.curve_scale);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(in.curve_min[i], before.curve_min[i]);
    EXPECT_EQ(in.long_term_mode, 12);
    EXPECT_EQ(in.smoothing, before.smoothing);
    EXPECT_EQ(in.language, 2);
    EXPECT_EQ(in.unit_flags, 0x1F);
    EXPECT_EQ(in.diary_columns, before.diary_columns);
    EXPECT_EQ(in.com_speed_index, 1);
    EXPECT_EQ(in.view_flags, 0x0FFF);
    EXPECT_EQ(in.climb_threshold_pct, 3.5f);
    EXPECT_EQ(in.colours, before.colours);
    EXPECT_EQ(in.zones, before.zones);
    EXPECT_EQ(in.zone_names, before.zone_names);
    EXPECT_EQ(in.zone_colours, before.zone_colours);
    EXPECT_EQ(in.calendar_profiles, before.calendar_profiles);
    EXPECT_EQ(in.long_term, before.long_term);
    EXPECT_EQ(in.data_source, 4);
}

TEST(SettingsFile, WriteResetsTheCurveScaleInMemoryOnly) {
    test::TempDir dir;
    const std::string path = dir.file("S.GRD");
    Settings s = DefaultSettings();
    s.curve_scale = {0, 4000, 100, 100, 100, 0, 0, 0, 0, 10};
    ASSERT_TRUE(WriteSettings(path, s));
    EXPECT_EQ(s.curve_scale, (CurveScale{400, 500, 100, 100, 100, 0, 0, 0, 0, 100}));
    Settings in = DefaultSettings();
    ReadSettings(path, in, nullptr);
    EXPECT_EQ(in.curve_scale[1], 4000);
    EXPECT_EQ(in.curve_scale[9], 10);
}

TEST(SettingsFile, FileWithoutVersionWord) {
    test::OldSettingsFixture f;
    f.version = 999;  // not written: the file starts with the COM port
    f.com_port = 999;
    Settings s = Decoded(f.Bytes());
    EXPECT_EQ(s.version, 0);
    EXPECT_EQ(s.com_port, 0);  // 999 is no COM port: validated
    f.com_port = 5;
    s = Decoded(f.Bytes());
    EXPECT_EQ(s.com_port, 5);
    EXPECT_EQ(s.riders[0].Name(), "OLD_1");
    EXPECT_EQ(s.current_rider, 1);
    EXPECT_EQ(s.curve_scale[3], 303);  // as stored; the resets come with a write
    EXPECT_EQ(s.curve_scale[0], 300);
    EXPECT_EQ(s.climb_threshold_pct, 1.5f);
    // Ten colours, then the float zone table.
    EXPECT_EQ(s.colours[9], 0x090909);
    EXPECT_EQ(s.colours[10], DefaultSettings().colours[10]);
    EXPECT_EQ(s.zones[0][1][0], 160);
}

TEST(SettingsFile, Version1500ConvertsFloatZones) {
    test::OldSettingsFixture f;
    f.version = 1500;
    for (int i = 0; i < 15; ++i) f.old_zones[1][i] = 10.0f * i + 0.9f;
    f.old_zones[1][3] = -4;       // negative: 0, not an undefined conversion
    f.old_zones[1][4] = 1e9f;     // too large: the largest value
    InfoList info;
    Settings s = Decoded(f.Bytes(), &info);
    EXPECT_EQ(s.colours[15], 0x0F0F0F);  // 16 colours from version 1000 on
    const ZoneEntry& power = s.zones[1][0];
    EXPECT_EQ(power[0], 250);  // from the rider record's float at offset 36
    for (int t = 1; t <= 2; ++t) EXPECT_EQ(s.zones[1][t][0], 160);
    for (int t = 0; t < 3; ++t) {
        const ZoneEntry& e = s.zones[1][t];
        EXPECT_EQ(e[1], 10);
        EXPECT_EQ(e[2], 20);
        EXPECT_EQ(e[3], 0);
        EXPECT_EQ(e[4], 65535);
        EXPECT_EQ(e[7], 70);
        EXPECT_EQ(e[8], 90);   // old float 9
        EXPECT_EQ(e[9], 100);  // old float 10
    }
    EXPECT_EQ(s.zones[0][0][0], 100);  // 1.8 rounds to 2, outside 5..1000
    // The current rider's old floats are listed.
    ASSERT_GE(info.size(), 15u);
    EXPECT_EQ(info[1], "10.900000");
}

TEST(SettingsFile, Version2001ShortFileKeepsDefaultsForMissingBlocks) {
    test::OldSettingsFixture f;
    f.version = 2001;
    auto bytes = f.Bytes();  // ends after the zone table
    Settings s = Decoded(bytes);
    EXPECT_EQ(s.version, 2001);
    EXPECT_EQ(s.zone_names, DefaultSettings().zone_names);
    EXPECT_EQ(s.data_source, 1);
    EXPECT_EQ(s.zones[3][0][0], 100);  // zero thresholds validated
    EXPECT_EQ(s.zones[3][2][0], 160);
}

TEST(SettingsFile, Validation) {
    Settings base = Distinct();
    struct Case {
        const char* name;
        void (*change)(Settings&);
        bool (*check)(const Settings&);
    };
    const Case cases[] = {
        {"climb threshold below 0.3", [](Settings& s) { s.climb_threshold_pct = 0.29f; },
         [](const Settings& s) { return s.climb_threshold_pct == 0.75f; }},
        {"climb threshold NaN",
         [](Settings& s) { s.climb_threshold_pct = std::numeric_limits<float>::quiet_NaN(); },
         [](const Settings& s) { return s.climb_threshold_pct == 0.75f; }},
        {"climb threshold 0.3 kept", [](Settings& s) { s.climb_threshold_pct = 0.3f; },
         [](const Settings& s) { return s.climb_threshold_pct == 0.3f; }},
        {"COM speed 5", [](Settings& s) { s.com_speed_index = 5; },
         [](const Settings& s) { return s.com_speed_index == 4; }},
        {"diary marker", [](Settings& s) { s.diary_columns[0] = 54; },
         [](const Settings& s) { return s.diary_columns[0] == 55 && s.diary_columns[1] == 1 && s.diary_columns[19] == 19; }},
        {"diary entry 20", [](Settings& s) { s.diary_columns[7] = 20; },
         [](const Settings& s) { return s.diary_columns[7] == 7 && s.diary_columns[1] == 1; }},
        {"current rider 8", [](Settings& s) { s.current_rider = 8; },
         [](const Settings& s) { return s.current_rider == 0 && s.rider_folder == s.riders[0].Name(); }},
        {"current rider -1", [](Settings& s) { s.current_rider = -1; },
         [](const Settings& s) { return s.current_rider == 0; }},
        {"current rider 6 is the COLLECTION", [](Settings& s) { s.current_rider = 6; },
         [](const Settings& s) { return s.current_rider == 6 && s.rider_folder == "COLLECTION"; }},
        {"power thresholds 4 and 1001",
         [](Settings& s) { s.zones[0][0][0] = 4; s.zones[1][0][0] = 1001; s.zones[2][0][0] = 5; s.zones[3][0][0] = 1000; },
         [](const Settings& s) { return s.zones[0][0][0] == 100 && s.zones[1][0][0] == 100 && s.zones[2][0][0] == 5 && s.zones[3][0][0] == 1000; }},
        {"heart-rate thresholds 79, 251, 80, 250",
         [](Settings& s) { s.zones[0][1][0] = 79; s.zones[0][2][0] = 251; s.zones[1][1][0] = 80; s.zones[1][2][0] = 250; },
         [](const Settings& s) { return s.zones[0][1][0] == 160 && s.zones[0][2][0] == 160 && s.zones[1][1][0] == 80 && s.zones[1][2][0] == 250; }},
        {"smoothing 10 and -1", [](Settings& s) { s.smoothing[1] = 10; s.smoothing[2] = -1; },
         [](const Settings& s) { return s.smoothing[1] == 0 && s.smoothing[2] == 0 && s.smoothing[9] == 9; }},
        {"rider byte ranges",
         [](Settings& s) { auto& r = s.riders[1]; r.selected_bike = 5; r.recording_interval = 6; r.power_damping = 9; r.hr_damping = 5; r.weight_unit = 2; },
         [](const Settings& s) { auto& r = s.riders[1]; return r.selected_bike == 0 && r.recording_interval == 0 && r.power_damping == 0 && r.hr_damping == 0 && r.weight_unit == 0; }},
        {"rider bytes at their limits kept",
         [](Settings& s) { auto& r = s.riders[1]; r.selected_bike = 4; r.recording_interval = 5; r.power_damping = 8; r.hr_damping = 4; },
         [](const Settings& s) { auto& r = s.riders[1]; return r.selected_bike == 4 && r.recording_interval == 5 && r.power_damping == 8 && r.hr_damping == 4; }},
        {"unterminated names",
         [](Settings& s) { s.riders[1].name.fill('A'); s.zone_names[2].fill('B'); },
         [](const Settings& s) { return s.riders[1].Name() == std::string(31, 'A') && ZoneNameText(s.zone_names[2]) == "BBBBB"; }},
        {"names leading out of the folder",
         [](Settings& s) { s.riders[0].SetName(".."); s.riders[1].SetName("A/B"); s.riders[5].SetName("..\\X"); },
         [](const Settings& s) { return s.riders[0].Name() == "RIDER_1" && s.riders[1].Name() == "RIDER_2" && s.riders[5].Name().empty(); }},
        {"empty rider name", [](Settings& s) { s.riders[3].SetName(""); },
         [](const Settings& s) { return s.riders[3].Name() == "RIDER_4"; }},
        {"data source 7", [](Settings& s) { s.data_source = 7; },
         [](const Settings& s) { return s.data_source == 1; }},
        {"COM port -2", [](Settings& s) { s.com_port = -2; },
         [](const Settings& s) { return s.com_port == 0; }},
    };
    for (const Case& c : cases) {
        Settings s = base;
        c.change(s);
        Settings decoded = Decoded(EncodeSettings(s));
        EXPECT_TRUE(c.check(decoded)) << c.name;
    }
}

TEST(SettingsFile, MissingAndUnreadableFiles) {
    test::TempDir dir;
    Settings s = DefaultSettings();
    InfoList info;
    EXPECT_EQ(ReadSettings(dir.file("none.GRD"), s, &info), SettingsLoad::Missing);
    EXPECT_TRUE(info.empty());

    // A folder where the file should be cannot be read: reported, defaults kept.
    ::mkdir(dir.file("dir.GRD").c_str(), 0755);
    EXPECT_EQ(ReadSettings(dir.file("dir.GRD"), s, &info), SettingsLoad::Unreadable);
    EXPECT_FALSE(info.empty());
    EXPECT_EQ(s.rider_folder, "NEW");
}

TEST(SettingsFile, AFileThatCannotBeReadIsNeverOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    test::TempDir dir;
    const std::string path = dir.file("GRD_DATA_01.GRD");
    Settings s = Distinct();
    ASSERT_TRUE(WriteSettings(path, s));
    const auto before = test::ReadBytes(path);
    ::chmod(path.c_str(), 0);

    SettingsFile file(path);
    Settings in = DefaultSettings();
    InfoList info;
    EXPECT_EQ(file.Read(in, &info), SettingsLoad::Unreadable);
    EXPECT_FALSE(info.empty());
    EXPECT_EQ(in.riders[0].Name(), "RIDER_1");  // defaults in memory
    std::string error;
    EXPECT_FALSE(file.Write(in, &error));
    EXPECT_FALSE(error.empty());
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(test::ReadBytes(path), before);
}

TEST(SettingsFile, BlockedWritesAfterAnUnreadableFolder) {
    test::TempDir dir;
    ::mkdir(dir.file("S.GRD").c_str(), 0755);  // unreadable even for root
    SettingsFile file(dir.file("S.GRD"));
    Settings s = DefaultSettings();
    EXPECT_EQ(file.Read(s, nullptr), SettingsLoad::Unreadable);
    EXPECT_TRUE(file.write_blocked());
    EXPECT_FALSE(file.Write(s));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("S.GRD")));

    SettingsFile fresh(dir.file("NEW.GRD"));
    EXPECT_EQ(fresh.Read(s, nullptr), SettingsLoad::Missing);
    EXPECT_TRUE(fresh.Write(s));
}

TEST(SettingsFile, FirstStartDefaults) {
    Settings s = DefaultSettings();
    for (int r = 0; r < 5; ++r) EXPECT_EQ(s.riders[r].Name(), "RIDER_" + std::to_string(r + 1));
    EXPECT_EQ(s.current_rider, 0);
    EXPECT_EQ(s.rider_folder, "NEW");
    EXPECT_EQ(s.zones[0][0][0], 0);
    EXPECT_EQ(s.com_speed_index, 2);
    EXPECT_EQ(s.climb_threshold_pct, 2.0f);
    EXPECT_EQ(s.data_source, 1);
    EXPECT_EQ(s.colours[1], Rgb(255, 255, 0));
    EXPECT_EQ(s.colours[11], Rgb(145, 145, 145));
    EXPECT_EQ(s.zone_colours[4], Rgb(238, 102, 0));
    EXPECT_EQ(ZoneNameText(s.zone_names[9]), "ZoneA");
    EXPECT_EQ(s.curve_scale, kInitialCurveScale);
}

}  // namespace
}  // namespace vx
