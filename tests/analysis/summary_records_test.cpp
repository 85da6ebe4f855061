#include <gtest/gtest.h>

#include <bit>

#include "analysis/summary_records.h"

namespace vx {
namespace {

std::int32_t IntAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    return static_cast<std::int32_t>(ByteReader::LoadU32(b.data() + off));
}
float FloatAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    return std::bit_cast<float>(ByteReader::LoadU32(b.data() + off));
}

TEST(SummaryRecords, TripSummaryLayout) {
    TripSummary s;
    s.total_time_s = 3600;
    s.climb_time_s = 600;
    s.distance_km = 30.5f;
    s.min_altitude_m = 20000;
    s.avg_power_w = 180;
    s.np_w = 210;
    s.intensity_factor = 0.84f;
    s.tss = 70.6f;
    s.avg_temperature_c = -3.5f;
    s.power_time_s = 3500;
    s.weight_kg = 72.5f;
    const std::vector<std::uint8_t> b = EncodeTripSummary(s);
    ASSERT_EQ(b.size(), kTripSummarySize);
    EXPECT_EQ(IntAt(b, 0), 3600);
    EXPECT_EQ(IntAt(b, 4), 600);
    EXPECT_EQ(FloatAt(b, 8), 30.5f);
    EXPECT_EQ(FloatAt(b, 20), 20000.0f);
    EXPECT_EQ(FloatAt(b, 28), 180.0f);
    EXPECT_EQ(FloatAt(b, 44), 210.0f);
    EXPECT_EQ(FloatAt(b, 48), 0.84f);
    EXPECT_EQ(FloatAt(b, 52), 70.6f);
    EXPECT_EQ(FloatAt(b, 84), -3.5f);
    EXPECT_EQ(IntAt(b, 88), 3500);
    EXPECT_EQ(FloatAt(b, 92), 72.5f);
    for (std::size_t i = 96; i < 108; ++i) EXPECT_EQ(b[i], 0);
    TripSummary back;
    ASSERT_TRUE(DecodeTripSummary(b, back));
    EXPECT_EQ(back, s);
}

TEST(SummaryRecords, ZoneTimesLayout) {
    ZoneTimes z;
    for (int i = 0; i < 10; ++i) z.seconds[i] = 100 + i;
    z.mode = kZoneModeHeartRateRun;
    z.sample_interval_s = 5;
    z.count = 1234;
    z.marker = kSummaryRecordMarker;
    const std::vector<std::uint8_t> b = EncodeZoneTimes(z);
    ASSERT_EQ(b.size(), kZoneTimesSize);
    EXPECT_EQ(IntAt(b, 0), 100);
    EXPECT_EQ(IntAt(b, 36), 109);
    for (std::size_t i = 40; i < 64; ++i) EXPECT_EQ(b[i], 0);
    EXPECT_EQ(IntAt(b, 64), 2);
    EXPECT_EQ(IntAt(b, 68), 5);
    EXPECT_EQ(IntAt(b, 72), 1234);
    EXPECT_EQ(IntAt(b, 76), 3021);
    ZoneTimes back;
    ASSERT_TRUE(DecodeZoneTimes(b, back));
    EXPECT_EQ(back, z);
    EXPECT_TRUE(back.valid());
}

TEST(SummaryRecords, TripDistributionLayout) {
    TripDistribution d;
    d.marker = kSummaryRecordMarker;
    d.duration_s = 7200;
    d.peak_5 = 900;
    d.peak_60 = 500;
    d.peak_300 = 350;
    d.peak_1200 = 280;
    d.hr_histogram_s[0] = 11;
    d.hr_histogram_s[39] = 12;
    d.cadence_histogram_s[0] = 21;
    d.speed_histogram_s[0] = 31;
    d.power_histogram_s[0] = 41;
    d.power_histogram_s[50] = 42;
    d.zone_bounds = {5555, 137, 187, 225, 262, 300, 375, 0, 0, 0};
    const std::vector<std::uint8_t> b = EncodeTripDistribution(d);
    ASSERT_EQ(b.size(), kTripDistributionSize);
    EXPECT_EQ(IntAt(b, 0), 3021);
    EXPECT_EQ(IntAt(b, 4), 7200);
    EXPECT_EQ(IntAt(b, 8), 900);
    EXPECT_EQ(IntAt(b, 12), 500);
    EXPECT_EQ(IntAt(b, 16), 350);
    EXPECT_EQ(IntAt(b, 20), 280);
    EXPECT_EQ(IntAt(b, 32), 11);
    EXPECT_EQ(IntAt(b, 32 + 39 * 4), 12);
    EXPECT_EQ(IntAt(b, 192), 21);
    EXPECT_EQ(IntAt(b, 352), 31);
    EXPECT_EQ(IntAt(b, 512), 41);
    EXPECT_EQ(IntAt(b, 512 + 50 * 4), 42);
    EXPECT_EQ(IntAt(b, 752), 5555);
    EXPECT_EQ(IntAt(b, 756), 137);
    EXPECT_EQ(IntAt(b, 776), 375);
    for (std::size_t i = 792; i < 992; ++i) EXPECT_EQ(b[i], 0);
    TripDistribution back;
    ASSERT_TRUE(DecodeTripDistribution(b, back));
    EXPECT_EQ(back, d);
}

TEST(SummaryRecords, ShortBuffersAreRefusedAndAppendWrites) {
    TripSummary s;
    s.tss = 5;
    std::vector<std::uint8_t> b = EncodeTripSummary(TripSummary{});
    b.pop_back();
    EXPECT_FALSE(DecodeTripSummary(b, s));
    EXPECT_EQ(s.tss, 5);
    ZoneTimes z;
    z.count = 9;
    EXPECT_FALSE(DecodeZoneTimes(std::vector<std::uint8_t>(79), z));
    EXPECT_EQ(z.count, 9);
    TripDistribution d;
    d.peak_5 = 9;
    EXPECT_FALSE(DecodeTripDistribution(std::vector<std::uint8_t>(991), d));
    EXPECT_EQ(d.peak_5, 9);

    // Records written one after another, as a store of many trips does.
    std::vector<std::uint8_t> all;
    ByteWriter w(all);
    s.total_time_s = 1;
    EncodeTripSummary(s, w);
    s.total_time_s = 2;
    EncodeTripSummary(s, w);
    ASSERT_EQ(all.size(), 2 * kTripSummarySize);
    ASSERT_TRUE(DecodeTripSummary(std::span(all).subspan(kTripSummarySize), s));
    EXPECT_EQ(s.total_time_s, 2);
}

}  // namespace
}  // namespace vx
