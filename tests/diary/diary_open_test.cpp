#include <gtest/gtest.h>

#include <filesystem>

#include "diary/diary_model.h"
#include "diary/diary_open.h"
#include "diary/diary_summaries.h"
#include "diary_fixture.h"
#include "trip/file_io.h"

namespace vx {
namespace {

TEST(DiaryOpen, LinesThatOpenNothing) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA", 30), 1);  // too short for the diary
    f.Ride(100, 300);
    const std::int32_t count_before = f.trip->count;
    struct Case {
        std::string line;
        bool has_message;
    };
    const Case cases[] = {
        {"20140317_0800NR3_ANNA;002;*swim", false},
        {"20140316_0930150_ANNA", false},
        {"20140316_0930150_ANNA;000;", true},  // number outside 1..999
        {"20140318_0930150_ANNA;005;", true},  // no file
        {f.trips.list.lines[0], true},         // 31 records
        {"", false},
    };
    for (const Case& c : cases) {
        const DiaryTripOpen o = OpenDiaryTrip(f.trips, c.line, f.settings, *f.trip);
        EXPECT_FALSE(o.ok) << c.line;
        EXPECT_EQ(!o.message.empty(), c.has_message) << c.line << ": " << o.message;
        EXPECT_EQ(f.trip->count, count_before) << c.line;  // the current trip stays
        std::string why;
        EXPECT_FALSE(OpenDiaryTrip2(f.trips, c.line, f.settings, *f.trip, &why)) << c.line;
    }
}

TEST(DiaryOpen, RebuildsALostStoreFromTheTripFiles) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA", 600, 200), 1);
    ASSERT_EQ(f.Store("20140317_093015__ANNA", 900, 0, 1), 2);  // heart rate only
    ASSERT_EQ(f.Store("20140318_093015__ANNA", 1200, 250), 3);
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);  // gives trip 2 its distributions
    const SummaryStore stored = f.trips.store;
    std::string error;
    ASSERT_TRUE(SaveTripList(f.trips, &error)) << error;
    std::filesystem::remove(f.trips.paths.summary_store);
    LoadTripList(f.trips, false, nullptr);
    ASSERT_FALSE(f.trips.store.valid(1));

    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const SummaryRebuild r =
        m.Activate(f.trips, f.settings, *f.trip, true,
                   [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); });
    EXPECT_EQ(r.summarized, 3);
    EXPECT_EQ(r.failed, 0);
    EXPECT_EQ(calls, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 3}, {2, 3}, {3, 3}}));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(f.trips.store.summaries[n], stored.summaries[n]) << n;
        EXPECT_EQ(f.trips.store.zone_times[n], stored.zone_times[n]) << n;
        EXPECT_EQ(f.trips.store.distributions[n], stored.distributions[n]) << n;
    }
    EXPECT_TRUE(f.trips.store.distributions[2].valid());
    EXPECT_TRUE(f.trips.modified());
    EXPECT_EQ(f.trips.store.highest, 3);
    EXPECT_EQ(m.grid().cell(4, 2), "  00:20:00   ");
    // Nothing is missing any more: the next activation opens no file.
    calls.clear();
    EXPECT_EQ(m.Activate(f.trips, f.settings, *f.trip, false,
                         [&](std::size_t d, std::size_t t) { calls.emplace_back(d, t); })
                  .summarized,
              0);
    EXPECT_TRUE(calls.empty());
}

TEST(DiaryOpen, CollectionEntriesAreSummarizedAtEveryActivation) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA", 600), 1);
    f.trips.list.lines[0] = "20140316_0930150_ANNA;001PF;*a";
    ParseTripList(f.trips.list, false);
    InfoList info;
    const SummaryRebuild r = RebuildMissingSummaries(f.trips, f.settings, *f.trip, {}, &info);
    EXPECT_EQ(r.summarized, 1);
    EXPECT_TRUE(info.empty());
    // A lost file is reported and counted, the others go on.
    f.trips.list.lines.insert(f.trips.list.lines.begin(), "20140301_0930150_ANNA;007;");
    ParseTripList(f.trips.list, false);
    const SummaryRebuild again = RebuildMissingSummaries(f.trips, f.settings, *f.trip, {}, &info);
    EXPECT_EQ(again.summarized, 1);
    EXPECT_EQ(again.failed, 1);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(f.trips.store.highest, 7);
}

TEST(DiaryOpen, TwoTripsForTheComparison) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA", 600), 1);
    ASSERT_EQ(f.Store("20140317_093015__ANNA", 900, 220), 2);
    ASSERT_EQ(f.Store("20140318_093015__ANNA", 700, 200, 0, 2), 3);  // every 2 s
    const std::vector<std::string>& l = f.trips.list.lines;
    Trip second;
    const DiaryTexts texts;

    TwoTrips r = OpenTwoTrips(f.trips, {l[0]}, f.settings, texts, *f.trip, second);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Please select 2 trips");

    r = OpenTwoTrips(f.trips, {l[0], l[1]}, f.settings, texts, *f.trip, second);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.line1, l[1]);  // more records: TRIP1
    EXPECT_EQ(f.trip->count, 901);
    EXPECT_EQ(second.count, 601);
    EXPECT_EQ(r.trip_number1, 2);
    EXPECT_EQ(r.title1, "TRIP1  17.03.2014 - 09:30  BIKE POWER");
    EXPECT_EQ(r.title2, "TRIP2  16.03.2014 - 09:30  BIKE POWER");
    EXPECT_EQ(r.power_threshold, 250);

    r = OpenTwoTrips(f.trips, {l[0], l[2]}, f.settings, texts, *f.trip, second);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Different recording rate");

    r = OpenTwoTrips(f.trips, {l[0], "20140319_0930150_ANNA;009;"}, f.settings, texts, *f.trip,
                     second);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
}

TEST(DiaryOpen, HeartRateSignalAndTitle) {
    test::DiaryFixture f;
    f.Ride(100);
    EXPECT_TRUE(HasHeartRateSignal(*f.trip));
    for (int i = 1; i <= 20; ++i) f.trip->records[i].heart_rate_bpm = 0;
    EXPECT_FALSE(HasHeartRateSignal(*f.trip));  // exactly 80 %
    f.trip->records[1].heart_rate_bpm = 31;
    EXPECT_TRUE(HasHeartRateSignal(*f.trip));
    EXPECT_EQ(RegressionTitle("20140316_0930150_A;001;*x", 0, DiaryTexts{}),
              "TRIP 16.03.2014 - 09:30   x");
}

TEST(DiaryOpen, SummaryOverlaySavesAndRefreshesTheRow) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA", 600), 1);
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    f.trips.store.summaries[1].distance_km = 99;  // stale, recomputed by the overlay
    f.trips.list.modified = true;
    const SummaryOverlay o = m.ShowSummaryOverlay(f.trips, f.settings, SummaryLabels{}, 2, *f.trip);
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_NE(o.evaluation.lines[0].find("Total distance"), std::string::npos);
    EXPECT_FALSE(f.trips.modified());  // saved at once
    EXPECT_EQ(m.grid().cell(2, 3), "    4.80");
    EXPECT_EQ(m.grid().cell(2, 2), "  00:10:00");
    EXPECT_FALSE(m.ShowSummaryOverlay(f.trips, f.settings, SummaryLabels{}, 4, *f.trip).ok);
}

}  // namespace
}  // namespace vx
