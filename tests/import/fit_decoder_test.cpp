#include "import/fit_decoder.h"

#include <gtest/gtest.h>

#include <functional>

#include "import/fit_import.h"
#include "import/fit_records.h"
#include "support/temp_dir.h"
#include "tests/import/fit_writer.h"

namespace vx {
namespace {

using test::FitWriter;
using test::kFitStart;
using test::RecordFields;

std::vector<std::uint32_t> Timestamps(const FitActivity& a) {
    std::vector<std::uint32_t> t;
    for (const FitRecord& r : a.records) t.push_back(r.timestamp.value_or(0));
    return t;
}

struct Malformed {
    const char* name;
    std::function<std::vector<std::uint8_t>()> file;
    const char* message;
};

std::vector<std::uint8_t> WithRecords(std::function<void(FitWriter&)> more,
                                      std::uint8_t header = 14) {
    FitWriter w(header);
    w.define(1, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < 10; ++i) w.data(1, test::SteadyRecord(kFitStart + i, i));
    more(w);
    return w.finish();
}

TEST(FitDecoder, MalformedFilesAreRefusedAndLeaveTheTripAlone) {
    const std::vector<Malformed> cases = {
        {"too short",
         [] {
             return std::vector<std::uint8_t>{14, 0x20, 0, 0, 0};
         },
         "too short"},
        {"header length 13",
         [] {
             auto f = WithRecords([](FitWriter&) {});
             f[0] = 13;
             return f;
         },
         "header length 13 (12 or 14 expected)"},
        {"no signature",
         [] {
             auto f = WithRecords([](FitWriter&) {});
             f[9] = 'X';
             return f;
         },
         "no \".FIT\" signature"},
        {"truncated",
         [] {
             auto f = test::SteadyRide(100);
             f.resize(f.size() - 9);
             return f;
         },
         "truncated"},
        {"undefined local type",
         [] { return WithRecords([](FitWriter& w) {
                  w.data(3, {1, 2, 3});
              }); },
         "local message type 3 has no definition"},
        {"compressed timestamp first",
         [] {
             FitWriter w;
             w.define(0, kFitRecordMessage, {{3, 1, test::kFitUint8}});
             w.compressed(0, 5, {120});
             return w.finish();
         },
         "before any full timestamp"},
        {"unknown architecture",
         [] { return WithRecords([](FitWriter& w) {
                  w.raw({0x42, 0, 2, 20, 0, 0});
              }); },
         "unknown architecture 2"},
        {"message past the data size",
         [] {
             auto f = test::SteadyRide(20);
             f[4] = static_cast<std::uint8_t>(f[4] - 3);  // data size 3 bytes short
             return f;
         },
         "runs past the end of the data"},
        {"definition cut off",
         [] { return WithRecords([](FitWriter& w) {
                  w.raw({0x42, 0, 0, 20});
              }); },
         "runs past the end of the data"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.name);
        Trip trip;
        trip.count = 42;
        trip.records[1].power_w = 7;
        const FitImport r = ImportFit(c.file(), "RIDER", trip);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_EQ(trip.count, 42);
        EXPECT_EQ(trip.records[1].power_w, 7);
    }
}

TEST(FitDecoder, TwelveAndFourteenByteHeadersAreSkippedWhole) {
    for (std::uint8_t header : {12, 14}) {
        SCOPED_TRACE(int(header));
        const FitActivityRead read = ReadFitActivity(WithRecords([](FitWriter&) {}, header));
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_TRUE(read.warnings.empty());
        ASSERT_EQ(read.activity.records.size(), 10u);
        EXPECT_EQ(read.activity.records[3].get(FitValue::Power), 203);
    }
}

TEST(FitDecoder, BigEndianDefinitionsAreByteSwapped) {
    FitWriter w;
    w.define(2, kFitRecordMessage, RecordFields(), /*big_endian=*/true);
    w.data(2, {kFitStart, 3000, 150, 90, 123456, 10000, 250, 0xFF});
    const FitActivityRead read = ReadFitActivity(w.finish());
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.activity.records.size(), 1u);
    const FitRecord& r = read.activity.records[0];
    EXPECT_EQ(r.timestamp, kFitStart);
    EXPECT_EQ(r.get(FitValue::Altitude), 3000);
    EXPECT_EQ(r.get(FitValue::Distance), 123456);
    EXPECT_EQ(r.get(FitValue::Speed), 10000);
    EXPECT_EQ(r.get(FitValue::Power), 250);
    EXPECT_EQ(r.get(FitValue::Temperature), -1);
}

TEST(FitDecoder, DeveloperFieldsAreSkippedBySize) {
    FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields(), false, {2, 4, 1});
    w.data(0, test::SteadyRecord(kFitStart, 0));
    w.data(0, test::SteadyRecord(kFitStart + 1, 1));
    const FitActivityRead read = ReadFitActivity(w.finish());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(Timestamps(read.activity), (std::vector<std::uint32_t>{kFitStart, kFitStart + 1}));
    EXPECT_EQ(read.activity.records[1].get(FitValue::Power), 201);
}

TEST(FitDecoder, CompressedTimestampsRollOverAgainstTheLastFullOne) {
    FitWriter w;
    const std::uint32_t t = (kFitStart & ~0x1Fu) + 30;  // offset 30 in its 32-second frame
    w.define(0, kFitRecordMessage, {{253, 4, test::kFitUint32}, {3, 1, test::kFitUint8}});
    w.define(1, kFitRecordMessage, {{3, 1, test::kFitUint8}});
    w.data(0, {t, 100});
    w.compressed(1, 31, {101});  // t + 1
    w.compressed(1, 1, {102});   // rolls over: t + 3
    w.compressed(1, 5, {103});   // t + 7
    w.data(0, {t + 40, 104});    // a full timestamp resets the reference
    w.compressed(1, (t + 41) & 0x1F, {105});
    const FitActivityRead read = ReadFitActivity(w.finish());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(Timestamps(read.activity),
              (std::vector<std::uint32_t>{t, t + 1, t + 3, t + 7, t + 40, t + 41}));
}

TEST(FitDecoder, MessagesAreDispatchedOnTheirFullGlobalNumber) {
    FitWriter w;
    // Low bytes 0, 19 and 20, but other messages: none of them may count.
    w.define(0, 0x100, {{4, 4, test::kFitUint32}});
    w.data(0, {kFitStart - 100});
    w.define(1, 0x113, {{253, 4, test::kFitUint32}});
    w.data(1, {kFitStart});
    w.define(2, 0x114, RecordFields());
    w.data(2, test::SteadyRecord(kFitStart, 0));
    // The real ones in local types the fixed layout of one device would not look at.
    w.define(9, kFitFileIdMessage, {{4, 4, test::kFitUint32}});
    w.data(9, {kFitStart - 5});
    w.define(14, kFitLapMessage, {{253, 4, test::kFitUint32}});
    w.define(2, kFitRecordMessage, RecordFields());
    w.data(2, test::SteadyRecord(kFitStart + 1, 1));
    w.data(14, {kFitStart + 1});
    w.data(2, test::SteadyRecord(kFitStart + 2, 2));
    const FitActivityRead read = ReadFitActivity(w.finish());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.activity.time_created, kFitStart - 5);
    EXPECT_EQ(read.activity.laps, 1);
    EXPECT_EQ(Timestamps(read.activity),
              (std::vector<std::uint32_t>{kFitStart + 1, kFitStart + 2}));
    EXPECT_EQ(read.activity.records[0].lap, 0);
    EXPECT_EQ(read.activity.records[1].lap, 1);
}

TEST(FitDecoder, InvalidValuesOfEveryBaseTypeAreAbsent) {
    struct Case {
        std::uint8_t base_type;
        std::vector<std::uint8_t> bytes;
        std::optional<std::int64_t> value;
    };
    const std::vector<Case> cases = {
        {test::kFitEnum, {0xFF}, std::nullopt},
        {test::kFitEnum, {0x04}, 4},
        {test::kFitSint8, {0x7F}, std::nullopt},
        {test::kFitSint8, {0xFF}, -1},
        {test::kFitUint8, {0xFF}, std::nullopt},
        {test::kFitUint8, {0xFE}, 254},
        {test::kFitSint16, {0xFF, 0x7F}, std::nullopt},
        {test::kFitSint16, {0x00, 0x80}, -32768},
        {test::kFitUint16, {0xFF, 0xFF}, std::nullopt},
        {test::kFitUint16, {0xC4, 0x09}, 2500},
        {test::kFitSint32, {0xFF, 0xFF, 0xFF, 0x7F}, std::nullopt},
        {test::kFitUint32, {0xFF, 0xFF, 0xFF, 0xFF}, std::nullopt},
        {test::kFitUint32, {0xFE, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFE},
        {test::kFitUint8z, {0x00}, std::nullopt},
        {test::kFitUint16z, {0x00, 0x00}, std::nullopt},
        {test::kFitUint32z, {0, 0, 0, 0}, std::nullopt},
        {test::kFitUint32z, {1, 0, 0, 0}, 1},
        {test::kFitByte, {0xFF}, std::nullopt},
        {test::kFitFloat32, {0, 0, 0x80, 0x3F}, std::nullopt},  // not an integer
        {test::kFitString, {'A'}, std::nullopt},
        {test::kFitUint16, {0x10}, std::nullopt},  // shorter than its type
        {0x1F, {0x01}, std::nullopt},              // unknown base type
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "base type " << int(c.base_type) << " value " << c.value.value_or(-999));
        FitFieldDef f;
        f.size = static_cast<std::uint8_t>(c.bytes.size());
        f.base_type = c.base_type;
        EXPECT_EQ(FitFieldInteger(c.bytes, f, false), c.value);
    }
}

TEST(FitDecoder, CrcMatchesTheBitwiseDefinitionAtEveryLength) {
    auto bitwise = [](std::span<const std::uint8_t> bytes) {
        std::uint16_t crc = 0;
        for (std::uint8_t b : bytes) {
            crc ^= b;
            for (int bit = 0; bit < 8; ++bit)
                crc = static_cast<std::uint16_t>((crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1);
        }
        return crc;
    };
    std::vector<std::uint8_t> bytes(100);
    std::uint32_t seed = 12345;
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
    for (std::size_t n = 0; n <= bytes.size(); ++n)
        EXPECT_EQ(FitCrc(std::span(bytes).first(n)), bitwise(std::span(bytes).first(n))) << n;
    // The header CRC of a file written by the Garmin SDK.
    const std::vector<std::uint8_t> file = test::ReadBytes(test::FitFixture("plain_activity.fit"));
    EXPECT_EQ(FitCrc(std::span(file).first(12)), file[12] | (file[13] << 8));
}

TEST(FitDecoder, BadCrcsAreWarningsAndTheDataAreStillRead) {
    auto file = test::SteadyRide(100);
    file[file.size() - 4] ^= 0x01;  // a data byte of the last record
    file[12] ^= 0x01;               // the header CRC
    Trip trip;
    const FitImport r = ImportFit(file, "RIDER", trip);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_NE(r.warnings[0].find("header CRC"), std::string::npos);
    EXPECT_NE(r.warnings[1].find("file CRC"), std::string::npos);
    EXPECT_EQ(r.count, 100);
}

TEST(FitDecoder, ReadingStopsAtTheHeaderDataSize) {
    auto file = test::SteadyRide(70);
    const auto chained = test::SteadyRide(200);  // a second file behind the first
    file.insert(file.end(), chained.begin(), chained.end());
    const FitActivityRead read = ReadFitActivity(file);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(read.activity.records.size(), 70u);
}

TEST(FitDecoder, TheFileCrcMayBeMissing) {
    test::FitWriter w;
    w.define(0, kFitRecordMessage, RecordFields());
    w.data(0, test::SteadyRecord(kFitStart, 0));
    const FitActivityRead read = ReadFitActivity(w.finish(/*with_crc=*/false));
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_NE(read.warnings[0].find("no CRC"), std::string::npos);
}

}  // namespace
}  // namespace vx
