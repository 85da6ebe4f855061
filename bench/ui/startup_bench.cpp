// Start-up of the program with a full trip list: settings, list and store read, main window
// built, shown and activated once.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "app/startup.h"
#include "app/ui/help_window.h"
#include "app/ui/tform1.h"
#include "trip/settings_file.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeRoot() {
    const fs::path dir =
        fs::temp_directory_path() / ("velomatix-startup-" + std::to_string(getpid()));
    fs::remove_all(dir);
    vx::Settings s = vx::DefaultSettings();
    s.riders[0].SetName("ANNA");
    s.rider_folder = "ANNA";
    vx::RiderTrips trips;
    trips.paths = vx::BuildPaths(dir.string(), "ANNA", nullptr);
    vx::WriteSettings(trips.paths.settings_file, s);
    vx::LoadTripList(trips, false, nullptr);
    for (int n = 1; n <= vx::kMaxTripNumber; ++n) {
        char line[64];
        std::snprintf(line, sizeof line, "2014%02d%02d_0930150_ANNA;%03d;*BIKE POWER", 1 + n % 12,
                      1 + n % 28, n);
        vx::AddListLine(trips.list, line);
        trips.store.zone_times[n].marker = vx::kSummaryRecordMarker;
    }
    trips.store.highest = vx::kMaxTripNumber;
    vx::SaveTripList(trips, nullptr);
    return dir;
}

void BM_StartUpWithFullTripList(benchmark::State& state) {
    const fs::path root = MakeRoot();
    for (auto _ : state) {
        vx::AppState app;
        vx::StartUp(app, root.string());
        vx::InstallHelpPages(app.trips.paths);
        vx::TForm9 help;
        vx::TForm1 window(app, &help);
        window.show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QApplication::processEvents();
        benchmark::DoNotOptimize(app.trips.list.lines.size());
    }
    fs::remove_all(root);
}
BENCHMARK(BM_StartUpWithFullTripList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
