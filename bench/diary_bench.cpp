// Opening the diary on a full rider folder: 999 one-hour trips (1 s samples) with their DEO
// files. With the summaries in the store the diary builds its table only (target: opening
// under 100 ms overall, the model part well under it); with a lost store every summary is
// rebuilt from its DEO file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "diary/diary_model.h"
#include "trip/deo_file.h"
#include "trip/trip_store.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTrips = vx::kMaxTripNumber;
constexpr int kSamples = 3600;

// The rider folder, built once for all benchmarks and removed at exit.
struct FullFolder {
    fs::path dir;
    vx::Settings settings = vx::DefaultSettings();
    vx::RiderTrips trips;
    std::unique_ptr<vx::Trip> trip = std::make_unique<vx::Trip>();

    FullFolder() {
        dir = fs::temp_directory_path() / ("velomatix-diary-bench-" + std::to_string(getpid()));
        fs::create_directories(dir);
        settings.riders[0].SetName("ANNA");
        settings.rider_folder = "ANNA";
        settings.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        trips.paths = vx::BuildPaths(dir.string(), "ANNA", nullptr);
        vx::LoadTripList(trips, false, nullptr);
        for (int n = 1; n <= kTrips; ++n) {
            Ride(n);
            char base[40], rest[32];
            std::snprintf(base, sizeof base, "20%02d%02d%02d_093015%d_ANNA", 10 + n / 336,
                          1 + (n / 28) % 12, 1 + n % 28, n % 3 == 1 ? 1 : 0);
            std::snprintf(rest, sizeof rest, ";%03d;*BIKE POWER", n);
            vx::SaveTripFile(trips.paths.rider_folder, base, *trip);
            vx::AddListLine(trips.list, std::string(base) + rest);
        }
        trips.store.highest = kTrips;
        vx::ParseTripList(trips.list, false);
        // The first opening computes every summary (and gives each file its note).
        vx::RebuildMissingSummaries(trips, settings, *trip);
        vx::SaveTripList(trips, nullptr);
    }
    ~FullFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void Ride(int n) {
        trip->resetForImport();
        trip->count = kSamples + 1;
        vx::TripHeader h = trip->header();
        h.zone_threshold() = 250;
        h.weight_x10() = 700;
        h.sport_type() = n % 3 == 1 ? 1 : 0;
        trip->zone_bounds = {5555, 137.5f, 187.5f, 225, 262.5f, 300, 0, 0, 0, 0};
        for (int i = 1; i <= kSamples; ++i) {
            vx::TripRecord& r = trip->records[i];
            r.time_s = i - 1;
            r.distance_km = i * 0.008f;
            r.power_w = n % 3 == 1 ? 0 : 150 + (i * 37 + n) % 150;
            r.cadence_rpm = 85 + i % 10;
            r.altitude_m = 300 + 50 * std::sin(i * 0.002f);
            r.speed_kmh = 28 + i % 5;
            r.heart_rate_bpm = 130 + (i + n) % 30;
            r.temperature_c = static_cast<float>(n % 40) - 10;
        }
    }
};

FullFolder& Folder() {
    static FullFolder folder;
    return folder;
}

// The model part of an opening: the check for missing summaries and the 1003 x 20 cell texts.
void BM_DiaryActivateStoredSummaries(benchmark::State& state) {
    FullFolder& f = Folder();
    vx::DiaryModel model;
    for (auto _ : state) {
        vx::SummaryRebuild r = model.Activate(f.trips, f.settings, *f.trip, true);
        if (r.summarized + r.distributions + r.failed != 0) state.SkipWithError("files opened");
        benchmark::DoNotOptimize(model.grid().cells.data());
    }
}
BENCHMARK(BM_DiaryActivateStoredSummaries)->Unit(benchmark::kMillisecond);

// Opening overall: trip list and summary store read from their files, then the model.
void BM_DiaryOpenFromFiles(benchmark::State& state) {
    FullFolder& f = Folder();
    vx::DiaryModel model;
    for (auto _ : state) {
        vx::LoadTripList(f.trips, false, nullptr);
        vx::SummaryRebuild r = model.Activate(f.trips, f.settings, *f.trip, true);
        if (r.summarized + r.distributions + r.failed != 0) state.SkipWithError("files opened");
    }
}
BENCHMARK(BM_DiaryOpenFromFiles)->Unit(benchmark::kMillisecond);

// Sorting the full table by a numeric and a text column, with the table rebuilt.
void BM_DiarySortByDistance(benchmark::State& state) {
    FullFolder& f = Folder();
    vx::DiaryModel model;
    model.Activate(f.trips, f.settings, *f.trip, true);
    bool ascending = true;
    for (auto _ : state) {
        model.Sort(vx::SortKey::Distance, ascending, f.trips, f.settings);
        model.Sort(vx::SortKey::Comment, ascending, f.trips, f.settings);
        ascending = !ascending;
    }
}
BENCHMARK(BM_DiarySortByDistance)->Unit(benchmark::kMillisecond);

// A lost store: every summary rebuilt from its DEO file while the progress is reported.
void BM_DiaryOpenLostStore(benchmark::State& state) {
    FullFolder& f = Folder();
    vx::DiaryModel model;
    std::size_t reports = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.trips.store.InvalidateAll();
        state.ResumeTiming();
        vx::SummaryRebuild r = model.Activate(f.trips, f.settings, *f.trip, true,
                                              [&](std::size_t, std::size_t) { ++reports; });
        if (r.summarized != kTrips) state.SkipWithError("not every trip was rebuilt");
    }
    state.counters["trips"] = kTrips;
    benchmark::DoNotOptimize(reports);
}
BENCHMARK(BM_DiaryOpenLostStore)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
