#include "import/tcx_import.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>

#include "tests/import/import_fixtures.h"

namespace vx {
namespace {

using test::FixtureText;

const UtcOffsetFn kSummer = [](std::int64_t) { return 7200; };

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::unique_ptr<Trip> EarlierTrip() {
    auto trip = std::make_unique<Trip>();
    for (std::int32_t i = 1; i <= 400; ++i)
        trip->records[i] = {.time_s = i,
                            .distance_km = 5,
                            .power_w = 1,
                            .altitude_m = 999,
                            .temperature_c = 30,
                            .pause_s = 4,
                            .interval_no = 2};
    trip->count = 400;
    trip->note_present = true;
    return trip;
}

// One trackpoint of a generated file, `at` seconds after 2014-07-05 10:00:00 UTC.
struct Tp {
    double at = 0;
    std::optional<double> distance_m{}, heart_rate{}, cadence{}, watts{}, altitude_m{};
};

std::string TimeText(double at) {
    const double whole = std::floor(at);
    const CivilTime t = CivilFromUnixSeconds(1404554400 + static_cast<std::int64_t>(whole));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04i-%02i-%02iT%02i:%02i:%02i", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    std::string s = buf;
    if (at != whole) {
        std::snprintf(buf, sizeof buf, ".%03i", static_cast<int>(std::lround((at - whole) * 1000)));
        s += buf;
    }
    return s + "Z";
}

std::string TcxText(const std::vector<Tp>& points, const std::string& prefix = "ns3:") {
    std::ostringstream o;
    o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TrainingCenterDatabase "
         "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\" "
         "xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\"><Activities>"
         "<Activity Sport=\"Biking\"><Id>2014-07-05T10:00:00Z</Id>"
         "<Lap StartTime=\"2014-07-05T10:00:00Z\"><Track>\n";
    for (const Tp& p : points) {
        o << "<Trackpoint><Time>" << TimeText(p.at) << "</Time><Position><LatitudeDegrees>"
          << 48 + p.at * 1e-4 << "</LatitudeDegrees><LongitudeDegrees>11.5</LongitudeDegrees>"
          << "</Position>";
        if (p.altitude_m) o << "<AltitudeMeters>" << *p.altitude_m << "</AltitudeMeters>";
        if (p.distance_m) o << "<DistanceMeters>" << *p.distance_m << "</DistanceMeters>";
        if (p.heart_rate)
            o << "<HeartRateBpm><Value>" << *p.heart_rate << "</Value></HeartRateBpm>";
        if (p.cadence) o << "<Cadence>" << *p.cadence << "</Cadence>";
        if (p.watts)
            o << "<Extensions><" << prefix << "TPX><" << prefix << "Watts>" << *p.watts << "</"
              << prefix << "Watts></" << prefix << "TPX></Extensions>";
        o << "</Trackpoint>\n";
    }
    o << "</Track></Lap></Activity></Activities></TrainingCenterDatabase>\n";
    return o.str();
}

// A ride of n seconds at 8 m/s, with values that change from point to point.
std::vector<Tp> Ride(int n, double speed_m_s = 8) {
    std::vector<Tp> v;
    for (int i = 0; i < n; ++i)
        v.push_back({double(i), i * speed_m_s, 120.0 + i % 40, 80.0 + i % 15, 150.0 + i % 90,
                     300 + 0.2 * (i % 50)});
    return v;
}

TEST(TcxImport, TheFixtureIsPlacedAndInterpolatedPerSecond) {
    for (const char* name : {"tcx/ride_ns3.tcx", "tcx/ride_tpx_default_ns.tcx"}) {
        SCOPED_TRACE(name);
        auto trip = EarlierTrip();
        const std::string text = FixtureText(name);
        const TcxImport r = ImportTcx(Bytes(text), "ANNA", *trip, kSummer);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_EQ(r.base_name, "20140705_113015__ANNA");  // 09:30:15Z at UTC+2
        EXPECT_EQ(TripTitle(r.start, false), "Trip  05.07.2014 - 11:30:15");
        EXPECT_EQ(r.trackpoints, 14);
        EXPECT_EQ(r.anchors, 13);
        EXPECT_EQ(trip->count, 20);
        EXPECT_EQ(trip->sample_interval_s, 1);
        const auto& rec = trip->records;
        // 0 m and 25 m five seconds apart: 5 m per second, 18 km/h.
        for (int i = 2; i <= 5; ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(rec[i].distance_km, 0.005 * (i - 1), 1e-6);
            EXPECT_NEAR(rec[i].speed_kmh, 18, 1e-3);
            EXPECT_EQ(rec[i].time_s, i);
            EXPECT_NEAR(rec[i].power_w, 200 + 10 * (i - 1), 1e-3);
            EXPECT_NEAR(rec[i].altitude_m, 500 + (i - 1), 1e-3);
        }
        // 1 m in 4 s is standing: the distance stays at 25 m; the heart rate of the
        // trackpoint without distance is replaced by the interpolated one.
        for (int i = 7; i <= 10; ++i) EXPECT_NEAR(rec[i].distance_km, 0.025, 1e-6) << i;
        EXPECT_NEAR(rec[8].heart_rate_bpm, 135, 1e-3);
        EXPECT_NEAR(rec[11].distance_km, 0.033, 1e-6);
        EXPECT_NEAR(rec[15].speed_kmh, 28.8, 1e-3);
        EXPECT_EQ(rec[12].power_w, 271);
        EXPECT_EQ(rec[12].cadence_rpm, 90);
        EXPECT_EQ(rec[1].time_s, 1);
        EXPECT_EQ(rec[1].distance_km, 0);
        EXPECT_EQ(rec[1].speed_kmh, 0);
        EXPECT_EQ(rec[1].heart_rate_bpm, 120);
        EXPECT_EQ(rec[20].time_s, 20);
        EXPECT_EQ(rec[21], TripRecord{});
        // Nothing of the earlier trip is left.
        EXPECT_EQ(rec[3].temperature_c, 0);
        EXPECT_EQ(rec[3].pause_s, 0);
        EXPECT_EQ(rec[3].interval_no, 0);
        EXPECT_EQ(rec[100], TripRecord{});
        EXPECT_FALSE(trip->note_present);
        EXPECT_TRUE(r.flags.has_power_data);
        EXPECT_TRUE(r.buttons().bike_power);
        EXPECT_FALSE(r.buttons().run);
    }
}

TEST(TcxImport, MidnightZonesDuplicatesAndBackwardTimes) {
    auto trip = EarlierTrip();
    const std::string text = FixtureText("tcx/midnight.tcx");
    const TcxImport r = ImportTcx(Bytes(text), "ANNA", *trip, kSummer);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20140706_015958__ANNA");
    EXPECT_EQ(trip->count, 10);
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(r.warnings[0], "1 trackpoint outside 1 .. 199999 s from the first one left out");
    EXPECT_EQ(r.warnings[1], "2 distances at a time not after the previous distance ignored");
    const auto& rec = trip->records;
    EXPECT_NEAR(rec[2].distance_km, 0.010, 1e-6);
    EXPECT_NEAR(rec[3].distance_km, 0.020, 1e-6);  // not the 999 m of the same second
    EXPECT_NEAR(rec[4].distance_km, 0.030, 1e-6);
    EXPECT_NEAR(rec[5].distance_km, 0.040, 1e-6);   // "+00:00"
    EXPECT_NEAR(rec[7].distance_km, 0.060, 1e-6);   // "+02:00"
    EXPECT_NEAR(rec[9].distance_km, 0.080, 1e-6);   // no zone: UTC
    EXPECT_NEAR(rec[10].distance_km, 0.090, 1e-6);  // "-05:00", the last record
    // The later trackpoints of the same records still set their heart rate.
    EXPECT_EQ(rec[3].heart_rate_bpm, 150);
    EXPECT_EQ(rec[2].heart_rate_bpm, 90);
    // No altitude in the file: none from the earlier trip either.
    for (int i = 1; i <= 400; ++i) {
        ASSERT_EQ(rec[i].altitude_m, 0) << i;
        ASSERT_EQ(rec[i].temperature_c, 0) << i;
    }
    EXPECT_FALSE(r.flags.has_motion_data);
    EXPECT_TRUE(r.buttons().run);
    EXPECT_FALSE(r.buttons().bike_power);
}

TEST(TcxImport, TheBaseNameTakesTheOffsetOfTheTripsOwnStart) {
    // Central European time: +1 h in winter, +2 h from 2014-03-30 01:00 UTC.
    const UtcOffsetFn central = [](std::int64_t t) { return t < 1396141200 ? 3600 : 7200; };
    std::vector<Tp> points = Ride(10);
    std::string text = TcxText(points);
    for (std::size_t at = text.find("2014-07-05"); at != std::string::npos;
         at = text.find("2014-07-05", at))
        text.replace(at, 10, "2014-01-15");
    Trip trip;
    const TcxImport r = ImportTcx(Bytes(text), "ANNA", trip, central);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20140115_110000__ANNA");
    EXPECT_EQ(r.start_unix, 1389780000);
}

TEST(TcxImport, TimesWithZonesAndFractions) {
    struct Case {
        const char* text;
        std::optional<double> unix_seconds;
    };
    const double base = 1404552615;  // 2014-07-05T09:30:15Z
    for (const Case& c : std::vector<Case>{{"2014-07-05T09:30:15Z", base},
                                           {" 2014-07-05T09:30:15 ", base},
                                           {"2014-07-05T11:30:15+02:00", base},
                                           {"2014-07-05T04:00:15-0530", base},
                                           {"2014-07-05T10:30:15+01", base},
                                           {"2014-07-05T09:30:15.250Z", base + 0.25},
                                           {"2014-07-05T09:30:15,5", base + 0.5},
                                           {"2012-02-29T00:00:00Z", 1330473600},
                                           {"2014-07-05 09:30:15Z", std::nullopt},
                                           {"2014-07-05T09:30", std::nullopt},
                                           {"2014-02-30T09:30:15Z", std::nullopt},
                                           {"2014-07-05T24:00:00Z", std::nullopt},
                                           {"2014-07-05T09:30:15.Z", std::nullopt},
                                           {"2014-07-05T09:30:15+2:00", std::nullopt},
                                           {"2014-07-05T09:30:15ZZ", std::nullopt},
                                           {"", std::nullopt}}) {
        SCOPED_TRACE(c.text);
        const std::optional<double> t = ParseTcxTime(c.text);
        ASSERT_EQ(t.has_value(), c.unix_seconds.has_value());
        if (t) {
            EXPECT_DOUBLE_EQ(*t, *c.unix_seconds);
        }
    }
}

TEST(TcxImport, RefusedFilesLeaveTheTripAsItWas) {
    std::vector<Tp> no_distance = Ride(100);
    for (Tp& p : no_distance) p.distance_m.reset();
    std::vector<Tp> no_time_span = Ride(4);
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"written by gpsbabel as a course", FixtureText("tcx/gpsbabel_course.tcx"),
         "no trackpoint carries a distance"},
        {"written by gpsbabel as an activity", FixtureText("tcx/gpsbabel_activity.tcx"),
         "no trackpoint carries a distance"},
        {"no distance", TcxText(no_distance), "no trackpoint carries a distance"},
        {"four seconds", TcxText(no_time_span), "span only 4 s"},
        {"not XML", "SRM7 and more", "not a TCX file: XML error"},
        {"empty", "", "not a TCX file"},
        {"no trackpoints", "<TrainingCenterDatabase/>", "no trackpoints"},
        {"no times", "<a><Trackpoint><DistanceMeters>5</DistanceMeters></Trackpoint></a>",
         "no trackpoint has a readable time"},
        {"cut in the first trackpoint", TcxText(Ride(10)).substr(0, 400),
         "no complete trackpoint before the XML error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto trip = EarlierTrip();
        const auto before = std::make_unique<Trip>(*trip);
        const TcxImport r = ImportTcx(Bytes(c.text), "ANNA", *trip, kSummer);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_FALSE(r.buttons().bike_heart_rate);
        EXPECT_EQ(trip->count, before->count);
        EXPECT_TRUE(trip->records == before->records);
    }
}

TEST(TcxImport, AFileCutInsideATrackpointKeepsTheOnesBefore) {
    const std::string text = TcxText(Ride(30));
    // Cut inside trackpoint 21 (index 20), then right after trackpoint 20's end.
    std::size_t at = 0;
    for (int i = 0; i < 21; ++i) at = text.find("<Trackpoint>", at + 1);
    const std::size_t end_of_20 = text.rfind("</Trackpoint>", at) + 13;
    struct Case {
        std::size_t keep;
        bool cut_inside;
    };
    for (const Case c : {Case{at + 60, true}, Case{end_of_20, false}}) {
        SCOPED_TRACE(c.keep);
        Trip trip;
        const TcxImport r = ImportTcx(Bytes(text.substr(0, c.keep)), "ANNA", trip, kSummer);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(trip.count, 20);
        ASSERT_FALSE(r.warnings.empty());
        EXPECT_EQ(r.warnings[0] == kTcxTrackpointCut, c.cut_inside);
        EXPECT_NE(r.warnings.back().find("the trackpoints before it are used"), std::string::npos);
    }
}

TEST(TcxImport, TrackpointsBeyondTheLongestTripAreCut) {
    std::vector<Tp> points = Ride(10);
    points.push_back({199998.0, 90000.0, 100.0});  // record 199999
    points.push_back({199999.0, 90001.0, 100.0});  // record 200000: cut
    points.push_back({250000.0, 90002.0, 100.0});
    Trip trip;
    const TcxImport r = ImportTcx(Bytes(TcxText(points)), "ANNA", trip, kSummer);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(trip.count, kMaxTripCount);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "2 trackpoints outside 1 .. 199999 s from the first one left out");
    EXPECT_EQ(trip.records[kMaxTripCount + 1], TripRecord{});
}

TEST(TcxImport, NumbersAreReadInTheCLocale) {
    std::vector<Tp> points = Ride(10);
    std::string text = TcxText(points);
    // A decimal comma is not a number: that value is left out.
    const std::size_t at = text.find("<AltitudeMeters>300.2</AltitudeMeters>");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 38, "<AltitudeMeters>300,2</AltitudeMeters>");
    // Nor is a value far beyond any measurement.
    const std::size_t hr = text.find("<Value>124</Value>");
    ASSERT_NE(hr, std::string::npos);
    text.replace(hr, 18, "<Value>1e300</Value>");
    Trip trip;
    const TcxImport r = ImportTcx(Bytes(text), "ANNA", trip, kSummer);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "2 trackpoints hold values that are not numbers (left out)");
    EXPECT_FLOAT_EQ(trip.records[3].altitude_m, 300.4f);
    EXPECT_EQ(trip.records[5].heart_rate_bpm, 0);
    EXPECT_FLOAT_EQ(trip.records[2].altitude_m, 0);
}

// The store buttons of the window.

TEST(TcxStore, ABikeTripLosesItsStopAndIsRenumbered) {
    std::vector<Tp> points;
    for (int i = 0; i < 100; ++i) points.push_back({double(i), i * 8.0, 130.0, 85.0});
    for (int i = 100; i < 130; ++i) points.push_back({double(i), 792.0, 110.0, 0.0});
    for (int i = 130; i < 230; ++i)
        points.push_back({double(i), 792 + (i - 129) * 8.0, 140.0, 85.0});
    auto trip = std::make_unique<Trip>();
    const TcxImport r = ImportTcx(Bytes(TcxText(points)), "ANNA", *trip, kSummer);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(trip->count, 230);
    EXPECT_FALSE(r.flags.has_power_data);
    bool modelled = false;
    const ImportStoreSteps steps{.model_power = [&](Trip& t) {
        modelled = true;
        for (std::int32_t i = 1; i < t.count; ++i) t.records[i].power_w = 175;
    }};
    const StorePrepared p = PrepareTcxStore(*trip, r, 0, steps);
    ASSERT_TRUE(p.ok) << p.message;
    EXPECT_TRUE(modelled);
    EXPECT_EQ(p.compaction, PauseResult::Compacted);
    // Standing from record 101 (its speed is the centred difference) to 130: five kept, the
    // rest dropped, the kept samples one second apart.
    EXPECT_LT(trip->count, 230 - 20);
    for (std::int32_t i = 1; i < trip->count; ++i) ASSERT_EQ(trip->records[i].time_s, i) << i;
    EXPECT_EQ(trip->records[50].power_w, 175);
}

TEST(TcxStore, TooShortTripsAreNotStoredAndKeepTheirData) {
    test::RiderFolder rider;
    std::vector<Tp> points = Ride(40);
    for (int i = 40; i < 100; ++i) points.push_back({double(i), 312.0, 100.0});
    auto trip = std::make_unique<Trip>();
    const TcxImport r = ImportTcx(Bytes(TcxText(points)), "ANNA", *trip, kSummer);
    ASSERT_TRUE(r.ok) << r.message;
    const auto before = std::make_unique<Trip>(*trip);
    const ImportStoreSteps steps{.model_power = [](Trip& t) {
        for (std::int32_t i = 1; i <= t.count; ++i) t.records[i].power_w = 999;
    }};
    for (int sport : {0, 1}) {
        SCOPED_TRACE(sport);
        const StoreResult s = StoreTcxTrip(rider.trips, rider.settings, *trip, r, sport, steps);
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.message, kNotEvaluable);
        EXPECT_EQ(trip->count, before->count);
        EXPECT_TRUE(trip->records == before->records);
    }
    // Stored as a run, without compaction: power and cadence cleared.
    EXPECT_FALSE(r.buttons().run);  // the ride has cadence and power
    std::vector<Tp> run = Ride(100);
    for (Tp& p : run) p.cadence.reset(), p.watts.reset();
    const TcxImport rr = ImportTcx(Bytes(TcxText(run)), "ANNA", *trip, kSummer);
    ASSERT_TRUE(rr.buttons().run);
    const StoreResult s = StoreTcxTrip(rider.trips, rider.settings, *trip, rr, 2, steps);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(s.base_name, "20140705_1200002_ANNA");
    EXPECT_EQ(trip->count, 100);
}

// gpsbabel reads the same files: the times, altitudes, heart rates and cadences of the
// trackpoints must be the ones at their records.
struct BabelPoint {
    double seconds;  // since the first row
    std::optional<double> altitude, heart_rate, cadence;
};

std::optional<std::vector<BabelPoint>> ReadWithGpsbabel(const std::string& path) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) return std::nullopt;
    const std::string command =
        "gpsbabel -t -i gtrnctr -f '" + path + "' -o unicsv -F - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    pclose(pipe);
    std::istringstream lines(out);
    std::string line;
    auto next_line = [&] {
        if (!std::getline(lines, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };
    next_line();
    std::vector<std::string> head;
    for (std::stringstream h(line); std::getline(h, line, ',');) head.push_back(line);
    auto column = [&](const char* name) {
        for (std::size_t i = 0; i < head.size(); ++i)
            if (head[i] == name) return static_cast<int>(i);
        return -1;
    };
    const int alt = column("Altitude"), hr = column("Heartrate"), cad = column("Cadence"),
              date = column("Date"), time = column("Time");
    if (date < 0 || time < 0) return std::vector<BabelPoint>{};
    std::vector<BabelPoint> points;
    std::optional<double> first;
    while (next_line()) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string x; std::getline(ss, x, ',');) f.push_back(x);
        f.resize(head.size());
        auto number = [&](int c) -> std::optional<double> {
            if (c < 0 || f[c].empty()) return std::nullopt;
            return std::stod(f[c]);
        };
        std::string stamp = f[date] + "T" + f[time] + "Z";
        for (char& ch : stamp)
            if (ch == '/') ch = '-';
        const std::optional<double> t = ParseTcxTime(stamp);
        if (!t) continue;
        if (!first) first = *t;
        points.push_back({*t - *first, number(alt), number(hr), number(cad)});
    }
    return points;
}

TEST(TcxImport, AgreesWithGpsbabel) {
    test::TempDir dir;
    std::vector<Tp> ride = Ride(300);
    for (int i = 100; i < 300; ++i) ride[i].at += 0.25 + (i > 200 ? 3 : 0);  // a gap of 3 s
    const std::string generated = dir.file("generated.tcx");
    const std::string text = TcxText(ride);
    test::WriteBytes(generated, std::vector<std::uint8_t>(text.begin(), text.end()));
    for (const std::string& path :
         {test::ImportFixture("tcx/ride_ns3.tcx"),
          test::ImportFixture("tcx/ride_tpx_default_ns.tcx"), generated}) {
        SCOPED_TRACE(path);
        const auto babel = ReadWithGpsbabel(path);
        if (!babel) {
            GTEST_SKIP() << "gpsbabel is not installed";
        }
        Trip trip;
        const TcxImport r = ImportTcxPath(path, "ANNA", trip, kSummer);
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_EQ(static_cast<std::int32_t>(babel->size()), r.trackpoints);
        int compared = 0;
        for (const BabelPoint& p : *babel) {
            // Trackpoints without a distance are replaced by the interpolation.
            if (!p.altitude) continue;
            const std::int32_t s = static_cast<std::int32_t>(std::lround(p.seconds)) + 1;
            SCOPED_TRACE(testing::Message() << "record " << s);
            ASSERT_LE(s, trip.count);
            const TripRecord& rec = trip.records[s];
            EXPECT_NEAR(rec.altitude_m, *p.altitude, 0.01);
            if (p.heart_rate) {
                EXPECT_EQ(rec.heart_rate_bpm, *p.heart_rate);
            }
            if (p.cadence) {
                EXPECT_EQ(rec.cadence_rpm, *p.cadence);
            }
            ++compared;
        }
        EXPECT_GE(compared, 13);
    }
}

}  // namespace
}  // namespace vx
