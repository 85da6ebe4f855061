#include <gtest/gtest.h>

#include <cstdio>

#include "diary/diary_model.h"
#include "diary/diary_search.h"
#include "diary/diary_selection.h"
#include "diary_fixture.h"

namespace vx {
namespace {

TEST(DiarySelection, SelectAllBySportAndInclusivePeriod) {
    test::DiaryFixture f;
    f.SetLines({"20140301_0900000_A;001;", "20140305_0900001_A;002;", "20140310_0900001_A;003;",
                "20140310_1000002_A;004;", "20140315_0900001_A;005;", "20140320_0800NR3_A;006;*x",
                "20140325_0900001_A;007;"});
    const DiaryPeriod march_5_to_15{"20140305", "20140315"};
    struct Case {
        DiaryPeriod period;
        int sport;
        DiaryMarks expected;
    };
    const Case cases[] = {
        {march_5_to_15, 1, {false, true, true, false, true, false, false}},
        {march_5_to_15, 2, {false, false, false, true, false, false, false}},
        {march_5_to_15, 0, {false, false, false, false, false, false, false}},
        {{"20140301", "20140301"}, 0, {true, false, false, false, false, false, false}},
        {{}, 1, {false, true, true, false, true, false, true}},  // no period: every date
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectAllMarks(f.trips.list, c.period, c.sport), c.expected)
            << c.period.start << " " << c.sport;

    EXPECT_EQ(ListPeriod(f.trips.list), (DiaryPeriod{"20140301", "20140325"}));
    EXPECT_EQ(MakePeriod("20140325_x", "20140301"), (DiaryPeriod{"20140301", "20140325"}));
    EXPECT_EQ(NextSportFilter(0), 1);
    EXPECT_EQ(NextSportFilter(2), 0);
    EXPECT_EQ(SelectAllHint(DiaryTexts{}, {}, 0), "Select all trips");
    EXPECT_EQ(SelectAllHint(DiaryTexts{}, march_5_to_15, 0),
              "Select all trips (05.03.2014 - 15.03.2014)");
    EXPECT_EQ(SelectAllHint(DiaryTexts{}, march_5_to_15, kUnitUsDate),
              "Select all trips (03/05/2014 - 03/15/2014)");

    // The button toggles: pressed marks the filter's trips, released unmarks all.
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    m.SetPeriod(march_5_to_15);
    m.StepSportFilter();
    m.ToggleSelectAll(f.trips.list);
    EXPECT_EQ(m.MarkedLines(f.trips.list),
              (std::vector<std::string>{f.trips.list.lines[1], f.trips.list.lines[2],
                                        f.trips.list.lines[4]}));
    m.ToggleSelectAll(f.trips.list);
    EXPECT_TRUE(m.MarkedLines(f.trips.list).empty());
}

TEST(DiarySelection, SearchIgnoresCase) {
    test::DiaryFixture f;
    f.SetLines({"20140301_0900000_A;001;*Hill Repeats", "20140302_0900000_A;002;*flat",
                "20140303_0900000_A;003;*KÖLN|~§hill", "20140304_0900000_A;004;"});
    struct Case {
        const char* text;
        DiaryMarks expected;
    };
    const Case cases[] = {
        {"hill", {true, false, true, false}},  {"  repeats ", {true, false, false, false}},
        {"köln", {false, false, true, false}}, {"_0900000_a;004", {false, false, false, true}},
        {"   ", {false, false, false, false}}, {"none", {false, false, false, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(SearchMarks(f.trips.list, c.text), c.expected) << c.text;
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    m.ClickCell(5, 0, f.trips.list);
    EXPECT_EQ(m.Search(f.trips.list, "HILL"), 2u);
    EXPECT_TRUE(m.IsMarked(2));
    EXPECT_FALSE(m.IsMarked(5));  // every other entry is unmarked
}

TEST(DiarySelection, EveryRowCanBeMarkedAndClicksChooseThePeriod) {
    test::DiaryFixture f;
    std::vector<std::string> lines;
    for (int i = 0; i < 700; ++i) {
        char line[48];
        std::snprintf(line, sizeof line, "20%02d%02d%02d_0900000_A;%03d;", 10 + i / 336,
                      1 + (i / 28) % 12, 1 + i % 28, i + 1);
        lines.push_back(line);
    }
    f.SetLines(lines);
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    EXPECT_EQ(m.ClickCell(650, 0, f.trips.list), CellClick::Marked);
    EXPECT_TRUE(m.IsMarked(650));
    EXPECT_EQ(m.ClickCell(650, 4, f.trips.list), CellClick::Unmarked);
    EXPECT_FALSE(m.IsMarked(650));
    EXPECT_EQ(m.ClickCell(1, 0, f.trips.list), CellClick::None);    // unit row
    EXPECT_EQ(m.ClickCell(702, 0, f.trips.list), CellClick::None);  // empty row
    EXPECT_EQ(m.ClickCell(m.grid().sum_row(), 0, f.trips.list), CellClick::None);

    ASSERT_TRUE(m.BeginPeriodPick());
    EXPECT_EQ(m.PeriodPickPrompt(), "Selective / click start date");
    EXPECT_EQ(m.ClickCell(600, 0, f.trips.list), CellClick::PeriodStart);
    EXPECT_EQ(m.PeriodPickPrompt(), "Selective / click end date");
    EXPECT_EQ(m.ClickCell(12, 0, f.trips.list), CellClick::PeriodEnd);
    EXPECT_EQ(m.period(), MakePeriod(f.trips.list.lines[10], f.trips.list.lines[598]));
    EXPECT_FALSE(m.IsMarked(600));
    EXPECT_EQ(m.period_pick(), PeriodPick::Off);
    m.Sort(SortKey::Distance, true, f.trips, f.settings);
    EXPECT_FALSE(m.BeginPeriodPick());  // only in date order
}

TEST(DiarySelection, CalendarDayAndWeekMarks) {
    test::DiaryFixture f;
    // 17 March 2014 is a Monday.
    f.SetLines({"20140316_0900000_A;001;", "20140317_0900000_A;002;", "20140317_1800002_A;003;",
                "20140323_0900001_A;004;", "20140324_0900000_A;005;"});
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    m.Sort(SortKey::Date, false, f.trips, f.settings);
    m.ClickCell(2, 0, f.trips.list);
    const double monday = SerialDate(2014, 3, 17);
    EXPECT_EQ(m.MarkDay(f.trips.list, monday), 3);
    EXPECT_EQ(m.order(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(m.marks(), (DiaryMarks{false, true, true, false, false}));
    EXPECT_EQ(m.MarkWeek(f.trips.list, monday), 3);
    EXPECT_EQ(m.marks(), (DiaryMarks{false, true, true, true, false}));
    EXPECT_EQ(m.MarkDay(f.trips.list, SerialDate(2014, 3, 18)), std::nullopt);
    // The calendar's opening keeps these marks.
    m.MarkWeek(f.trips.list, monday);
    m.Activate(f.trips, f.settings, *f.trip, false);
    EXPECT_TRUE(m.IsMarked(5));
}

}  // namespace
}  // namespace vx
