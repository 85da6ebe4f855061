#include "trip/deo_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "support/temp_dir.h"
#include "trip/deo_fixture.h"

namespace vx {
namespace {

using test::DeoFixture;
using test::NoteBytes;

RiderZones TestZones() {
    RiderZones z{};
    z[0] = {200, 50, 75, 90, 105, 120, 150, 0, 0, 0};
    z[1] = {170, 60, 70, 80, 90, 100, 110, 0, 0, 0};
    z[2] = {180, 65, 75, 85, 95, 105, 115, 0, 0, 0};
    return z;
}

TripLoad Load(const DeoFixture& f, Trip& trip) { return ReadTripBytes(f.Bytes(), trip, TestZones()); }

// A trip with every field set to something distinct, for round trips.
void FillTrip(Trip& t, std::int32_t count) {
    t.count = count;
    TripHeader h = t.header();
    h.flags() = 0;
    h.zone_threshold() = 280;
    h.weight_x10() = 725;
    h.threshold_hr_run() = 165;
    h.offset() = 512.5f;
    h.k_factor() = 1234;
    h.threshold_hr_bike() = 155;
    h.sport_type() = 1;
    t.records[0].distance_km = 7.5f;  // reserved header float, kept
    t.records[0].pause_s = -3;        // reserved header int, kept
    for (std::int32_t i = 1; i < count; ++i) {
        TripRecord& r = t.records[i];
        r = {i * 2, i * 0.01f, 100.0f + i, 85.5f, 250.0f + i, 31.25f, -2.5f, 141.0f, i % 7,
             static_cast<std::uint8_t>(i % 4), {1, 2, static_cast<std::uint8_t>(i)}};
    }
    t.zone_bounds = {5555, 120, 170, 210, 250, 300, 350, 0, 0, 0, 1, 2, 3, 4, 5};
    t.curve_scale = {1200, 800, 160, 80, 190, -10, 18, 5000, 120, 90};
    std::memset(t.note.data(), 0, kNoteSize);
    std::strcpy(t.note.data(), "*Hill repeats|~\xE4 ok");
    t.note_present = true;
}

TEST(DeoFile, RoundTripKeepsEveryFieldAndHasExactLength) {
    test::TempDir dir;
    Trip out;
    FillTrip(out, 1234);
    const std::string path = dir.file("T.DEO");
    ASSERT_TRUE(WriteTripPath(path, out));
    auto bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 40u * 1234 + 454);
    // Field positions of the layout: count, header flags, power of record 1, the zone marker.
    EXPECT_EQ(ByteReader::LoadU32(bytes.data()), 1234u);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 4), std::uint32_t(kNoteFlag));
    EXPECT_EQ(std::bit_cast<float>(ByteReader::LoadU32(bytes.data() + 4 + 40 + 8)), 101.0f);
    EXPECT_EQ(std::bit_cast<float>(ByteReader::LoadU32(bytes.data() + 4 + 40 * 1234)), 5555.0f);

    Trip in;
    ASSERT_TRUE(ReadTripPath(path, in, TestZones()));
    EXPECT_EQ(in.count, out.count);
    for (std::int32_t i = 0; i < out.count; ++i) ASSERT_EQ(in.records[i], out.records[i]) << i;
    EXPECT_EQ(in.zone_bounds, out.zone_bounds);
    EXPECT_EQ(in.curve_scale, out.curve_scale);
    EXPECT_STREQ(in.note.data(), out.note.data());
    EXPECT_EQ(in.sport_type, 1);
    EXPECT_EQ(in.sample_interval_s, 2);
    EXPECT_FALSE(in.rewrite_pending);
    // The trailer is written as zeros.
    for (std::size_t i = bytes.size() - 20; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0);
}

TEST(DeoFile, UnloadableFilesLeaveThePreviousTripIntact) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    DeoFixture four, too_many, truncated;
    four.count = 4;
    too_many.count = 200000;
    auto short_records = DeoFixture{}.Bytes();
    short_records.resize(4 + 40 * 9);  // one record short of count 10
    const Case cases[] = {
        {"count 4", four.Bytes()},
        {"count 200000", too_many.Bytes()},
        {"record block shorter than count", short_records},
        {"empty file", {}},
        {"two bytes", {1, 0}},
    };
    for (const Case& c : cases) {
        Trip trip;
        FillTrip(trip, 100);
        trip.rewrite_pending = true;
        Trip before;
        FillTrip(before, 100);
        TripLoad r = ReadTripBytes(c.bytes, trip, TestZones());
        EXPECT_FALSE(r) << c.name;
        EXPECT_FALSE(r.reason.empty()) << c.name;
        EXPECT_EQ(trip.count, 100) << c.name;
        EXPECT_EQ(trip.records[50], before.records[50]) << c.name;
        EXPECT_TRUE(trip.rewrite_pending) << c.name;
    }
}

TEST(DeoFile, CountLimitsFiveAnd199999Load) {
    for (std::int32_t count : {5, 199999}) {
        DeoFixture f;
        f.count = count;
        Trip trip;
        EXPECT_TRUE(Load(f, trip)) << count;
        EXPECT_EQ(trip.count, count);
    }
}

TEST(DeoFile, ZoneBlockIsRebuiltOnlyWhenMissingOrInvalid) {
    struct Case {
        const char* name;
        std::optional<ZoneBlock> block;
        std::uint8_t sport_type;
        float zone_threshold;
        bool rebuilt;
        float bound1;  // expected [1]
    };
    const ZoneBlock valid = {5555, 120, 170, 210, 250, 300, 350, 7, 8, 9, 10, 11, 12, 13, 14};
    ZoneBlock zero_bound = valid, wrong_marker = valid;
    zero_bound[1] = 0;
    wrong_marker[0] = 5555.5f;
    const Case cases[] = {
        {"valid block kept", valid, 0, 250, false, 120},
        {"file ends after records", std::nullopt, 0, 250, true, 0.5f * 250},
        {"bound 1 zero", zero_bound, 0, 250, true, 0.5f * 250},
        {"marker 5555.5", wrong_marker, 0, 250, true, 0.5f * 250},
        {"threshold 29.9 replaced by the table", zero_bound, 0, 29.9f, true, 0.5f * 200},
        {"threshold 30 used as stored", zero_bound, 0, 30, true, 0.5f * 30},
        {"NaN threshold replaced", zero_bound, 0, std::numeric_limits<float>::quiet_NaN(), true,
         100},
        {"sport type 1 uses the bike heart-rate threshold", zero_bound, 1, 250, true, 0.6f * 150},
        {"sport type 2 uses the run threshold", zero_bound, 2, 250, true, 0.65f * 160},
        {"sport type 7 counts as 0", zero_bound, 7, 250, true, 0.5f * 250},
    };
    for (const Case& c : cases) {
        DeoFixture f;
        f.zone_bounds = c.block;
        f.sport_type = c.sport_type;
        f.zone_threshold = c.zone_threshold;
        Trip trip;
        ASSERT_TRUE(Load(f, trip)) << c.name;
        EXPECT_EQ(trip.rewrite_pending, c.rebuilt) << c.name;
        EXPECT_FLOAT_EQ(trip.zone_bounds[1], c.bound1) << c.name;
        EXPECT_EQ(trip.zone_bounds[0], 5555.0f) << c.name;
        if (c.rebuilt) {
            EXPECT_EQ(trip.zone_bounds[7], 0) << c.name;
            EXPECT_EQ(trip.zone_bounds[9], 0) << c.name;
            if (c.block) {
                EXPECT_EQ(trip.zone_bounds[12], 12) << c.name;  // [10..14] kept
            }
        }
    }
}

TEST(DeoFile, SportTypeIsTakenFromTheHeaderOnEveryRead) {
    Trip trip;
    DeoFixture run;
    run.sport_type = 2;
    ASSERT_TRUE(Load(run, trip));
    EXPECT_EQ(trip.sport_type, 2);
    DeoFixture odd;  // valid zone block, so nothing is rebuilt
    odd.sport_type = 9;
    ASSERT_TRUE(Load(odd, trip));
    EXPECT_EQ(trip.sport_type, 0);
    EXPECT_FALSE(trip.rewrite_pending);
}

TEST(DeoFile, CurveScaleResets) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    DeoFixture f;
    f.curve_scale = CurveScale{50000, 0, nan, 151, -5, 0, 0, 0, 0, 0};
    Trip trip;
    ASSERT_TRUE(Load(f, trip));
    EXPECT_EQ(trip.curve_scale[0], 50000);
    EXPECT_EQ(trip.curve_scale[1], 500);
    EXPECT_EQ(trip.curve_scale[2], 150);
    EXPECT_EQ(trip.curve_scale[3], 120);
    EXPECT_EQ(trip.curve_scale[4], -5);
    EXPECT_EQ(trip.curve_scale[5], 0);  // not reset here

    f.curve_scale = CurveScale{50000.5f, 3000, 250, 150, 250.5f, 0, 0, 0, 0, 0};
    ASSERT_TRUE(Load(f, trip));
    EXPECT_EQ(trip.curve_scale[0], 400);
    EXPECT_EQ(trip.curve_scale[1], 3000);
    EXPECT_EQ(trip.curve_scale[4], 200);

    // A file without the block keeps the previous values, and the resets still apply.
    trip.curve_scale = {900, 0, 100, 60, 180, 9, 9, 9, 9, 9};
    f.curve_scale.reset();
    ASSERT_TRUE(Load(f, trip));
    EXPECT_EQ(trip.curve_scale, (CurveScale{900, 500, 100, 60, 180, 9, 9, 9, 9, 9}));
}

TEST(DeoFile, NoteScan) {
    struct Case {
        const char* name;
        std::int32_t flags;
        std::vector<char> note;
        const char* expected;
    };
    std::vector<char> umlaut = NoteBytes("\xE4pfel");
    const Case cases[] = {
        {"two blanks before the text", kNoteFlag, NoteBytes("  Ride"), "*-Ride"},
        {"text from the first letter", kNoteFlag, NoteBytes("Ride home"), "Ride home"},
        {"empty flagged note stays empty", kNoteFlag, {}, ""},
        {"high byte first counts as blank", kNoteFlag, umlaut, "*pfel"},
        {"tab and CR", kNoteFlag, NoteBytes("\t\rx"), "*-x"},
        {"no flag: note not read", 0, NoteBytes("Ride"), "  "},
    };
    for (const Case& c : cases) {
        DeoFixture f;
        f.flags = c.flags;
        f.note = c.note;
        Trip trip;
        ASSERT_TRUE(Load(f, trip)) << c.name;
        EXPECT_STREQ(trip.note.data(), c.expected) << c.name;
    }
    // A note filling the whole block keeps its last byte NUL.
    DeoFixture full;
    full.flags = kNoteFlag;
    full.note = std::vector<char>(kNoteSize, 'x');
    Trip trip;
    ASSERT_TRUE(Load(full, trip));
    EXPECT_EQ(trip.note[kNoteSize - 1], 0);
    EXPECT_EQ(NoteText(trip.note).size(), kNoteSize - 1);
}

TEST(DeoFile, WriterSetsButNeverClearsTheNoteFlag) {
    Trip t;
    FillTrip(t, 10);
    t.header().flags() = 0;
    t.note_present = true;
    auto bytes = EncodeTripFile(t);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 4) & kNoteFlag, std::uint32_t(kNoteFlag));

    t.header().flags() = kNoteFlag;
    t.note_present = false;
    bytes = EncodeTripFile(t);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 4) & kNoteFlag, std::uint32_t(kNoteFlag));
}

TEST(DeoFile, SampleIntervalFromRecordsThreeAndTwo) {
    struct Case {
        std::vector<std::int32_t> times;
        std::int32_t expected;
    };
    const Case cases[] = {
        {{0, 1, 5, 10}, 4},
        {{0, 3, 3, 3}, 1},    // repeated stamps
        {{0, 10, 5, 20}, 1},  // backward stamps
    };
    for (const Case& c : cases) {
        DeoFixture f;
        f.times = c.times;
        Trip trip;
        ASSERT_TRUE(Load(f, trip));
        EXPECT_EQ(trip.sample_interval_s, c.expected);
    }
}

TEST(DeoFile, RecordsBehindTheLastSampleReadAsZero) {
    Trip trip;
    FillTrip(trip, 3000);
    trip.records[3000].distance_km = 99;  // an importer's last converted sample
    DeoFixture f;
    f.count = 1000;
    ASSERT_TRUE(Load(f, trip));
    for (std::size_t i = 1000; i < 3001; ++i) ASSERT_EQ(trip.records[i], TripRecord{}) << i;
    static_assert(kTripCapacity >= kMaxTripCount + 501);
}

TEST(DeoFile, SaveRefusesBadCountsAndKeepsTheOldFile) {
    test::TempDir dir;
    Trip t;
    FillTrip(t, 50);
    ASSERT_TRUE(SaveTripFile(dir.path(), "20140316_0930150_RIDER_1", t));
    const std::string path = dir.file("20140316_0930150_RIDER_1.DEO");
    auto before = test::ReadBytes(path);
    ASSERT_EQ(before.size(), 40u * 50 + 454);

    for (std::int32_t bad : {4, 200000, -1}) {
        t.count = bad;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(SaveTripFile(dir.path(), "20140316_0930150_RIDER_1", t));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Cannot open output file.\n");
        EXPECT_EQ(test::ReadBytes(path), before);
    }
    // Nothing but the trip file stands in the folder (no temporary file left behind).
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
    EXPECT_EQ(files, 1);

    t.count = 50;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveTripFile(dir.file("missing-folder"), "X", t));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Cannot open output file.\n");
}

TEST(DeoFile, ReadAndWriteThroughOpenFiles) {
    test::TempDir dir;
    Trip t;
    FillTrip(t, 20);
    const std::string path = dir.file("A.DEO");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    EXPECT_TRUE(WriteTripFile(f, t));
    std::fclose(f);
    Trip in;
    f = std::fopen(path.c_str(), "rb");
    ASSERT_TRUE(f);
    EXPECT_TRUE(ReadTripFile(f, in, TestZones()));
    std::fclose(f);
    EXPECT_EQ(in.records[19], t.records[19]);
}

}  // namespace
}  // namespace vx
