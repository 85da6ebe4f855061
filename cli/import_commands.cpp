// velomatix-cli import, import-deo, export: trips into and out of the rider's folder.
#include <ostream>

#include "cli/output.h"
#include "cli/rider_context.h"
#include "trip/csv_file.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"

namespace vx::cli {

namespace {

std::string LowerExtension(const std::string& path) {
    std::size_t dot = path.find_last_of('.');
    std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

void PrintStored(std::ostream& out, const StoreResult& r, const Trip& trip) {
    Line(out, "base_name", r.base_name);
    Line(out, "trip_number", Number(std::int64_t{r.trip_number}));
    Line(out, "count", Number(std::int64_t{trip.count}));
    const TripRecord& last = trip.records[trip.count - 1];
    Line(out, "duration_s", Number(std::int64_t{last.time_s - trip.records[1].time_s}));
    Line(out, "distance_km", Number(last.distance_km));
    if (!r.message.empty()) Line(out, "warning", r.message);
}

}  // namespace

int ImportCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    CsvDialect dialect = CsvDialect::Semicolon;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--dialect" && i + 1 < ctx.args.size()) {
            const std::string& d = ctx.args[++i];
            if (d == "semicolon")
                dialect = CsvDialect::Semicolon;
            else if (d == "comma")
                dialect = CsvDialect::Comma;
            else
                return Fail(ctx, "--dialect is semicolon or comma, not " + d);
        } else if (!a.empty() && a[0] == '-') {
            return Fail(ctx, "unknown option " + a + " (see import --help)");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1) return Fail(ctx, "import needs one file (see import --help)");
    const std::string ext = LowerExtension(files[0]);
    if (ext != "csv") return Fail(ctx, files[0] + ": no importer for files of type \"" + ext + "\"");
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    StoreResult r = ImportCsvFile(rc.trips, rc.settings, *rc.trip, files[0], dialect);
    if (!r.ok) return Fail(ctx, files[0] + ": " + r.message);
    PrintStored(ctx.out, r, *rc.trip);
    return 0;
}

int ImportDeoCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    if (ctx.args.empty()) return Fail(ctx, "import-deo needs DEO files (see import-deo --help)");
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    InfoList info;
    int imported = ImportDeoFiles(rc.trips, rc.settings, *rc.trip, ctx.args, &info);
    if (!SaveRider(rc, message)) return Fail(ctx, message);
    for (const std::string& line : info)
        if (line.find(": ") != std::string::npos) Line(ctx.out, "skipped", line);
    Line(ctx.out, "imported", Number(std::int64_t{imported}));
    return imported == static_cast<int>(ctx.args.size()) ? 0 : kExitFailure;
}

int ExportCommand(Context& ctx) {
    CsvLayout layout = CsvLayout::Plain;
    std::string out_path;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--wko")
            layout = CsvLayout::Wko;
        else if (a == "-o" && i + 1 < ctx.args.size())
            out_path = ctx.args[++i];
        else if (!a.empty() && a[0] == '-')
            return Fail(ctx, "unknown option " + a + " (see export --help)");
        else
            files.push_back(a);
    }
    if (files.size() != 1) return Fail(ctx, "export needs one DEO file (see export --help)");
    Settings settings = DefaultSettings();
    ReadSettings(SettingsPath(ctx), settings, nullptr);
    auto trip = std::make_unique<Trip>();
    TripLoad load = ReadTripPath(files[0], *trip, settings.current_zones());
    if (!load) return Fail(ctx, files[0] + ": not a loadable trip: " + load.reason);
    std::string stem = files[0];
    if (LowerExtension(stem) == "deo") stem.resize(stem.size() - 4);
    std::string path = out_path.empty()
                           ? stem + (layout == CsvLayout::Plain ? ".CSV" : "_WKO.CSV")
                           : out_path;
    const std::string text = FormatCsv(*trip, layout);
    std::string error;
    if (!WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), &error))
        return Fail(ctx, error);
    Line(ctx.out, "written", path);
    Line(ctx.out, "samples", Number(std::int64_t{trip->count - 1}));
    return 0;
}

}  // namespace vx::cli
