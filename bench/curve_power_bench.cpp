// Curve preparation and the power model on the longest trip (199999 records).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "analysis/power_model.h"
#include "views/curve_channels.h"
#include "views/curve_climb_rate.h"
#include "views/curve_force_zones.h"

namespace {

std::unique_ptr<vx::Trip> HillyTrip() {
    auto trip = std::make_unique<vx::Trip>();
    trip->count = vx::kMaxTripCount;
    trip->sample_interval_s = 1;
    trip->records[0].power_w = 250;
    for (std::int32_t i = 1; i < trip->count; ++i) {
        vx::TripRecord& r = trip->records[static_cast<std::size_t>(i)];
        r.time_s = i - 1;
        r.speed_kmh = 28 + 6 * std::sin(i * 0.01f);
        r.distance_km = i * 0.0078f;
        r.power_w = 180 + i % 90;
        r.cadence_rpm = 85.3f + (i % 7);
        r.altitude_m = 400 + 150 * std::sin(i * 0.0005f);
        r.temperature_c = 18;
        r.heart_rate_bpm = 135 + i % 20;
    }
    return trip;
}

void BM_PrepareAllChannels(benchmark::State& state) {
    auto trip = HillyTrip();
    const vx::CurveSource source = vx::CurveSourceOf(*trip);
    vx::SmoothingLevels levels{};
    levels.fill(6);
    vx::RiderZones zones{};
    zones[0][8] = 70;
    zones[0][9] = 90;
    vx::CurveChannels channels;
    for (auto _ : state) {
        vx::MarkForceZones(source, zones, channels);
        vx::PrepareChannels(source, levels, 1.0, channels);
        vx::ComputeClimbRate(source, 0, trip->count, channels);
        benchmark::DoNotOptimize(channels.gradient.data());
    }
}
BENCHMARK(BM_PrepareAllChannels)->Unit(benchmark::kMillisecond);

void BM_ModelPowerApplyWithCsv(benchmark::State& state) {
    auto trip = HillyTrip();
    const std::vector<float> a = vx::AltitudeMean(vx::CurveSourceOf(*trip));
    const std::string csv = (std::filesystem::temp_directory_path() /
                             ("velomatix-bench-" + std::to_string(getpid()) + ".CSV"))
                                .string();
    vx::PowerModelParams params;
    for (auto _ : state) {
        vx::PowerModelRun run = vx::ComputeModelPower(*trip, a, params, true, csv);
        if (!run.csv_written) state.SkipWithError("CSV not written");
        benchmark::DoNotOptimize(run.power.data());
    }
    std::filesystem::remove(csv);
}
BENCHMARK(BM_ModelPowerApplyWithCsv)->Unit(benchmark::kMillisecond);

}  // namespace
