#include <gtest/gtest.h>

#include <cstdio>

#include "diary/diary_model.h"
#include "diary/diary_sort.h"
#include "diary_fixture.h"

namespace vx {
namespace {

std::string Line(int i, const std::string& rest = "") {
    char head[48];
    std::snprintf(head, sizeof head, "201403%02d_0930150_A;%03d;", i + 1, i + 1);
    return head + rest;
}

// Fourteen entries; entry i has trip number i + 1.
struct SortFixture : test::DiaryFixture {
    SortFixture() {
        std::vector<std::string> lines;
        for (int i = 0; i < 14; ++i) lines.push_back(Line(i));
        SetLines(lines);
    }
    TripSummary& S(int i) { return trips.store.summaries[i + 1]; }
    std::vector<int> Order(SortKey key, bool ascending) {
        return SortedOrder(key, ascending, trips.list, trips.store);
    }
};

TEST(DiarySort, DistanceOrderWithTiesAsTheKeyTextsSort) {
    SortFixture f;
    for (int i = 0; i < 14; ++i) f.S(i).distance_km = static_cast<float>(i);
    f.S(3).distance_km = 5;
    f.S(12).distance_km = 5;      // ties with 3 and 5: "12" < "3" < "5" as texts
    f.S(7).distance_km = 100000;  // wider than "%8.3f"
    const std::vector<int> asc = f.Order(SortKey::Distance, true);
    EXPECT_EQ(asc, (std::vector<int>{0, 1, 2, 4, 12, 3, 5, 6, 8, 9, 10, 11, 13, 7}));
    const std::vector<int> desc = f.Order(SortKey::Distance, false);
    EXPECT_EQ(desc.front(), 7);  // the longest trip first
    EXPECT_EQ(std::vector<int>(desc.rbegin(), desc.rend()), asc);
    EXPECT_EQ(SortKeyText(SortKey::Distance, f.trips.list.lines[3], 3, f.trips.store),
              "   5.000 \xF7 3");
    EXPECT_EQ(f.Order(SortKey::Date, false).front(), 13);
}

TEST(DiarySort, NegativeTemperaturesSortAsNumbers) {
    SortFixture f;
    const float t[14] = {-5, 3, -12, 0, 21.5f, -0.5f, 8, 8, 30, -30, 1, 2, 4, 5};
    for (int i = 0; i < 14; ++i) f.S(i).avg_temperature_c = t[i];
    const std::vector<int> asc = f.Order(SortKey::Temperature, true);
    EXPECT_EQ(asc, (std::vector<int>{9, 2, 0, 5, 3, 10, 11, 1, 12, 13, 6, 7, 4, 8}));
}

TEST(DiarySort, EveryKeyReadsItsField) {
    struct Case {
        SortKey key;
        float TripSummary::*field;
    };
    const Case cases[] = {
        {SortKey::Power1, &TripSummary::avg_power_nonzero_w},
        {SortKey::Power2, &TripSummary::avg_power_w},
        {SortKey::HeartRate, &TripSummary::avg_hr},
        {SortKey::Cadence, &TripSummary::avg_cadence},
        {SortKey::Speed, &TripSummary::avg_speed_kmh},
        {SortKey::NormalizedPower, &TripSummary::np_w},
        {SortKey::Tss, &TripSummary::tss},
        {SortKey::IntensityFactor, &TripSummary::intensity_factor},
        {SortKey::Ascent, &TripSummary::ascent_m},
        {SortKey::Work, &TripSummary::work_kj},
        {SortKey::Weight, &TripSummary::weight_kg},
    };
    SortFixture f;
    for (const Case& c : cases) {
        for (int i = 0; i < 14; ++i) f.S(i) = TripSummary{};
        for (int i = 0; i < 14; ++i) f.S(i).*c.field = static_cast<float>((i * 5) % 14);
        const std::vector<int> asc = f.Order(c.key, true);
        for (std::size_t k = 1; k < asc.size(); ++k)
            EXPECT_LT(f.S(asc[k - 1]).*c.field, f.S(asc[k]).*c.field) << static_cast<int>(c.key);
    }
    for (int i = 0; i < 14; ++i) f.S(i).total_time_s = 100 - i;
    EXPECT_EQ(f.Order(SortKey::Time, true).front(), 13);
}

TEST(DiarySort, CommentKeysIgnoreCaseAndUseTheSecondStar) {
    test::DiaryFixture f;
    f.SetLines({Line(0, "*banana"), Line(1), Line(2, "*BIKE POWER*Apple"), Line(3, "*cherry|~§zz"),
                Line(4, "*apple|~§AA")});
    EXPECT_EQ(SortedOrder(SortKey::Comment, true, f.trips.list, f.trips.store),
              (std::vector<int>{2, 4, 0, 3, 1}));  // "___" after the letters
    EXPECT_EQ(SortedOrder(SortKey::Comment2, true, f.trips.list, f.trips.store),
              (std::vector<int>{4, 3, 0, 1, 2}));
    EXPECT_EQ(SortKeyText(SortKey::Comment2, f.trips.list.lines[3], 3, f.trips.store),
              "zz" + std::string(11, ' ') + "\xF7 3");
    EXPECT_EQ(SortKeyText(SortKey::Comment, f.trips.list.lines[1], 1, f.trips.store), "___ \xF7 1");
}

TEST(DiarySort, ManualEntriesSortWithZeroPowerAndKeepTheirRecords) {
    test::DiaryFixture f;
    f.SetLines({"20140316_0930150_A;001;", "20140317_0800NR3_A;002;*run"});
    f.trips.store.summaries[1].avg_power_w = 150;
    f.trips.store.summaries[1].avg_speed_kmh = 20;
    TripSummary& nr = f.trips.store.summaries[2];
    nr.avg_power_w = 900;       // stale, never used for an entry without recording
    nr.avg_speed_kmh = 0.375f;  // its start time as a day number
    nr.avg_hr = 150;
    const TripSummary before = nr;
    EXPECT_EQ(SortedOrder(SortKey::Power2, false, f.trips.list, f.trips.store),
              (std::vector<int>{0, 1}));
    EXPECT_EQ(SortedOrder(SortKey::Speed, false, f.trips.list, f.trips.store).back(), 1);
    EXPECT_EQ(SortedOrder(SortKey::HeartRate, false, f.trips.list, f.trips.store).front(), 1);
    EXPECT_EQ(nr, before);
}

TEST(DiarySort, TitleDoubleClicksAlternateAndMarksFollowTheirTrips) {
    SortFixture f;
    for (int i = 0; i < 14; ++i) f.S(i).distance_km = static_cast<float>(14 - i);
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    EXPECT_EQ(m.ClickCell(2, 0, f.trips.list), CellClick::Marked);  // entry 0
    m.SortByTitle(3, f.trips, f.settings);                          // distance ascending
    EXPECT_EQ(m.order().front(), 13);
    EXPECT_EQ(m.grid().cell(2, 3), "    1.00 ");
    EXPECT_TRUE(m.IsMarked(15));  // entry 0, now the last row
    EXPECT_FALSE(m.IsMarked(2));
    m.SortByTitle(3, f.trips, f.settings);
    EXPECT_EQ(m.order().front(), 0);
    m.SortByTitle(0, f.trips, f.settings);  // another column starts ascending
    EXPECT_TRUE(m.InDateOrder());
    EXPECT_EQ(m.order().front(), 0);
    m.Sort(SortKey::Date, false, f.trips, f.settings);
    EXPECT_EQ(m.order().front(), 13);
    // Opening from the main window gives list order and no marks.
    m.Activate(f.trips, f.settings, *f.trip, true);
    EXPECT_EQ(m.order().front(), 0);
    EXPECT_FALSE(m.IsMarked(2));
}

}  // namespace
}  // namespace vx
