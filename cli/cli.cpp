#include "cli/cli.h"

#include <algorithm>
#include <ostream>

#include "trip/paths.h"

namespace vx::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"show", "print the header, blocks and note of a DEO trip file",
         "usage: velomatix-cli [--data DIR] show FILE.DEO\n"
         "Prints count, sample_interval_s, sport_type, flags, zone_threshold, weight_x10,\n"
         "threshold_hr_bike, threshold_hr_run, offset, k_factor, zone_bounds, curve_scale,\n"
         "note, note_present and rewrite_pending as the program reads the file. A missing zone\n"
         "bounds block is rebuilt from the current rider's zones of the data root.\n",
         ShowCommand},
        {"settings", "print the settings file of the data root",
         "usage: velomatix-cli [--data DIR] settings\n"
         "Prints version, com_port, current_rider, rider_folder, rider.N.name, rider.N.weight_kg,\n"
         "rider.N.height_m, zones.N.S (rider N, sport type S), climb_threshold_pct, language,\n"
         "unit_flags, com_speed_index and data_source, after validation.\n",
         SettingsCommand},
        {"list", "list the rider's trips with their figures from the summary store",
         "usage: velomatix-cli [--data DIR] list [--rider NAME]\n"
         "Prints rider, trips and one line \"trip: NUMBER BASE_NAME SPORT DISTANCE_KM TIME_S NP_W\n"
         "TSS\" per entry of the trip list (\"-\" for figures the store does not hold). Without\n"
         "--rider the current rider of the settings is used.\n",
         ListCommand},
        {"import", "import a trip file into the rider's folder and trip list",
         "usage: velomatix-cli [--data DIR] import FILE [--rider NAME] [--dialect semicolon|comma]\n"
         "                     [--sport 0|1|2] [--no-stops] [--no-alt-correction]\n"
         "Stores the trip the way the program does and prints base_name, trip_number, count,\n"
         "duration_s and distance_km. The reader is chosen by the file's extension (.csv,\n"
         ".fit, .hrm, .srm or .tcx, in any case).\n"
         "--rider NAME works on that rider folder (created when missing; needed in a fresh data\n"
         "root). CSV files are read in the semicolon dialect unless --dialect comma is given.\n"
         "FIT files are stored as sport type --sport (0 bike by power, 1 bike by heart rate, 2\n"
         "run; default 0 when the ride has cadence, else 1); bike trips lose their standstills\n"
         "unless --no-stops is given and get the altitude correction unless --no-alt-correction\n"
         "is given. HRM, SRM and TCX files take --sport the same way (SRM: 0 or 1); HRM and\n"
         "TCX bike trips lose their standstills. Check sum and cut warnings are printed as\n"
         "warning lines.\n",
         ImportCommand},
        {"import-deo", "import DEO files into the rider's trip list",
         "usage: velomatix-cli [--data DIR] import-deo FILE.DEO... [--rider NAME]\n"
         "Stores each file under its base name with the rider's threshold and weight; files that\n"
         "do not load, are not named like trips or are stored already are listed as skipped (exit\n"
         "2 when any was skipped). Prints imported.\n",
         ImportDeoCommand},
        {"export", "write a DEO trip file as CSV (plain or WKO layout)",
         "usage: velomatix-cli [--data DIR] export FILE.DEO [--wko] [-o OUT]\n"
         "Writes FILE.CSV (or FILE_WKO.CSV with --wko) beside the trip, or OUT; prints written\n"
         "and samples.\n",
         ExportCommand},
        {"erase", "erase a trip from the rider's trip list (its DEO file stays)",
         "usage: velomatix-cli [--data DIR] erase NUMBER [--rider NAME]\n"
         "Removes the trip with that number from the list, releases the number and prints erased\n"
         "and trip_number.\n",
         EraseCommand},
        {"copy-to-collection", "copy trips into the COLLECTION folder",
         "usage: velomatix-cli [--data DIR] copy-to-collection NUMBER... [--rider NAME]\n"
         "Copies the trips with these numbers into DATA/COLLECTION and its list; prints copied.\n",
         CopyToCollectionCommand},
        {"summary", "evaluate a DEO trip file: summary lines L0..L12 and the summary records",
         "usage: velomatix-cli [--data DIR] summary FILE.DEO [--first N] [--last M]\n"
         "Prints the summary lines L0..L12 as the program shows them, then has_power, the\n"
         "TripSummary fields (total_time_s .. weight_kg), zone_times_s, the TripDistribution\n"
         "fields (peak_5 .. peak_1200, histograms, zone_bounds), sample_interval_s and the range\n"
         "values range_*. The records always describe the whole trip, evaluated with the current\n"
         "rider's zones and climb threshold of the data root. --first N evaluates the lines over\n"
         "records N..M as a selection (M defaults to the trip's last record).\n",
         SummaryCommand},
        {"model-power", "compute the modelled power of a DEO trip file",
         "usage: velomatix-cli [--data DIR] model-power FILE.DEO [--apply] [--params FILE]\n"
         "Runs the power model with the current rider and the power model parameters of the data\n"
         "root (or FILE), writes CALC_POWER.CSV into the data root and prints samples (records\n"
         "modelled), avg_model_power_w and max_model_power_w. With --apply the modelled power is\n"
         "written into the trip file and applied_samples (records with cadence above 10) printed.\n",
         ModelPowerCommand},
        {"fit-dump", "print the record messages of a FIT file as the decoder reads them",
         "usage: velomatix-cli [--data DIR] fit-dump FILE.fit\n"
         "Prints one line per record message: timestamp (UTC), altitude_m, heart_rate_bpm,\n"
         "cadence_rpm, distance_km, speed_kmh, power_w and temperature_c, \"-\" for a value the\n"
         "message does not hold or holds as invalid. Check sum warnings go to stderr.\n",
         FitDumpCommand},
    };
    return commands;
}

int Fail(Context& ctx, const std::string& message) {
    ctx.err << "velomatix-cli: " << message << '\n';
    return kExitFailure;
}

std::string SettingsPath(const Context& ctx) {
    return ctx.data_root + "/DATA/GRD_DATA/GRD_DATA_01.GRD";
}

namespace {

void PrintHelp(std::ostream& out) {
    out << "usage: velomatix-cli [--data DIR] COMMAND [ARGS]\n"
           "Velomatix command-line tool: reads the program's trip, list and settings files.\n\n"
           "options:\n"
           "  --data DIR   data root (default: the program's folder when a DATA folder stands\n"
           "               beside it, else $XDG_DATA_HOME/velomatix)\n"
           "  --help       this text; COMMAND --help describes a command\n\n"
           "commands:\n";
    for (const Command& c : Commands()) {
        std::string name = c.name;
        name.resize(std::max<std::size_t>(name.size() + 2, 20), ' ');
        out << "  " << name << c.summary << '\n';
    }
    out << "\nOutput is one \"key: value\" line per field; a failure prints one line to stderr "
           "and exits with 2.\n";
}

}  // namespace

int Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    std::optional<std::string> data_option;
    std::size_t i = 1;
    for (; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a == "--help" || a == "-h") {
            PrintHelp(out);
            return 0;
        }
        if (a == "--data") {
            if (i + 1 >= argv.size()) {
                err << "velomatix-cli: --data needs a folder\n";
                return kExitFailure;
            }
            data_option = argv[++i];
        } else if (a.rfind("--data=", 0) == 0) {
            data_option = a.substr(7);
        } else if (!a.empty() && a[0] == '-') {
            err << "velomatix-cli: unknown option " << a << " (see --help)\n";
            return kExitFailure;
        } else {
            break;
        }
    }
    if (i >= argv.size()) {
        PrintHelp(err);
        return kExitFailure;
    }
    const std::string& name = argv[i];
    for (const Command& c : Commands()) {
        if (name != c.name) continue;
        Context ctx{ResolveDataRoot(data_option, ExecutableDir()),
                    std::vector<std::string>(argv.begin() + i + 1, argv.end()), out, err};
        for (const std::string& a : ctx.args)
            if (a == "--help" || a == "-h") {
                out << c.usage;
                return 0;
            }
        return c.run(ctx);
    }
    err << "velomatix-cli: unknown command " << name << " (see --help)\n";
    return kExitFailure;
}

}  // namespace vx::cli
