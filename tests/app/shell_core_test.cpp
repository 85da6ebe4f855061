#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "analysis/zone_refresh.h"
#include "app/caption.h"
#include "app/commands.h"
#include "app/language_file.h"
#include "app/startup.h"
#include "app/zone_editor.h"
#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/settings_file.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

void WriteText(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A named rider with a stored trip list, written through the program's own start-up.
struct Root {
    test::TempDir dir;
    AppState app;
    explicit Root(const std::string& rider = "ANNA") {
        Settings s = DefaultSettings();
        s.riders[0].SetName(rider);
        s.riders[1].SetName("B");  // too short: becomes RIDER_2
        s.rider_folder = rider;
        s.zones[0][0] = {240, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        Paths p = BuildPaths(dir.path(), rider, nullptr);
        EXPECT_TRUE(WriteSettings(p.settings_file, s));
    }
    void Start() { StartUp(app, dir.path()); }
};

void FillRide(Trip& trip, int records) {
    trip.resetForImport();
    trip.count = records;
    for (int i = 1; i < records; ++i) {
        trip.records[i].time_s = i;
        trip.records[i].distance_km = i * 0.01f;
        trip.records[i].power_w = 200;
    }
}

TEST(StartUp, ReadsSettingsLoadsTheRiderAndNamesShortRiders) {
    Root root;
    root.Start();
    EXPECT_EQ(root.app.settings.rider_folder, "ANNA");
    EXPECT_EQ(root.app.settings.riders[1].Name(), "RIDER_2");
    EXPECT_TRUE(root.app.trips.loaded);
    EXPECT_FALSE(root.app.trips.modified());
}

TEST(StartUp, AFreshDataRootWritesNothingUntilASettingIsAccepted) {
    test::TempDir dir;
    AppState app;
    StartUp(app, dir.path());
    EXPECT_EQ(app.settings.rider_folder, "NEW");
    EXPECT_TRUE(fs::is_directory(dir.path() + "/DATA/GRD_DATA"));
    EXPECT_FALSE(fs::exists(app.trips.paths.settings_file));
    EXPECT_TRUE(app.WriteSettings());
    EXPECT_TRUE(fs::exists(app.trips.paths.settings_file));
}

TEST(StartUp, StartFileArguments) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"   ", ""},
        {"/t/a.DEO", "/t/a.DEO"},
        {"\"/t/with blank.DEO\" ignored", "/t/with blank.DEO"},
        {"  /t/a.DEO  ", "/t/a.DEO"},
    };
    for (const auto& [arg, path] : cases) EXPECT_EQ(StartFilePath(arg), path) << arg;
}

TEST(StartUp, TheStartFileOpensAViewOnlyForATripOfSixtyRecords) {
    Root root;
    root.Start();
    Trip trip;
    FillRide(trip, 60);
    const std::string good = root.dir.file("good.DEO"), short_trip = root.dir.file("short.DEO");
    ASSERT_TRUE(WriteTripPath(good, trip));
    FillRide(trip, 59);
    ASSERT_TRUE(WriteTripPath(short_trip, trip));
    WriteText(root.dir.file("damaged.DEO"), "no trip");

    EXPECT_TRUE(LoadStartFile(root.app, good).open_view);
    EXPECT_EQ(root.app.trip->count, 60);
    for (const std::string& bad : {short_trip, root.dir.file("damaged.DEO"),
                                   root.dir.file("missing.DEO"), root.dir.path()}) {
        const StartFileResult r = LoadStartFile(root.app, bad);
        EXPECT_FALSE(r.open_view) << bad;
        EXPECT_FALSE(r.message.empty()) << bad;
    }
}

TEST(LanguageFile, PrefixesSetLanguageAndUnitsAndTheFileIsAlwaysDeleted) {
    struct Case {
        const char* text;
        bool changed;
        int language;
        std::uint8_t flags;
    };
    const std::vector<Case> cases = {
        {"EN_US\r\n", true, 1, 0x1F}, {"DE_DE", true, 0, 0},
        {"ES_ES", true, 2, 0},        {"en_us", false, 0, 0x03},  // lower case changes nothing
        {"", false, 0, 0x03},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        Settings s = DefaultSettings();
        s.unit_flags = 0x03;
        s.current().length_units = 1;
        WriteText(dir.file("LANG.TXT"), c.text);
        EXPECT_EQ(ApplyLanguageFile(dir.file("LANG.TXT"), s), c.changed) << c.text;
        EXPECT_EQ(s.language, c.language) << c.text;
        EXPECT_EQ(s.unit_flags, c.flags) << c.text;
        if (c.changed) {
            EXPECT_EQ(s.current().weight_unit, c.flags ? 1 : 0);
        }
        EXPECT_FALSE(fs::exists(dir.file("LANG.TXT"))) << c.text;
    }
}

TEST(LanguageFile, HelpPagesByLanguageAndTorkonVariant) {
    test::TempDir dir;
    Paths p = BuildPaths(dir.path(), "NEW", nullptr);
    WriteText(p.help_base + "EN04.md", "x");
    WriteText(p.help_base + "DE00.md", "x");
    EXPECT_EQ(HelpPagePath(p, 2, 4, 7), p.help_base + "EN04.md");  // Spanish reads EN pages
    EXPECT_EQ(HelpPagePath(p, 0, 4, 7), "");                       // a missing page: nothing
    EXPECT_EQ(HelpPagePath(p, 0, 0, 4), p.help_base + "DE00.md");
    WriteText(p.help_base + "EN04_TRK.md", "x");
    EXPECT_EQ(HelpPagePath(p, 1, 4, 4), p.help_base + "EN04_TRK.md");
    EXPECT_EQ(HelpPagePath(p, 1, 4, 7), p.help_base + "EN04.md");
    EXPECT_EQ(HelpPagePath(p, 1, 4, 4, /*torkon_variant=*/false), p.help_base + "EN04.md");
    EXPECT_EQ(p.help_marker, p.help_base + "DE00.md");
}

TEST(Commands, DataSourceCycleAndComSpeed) {
    std::int32_t code = 1;  // none selected
    std::vector<std::int32_t> seen;
    for (int i = 0; i < 7; ++i) seen.push_back(code = NextDataSourceCode(code));
    EXPECT_EQ(seen, (std::vector<std::int32_t>{2, 4, 5, 6, 7, 8, 2}));  // six clicks: back to 2
    EXPECT_EQ(DataSourceOfCode(8), DataSource::Fit);
    EXPECT_EQ(DataSourceOfCode(3), DataSource::None);
    EXPECT_EQ(DataSourceOfCode(-7), DataSource::None);

    const std::vector<std::pair<int, int>> steps = {{0, 3}, {1, 0}, {2, 1},
                                                    {3, 2}, {4, 3}, {99, 3}};
    for (auto [from, to] : steps) EXPECT_EQ(StepComSpeed(from), to) << from;
    EXPECT_EQ(ComSpeedCaption(0), "COM SPC 1");
    EXPECT_EQ(ComSpeedCaption(4), "COM SPC 4");  // never past the table
}

TEST(Commands, RiderAndTripChecks) {
    EXPECT_TRUE(RiderNeedsName("NEW"));
    EXPECT_TRUE(RiderNeedsName("RIDER_3"));
    EXPECT_FALSE(RiderNeedsName("ANNA"));
    TripList list;
    list.lines = {"ERASED :"};
    EXPECT_FALSE(HasSavedRides(list));
    list.lines = {"20140316_093015__ANNA;001;", "ERASED :"};
    EXPECT_TRUE(HasSavedRides(list));
}

TEST(Commands, ServiceWords) {
    struct Case {
        const char* line;
        ServiceWord word;
        float grade;
    };
    const std::vector<Case> cases = {
        {"SET_GRADE=0.2", ServiceWord::SetGrade, 0.75f},
        {"SET_GRADE=20", ServiceWord::SetGrade, 15},
        {"SET_GRADE=2.5", ServiceWord::SetGrade, 2.5f},
        {"xSET_GRADE=2.5", ServiceWord::SetGrade, 2.5f},  // the number after the word
        {"SET_GRADE=abc", ServiceWord::SetGrade, 0.75f},
        {"please SET_GL_ALL", ServiceWord::SetGlAll, 0},
        {"SHOW_OFFSET", ServiceWord::ShowOffset, 0},
        {"set_grade=3", ServiceWord::None, 0},
    };
    for (const Case& c : cases) {
        const ServiceLine r = ParseServiceLine(c.line);
        EXPECT_EQ(r.word, c.word) << c.line;
        EXPECT_FLOAT_EQ(r.grade, c.grade) << c.line;
    }
    Trip trip;
    TripHeader(trip.records[0]).offset() = 1.5f;
    TripHeader(trip.records[0]).k_factor() = 725;
    EXPECT_EQ(OffsetLine(trip), "OFFSET =  1.50  KF =  725");
}

TEST(Commands, SetThresholdOfAllTripsSkipsManualEntriesAndUnreadableTrips) {
    Root root;
    root.Start();
    AppState& app = root.app;
    FillRide(*app.trip, 100);
    ASSERT_TRUE(StoreNewTrip(app.trips, app.settings, *app.trip, "20140316_093015__ANNA", 0).ok);
    FillRide(*app.trip, 100);
    ASSERT_TRUE(StoreNewTrip(app.trips, app.settings, *app.trip, "20140317_093015__ANNA", 0).ok);
    // an entry without recording, and a trip whose file is damaged
    app.trips.list.lines.insert(app.trips.list.lines.begin(), "20140318_000000_NR;000;");
    const std::string damaged = app.trips.paths.rider_folder + "/20140317_0930150_ANNA.DEO";
    ASSERT_TRUE(fs::exists(damaged));
    WriteText(damaged, "broken");
    app.settings.zones[0][0][0] = 300;
    app.trip->count = 7;  // the current trip must stay as it is
    std::size_t calls = 0;
    EXPECT_EQ(
        SetThresholdOfAllTrips(app.trips, app.settings, [&](std::size_t, std::size_t) { ++calls; }),
        1);
    EXPECT_GT(calls, 0u);
    EXPECT_EQ(app.trip->count, 7);
    Trip check;
    ASSERT_TRUE(ReadTripPath(app.trips.paths.rider_folder + "/20140316_0930150_ANNA.DEO", check,
                             app.settings.current_zones()));
    EXPECT_FLOAT_EQ(TripHeader(check.records[0]).zone_threshold(), 300);
    EXPECT_EQ(test::ReadBytes(damaged).size(), 6u);
}

TEST(ZoneRefresh, RecordedTripsGetTheNewBoundsAndZoneTimes) {
    Root root;
    root.Start();
    AppState& app = root.app;
    FillRide(*app.trip, 600);
    const StoreResult stored =
        StoreNewTrip(app.trips, app.settings, *app.trip, "20140316_093015__ANNA", 0);
    ASSERT_TRUE(stored.ok);
    app.trips.list.lines.insert(app.trips.list.lines.begin(), "20140310_000000_NR;000;");
    app.trips.list.modified = false;
    app.settings.zones[0][0] = {240, 90, 2500, 0, 0, 0, 0, 0, 0, 0};  // 200 W lies in zone 1 now
    std::size_t last_total = 0;
    EXPECT_EQ(RefreshAllZoneTimes(app.trips, app.settings,
                                  [&](std::size_t, std::size_t total) { last_total = total; }),
              1);
    EXPECT_EQ(last_total, 2u);
    EXPECT_TRUE(app.trips.modified());
    Trip back;
    ASSERT_TRUE(ReadTripPath(app.trips.paths.rider_folder + "/20140316_0930150_ANNA.DEO", back,
                             app.settings.current_zones()));
    EXPECT_FLOAT_EQ(back.zone_bounds[1], 240 * 0.9f);
    EXPECT_FLOAT_EQ(back.zone_bounds[2], 240 * 25.0f);
}

TEST(ZoneEditor, AcceptedFieldsAreStoredInPercent) {
    const ZoneEntry before = {250, 50, 77, 90, 110, 120, 130, 0, 100, 110};
    struct Case {
        const char* name;
        std::array<const char*, 6> bounds;
        bool absolute;
        const char* a_from;
        const char* a_to;
        std::vector<std::uint16_t> expect;  // entries 1..9
    };
    const std::vector<Case> cases = {
        {"two bounds: end mark, later bounds kept",
         {"60", "80", "", "", "", ""},
         false,
         "100",
         "110",
         {60, 80, 2500, 110, 120, 130, 0, 100, 110}},
        {"sorted",
         {"90", "60", "75", "", "", ""},
         false,
         "1",
         "2",
         {60, 75, 90, 2500, 120, 130, 0, 1, 2}},
        {"gaps are dropped, not zero bounds",
         {"60", "", "80", "0", "x", ""},
         false,
         "1",
         "2",
         {60, 80, 2500, 110, 120, 130, 0, 1, 2}},
        {"absolute at 250 W",
         {"150", "", "", "", "", ""},
         true,
         "300",
         "262,5",
         {60, 2500, 90, 110, 120, 130, 0, 105, 120}},
        {"six bounds, clamped",
         {"10", "20", "30", "40", "50", "9999"},
         false,
         "120",
         "105",
         {10, 20, 30, 40, 50, 2499, 2500, 105, 120}},
    };
    for (const Case& c : cases) {
        ZoneEditorFields f;
        f.threshold = "250";
        for (int k = 0; k < 6; ++k) f.bounds[k] = c.bounds[k];
        f.zone_a_from = c.a_from;
        f.zone_a_to = c.a_to;
        const ZoneAccept r = AcceptZoneFields(before, 0, f, c.absolute);
        ASSERT_TRUE(r.ok) << c.name << ": " << r.message;
        EXPECT_EQ(std::vector<std::uint16_t>(r.entry.begin() + 1, r.entry.end()), c.expect)
            << c.name;
        EXPECT_EQ(r.entry[0], 250) << c.name;
    }
}

TEST(ZoneEditor, ThresholdsOutOfRangeAndEmptyEditorsAreRefused) {
    const ZoneEntry before = {250, 50, 77, 90, 110, 2500, 0, 0, 0, 0};
    ZoneEditorFields f = ShowZoneFields(before, false);
    const std::vector<std::tuple<int, const char*, bool>> cases = {
        {0, "4", false},  {0, "1001", false}, {0, "5", true},    {0, "", false},
        {1, "79", false}, {1, "250", true},   {2, "251", false}, {2, "nan", false}};
    for (auto [sport, threshold, ok] : cases) {
        f.threshold = threshold;
        const ZoneAccept r = AcceptZoneFields(before, sport, f, false);
        EXPECT_EQ(r.ok, ok) << sport << " " << threshold;
        if (!ok) {
            EXPECT_FALSE(r.message.empty());
        }
    }
    f = ShowZoneFields(before, false);
    f.bounds = {};
    EXPECT_FALSE(AcceptZoneFields(before, 0, f, false).ok);
}

TEST(ZoneEditor, FieldsShownAndImplausibleZonesReset) {
    ZoneEntry e = {200, 5, 0, 0, 0, 0, 0, 0, 0, 0};
    ResetImplausibleZones(e);
    EXPECT_EQ(e, (ZoneEntry{200, 50, 77, 90, 110, 2500, 0, 0, 0, 0}));
    const ZoneEditorFields pct = ShowZoneFields(e, false);
    EXPECT_EQ(pct.threshold, " 200");
    EXPECT_EQ(pct.bounds[0], "     50");
    EXPECT_EQ(pct.bounds[3], "    110");
    EXPECT_EQ(pct.bounds[4], "");  // the end mark is not shown
    EXPECT_EQ(pct.bounds[5], "");
    EXPECT_EQ(ShowZoneFields(e, true).bounds[0], "    100");  // 50 % of 200 W
}

TEST(Caption, PaddingFillsTheWidthAndStaysWithinLimits) {
    auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    const std::string c = PadCaption("Velomatix_2014", 800, 30, width);
    EXPECT_EQ(c.rfind(kHelpHint), c.size() - std::string(kHelpHint).size());
    // (800 - 100 - 98 - 84) / 7 = 74 blanks
    EXPECT_EQ(c.size(), 14 + 74 + 12u);
    EXPECT_EQ(PadCaption("T", 10, 30, width), "T" + std::string(kHelpHint));
    EXPECT_LE(PadCaption("T", 100000, 0, width).size(), 240u);
}

}  // namespace
}  // namespace vx
