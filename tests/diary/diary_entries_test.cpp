#include <gtest/gtest.h>

#include "diary/diary_entries.h"
#include "diary/diary_model.h"
#include "diary_fixture.h"

namespace vx {
namespace {

ManualEntry Swim() {
    ManualEntry e;
    e.year = 2014;
    e.month = 3;
    e.day = 17;
    e.hour = 7;
    e.minute = 5;
    e.duration_s = 2700;
    e.distance = 2.5;
    e.heart_rate = 128;
    e.temperature = 26;
    e.note = "pool\nintervals";
    e.kind = 4;
    return e;
}

TEST(DiaryEntries, PanelNumbers) {
    EXPECT_EQ(ParseDiaryNumber(" 12,5 "), 12.5);
    EXPECT_EQ(ParseDiaryNumber("3.25"), 3.25);
    EXPECT_EQ(ParseDiaryNumber(""), 0.0);
    EXPECT_EQ(ParseDiaryNumber("-4"), -4.0);
    EXPECT_EQ(ParseDiaryNumber("12 km"), std::nullopt);
    EXPECT_EQ(ParseDiaryNumber("nan"), std::nullopt);
    EXPECT_EQ(ParseDiaryDuration("1:02:03"), 3723);
    EXPECT_EQ(ParseDiaryDuration("1:30"), 5400);
    EXPECT_EQ(ParseDiaryDuration("45,5"), 2730);
    EXPECT_EQ(ParseDiaryDuration("1:75"), std::nullopt);
    EXPECT_EQ(ParseDiaryDuration("1::2"), std::nullopt);
    EXPECT_EQ(ParseDiaryDuration("1:2:3:4"), std::nullopt);
    EXPECT_EQ(ParseDiaryDuration("-3"), std::nullopt);
    EXPECT_EQ(FormatDiaryDuration(3723), "01:02:03");
}

TEST(DiaryEntries, AddWritesLineAndRecord) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA"), 1);
    ASSERT_EQ(f.Store("20140318_093015__ANNA"), 2);
    f.settings.unit_flags = kUnitFeetMiles | kUnitFahrenheit;
    ManualEntry e = Swim();
    e.distance = 3.10685;  // miles
    e.temperature = 77;    // °F
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    const ManualEntrySave r = m.AddEntry(f.trips, f.settings, e);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.trip_number, 3);
    EXPECT_EQ(r.index, 1u);
    EXPECT_EQ(f.trips.list.lines[1], "20140317_0705NR4_ANNA;003;*pool|~intervals");
    const TripSummary& s = f.trips.store.summaries[3];
    EXPECT_EQ(s.total_time_s, 2700);
    EXPECT_NEAR(s.distance_km, 5.0, 1e-4);
    EXPECT_NEAR(s.avg_temperature_c, 25.0, 1e-4);
    EXPECT_EQ(s.avg_hr, 128);
    EXPECT_EQ(s.avg_power_w, 0);
    EXPECT_EQ(s.max_speed_kmh, SerialDate(2014, 3, 17));
    EXPECT_NEAR(s.avg_speed_kmh, (7 * 60 + 5) / 1440.0, 1e-6);
    EXPECT_EQ(m.grid().cell(3, 1), "pool");
    EXPECT_EQ(m.grid().cell(3, 3), "    3.11 ");
    EXPECT_EQ(m.grid().cell(3, 8), "    77.0 ");
    EXPECT_EQ(m.grid().cell(3, 4), "");

    // The panel gets the values back for editing.
    const ManualEntry back =
        ManualEntryOfLine(f.trips.list.lines[1], f.trips.store, f.settings.unit_flags);
    EXPECT_EQ(back.year, 2014);
    EXPECT_EQ(back.day, 17);
    EXPECT_EQ(back.hour, 7);
    EXPECT_EQ(back.minute, 5);
    EXPECT_EQ(back.kind, 4);
    EXPECT_EQ(back.duration_s, 2700);
    EXPECT_NEAR(back.distance, 3.10685, 1e-4);
    EXPECT_NEAR(back.temperature, 77, 1e-3);
    EXPECT_EQ(back.note, "pool\nintervals");
    EXPECT_FALSE(back.comment2);
}

TEST(DiaryEntries, RefusedValues) {
    test::DiaryFixture f;
    struct Case {
        const char* name;
        void (*change)(ManualEntry&);
    };
    const Case cases[] = {
        {"1999", [](ManualEntry& e) { e.year = 1999; }},
        {"2100", [](ManualEntry& e) { e.year = 2100; }},
        {"30 February", [](ManualEntry& e) { e.month = 2, e.day = 30; }},
        {"hour 24", [](ManualEntry& e) { e.hour = 24; }},
        {"negative distance", [](ManualEntry& e) { e.distance = -1; }},
        {"negative duration", [](ManualEntry& e) { e.duration_s = -1; }},
    };
    for (const Case& c : cases) {
        ManualEntry e = Swim();
        c.change(e);
        const ManualEntrySave r = AddManualEntry(f.trips, f.settings, e);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.message.empty()) << c.name;
    }
    EXPECT_EQ(f.trips.list.entry_count(), 0u);
}

TEST(DiaryEntries, EditMovesTheEntryIntoDateOrderAndKeepsItsNumber) {
    test::DiaryFixture f;
    f.SetLines(
        {"20140301_0900000_ANNA;001;", "20140310_0900000_ANNA;002;", "20140320_0900000_ANNA;003;"});
    f.trips.store.highest = 3;
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    ManualEntrySave r = m.AddEntry(f.trips, f.settings, Swim());  // 17 March
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.index, 2u);
    const int n = r.trip_number;
    EXPECT_EQ(n, 4);
    m.ClickCell(4, 0, f.trips.list);               // mark the new entry
    f.trips.store.summaries[n].max_power_w = 123;  // a field the panel does not touch

    ManualEntry e = ManualEntryOfLine(f.trips.list.lines[2], f.trips.store, 0);
    e.month = 2;
    e.day = 28;
    e.duration_s = 1800;
    r = m.EditEntry(f.trips, f.settings, 4, e);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.index, 0u);
    EXPECT_EQ(r.trip_number, n);
    EXPECT_EQ(f.trips.list.lines[0], "20140228_0705NR4_ANNA;004;*pool|~intervals");
    EXPECT_TRUE(std::is_sorted(f.trips.list.lines.begin(), f.trips.list.lines.end() - 1));
    EXPECT_EQ(f.trips.store.summaries[n].total_time_s, 1800);
    EXPECT_EQ(f.trips.store.summaries[n].max_power_w, 123);
    EXPECT_EQ(f.trips.store.summaries[n].max_speed_kmh, SerialDate(2014, 2, 28));
    EXPECT_TRUE(m.IsMarked(2));  // the mark moved with the entry
    EXPECT_EQ(m.grid().cell(2, 2), "  00:30:00   ");
    EXPECT_FALSE(m.EditEntry(f.trips, f.settings, 3, e).ok);  // a recorded trip

    // A Comment2 given by the note panel stays through an edit.
    f.trips.list.lines[0] += "|~§dry";
    e = ManualEntryOfLine(f.trips.list.lines[0], f.trips.store, 0);
    EXPECT_EQ(e.note, "pool\nintervals");
    r = m.EditEntry(f.trips, f.settings, 2, e);
    EXPECT_EQ(f.trips.list.lines[0], "20140228_0705NR4_ANNA;004;*pool|~intervals|~§dry");
}

TEST(DiaryEntries, ManualEntriesHoldTheirNumbersUntilErased) {
    test::DiaryFixture f;
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    ManualEntry e = Swim();
    ASSERT_EQ(m.AddEntry(f.trips, f.settings, e).trip_number, 1);
    e.day = 18;
    ASSERT_EQ(m.AddEntry(f.trips, f.settings, e).trip_number, 2);
    // A recorded trip stored now never takes an entry's number, even with a lost store.
    f.trips.store.highest = 1;
    EXPECT_EQ(f.Store("20140319_093015__ANNA"), 3);
    m.Activate(f.trips, f.settings, *f.trip, false);  // back in the diary

    EXPECT_EQ(m.Erase(f.trips, f.settings, 2), 1);
    EXPECT_EQ(f.trips.list.lines.back(), "ERASED :1;");
    EXPECT_EQ(f.trips.store.summaries[1], TripSummary{});
    EXPECT_EQ(m.grid().entry_count, 2u);
    EXPECT_EQ(m.grid().cell(2, 0), "18.03.2014 - 07:05");
    e.day = 20;
    EXPECT_EQ(m.AddEntry(f.trips, f.settings, e).trip_number, 1);  // the released number
    EXPECT_EQ(m.Erase(f.trips, f.settings, 40), 0);                // no entry there
    // An old entry stored with "000" has no number to release.
    f.trips.list.lines.insert(f.trips.list.lines.begin(), "20140301_0800NR3_ANNA;000;*old");
    ParseTripList(f.trips.list, false);
    EXPECT_EQ(EraseDiaryEntry(f.trips, 0), 0);
}

}  // namespace
}  // namespace vx
