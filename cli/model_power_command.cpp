// velomatix-cli model-power FILE.DEO [--apply] [--params FILE]
#include <algorithm>
#include <memory>
#include <ostream>

#include "analysis/power_model.h"
#include "analysis/power_model_file.h"
#include "cli/cli.h"
#include "cli/output.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"
#include "views/curve_channels.h"

namespace vx::cli {

int ModelPowerCommand(Context& ctx) {
    std::string deo_path;
    std::string params_path;
    bool apply = false;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--apply") {
            apply = true;
        } else if (a == "--params") {
            if (i + 1 >= ctx.args.size()) return Fail(ctx, "--params needs a file");
            params_path = ctx.args[++i];
        } else if (a.rfind("--params=", 0) == 0) {
            params_path = a.substr(9);
        } else if (!a.empty() && a[0] == '-') {
            return Fail(ctx, "unknown option " + a + " (see model-power --help)");
        } else if (deo_path.empty()) {
            deo_path = a;
        } else {
            return Fail(ctx, "model-power needs one DEO file (see model-power --help)");
        }
    }
    if (deo_path.empty())
        return Fail(ctx, "model-power needs one DEO file (see model-power --help)");

    Settings settings = DefaultSettings();
    ReadSettings(SettingsPath(ctx), settings, nullptr);

    // A file named on the command line must be usable; the data root's own file falls back
    // to the presets like the program does.
    PowerModelFile model_file;
    if (!params_path.empty()) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (ReadFileBytes(params_path, bytes, &error) != ReadFileStatus::Ok)
            return Fail(ctx, error);
        std::optional<PowerModelFile> decoded = DecodePowerModelFile(bytes, &error);
        if (!decoded) return Fail(ctx, params_path + ": " + error);
        model_file = *decoded;
    } else {
        model_file = ReadPowerModelFile(ctx.data_root + "/DATA/GRD_DATA/POW_CALC.GRD");
    }
    const PowerModelParams params = LoadPowerModelParams(model_file, settings.current());

    auto trip = std::make_unique<Trip>();
    TripLoad load = ReadTripPath(deo_path, *trip, settings.current_zones());
    if (!load) return Fail(ctx, deo_path + ": not a loadable trip: " + load.reason);

    const std::vector<float> altitude_mean = AltitudeMean(CurveSourceOf(*trip));
    PowerModelRun run = ComputeModelPower(*trip, altitude_mean, params, apply, std::string());

    MakeDirectories(ctx.data_root);
    const std::string csv_path = ctx.data_root + "/" + kModelPowerCsvName;
    std::string error;
    if (!WriteModelPowerCsv(csv_path, run.lines, &error)) return Fail(ctx, error);
    if (apply && !WriteTripPath(deo_path, *trip, &error)) return Fail(ctx, error);

    double sum = 0;
    float max = 0;
    const std::int32_t end = run.first_centre + run.centres;
    for (std::int32_t c = run.first_centre; c < end; ++c) {
        sum += run.power[static_cast<std::size_t>(c)];
        max = std::max(max, run.power[static_cast<std::size_t>(c)]);
    }
    const double avg = run.centres > 0 ? sum / run.centres : 0.0;
    Line(ctx.out, "samples", Number(std::int64_t{run.centres}));
    Line(ctx.out, "avg_model_power_w", Number(static_cast<float>(avg)));
    Line(ctx.out, "max_model_power_w", Number(max));
    if (apply) Line(ctx.out, "applied_samples", Number(std::int64_t{run.applied_samples}));
    return 0;
}

}  // namespace vx::cli
