// velomatix-cli settings
#include <ostream>

#include "cli/cli.h"
#include "cli/output.h"

namespace vx::cli {

int SettingsCommand(Context& ctx) {
    if (!ctx.args.empty()) return Fail(ctx, "settings takes no arguments (see settings --help)");
    const std::string path = SettingsPath(ctx);
    Settings s = DefaultSettings();
    InfoList info;
    switch (ReadSettings(path, s, &info)) {
        case SettingsLoad::Missing:
            return Fail(ctx, "no settings file " + path);
        case SettingsLoad::Unreadable:
            return Fail(ctx, info.empty() ? "cannot read " + path : info.front());
        case SettingsLoad::Loaded:
            break;
    }
    std::ostream& out = ctx.out;
    Line(out, "version", Number(std::int64_t{s.version}));
    Line(out, "com_port", Number(std::int64_t{s.com_port}));
    Line(out, "current_rider", Number(std::int64_t{s.current_rider}));
    Line(out, "rider_folder", s.rider_folder);
    for (int r = 0; r < kRiderCount; ++r) {
        const std::string key = "rider." + std::to_string(r) + ".";
        Line(out, key + "name", s.riders[r].Name());
        Line(out, key + "weight_kg", Number(s.riders[r].weight_kg));
        Line(out, key + "height_m", Number(s.riders[r].height_m));
    }
    for (int r = 0; r < kRiderCount; ++r)
        for (int t = 0; t < kSportTypeCount; ++t)
            Line(out, "zones." + std::to_string(r) + "." + std::to_string(t),
                 NumberList<std::uint16_t>(s.zones[r][t]));
    Line(out, "climb_threshold_pct", Number(s.climb_threshold_pct));
    Line(out, "language", Number(std::int64_t{s.language}));
    Line(out, "unit_flags", Number(std::int64_t{s.unit_flags}));
    Line(out, "com_speed_index", Number(std::int64_t{s.com_speed_index}));
    Line(out, "data_source", Number(std::int64_t{s.data_source}));
    return 0;
}

}  // namespace vx::cli
