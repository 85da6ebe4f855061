#include <gtest/gtest.h>

#include "diary/diary_cells.h"
#include "diary_fixture.h"

namespace vx {
namespace {

TEST(DiaryCells, DateCell) {
    struct Case {
        const char* line;
        std::uint8_t flags;
        const char* expected;
    };
    const Case cases[] = {
        {"20140316_0930150_A;001;", 0, "16.03.2014 - 09:30"},
        {"20140316_0930150_A;001;", kUnitUsDate, "03/16/2014 - 09:30"},
        {"20140316_1405150_A;001;", kUnitAmPm, "16.03.2014 - 02:05PM"},
        {"20140316_1230150_A;001;", kUnitAmPm, "16.03.2014 - 12:30PM"},
        {"20140316_0915150_A;001;", kUnitAmPm, "16.03.2014 - 09:15AM"},
        {"20140316_0010150_A;001;", kUnitAmPm | kUnitUsDate, "03/16/2014 - 00:10AM"},
        {"20140317_0800NR3_A;004;*swim", 0, "17.03.2014 - 08:00"},
        // Short lines: blanks and zeros where characters are missing, nothing read past the end.
        {"20140316_09", 0, "16.03.2014 - 09:00"},
        {"2014031", 0, " 1.03.2014 - 00:00"},
        {"", kUnitUsDate, "  /  /     - 00:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(DateCellText(c.line, c.flags), c.expected) << c.line;
}

TEST(DiaryCells, CommentCells) {
    const std::string fifty(50, 'x');
    const std::string umlauts = [] {
        std::string s;
        for (int i = 0; i < 50; ++i) s += "ü";
        return s;
    }();
    struct Case {
        std::string line, comment, comment2;
    };
    const Case cases[] = {
        {"20140316_0930150_A;001;", "no comment", " "},
        {"20140316_0930150_A;001;*Hill repeats", "Hill repeats", " "},
        {"20140316_0930150_A;001;*first|~second|~§wet", "first", "wet"},
        {"20140316_0930150_A;001;*a;b~c", "a,b", " "},
        {"20140316_0930150_A;001;*" + fifty, std::string(47, 'x'), " "},
        {"20140316_0930150_A;001;*" + umlauts, umlauts.substr(0, 47 * 2), " "},
        {"20140316_0930150_A;001;*|~§only two", "", "only two"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommentCellText(c.line, "no comment"), c.comment) << c.line;
        EXPECT_EQ(Comment2CellText(c.line), c.comment2) << c.line;
    }
}

TEST(DiaryCells, ValueCellsInBothUnitSystems) {
    TripSummary s;
    s.total_time_s = 3 * 3600 + 25 * 60 + 7;
    s.distance_km = 100;
    s.avg_power_nonzero_w = 212.4f;
    s.avg_power_w = 180.6f;
    s.avg_hr = 141.5f;
    s.avg_cadence = 88.2f;
    s.avg_speed_kmh = 29.25f;
    s.avg_temperature_c = -5;
    s.np_w = 230;
    s.tss = 150.2f;
    s.intensity_factor = 0.92f;
    s.ascent_m = 1000;
    s.work_kj = 2000;
    s.weight_kg = 70;
    struct Case {
        DiaryColumn column;
        const char* metric;
        const char* imperial;
    };
    const Case cases[] = {
        {DiaryColumn::Time, "  03:25:07   ", "  03:25:07   "},
        {DiaryColumn::Distance, "  100.00 ", "   62.14 "},
        {DiaryColumn::Power1, "     212 ", "     212 "},
        {DiaryColumn::HeartRate, "     142 ", "     142 "},
        {DiaryColumn::Cadence, "      88 ", "      88 "},
        {DiaryColumn::Speed, "    29.2 ", "    18.2 "},
        {DiaryColumn::Temperature, "    -5.0 ", "    23.0 "},
        {DiaryColumn::NormalizedPower, "     230 ", "     230 "},
        {DiaryColumn::Tss, "     150 ", "     150 "},
        {DiaryColumn::IntensityFactor, "   0.920 ", "   0.920 "},
        {DiaryColumn::Ascent, "    1000 ", "    3281 "},
        {DiaryColumn::WorkKj, "    2000 ", "    2000 "},
        {DiaryColumn::Power2, "     181 ", "     181 "},
        {DiaryColumn::WorkKcal, "    2150 ", "    2150 "},
        {DiaryColumn::Weight, "      70 ", "     154 "},
    };
    const std::uint8_t imperial = kUnitFeetMiles | kUnitFahrenheit | kUnitPounds;
    for (const Case& c : cases) {
        EXPECT_EQ(ValueCellText(c.column, s, 0), c.metric) << static_cast<int>(c.column);
        EXPECT_EQ(ValueCellText(c.column, s, imperial), c.imperial) << static_cast<int>(c.column);
    }
    EXPECT_EQ(ValueCellText(DiaryColumn::Distance, s, 0, false), "  100.00");
    EXPECT_EQ(ValueCellText(DiaryColumn::Time, s, 0, false), "  03:25:07");
    EXPECT_EQ(DiaryUnitText(DiaryColumn::Distance, imperial), " [mi]");
    EXPECT_EQ(DiaryUnitText(DiaryColumn::Temperature, imperial), " [°F]");
    EXPECT_EQ(DiaryUnitText(DiaryColumn::Weight, 0), " [kg]");
    EXPECT_EQ(DiaryUnitText(DiaryColumn::Power1, 0), "[EXC 0 W]");
}

TEST(DiaryCells, EmptyListGivesTenRowsAndZeroSum) {
    TripList list;
    list.lines = {"ERASED :"};
    ParseTripList(list, false);
    const Settings settings = DefaultSettings();
    const SummaryStore store;
    const DiaryGrid g = BuildDiaryGrid(list, store, {}, settings, DiaryTexts{});
    EXPECT_EQ(g.rows, 10);
    EXPECT_EQ(g.cell(0, 0), "Date / Time");
    EXPECT_EQ(g.cell(0, 9), "  NP™");
    EXPECT_EQ(g.cell(1, 3), " [km]");
    EXPECT_EQ(g.cell(2, 0), "");
    EXPECT_EQ(g.sum_row(), 3);
    EXPECT_EQ(g.cell(3, 3), "    0.00 ");
    EXPECT_EQ(g.kind(2), DiaryRowKind::Empty);
    EXPECT_EQ(g.kind(3), DiaryRowKind::Sum);
}

TEST(DiaryCells, GridRowsColumnTableAndManualEntries) {
    test::DiaryFixture f;
    f.SetLines({"20140316_0930150_ANNA;001;*ride", "20140317_0800NR3_ANNA;002;*swim|~§pool",
                "20140318_0900000_ANNA", "20140319_0900000_ANNA;000;*zero number",
                "20140320_0900000_ANNA;003;"});
    for (int n : {1, 2, 3}) {
        TripSummary& s = f.trips.store.summaries[n];
        s.total_time_s = 3600;
        s.distance_km = 10.0f * n;
        s.avg_hr = 150;
        s.avg_power_w = 100;
        s.avg_power_nonzero_w = 120;
        s.avg_temperature_c = 20;
    }
    // Grid column 3 shows the heart rate, grid column 5 the distance.
    std::swap(f.settings.diary_columns[3], f.settings.diary_columns[5]);
    const std::vector<int> order = {0, 1, 2, 3, 4};
    const DiaryGrid g =
        BuildDiaryGrid(f.trips.list, f.trips.store, order, f.settings, DiaryTexts{});

    EXPECT_EQ(g.rows, 10);
    EXPECT_EQ(g.cell(0, 3), "HR");
    EXPECT_EQ(g.cell(0, 5), "Distance");
    EXPECT_EQ(g.cell(2, 5), "   10.00 ");
    EXPECT_EQ(g.cell(2, 4), "     120 ");
    // The entry without recording fills only date, comment, time, distance, HR, temperature
    // and Comment2.
    EXPECT_EQ(g.cell(3, 1), "swim");
    EXPECT_EQ(g.cell(3, 2), "  01:00:00   ");
    EXPECT_EQ(g.cell(3, 5), "   20.00 ");
    EXPECT_EQ(g.cell(3, 3), "     150 ");
    EXPECT_EQ(g.cell(3, 8), "    20.0 ");
    EXPECT_EQ(g.cell(3, 15), "pool");
    EXPECT_EQ(g.cell(3, 4), "");
    EXPECT_EQ(g.cell(3, 14), "");
    // A line without ";" and one with the number 0 show no figures; later rows still do.
    EXPECT_EQ(g.cell(4, 0), "18.03.2014 - 09:00");
    EXPECT_EQ(g.cell(4, 2), "");
    EXPECT_EQ(g.cell(5, 1), "zero number");
    EXPECT_EQ(g.cell(5, 2), "");
    EXPECT_EQ(g.cell(6, 5), "   30.00 ");
    // One empty row, then the sum of the distance column.
    EXPECT_EQ(g.kind(7), DiaryRowKind::Empty);
    EXPECT_EQ(g.sum_row(), 8);
    EXPECT_EQ(g.cell(8, 5), "   60.00 ");
    EXPECT_EQ(g.cell(8, 3), "");

    // A column table without its marker counts as the identity.
    f.settings.diary_columns[0] = 0;
    EXPECT_EQ(DiaryColumnMap(f.settings)[3], 3);
    EXPECT_EQ(DiaryTopRow(5, 20, 10), 2);
    EXPECT_EQ(DiaryTopRow(100, 20, 104), 85);
}

TEST(DiaryCells, LargeListHasRowPerLinePlusThree) {
    TripList list;
    for (int i = 0; i < 999; ++i) {
        char line[48];
        std::snprintf(line, sizeof line, "2014%02d%02d_0930150_A;%03d;", 1 + i % 12, 1 + i % 28,
                      i + 1);
        list.lines.push_back(line);
    }
    list.lines.push_back("ERASED :");
    ParseTripList(list, false);
    SummaryStore store;
    for (int n = 1; n <= 999; ++n) store.summaries[n].distance_km = 1;
    std::vector<int> order(999);
    for (int i = 0; i < 999; ++i) order[i] = i;
    const DiaryGrid g = BuildDiaryGrid(list, store, order, DefaultSettings(), DiaryTexts{});
    EXPECT_EQ(g.rows, 1003);
    EXPECT_EQ(g.sum_row(), 1002);
    EXPECT_EQ(g.cell(1002, 3), "  999.00 ");
    EXPECT_EQ(g.cell(1000, 3), "    1.00 ");
}

}  // namespace
}  // namespace vx
