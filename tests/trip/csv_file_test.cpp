#include "trip/csv_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vx {
namespace {

void ThreeSamples(Trip& t) {
    t.resetForImport();
    t.count = 4;
    auto sample = [](int time, float km, float w, float rpm, float kmh, float bpm, float alt,
                     float temp, int interval, int pause) {
        TripRecord r;
        r.time_s = time;
        r.distance_km = km;
        r.power_w = w;
        r.cadence_rpm = rpm;
        r.speed_kmh = kmh;
        r.heart_rate_bpm = bpm;
        r.altitude_m = alt;
        r.temperature_c = temp;
        r.interval_no = static_cast<std::uint8_t>(interval);
        r.pause_s = pause;
        return r;
    };
    t.records[1] = sample(60, 12.5f, 250, 90, 30.25f, 140, 312.45f, 21.5f, 1, 0);
    t.records[2] = sample(120, 13.0f, 0, 0, 0, 0, 310, -2.0f, 2, 30);
    t.records[3] = sample(180, 13.5f, 1234.5f, 101, 45.5f, 181, 1.05f, 0, 0, 0);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        out.push_back(text.substr(start, p - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return out;
}

TEST(CsvFile, PlainExportLines) {
    Trip t;
    ThreeSamples(t);
    auto lines = Lines(FormatCsv(t, CsvLayout::Plain));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "ZEIT,STRECKE,POWER,RPM,SPEED,PULS,H\xD6HE,TEMP,INTERVAL,PAUSE");
    EXPECT_EQ(lines[1], "L_SEC,KM,WATT,RPM,KM/H,BPM,METER,\xB0" "C,NUM,SEC");
    EXPECT_EQ(lines[2], "    60,  12,500,  250,  90, 30,2, 140, 312,5, 21,5,  1,     0");
    EXPECT_EQ(lines[3], "   120,  13,000,    0,   0,  0,0,   0, 310,0, -2,0,  2,    30");
}

TEST(CsvFile, WkoMinutesCountPausesFromTheNextRecord) {
    Trip t;
    ThreeSamples(t);
    auto lines = Lines(FormatCsv(t, CsvLayout::Wko));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], " Minutes, Torq (N-m), Km/h, Watts, Km, Cadence, Hrate,ID ");
    EXPECT_EQ(lines[1], "   1.000,   ,  30.2,  250,  12.500,  90, 140,    ");
    EXPECT_EQ(lines[2].substr(0, 8), "   2.000");
    EXPECT_EQ(lines[3].substr(0, 8), "   3.500");
}

TEST(CsvFile, ExportWritesBesideTheTrip) {
    test::TempDir dir;
    Trip t;
    ThreeSamples(t);
    ASSERT_TRUE(ExportCsv(t, dir.file("20140316_0930150_A"), CsvLayout::Plain));
    ASSERT_TRUE(ExportCsv(t, dir.file("20140316_0930150_A"), CsvLayout::Wko));
    EXPECT_EQ(test::ReadBytes(dir.file("20140316_0930150_A.CSV")).size(),
              FormatCsv(t, CsvLayout::Plain).size());
    EXPECT_FALSE(test::ReadBytes(dir.file("20140316_0930150_A_WKO.CSV")).empty());
    std::string error;
    EXPECT_FALSE(ExportCsv(t, dir.file("no/such/folder/x"), CsvLayout::Plain, &error));
    EXPECT_FALSE(error.empty());
}

TEST(CsvFile, BothDialectsGiveTheSameTrip) {
    const std::string comma =
        "time,dist\n1,0.010,200,90,36.0,140,300.5,20.5,1,0\n2,0.020,210,91,36.5,141,301.0,20.0,1,0\r\n"
        "3,0.030,220,92,37.0,142,301.5,19.5,0,5\r4,0.040,230,93,37.5,143,302.0,19.0,0,0\n"
        "5,0.050,240,94,38.0,144,302.5,18.5,0,0";
    const std::string semicolon =
        "time;dist\r\n1;0,010;200;90;36,0;140;300,5;20,5;1;0\r\n2;0,020;210;91;36,5;141;301,0;20,0;1;0\r\n"
        "3;0,030;220;92;37,0;142;301,5;19,5;0;5\r\n4;0,040;230;93;37,5;143;302,0;19,0;0;0\r\n"
        "5;0,050;240;94;38,0;144;302,5;18,5;0;0\r\n";
    Trip a, b;
    ASSERT_TRUE(ParseCsvSamples(comma, CsvDialect::Comma, a).ok);
    ASSERT_TRUE(ParseCsvSamples(semicolon, CsvDialect::Semicolon, b).ok);
    ASSERT_EQ(a.count, 6);
    ASSERT_EQ(b.count, 6);
    for (int i = 1; i < 6; ++i) EXPECT_EQ(a.records[i], b.records[i]) << i;
    EXPECT_FLOAT_EQ(a.records[3].distance_km, 0.03f);
    EXPECT_FLOAT_EQ(a.records[3].altitude_m, 301.5f);
    EXPECT_EQ(a.records[3].pause_s, 5);
    EXPECT_EQ(a.records[1].interval_no, 1);
    EXPECT_EQ(a.sample_interval_s, 1);
}

TEST(CsvFile, MissingFieldsAreZeroAndNothingOfThePreviousTripStays) {
    Trip t;
    ThreeSamples(t);
    t.note_present = true;
    t.header().flags() = 0x20;
    auto r = ParseCsvSamples("1,0.1\n2,0.2,100\n3\n4,0.4\n5\n", CsvDialect::Comma, t);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.message.empty());  // few samples: warned
    EXPECT_EQ(t.records[1].power_w, 0);
    EXPECT_EQ(t.records[1].cadence_rpm, 0);
    EXPECT_EQ(t.records[2].power_w, 100);
    EXPECT_EQ(t.records[3].distance_km, 0);
    EXPECT_EQ(t.records[6], TripRecord{});
    EXPECT_FALSE(t.note_present);
    EXPECT_EQ(t.header().flags(), 0);
}

TEST(CsvFile, TooFewSamplesReadNothing) {
    for (const char* text : {"", "header only\n", "1,2\n2,3\n3,4\n4,5\n", "0,1\n-5,2\n x\n"}) {
        Trip t;
        ThreeSamples(t);
        CsvRead r = ParseCsvSamples(text, CsvDialect::Comma, t);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_FALSE(r.message.empty());
        EXPECT_EQ(t.count, 0);
    }
}

TEST(CsvFile, LongFilesAreCut) {
    std::string text;
    text.reserve(200000 * 4);
    for (int i = 1; i <= kMaxCsvSamples + 2; ++i) text += "1\n";
    Trip t;
    CsvRead r = ParseCsvSamples(text, CsvDialect::Comma, t);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.cut);
    EXPECT_EQ(t.count, kMaxCsvSamples + 1);
    EXPECT_EQ(t.sample_interval_s, 1);
}

TEST(CsvFile, BaseNames) {
    EXPECT_EQ(CsvBaseName("20140316_093015.CSV"), "20140316_0930150_c");
    EXPECT_EQ(CsvBaseName("20140316_093015_X.csv"), "20140316_0930150_X_c");
    EXPECT_EQ(CsvBaseName("ride.csv"), std::nullopt);
    EXPECT_EQ(CheckedTripBaseName("20140316_093015_X"), "20140316_0930150_X");
    EXPECT_EQ(CheckedTripBaseName("20140316_0930150_X"), "20140316_0930150_X");
    EXPECT_EQ(CheckedTripBaseName("2014031_0930150_X"), std::nullopt);
    EXPECT_EQ(CheckedTripBaseName("20140316-093015_X"), std::nullopt);
    EXPECT_EQ(CheckedTripBaseName("ABC"), std::nullopt);
}

}  // namespace
}  // namespace vx
