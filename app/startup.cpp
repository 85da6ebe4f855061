#include "app/startup.h"

#include <filesystem>

#include "app/language_file.h"
#include "trip/deo_file.h"
#include "trip/paths.h"

namespace vx {

void StartUp(AppState& app, const std::string& base) {
    app.base = base;
    app.trips.paths = BuildPaths(base, app.settings.rider_folder, nullptr);
    app.settings_file = SettingsFile(app.trips.paths.settings_file);
    app.settings_file.Read(app.settings, &app.info);
    // the language is written with the settings when it is applied at the first activation
    ApplyLanguageFile(app.trips.paths.lang_file, app.settings);
    app.LoadRider();
    for (int r = 0; r < kNamedRiders; ++r)
        if (app.settings.riders[r].Name().size() < 2)
            app.settings.riders[r].SetName(DefaultRiderName(r));
    app.trips.list.modified = false;
}

std::string StartFilePath(const std::string& argument) {
    std::string path = argument;
    const std::size_t q1 = argument.find('"');
    if (q1 != std::string::npos) {
        const std::size_t q2 = argument.find('"', q1 + 1);
        if (q2 != std::string::npos) path = argument.substr(q1 + 1, q2 - q1 - 1);
    }
    const std::size_t b = path.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const std::size_t e = path.find_last_not_of(" \t");
    return path.substr(b, e - b + 1);
}

StartFileResult LoadStartFile(AppState& app, const std::string& path) {
    StartFileResult r;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        r.message = "Cannot open output file";
        return r;
    }
    const TripLoad load = ReadTripPath(path, *app.trip, app.settings.current_zones());
    if (!load) {
        r.message = "Cannot open output file: " + load.reason;
        return r;
    }
    if (app.trip->count < 60) {
        r.message = path + ": fewer than 60 records";
        return r;
    }
    r.open_view = true;
    return r;
}

}  // namespace vx
