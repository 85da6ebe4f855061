#include "trip/trip_list.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TripList ListOf(std::vector<std::string> lines) {
    TripList l;
    l.lines = std::move(lines);
    CleanTripList(l, false);
    return l;
}

TEST(TripList, LoadCleanUp) {
    struct Case {
        const char* name;
        std::vector<std::string> in, out;
        bool modified;
    };
    const Case cases[] = {
        {"only ERASED", {"ERASED :"}, {"ERASED :"}, false},
        {"sport marker before a note",
         {"20140316_0930150_ANNA;007;*BIKE POWER*Hill repeats", "ERASED :"},
         {"20140316_0930150_ANNA;007;*Hill repeats", "ERASED :"}, true},
        {"one star stays", {"20140316_0930150_ANNA;007;*BIKE POWER", "ERASED :"},
         {"20140316_0930150_ANNA;007;*BIKE POWER", "ERASED :"}, false},
        {"a note with two stars keeps its text", {"20140316_0930150_ANNA;007;*4*5min", "ERASED :"},
         {"20140316_0930150_ANNA;007;*4*5min", "ERASED :"}, false},
        {"run and heart-rate markers",
         {"20140316_0930152_ANNA;001;*RUN*easy", "20140317_0930151_ANNA;002;*BIKE HR*z2", "ERASED :3;"},
         {"20140316_0930152_ANNA;001;*easy", "20140317_0930151_ANNA;002;*z2", "ERASED :3;"}, true},
        {"invalid line between valid ones",
         {"20140316_0930150_ANNA;001;", "garbage", "1914_0101_X;002;", "20140318_0930150_ANNA;003;", "ERASED :"},
         {"20140316_0930150_ANNA;001;", "20140318_0930150_ANNA;003;", "ERASED :"}, true},
        {"missing ERASED line loses no trip", {"20140316_0930150_ANNA;001;"},
         {"20140316_0930150_ANNA;001;", "ERASED :"}, true},
        {"empty file", {}, {"ERASED :"}, true},
    };
    for (const Case& c : cases) {
        TripList l = ListOf(c.in);
        EXPECT_EQ(l.lines, c.out) << c.name;
        EXPECT_EQ(l.modified, c.modified) << c.name;
        EXPECT_EQ(l.table.size(), c.out.size() - 1) << c.name;
    }
}

TEST(TripList, TableAndCalendarRange) {
    TripList l = ListOf({"20140316_0930150_ANNA;007;*x", "20140317_0800NR3_ANNA;000;*swim",
                         "20141231_1200002_ANNA;12", "ERASED :"});
    ASSERT_EQ(l.table.size(), 3u);
    EXPECT_EQ(l.table[0].trip_number, 7);
    EXPECT_EQ(l.table[0].sport_digit, 0);
    EXPECT_EQ(l.table[0].date, 41714);  // 16 March 2014
    EXPECT_EQ(l.table[1].trip_number, 0);
    EXPECT_EQ(l.table[1].sport_digit, 3);
    EXPECT_EQ(l.table[2].trip_number, 12);
    EXPECT_EQ(l.table[2].sport_digit, 2);
    EXPECT_TRUE(l.calendar_enabled);

    // 999 days keep the calendar, 1000 do not; the COLLECTION never has it.
    const double d0 = SerialDate(2014, 1, 1);
    EXPECT_EQ(SerialDate(2016, 9, 26) - d0, 999);
    l = ListOf({"20140101_0000000_A;001;", "20160926_0000000_A;002;", "ERASED :"});
    EXPECT_TRUE(l.calendar_enabled);
    l = ListOf({"20140101_0000000_A;001;", "20160927_0000000_A;002;", "ERASED :"});
    EXPECT_FALSE(l.calendar_enabled);
    ParseTripList(l, true);
    EXPECT_FALSE(l.calendar_enabled);
    EXPECT_EQ(SerialDate(1899, 12, 30), 0);
    EXPECT_EQ(SerialDate(2000, 3, 1), 36586);
}

TEST(TripList, NumbersFromTheErasedLine) {
    TripList l = ListOf({"20140316_0930150_A;001;", "20140317_0930150_A;013;", "ERASED :12;5;"});
    int highest = 13;
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 12);
    EXPECT_EQ(l.lines.back(), "ERASED :5;");
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 5);
    EXPECT_EQ(l.lines.back(), "ERASED :");
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 14);
    EXPECT_EQ(highest, 14);
}

TEST(TripList, FreedNumbersAreCheckedAndHighestIsNeverBelowWhatIsUsed) {
    // 0, 1000, a duplicate, text and a number still used are no free numbers.
    TripList l = ListOf({"20140316_0930150_A;001;", "20140317_0930150_A;040;",
                         "ERASED :0;1000;abc;40;7;7;"});
    EXPECT_EQ(FreedTripNumbers(l), std::vector<int>{7});
    int highest = 3;  // a stale store: the lines know better
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 7);
    EXPECT_EQ(l.lines.back(), "ERASED :");
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 41);
}

TEST(TripList, EmptyListStartsAtOne) {
    TripList l = ListOf({"ERASED :"});
    int highest = 57;
    EXPECT_EQ(AllocateTripNumber(l, highest, nullptr), 1);
    EXPECT_EQ(highest, 1);
}

TEST(TripList, AllNumbersTaken) {
    TripList l = ListOf({"20140316_0930150_A;999;", "ERASED :"});
    int highest = 999;
    std::string message;
    EXPECT_FALSE(AllocateTripNumber(l, highest, &message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(highest, 999);
    EXPECT_EQ(l.lines.back(), "ERASED :");
}

TEST(TripList, EraseAndSortedInsert) {
    TripList l = ListOf({"20140316_0930150_A;007;*a", "20140318_0930150_A;008;", "ERASED :3;"});
    AddListLine(l, "20140317_0930150_A;009;*BIKE POWER");
    EXPECT_EQ(l.lines[1], "20140317_0930150_A;009;*BIKE POWER");
    EXPECT_EQ(EraseListLine(l, 0, false), 7);
    EXPECT_EQ(l.lines.back(), "ERASED :3;7;");
    EXPECT_EQ(l.table.size(), 2u);
    EXPECT_TRUE(l.modified);
    AddListLine(l, "20140317_0800NR4_A;000;*gym");
    EXPECT_EQ(EraseListLine(l, 0, false), 0);  // no number for a diary entry
    EXPECT_EQ(l.lines.back(), "ERASED :3;7;");
}

TEST(TripList, TextFileLinesAndEncoding) {
    auto lines = DecodeListText("20140316_0930150_J\xDCRG;001;*K\xF6ln\r\nERASED :\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"20140316_0930150_JÜRG;001;*Köln", "ERASED :"}));
    EXPECT_EQ(EncodeListText(lines), "20140316_0930150_J\xDCRG;001;*K\xF6ln\r\nERASED :\r\n");
    EXPECT_EQ(DecodeListText("a\nb\rc\r\n\r\nd"),
              (std::vector<std::string>{"a", "b", "c", "", "d"}));
}

TEST(TripList, LineFields) {
    EXPECT_EQ(BaseNameOfLine("20140316_0930150_A;007;*x"), "20140316_0930150_A");
    EXPECT_EQ(TripNumberOfLine("20140316_0930150_A;007;*x"), 7);
    EXPECT_EQ(TripNumberOfLine("20140316_0930150_A;1234;"), 123);
    EXPECT_EQ(TripNumberOfLine("20140316_0930150_A"), 0);
    EXPECT_EQ(TripNumberOfLine("x;"), 0);
    EXPECT_EQ(NoteOfLine("20140316_0930150_A;007;*x*y"), "*x*y");
    EXPECT_EQ(SportDigitOfLine("20140316_0930152"), 2);
    EXPECT_EQ(SportDigitOfLine("2014"), 0);
    EXPECT_TRUE(IsManualEntry("20140317_0800NR4_A;000;*gym"));
    EXPECT_FALSE(IsManualEntry("20140317_0800"));
}

}  // namespace
}  // namespace vx
