#include "trip/summary_store.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SummaryStore, RoundTripAtTheDocumentedOffsets) {
    SummaryStore s;
    s.highest = 42;
    s.summaries[7].distance_km = 55.5f;
    s.zone_times[7].seconds[3] = 600;
    s.zone_times[7].marker = kSummaryRecordMarker;
    s.distributions[999].peak_60 = 321;
    s.distributions[999].marker = kSummaryRecordMarker;
    auto bytes = EncodeSummaryStore(s);
    ASSERT_EQ(bytes.size(), 1180008u);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data()), 42u);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 4), 3021u);
    EXPECT_EQ(std::bit_cast<float>(ByteReader::LoadU32(bytes.data() + 8 + 7 * 108 + 8)), 55.5f);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 108008 + 7 * 80 + 76), 3021u);
    EXPECT_EQ(ByteReader::LoadU32(bytes.data() + 188008 + 999 * 992 + 12), 321u);

    SummaryStore in;
    ASSERT_TRUE(DecodeSummaryStore(bytes, in, nullptr));
    EXPECT_EQ(in.highest, 42);
    EXPECT_TRUE(in.valid(7));
    EXPECT_FALSE(in.valid(8));
    EXPECT_EQ(in.summaries[7], s.summaries[7]);
    EXPECT_EQ(in.distributions[999], s.distributions[999]);
}

TEST(SummaryStore, NothingOfAnotherStoreSurvives) {
    SummaryStore s;
    s.zone_times[5].marker = kSummaryRecordMarker;
    s.summaries[5].distance_km = 10;
    auto bytes = EncodeSummaryStore(s);

    SummaryStore in;  // holds another rider's figures
    in.zone_times[5].marker = kSummaryRecordMarker;
    in.zone_times[9].marker = kSummaryRecordMarker;
    in.summaries[9].distance_km = 99;
    std::string message;

    bytes[4] = 0x20;  // version 3008
    EXPECT_FALSE(DecodeSummaryStore(bytes, in, &message));
    EXPECT_FALSE(message.empty());
    for (int n : {5, 9}) EXPECT_FALSE(in.valid(n));
    EXPECT_EQ(in.summaries[9].distance_km, 0);

    bytes[4] = 0xCD;  // 3021 again, but cut inside the ZoneTimes table
    bytes.resize(108008 + 6 * 80);
    EXPECT_TRUE(DecodeSummaryStore(bytes, in, &message));
    EXPECT_TRUE(in.valid(5));
    EXPECT_EQ(in.summaries[5].distance_km, 10);
    EXPECT_FALSE(in.valid(6));

    EXPECT_FALSE(DecodeSummaryStore(std::vector<std::uint8_t>{1, 2, 3}, in, &message));
}

}  // namespace
}  // namespace vx
