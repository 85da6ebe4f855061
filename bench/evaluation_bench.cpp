// The evaluation of the longest trip (199999 records) at 1 s and 5 s: the summary records and
// the summary lines of its last 10000 records. Target: under 30 ms each.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "analysis/evaluation_range.h"
#include "analysis/evaluation_summary.h"

namespace {

std::unique_ptr<vx::Trip> LongTrip(int interval) {
    auto trip = std::make_unique<vx::Trip>();
    trip->count = vx::kMaxTripCount;
    trip->sample_interval_s = interval;
    vx::TripHeader h = trip->header();
    h.zone_threshold() = 250;
    h.weight_x10() = 725;
    for (std::int32_t i = 1; i < trip->count; ++i) {
        vx::TripRecord& r = trip->records[i];
        r.time_s = (i - 1) * interval;
        r.distance_km = i * 0.008f * interval;
        r.power_w = 200 + (i * 37) % 150;
        r.cadence_rpm = 85 + i % 10;
        r.altitude_m = 300 + 50 * std::sin(i * 0.001f);
        r.speed_kmh = 28 + i % 5;
        r.heart_rate_bpm = 130 + i % 30;
        r.temperature_c = 18;
    }
    return trip;
}

vx::Settings BenchSettings() {
    vx::Settings s = vx::DefaultSettings();
    s.zones[0][0] = {250, 55, 75, 90, 105, 120, 150, 2500, 0, 0};
    return s;
}

void BM_SummarizeTrip(benchmark::State& state) {
    auto trip = LongTrip(static_cast<int>(state.range(0)));
    const vx::Settings settings = BenchSettings();
    vx::TripSummary summary;
    vx::ZoneTimes zone_times;
    vx::TripDistribution distribution;
    vx::DistributionDisplay display;
    for (auto _ : state) {
        bool ok = vx::SummarizeTrip(*trip, settings, 1, summary, zone_times, distribution, display);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_SummarizeTrip)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_EvaluateRangeLast10000(benchmark::State& state) {
    auto trip = LongTrip(static_cast<int>(state.range(0)));
    const vx::Settings settings = BenchSettings();
    const vx::SummaryLabels labels;
    vx::RangeEvaluation out;
    const int last = trip->count - 1;
    for (auto _ : state) {
        bool ok = vx::EvaluateRange(*trip, settings, labels, vx::DistanceLabel::Select, last - 9999,
                                    last, out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_EvaluateRangeLast10000)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
