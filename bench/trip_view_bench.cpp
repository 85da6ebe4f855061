// The single-trip view's model on the longest trip (199999 records) at 1920 x 1080: opening
// (channels), the curves of a full redraw with and without pixel-column grouping, and a mouse
// move that only updates the readouts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "views/trip_view_model.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::unique_ptr<vx::Trip> LongTrip() {
    auto trip = std::make_unique<vx::Trip>();
    trip->count = vx::kMaxTripCount;
    trip->sample_interval_s = 1;
    trip->records[0].power_w = 250;
    for (std::int32_t i = 1; i < trip->count; ++i) {
        vx::TripRecord& r = trip->records[static_cast<std::size_t>(i)];
        r.time_s = i - 1;
        r.speed_kmh = 28 + 6 * std::sin(i * 0.01f);
        r.distance_km = i * 0.0078f;
        r.power_w = 180 + (i * 7919) % 160;
        r.cadence_rpm = 85.3f + (i % 7);
        r.altitude_m = 400 + 150 * std::sin(i * 0.0005f);
        r.temperature_c = 18 + std::sin(i * 0.0001f);
        r.heart_rate_bpm = 135 + (i * 31) % 20;
    }
    return trip;
}

struct View {
    std::unique_ptr<vx::Trip> trip = LongTrip();
    vx::Settings settings = vx::DefaultSettings();
    vx::TripViewModel model{*trip, settings};
    View() {
        settings.smoothing.fill(2);
        model.Open();
        model.SetImageSize(kWidth, kHeight);
        for (int c = 0; c < vx::kTripCurveCount; ++c)
            model.SetCurveShown(static_cast<vx::TripCurve>(c), true);
    }
};

std::size_t PointCount(const vx::TripViewScene& scene) {
    std::size_t n = 0;
    for (const vx::CurvePolyline& c : scene.curves) n += c.points.size();
    return n;
}

// Every curve of the whole trip: x positions, y values and grouping, as a full redraw does.
void BM_TripViewAllCurves(benchmark::State& state) {
    View v;
    v.model.SetGroupColumns(state.range(0) != 0);
    std::size_t points = 0;
    for (auto _ : state) {
        v.model.SetCurveShown(vx::TripCurve::Power, true);  // marks the scene for rebuilding
        points = PointCount(v.model.Scene());
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["curves"] = static_cast<double>(v.model.Scene().curves.size());
}
BENCHMARK(BM_TripViewAllCurves)->Arg(1)->Arg(0)->ArgName("grouped")->Unit(benchmark::kMillisecond);

// The decimation alone: one curve of 199998 samples from precomputed x positions.
void BM_TripViewGroupOneCurve(benchmark::State& state) {
    View v;
    const vx::CurveSource src = vx::CurveSourceOf(*v.trip);
    const vx::PlotArea plot = vx::PlotAreaOf(kWidth, kHeight);
    const vx::DrawnSamples drawn = vx::DrawnSamplesOf(src, v.model.range());
    std::vector<int> xs;
    vx::SampleXPositions(src, v.model.mapping(), drawn, xs);
    const vx::CurveAxis axis{0, 500, 1};
    std::vector<vx::PixelPoint> out;
    for (auto _ : state) {
        vx::CurvePoints(xs, drawn.first, v.model.channels().power, axis, plot, true, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["points"] = static_cast<double>(out.size());
}
BENCHMARK(BM_TripViewGroupOneCurve)->Unit(benchmark::kMillisecond);

// One hour shown: the redraw walks only the shown range.
void BM_TripViewOneHour(benchmark::State& state) {
    View v;
    v.model.StartZoomSelection();
    v.model.KeyDown(vx::ViewKey::Enter);
    for (int k = 0; k < 60; ++k) v.model.KeyDown(vx::ViewKey::PageDown);
    v.model.KeyDown(vx::ViewKey::Enter);
    for (auto _ : state) {
        v.model.SetCurveShown(vx::TripCurve::Power, true);
        benchmark::DoNotOptimize(PointCount(v.model.Scene()));
    }
}
BENCHMARK(BM_TripViewOneHour)->Unit(benchmark::kMillisecond);

void BM_TripViewOpen(benchmark::State& state) {
    View v;
    for (auto _ : state) {
        v.model.Open();
        benchmark::DoNotOptimize(PointCount(v.model.Scene()));
    }
}
BENCHMARK(BM_TripViewOpen)->Unit(benchmark::kMillisecond);

void BM_TripViewMouseMove(benchmark::State& state) {
    View v;
    v.model.Scene();
    v.model.StartZoomSelection();
    int x = 40;
    for (auto _ : state) {
        x = x >= kWidth - 40 ? 40 : x + 7;
        benchmark::DoNotOptimize(v.model.MouseMove(x, 500));
        benchmark::DoNotOptimize(v.model.Overlay().time_text.data());
    }
}
BENCHMARK(BM_TripViewMouseMove)->Unit(benchmark::kMicrosecond);

}  // namespace
