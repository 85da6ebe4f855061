// Reading and writing the longest trip a DEO file can hold (199999 records, about 8 MB).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "trip/deo_file.h"

namespace {

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
    }
    trip->zone_bounds = {vx::kZoneBlockMarker, 150, 200, 250, 300, 350, 400};
    return trip;
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / ("velomatix-bench-" + std::to_string(getpid()) + ".DEO")).string();
}

void BM_WriteReadLongTrip(benchmark::State& state) {
    auto trip = LongTrip();
    auto loaded = std::make_unique<vx::Trip>();
    vx::RiderZones zones{};
    const std::string path = BenchFile();
    for (auto _ : state) {
        if (!vx::WriteTripPath(path, *trip)) state.SkipWithError("write failed");
        if (!vx::ReadTripPath(path, *loaded, zones)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(loaded->records[loaded->count - 1].time_s);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteReadLongTrip)->Unit(benchmark::kMillisecond);

void BM_ReadLongTrip(benchmark::State& state) {
    auto trip = LongTrip();
    auto loaded = std::make_unique<vx::Trip>();
    vx::RiderZones zones{};
    const std::string path = BenchFile();
    vx::WriteTripPath(path, *trip);
    for (auto _ : state) {
        if (!vx::ReadTripPath(path, *loaded, zones)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(loaded->records[loaded->count - 1].time_s);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLongTrip)->Unit(benchmark::kMillisecond);

void BM_EncodeLongTrip(benchmark::State& state) {
    auto trip = LongTrip();
    for (auto _ : state) benchmark::DoNotOptimize(vx::EncodeTripFile(*trip).size());
}
BENCHMARK(BM_EncodeLongTrip)->Unit(benchmark::kMillisecond);

}  // namespace
