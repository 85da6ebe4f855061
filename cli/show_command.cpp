// velomatix-cli show FILE.DEO
#include <ostream>

#include "cli/cli.h"
#include "cli/output.h"
#include "trip/cp1252.h"
#include "trip/deo_file.h"

namespace vx::cli {

int ShowCommand(Context& ctx) {
    if (ctx.args.size() != 1) return Fail(ctx, "show needs one DEO file (see show --help)");
    Settings settings = DefaultSettings();
    ReadSettings(SettingsPath(ctx), settings, nullptr);

    Trip trip_buffer;
    Trip* trip = &trip_buffer;
    TripLoad load = ReadTripPath(ctx.args[0], *trip, settings.current_zones());
    if (!load) return Fail(ctx, ctx.args[0] + ": not a loadable trip: " + load.reason);

    TripHeader h = trip->header();
    std::ostream& out = ctx.out;
    Line(out, "count", Number(std::int64_t{trip->count}));
    Line(out, "sample_interval_s", Number(std::int64_t{trip->sample_interval_s}));
    Line(out, "sport_type", Number(std::int64_t{trip->sport_type}));
    Line(out, "flags", Number(std::int64_t{h.flags()}));
    Line(out, "zone_threshold", Number(h.zone_threshold()));
    Line(out, "weight_x10", Number(h.weight_x10()));
    Line(out, "threshold_hr_bike", Number(h.threshold_hr_bike()));
    Line(out, "threshold_hr_run", Number(h.threshold_hr_run()));
    Line(out, "offset", Number(h.offset()));
    Line(out, "k_factor", Number(h.k_factor()));
    Line(out, "zone_bounds", NumberList<float>(trip->zone_bounds));
    Line(out, "curve_scale", NumberList<float>(trip->curve_scale));
    Line(out, "note", Cp1252ToUtf8(NoteText(trip->note)));
    Line(out, "note_present", (h.flags() & kNoteFlag) ? "1" : "0");
    Line(out, "rewrite_pending", trip->rewrite_pending ? "1" : "0");
    return 0;
}

}  // namespace vx::cli
