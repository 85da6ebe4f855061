// CSV export and import of the longest trip, and loading a full trip list with its store.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "trip/csv_file.h"
#include "trip/file_io.h"
#include "trip/trip_store.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<vx::Trip> LongTrip() {
    auto trip = std::make_unique<vx::Trip>();
    trip->count = vx::kMaxTripCount;
    for (std::int32_t i = 1; i < trip->count; ++i) {
        vx::TripRecord& r = trip->records[i];
        r.time_s = i;
        r.distance_km = i * 0.008f;
        r.power_w = 200 + i % 50;
        r.cadence_rpm = 90;
        r.altitude_m = 300 + (i % 1000) * 0.1f;
        r.speed_kmh = 30;
        r.heart_rate_bpm = 140;
        r.temperature_c = 21.5f;
    }
    return trip;
}

fs::path BenchDir() {
    fs::path d = fs::temp_directory_path() / ("velomatix-bench-" + std::to_string(getpid()));
    fs::create_directories(d);
    return d;
}

void BM_ExportCsvLongTrip(benchmark::State& state) {
    auto trip = LongTrip();
    const fs::path dir = BenchDir();
    for (auto _ : state)
        if (!vx::ExportCsv(*trip, (dir / "T").string(), vx::CsvLayout::Plain)) state.SkipWithError("export");
    fs::remove_all(dir);
}
BENCHMARK(BM_ExportCsvLongTrip)->Unit(benchmark::kMillisecond);

void BM_ImportCsv199998Lines(benchmark::State& state) {
    auto trip = LongTrip();
    std::string text;
    for (std::int32_t i = 1; i <= vx::kMaxCsvSamples; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%d,%.3f,%d,90,30.0,140,%.1f,21.5,0,0\n", i, i * 0.008, 200 + i % 50,
                      300 + (i % 1000) * 0.1);
        text += line;
    }
    for (auto _ : state) {
        vx::CsvRead r = vx::ParseCsvSamples(text, vx::CsvDialect::Comma, *trip);
        if (!r.ok) state.SkipWithError("import");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ImportCsv199998Lines)->Unit(benchmark::kMillisecond);

void BM_LoadFullTripList(benchmark::State& state) {
    const fs::path dir = BenchDir();
    vx::RiderTrips trips;
    trips.paths = vx::BuildPaths(dir.string(), "ANNA", nullptr);
    vx::LoadTripList(trips, false, nullptr);
    for (int n = 1; n <= vx::kMaxTripNumber; ++n) {
        char line[64];
        std::snprintf(line, sizeof line, "2014%02d%02d_0930150_ANNA;%03d;*BIKE POWER", 1 + n % 12, 1 + n % 28, n);
        vx::AddListLine(trips.list, line);
        trips.store.zone_times[n].marker = vx::kSummaryRecordMarker;
    }
    trips.store.highest = vx::kMaxTripNumber;
    vx::SaveTripList(trips, nullptr);
    for (auto _ : state) {
        vx::LoadTripList(trips, false, nullptr);
        benchmark::DoNotOptimize(trips.list.table.size());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_LoadFullTripList)->Unit(benchmark::kMillisecond);

}  // namespace
