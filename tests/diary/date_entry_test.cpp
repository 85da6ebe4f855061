#include <gtest/gtest.h>

#include "diary/date_entry.h"
#include "diary_fixture.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(DateEntry, BaseNameFromThePickedDateAndTime) {
    TripList list;
    list.lines = {"ERASED :"};
    DateEntryResult r = DateEntryBaseName({2014, 3, 16, 9, 30, 15}, "RIDER_1", list);
    ASSERT_TRUE(r) << r.message;
    EXPECT_EQ(r.base_name, "20140316_093015_RIDER_1");
    // Seconds count: the same minute with other seconds is another name.
    EXPECT_EQ(DateEntryBaseName({2014, 3, 16, 9, 30, 16}, "RIDER_1", list).base_name,
              "20140316_093016_RIDER_1");
}

TEST(DateEntry, Refusals) {
    test::DiaryFixture f;
    f.SetLines(
        {"20140316_0930150RIDER_1;001;", "20140317_0800NR3_RIDER_1;002;*swim", "20140318_09"});
    test::WriteBytes(f.trips.paths.rider_folder + "/20140319_1000002RIDER_1.DEO", {1, 2, 3});
    struct Case {
        PickedDateTime t;
        DateEntryRefusal refusal;
    };
    const Case cases[] = {
        {{2014, 3, 16, 9, 30, 15}, DateEntryRefusal::TripExists},  // the stored trip's start
        {{2014, 3, 16, 9, 30, 14}, DateEntryRefusal::None},
        {{2014, 3, 17, 8, 0, 0}, DateEntryRefusal::None},         // a diary entry is no trip file
        {{2014, 3, 18, 9, 0, 0}, DateEntryRefusal::None},         // a short line never matches
        {{2014, 3, 19, 10, 0, 0}, DateEntryRefusal::TripExists},  // a file not in the list
        {{1999, 12, 31, 23, 59, 59}, DateEntryRefusal::OutOfRange},
        {{2100, 1, 1, 0, 0, 0}, DateEntryRefusal::OutOfRange},
        {{2014, 2, 29, 9, 0, 0}, DateEntryRefusal::NotADate},
        {{2014, 3, 16, 24, 0, 0}, DateEntryRefusal::NotADate},
    };
    for (const Case& c : cases) {
        const DateEntryResult r =
            DateEntryBaseName(c.t, "RIDER_1", f.trips.list, f.trips.paths.rider_folder);
        EXPECT_EQ(r.refusal, c.refusal) << c.t.year << c.t.month << c.t.day << " " << c.t.hour;
        EXPECT_EQ(r.message.empty(), c.refusal == DateEntryRefusal::None);
        EXPECT_EQ(r.base_name.empty(), c.refusal != DateEntryRefusal::None);
    }
}

TEST(DateEntry, PickerRange) {
    EXPECT_EQ(ClampToPickerRange({1980, 5, 5, 10, 0, 0}), kEarliestPickedDate);
    EXPECT_EQ(ClampToPickerRange({2150, 5, 5, 10, 0, 0}), kLatestPickedDate);
    const PickedDateTime t{2020, 2, 29, 12, 1, 2};
    EXPECT_EQ(ClampToPickerRange(t), t);
    const PickedDateTime now = CurrentPickedDateTime();
    EXPECT_GE(now.year, 2000);
    EXPECT_LE(now.year, 2099);
}

}  // namespace
}  // namespace vx
