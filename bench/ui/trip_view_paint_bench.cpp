// The single-trip view on a 199999-sample trip at 1920 x 1080: opening (channels and the first
// picture), a full redraw of every curve, and a mouse move with its readout.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <memory>

#include "trip/settings.h"
#include "views/trip_view_model.h"
#include "views/ui/trip_plot.h"

namespace {

std::unique_ptr<vx::Trip> LongTrip() {
    auto t = std::make_unique<vx::Trip>();
    t->count = 200000;
    float d = 0;
    for (int i = 1; i < t->count; ++i) {
        vx::TripRecord& r = t->records[static_cast<std::size_t>(i)];
        r.time_s = i;
        r.speed_kmh = 28 + 6 * std::sin(i / 300.0f);
        d += r.speed_kmh / 3600;
        r.distance_km = d;
        r.power_w = 210 + 80 * std::sin(i / 40.0f) + static_cast<float>(i % 7) * 9;
        r.cadence_rpm = 88 + static_cast<float>(i % 5);
        r.heart_rate_bpm = 135 + 15 * std::sin(i / 500.0f);
        r.altitude_m = 300 + 120 * std::sin(i / 1500.0f);
        r.temperature_c = 18;
    }
    return t;
}

void BM_TripViewOpenAndFirstPaint(benchmark::State& state) {
    auto trip = LongTrip();
    vx::Settings settings = vx::DefaultSettings();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        vx::TripViewModel m(*trip, settings);
        m.MarkFreshTrip();
        m.Open();
        m.SetImageSize(1920, 1080);
        vx::PaintTripScene(image, m.Scene());
    }
}
BENCHMARK(BM_TripViewOpenAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_TripViewFullRedraw(benchmark::State& state) {
    auto trip = LongTrip();
    vx::Settings settings = vx::DefaultSettings();
    vx::TripViewModel m(*trip, settings);
    m.MarkFreshTrip();
    m.Open();
    for (vx::TripCurve c : {vx::TripCurve::ClimbRate, vx::TripCurve::Gradient})
        m.SetCurveShown(c, true);
    QImage image(1920, 1080, QImage::Format_RGB32);
    int size = 0;
    for (auto _ : state) {
        // a new size each time, so the scene is rebuilt and painted whole
        m.SetImageSize(1920 - (size++ & 1), 1080);
        vx::PaintTripScene(image, m.Scene());
    }
}
BENCHMARK(BM_TripViewFullRedraw)->Unit(benchmark::kMillisecond);

void BM_TripViewMouseMoveReadout(benchmark::State& state) {
    auto trip = LongTrip();
    vx::Settings settings = vx::DefaultSettings();
    vx::TripViewModel m(*trip, settings);
    m.MarkFreshTrip();
    m.Open();
    m.SetImageSize(1920, 1080);
    m.Scene();
    m.StartZoomSelection();
    int x = 40;
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.MouseMove(x, 500));
        benchmark::DoNotOptimize(m.Overlay().time_text.size());
        x = x > 1800 ? 40 : x + 7;
    }
}
BENCHMARK(BM_TripViewMouseMoveReadout)->Unit(benchmark::kMicrosecond);

}  // namespace
