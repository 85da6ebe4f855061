// Storing an imported FIT trip with the program's own steps: power model, altitude re-fit and
// smoothing, standstill removal and StoreNewTrip.
#include "import/fit_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "analysis/power_model.h"
#include "support/temp_dir.h"
#include "tests/import/fit_writer.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::FitWriter;
using test::kFitStart;

const UtcOffsetFn kWinter = [](std::int64_t) { return 3600; };

struct Ride {
    std::uint32_t seconds = 300;
    std::uint32_t start = kFitStart;  // time_created; the first record one second later
    bool power = true;
    bool cadence = true;
    bool indoor = false;  // no distance
    bool flat = false;    // 100 m throughout
    // Altitude in whole metres that steps up by 1 m every 20 s, as a coarse barometer does.
    bool stepped_altitude = false;
    // Seconds standstill_from .. standstill_from + standstill_s - 1 stand at one distance.
    std::uint32_t standstill_from = 0, standstill_s = 0;
};

std::vector<std::uint8_t> RideFile(const Ride& ride) {
    FitWriter w;
    w.define(0, kFitFileIdMessage, {{4, 4, test::kFitUint32}});
    w.data(0, {ride.start});
    w.define(1, kFitRecordMessage, test::RecordFields());
    for (std::uint32_t i = 0; i < ride.seconds; ++i) {
        std::vector<std::uint64_t> v = test::SteadyRecord(ride.start + 1 + i, i);
        if (!ride.power) v[6] = 0xFFFF;
        if (!ride.cadence) v[3] = 0xFF;
        if (ride.indoor) v[4] = 0;
        if (ride.flat) v[1] = 3000;
        if (ride.standstill_s && i >= ride.standstill_from) {
            const std::uint32_t end = ride.standstill_from + ride.standstill_s;
            v[4] = (i < end ? ride.standstill_from - 1 : i - ride.standstill_s) * 1000;
            if (i < end) v[5] = 0;
        }
        if (ride.stepped_altitude) v[1] = 2500 + 5 * (300 + i / 20);
        w.data(1, v);
    }
    return w.finish();
}

struct Store {
    test::TempDir dir;
    Settings settings = DefaultSettings();
    RiderTrips trips;
    FitImport import;
    std::unique_ptr<Trip> trip = std::make_unique<Trip>();

    Store() {
        settings.riders[0].SetName("ANNA");
        settings.riders[0].weight_kg = 72;
        settings.rider_folder = "ANNA";
        trips.paths = BuildPaths(dir.path(), "ANNA", nullptr);
        LoadTripList(trips, false, nullptr);
    }

    void Import(const Ride& ride, const UtcOffsetFn& offset = kWinter) {
        import = ImportFit(RideFile(ride), "ANNA", *trip, offset);
        ASSERT_TRUE(import.ok) << import.message;
    }

    StoreResult Save(int sport_type, FitStoreOptions options = {}) {
        return StoreFitTrip(trips, settings, *trip, import, sport_type, options);
    }

    std::vector<std::string> Deos() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(trips.paths.rider_folder))
            if (e.path().extension() == ".DEO") out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    std::unique_ptr<Trip> Stored(const std::string& deo) const {
        auto t = std::make_unique<Trip>();
        const TripLoad load =
            ReadTripPath(trips.paths.rider_folder + "/" + deo, *t, settings.current_zones());
        EXPECT_TRUE(load) << load.reason;
        return t;
    }
};

// The samples 1 .. count-1.
std::vector<TripRecord> RecordsOf(const Trip& t) {
    return {t.records.begin() + 1, t.records.begin() + t.count};
}

TEST(FitStore, BikeTripWithoutPowerGetsTheModelledPower) {
    Store s;
    s.Import({.seconds = 600, .power = false, .flat = true});
    EXPECT_FALSE(s.import.has_power_data);
    ASSERT_TRUE(s.import.can_store_bike_power());
    const StoreResult r = s.Save(0);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20240115_0830000_ANNA");
    EXPECT_EQ(r.trip_number, 1);
    EXPECT_EQ(s.Deos(), std::vector<std::string>{"20240115_0830000_ANNA.DEO"});
    EXPECT_TRUE(fs::exists(s.dir.file(kModelPowerCsvName)));
    // The current trip is now the stored one: compacted by one record, modelled power after
    // the model's first window.
    const Trip& t = *s.trip;
    EXPECT_EQ(t.count, 599);
    EXPECT_EQ(t.sport_type, 0);
    EXPECT_EQ(t.records[5].power_w, 0);
    for (std::int32_t k = 30; k < t.count - 30; ++k) EXPECT_GT(t.records[k].power_w, 50) << k;
    const std::unique_ptr<Trip> stored = s.Stored(s.Deos()[0]);
    ASSERT_EQ(stored->count, t.count);
    for (std::int32_t k = 1; k < t.count; ++k) EXPECT_EQ(stored->records[k], t.records[k]) << k;
}

TEST(FitStore, RecordedPowerIsKeptOrClearedBySportType) {
    struct Case {
        int sport_type;
        bool power;
        float power_at_100;  // second 99: 200 + 99 % 50
        float cadence_at_100;
        std::int32_t count;
    };
    for (const Case& c : std::vector<Case>{
             {0, true, 249, 94, 299}, {1, true, 249, 94, 299}, {1, false, 0, 94, 299}}) {
        SCOPED_TRACE(testing::Message() << "sport " << c.sport_type << " power " << c.power);
        Store s;
        s.Import({.power = c.power});
        const StoreResult r = s.Save(c.sport_type);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(s.trip->count, c.count);
        EXPECT_EQ(s.trip->records[100].power_w, c.power_at_100);
        EXPECT_EQ(s.trip->records[100].cadence_rpm, c.cadence_at_100);
        EXPECT_EQ(s.trip->sport_type, c.sport_type);
    }
}

TEST(FitStore, RunTripKeepsEveryRecordWithoutPowerAndCadence) {
    Store s;
    s.Import({.power = false, .cadence = false});
    ASSERT_TRUE(s.import.can_store_run());
    const StoreResult r = s.Save(2);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.base_name, "20240115_0830002_ANNA");
    EXPECT_EQ(s.trip->count, 300);  // no compaction
    for (std::int32_t k = 1; k <= s.trip->count; ++k) {
        EXPECT_EQ(s.trip->records[k].power_w, 0);
        EXPECT_EQ(s.trip->records[k].cadence_rpm, 0);
    }
}

TEST(FitStore, SportTypesTheImportDoesNotOfferAreRefused) {
    Store s;
    s.Import({.cadence = false});  // power without cadence: neither bike power nor run
    for (int sport : {0, 2, 3, -1}) {
        const StoreResult r = s.Save(sport);
        EXPECT_FALSE(r.ok) << sport;
        EXPECT_NE(r.message.find("cannot be stored as sport type"), std::string::npos);
    }
    EXPECT_TRUE(s.Deos().empty());
}

TEST(FitStore, BikeTripsNeedSixtyRecordsAfterCompaction) {
    struct Case {
        std::uint32_t seconds;
        bool remove_stops;
        std::optional<std::int32_t> count;  // empty: refused
    };
    // Without stop removal nothing is removed, but the end is trimmed all the same: the
    // record at count, just past the samples, has no distance.
    const std::vector<Case> cases = {
        {61, true, 60}, {60, true, std::nullopt}, {61, false, 60}, {60, false, std::nullopt}};
    for (const Case& c : cases) {
        for (int sport : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.seconds << " s, remove stops " << c.remove_stops
                                            << ", sport " << sport);
            Store s;
            s.Import({.seconds = c.seconds, .power = false});
            const std::vector<TripRecord> converted = RecordsOf(*s.trip);
            const StoreResult r = s.Save(sport, {.remove_stops = c.remove_stops});
            EXPECT_EQ(r.ok, c.count.has_value()) << r.message;
            if (c.count) {
                EXPECT_EQ(s.trip->count, *c.count);
                continue;
            }
            EXPECT_EQ(r.message, kFitNotEvaluable);
            EXPECT_TRUE(s.Deos().empty());
            EXPECT_EQ(s.trips.list.entry_count(), 0u);
            // The model ran on a copy: the converted trip is untouched.
            EXPECT_EQ(RecordsOf(*s.trip), converted);
        }
    }
}

TEST(FitStore, ARefusedBikeStoreLeavesTheTripForAnotherSportType) {
    // 100 s with a standstill of 40 s: 59 records without it.
    Store s;
    s.Import({.seconds = 100, .power = false, .standstill_from = 30, .standstill_s = 40});
    const std::vector<TripRecord> converted = RecordsOf(*s.trip);
    ASSERT_EQ(s.Save(0).message, kFitNotEvaluable);
    ASSERT_EQ(s.Save(1).message, kFitNotEvaluable);
    const StoreResult r = s.Save(1, {.remove_stops = false, .altitude_correction = false});
    ASSERT_TRUE(r.ok) << r.message;
    // The same samples as converted, without the power the model would have put in.
    ASSERT_EQ(s.trip->count, 99);
    for (std::int32_t k = 1; k < 99; ++k) {
        TripRecord expected = converted[k - 1];
        expected.power_w = 0;
        EXPECT_EQ(s.trip->records[k], expected) << k;
    }
    EXPECT_EQ(s.Deos(), std::vector<std::string>{"20240115_0830001_ANNA.DEO"});
}

TEST(FitStore, AltitudeCorrectionSmoothsTheSteps) {
    auto largest_step = [](const Trip& t) {
        float step = 0;
        for (std::int32_t k = 3; k < t.count - 3; ++k)
            step = std::max(step, std::abs(t.records[k].altitude_m - t.records[k - 1].altitude_m));
        return step;
    };
    for (bool correction : {true, false}) {
        SCOPED_TRACE(correction);
        Store s;
        s.Import({.seconds = 400, .stepped_altitude = true});
        ASSERT_FLOAT_EQ(largest_step(*s.trip), 1.0f);
        ASSERT_TRUE(s.Save(0, {.altitude_correction = correction}).ok);
        if (correction)
            EXPECT_LT(largest_step(*s.trip), 0.3f);
        else
            EXPECT_FLOAT_EQ(largest_step(*s.trip), 1.0f);
        // The climb itself stays: 1 m per 20 s.
        EXPECT_NEAR(s.trip->records[350].altitude_m - s.trip->records[50].altitude_m, 15, 0.5);
    }
}

TEST(FitStore, AnIndoorTripIsStoredWithoutCompactionOrSmoothing) {
    Store s;
    s.Import({.indoor = true, .stepped_altitude = true});
    const std::vector<TripRecord> converted = RecordsOf(*s.trip);
    ASSERT_TRUE(s.Save(0).ok);
    EXPECT_EQ(RecordsOf(*s.trip), converted);
}

TEST(FitStore, ASecondStoreOfTheSameStartIsRefused) {
    Store s;
    s.Import({});
    ASSERT_TRUE(s.Save(0).ok);
    s.Import({});
    const std::vector<TripRecord> converted = RecordsOf(*s.trip);
    const StoreResult r = s.Save(0);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("stored already"), std::string::npos) << r.message;
    EXPECT_EQ(RecordsOf(*s.trip), converted);
    EXPECT_EQ(s.trips.list.entry_count(), 1u);
}

// Sets TZ for one test and puts the previous value back.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

  private:
    std::optional<std::string> old_;
};

TEST(FitStore, TheBaseNameTakesTheOffsetOfTheTripsOwnStart) {
    if (!fs::exists("/usr/share/zoneinfo/Europe/Berlin")) GTEST_SKIP() << "no time zone data";
    TimeZone berlin("Europe/Berlin");
    struct Case {
        const char* name;
        std::uint32_t start;
        const char* file;
    };
    constexpr std::uint32_t kDay = 86400;
    const std::vector<Case> cases = {
        {"January: UTC+1", kFitStart, "20240115_0830000_ANNA.DEO"},
        {"July: UTC+2", kFitStart + 182 * kDay, "20240715_0930000_ANNA.DEO"},
        {"New Year's Eve 23:30 UTC is next year", kFitStart - 14 * kDay - 8 * 3600,
         "20240101_0030000_ANNA.DEO"},
        {"00:30 UTC before the clock change", kFitStart + 75 * kDay + 17 * 3600,
         "20240331_0130000_ANNA.DEO"},
        {"01:30 UTC after the clock change", kFitStart + 75 * kDay + 18 * 3600,
         "20240331_0330000_ANNA.DEO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s;
        s.Import({.start = c.start}, LocalUtcOffset);
        ASSERT_TRUE(s.Save(0).ok);
        EXPECT_EQ(s.Deos(), std::vector<std::string>{c.file});
    }
}

}  // namespace
}  // namespace vx
