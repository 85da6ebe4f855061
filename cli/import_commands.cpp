// velomatix-cli import, import-deo, export: trips into and out of the rider's folder.
#include <ostream>

#include "cli/output.h"
#include "cli/rider_context.h"
#include "import/fit_import.h"
#include "import/fit_store.h"
#include "import/hrm_import.h"
#include "import/srm_import.h"
#include "import/tcx_import.h"
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

// The options of `import`; each reader says which of them it takes.
enum ImportOption : unsigned {
    kOptionDialect = 1u << 0,          // --dialect semicolon|comma
    kOptionSport = 1u << 1,            // --sport 0|1|2
    kOptionNoStops = 1u << 2,          // --no-stops
    kOptionNoAltCorrection = 1u << 3,  // --no-alt-correction
};

struct ImportOptions {
    unsigned given = 0;  // ImportOption bits of the options on the command line
    CsvDialect dialect = CsvDialect::Semicolon;
    int sport_type = 0;
    bool no_stops = false;
    bool no_alt_correction = false;
};

StoreResult ImportCsv(Context&, RiderContext& rc, const std::string& path, const ImportOptions& o) {
    return ImportCsvFile(rc.trips, rc.settings, *rc.trip, path, o.dialect);
}

// Without --sport a FIT ride is stored as bike trip by power when it has cadence, else by
// heart rate.
StoreResult ImportFitActivity(Context& ctx, RiderContext& rc, const std::string& path,
                              const ImportOptions& o) {
    const FitImport import = ImportFitPath(path, rc.settings.rider_folder, *rc.trip);
    for (const std::string& w : import.warnings) Line(ctx.out, "warning", w);
    if (!import.ok) {
        StoreResult r;
        r.message = import.message;
        return r;
    }
    const int sport = (o.given & kOptionSport)        ? o.sport_type
                      : import.can_store_bike_power() ? 0
                                                      : 1;
    FitStoreOptions options;
    options.remove_stops = !o.no_stops;
    options.altitude_correction = !o.no_alt_correction;
    return StoreFitTrip(rc.trips, rc.settings, *rc.trip, import, sport, options);
}

// HRM, SRM and TCX files: the reader, then the store of the window's buttons. Without --sport
// the trip is stored as bike trip by power when the window offers that, else by heart rate.
template <typename Import, typename Reader, typename Store>
StoreResult ReadAndStore(Context& ctx, RiderContext& rc, const ImportOptions& o, Reader read,
                         Store store) {
    const Import import = read();
    for (const std::string& w : import.warnings) Line(ctx.out, "warning", w);
    if (!import.ok) {
        StoreResult r;
        r.message = import.message;
        return r;
    }
    const int sport = (o.given & kOptionSport) ? o.sport_type : import.buttons().bike_power ? 0 : 1;
    return store(rc.trips, rc.settings, *rc.trip, import, sport,
                 RiderImportStoreSteps(rc.trips, rc.settings));
}

StoreResult ImportHrmFile(Context& ctx, RiderContext& rc, const std::string& path,
                          const ImportOptions& o) {
    return ReadAndStore<HrmImport>(
        ctx, rc, o, [&] { return ImportHrmPath(path, rc.settings.rider_folder, *rc.trip); },
        StoreHrmTrip);
}

StoreResult ImportSrmFile(Context& ctx, RiderContext& rc, const std::string& path,
                          const ImportOptions& o) {
    return ReadAndStore<SrmImport>(
        ctx, rc, o, [&] { return ImportSrmPath(path, rc.settings.rider_folder, *rc.trip); },
        StoreSrmTrip);
}

StoreResult ImportTcxFile(Context& ctx, RiderContext& rc, const std::string& path,
                          const ImportOptions& o) {
    return ReadAndStore<TcxImport>(
        ctx, rc, o, [&] { return ImportTcxPath(path, rc.settings.rider_folder, *rc.trip); },
        StoreTcxTrip);
}

// The readers by file extension (lower case). A new reader is one line here.
struct Importer {
    const char* extension;
    unsigned options;  // ImportOption bits it takes
    StoreResult (*run)(Context&, RiderContext&, const std::string& path, const ImportOptions&);
};

constexpr Importer kImporters[] = {
    {"csv", kOptionDialect, ImportCsv},
    {"fit", kOptionSport | kOptionNoStops | kOptionNoAltCorrection, ImportFitActivity},
    {"hrm", kOptionSport, ImportHrmFile},
    {"srm", kOptionSport, ImportSrmFile},
    {"tcx", kOptionSport, ImportTcxFile},
};

const char* OptionName(unsigned bit) {
    switch (bit) {
        case kOptionDialect:
            return "--dialect";
        case kOptionSport:
            return "--sport";
        case kOptionNoStops:
            return "--no-stops";
        default:
            return "--no-alt-correction";
    }
}

}  // namespace

int ImportCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    ImportOptions o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--dialect" && i + 1 < ctx.args.size()) {
            const std::string& d = ctx.args[++i];
            if (d == "semicolon")
                o.dialect = CsvDialect::Semicolon;
            else if (d == "comma")
                o.dialect = CsvDialect::Comma;
            else
                return Fail(ctx, "--dialect is semicolon or comma, not " + d);
            o.given |= kOptionDialect;
        } else if (a == "--sport" && i + 1 < ctx.args.size()) {
            const std::string& t = ctx.args[++i];
            if (t != "0" && t != "1" && t != "2")
                return Fail(
                    ctx, "--sport is 0 (bike, power), 1 (bike, heart rate) or 2 (run), not " + t);
            o.sport_type = t[0] - '0';
            o.given |= kOptionSport;
        } else if (a == "--no-stops") {
            o.no_stops = true;
            o.given |= kOptionNoStops;
        } else if (a == "--no-alt-correction") {
            o.no_alt_correction = true;
            o.given |= kOptionNoAltCorrection;
        } else if (!a.empty() && a[0] == '-') {
            return Fail(ctx, "unknown option " + a + " (see import --help)");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1) return Fail(ctx, "import needs one file (see import --help)");
    const std::string& path = files[0];
    const std::string ext = LowerExtension(path);
    const Importer* importer = nullptr;
    for (const Importer& candidate : kImporters)
        if (ext == candidate.extension) importer = &candidate;
    if (!importer) return Fail(ctx, path + ": no importer for files of type \"" + ext + "\"");
    for (unsigned bit = 1; bit <= kOptionNoAltCorrection; bit <<= 1)
        if ((o.given & bit) && !(importer->options & bit))
            return Fail(ctx,
                        std::string(OptionName(bit)) + " does not apply to ." + ext + " files");
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    StoreResult r = importer->run(ctx, rc, path, o);
    if (!r.ok) return Fail(ctx, path + ": " + r.message);
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
    std::string path =
        out_path.empty() ? stem + (layout == CsvLayout::Plain ? ".CSV" : "_WKO.CSV") : out_path;
    const std::string text = FormatCsv(*trip, layout);
    std::string error;
    if (!WriteFileAtomically(
            path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
            &error))
        return Fail(ctx, error);
    Line(ctx.out, "written", path);
    Line(ctx.out, "samples", Number(std::int64_t{trip->count - 1}));
    return 0;
}

}  // namespace vx::cli
