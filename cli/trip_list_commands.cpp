// velomatix-cli list, erase, copy-to-collection: the rider's trip list.
#include <charconv>
#include <ostream>

#include "cli/output.h"
#include "cli/rider_context.h"

namespace vx::cli {

namespace {

std::optional<int> ParseTripNumber(const std::string& s) {
    int n = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || p != s.data() + s.size() || n < 1 || n > kMaxTripNumber)
        return std::nullopt;
    return n;
}

}  // namespace

int ListCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    if (!ctx.args.empty()) return Fail(ctx, "list takes no arguments but --rider (see list --help)");
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    Line(ctx.out, "rider", rc.settings.rider_folder);
    Line(ctx.out, "trips", Number(std::int64_t(rc.trips.list.entry_count())));
    Line(ctx.out, "columns", "trip_number base_name sport_type distance_km total_time_s np_w tss");
    for (std::size_t i = 0; i < rc.trips.list.entry_count(); ++i) {
        const std::string& line = rc.trips.list.lines[i];
        const TripTableEntry& e = rc.trips.list.table[i];
        std::string values = Number(std::int64_t{e.trip_number}) + " " + BaseNameOfLine(line) + " " +
                             Number(std::int64_t{e.sport_digit});
        if (rc.trips.store.valid(e.trip_number)) {
            const TripSummary& s = rc.trips.store.summaries[e.trip_number];
            // appended piece by piece: g++ 12 warns falsely on a chain of temporaries here
            for (const std::string& v : {Number(s.distance_km), Number(std::int64_t{s.total_time_s}),
                                         Number(s.np_w), Number(s.tss)}) {
                values += ' ';
                values += v;
            }
        } else {
            values += " - - - -";
        }
        Line(ctx.out, "trip", values);
    }
    return 0;
}

int EraseCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    if (ctx.args.size() != 1) return Fail(ctx, "erase needs one trip number (see erase --help)");
    std::optional<int> number = ParseTripNumber(ctx.args[0]);
    if (!number) return Fail(ctx, "not a trip number 1..999: " + ctx.args[0]);
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    std::optional<std::size_t> index = LineOfTripNumber(rc.trips.list, *number);
    if (!index) return Fail(ctx, "no trip with number " + ctx.args[0]);
    const std::string base = BaseNameOfLine(rc.trips.list.lines[*index]);
    EraseTrip(rc.trips, *index);
    if (!SaveRider(rc, message)) return Fail(ctx, message);
    Line(ctx.out, "erased", base);
    Line(ctx.out, "trip_number", Number(std::int64_t{*number}));
    return 0;
}

int CopyToCollectionCommand(Context& ctx) {
    std::optional<std::string> rider = TakeRiderOption(ctx.args);
    if (ctx.args.empty()) return Fail(ctx, "copy-to-collection needs trip numbers (see --help)");
    RiderContext rc;
    std::string message;
    if (!OpenRider(ctx, rider, rc, message)) return Fail(ctx, message);
    std::vector<std::string> selection;
    for (const std::string& a : ctx.args) {
        std::optional<int> number = ParseTripNumber(a);
        std::optional<std::size_t> index = number ? LineOfTripNumber(rc.trips.list, *number) : std::nullopt;
        if (!index) return Fail(ctx, "no trip with number " + a);
        selection.push_back(rc.trips.list.lines[*index]);
    }
    InfoList info;
    int copied = CopyToCollection(rc.trips, selection, rc.settings.current_zones(), *rc.trip, &info);
    for (const std::string& line : info) Line(ctx.out, "skipped", line);
    Line(ctx.out, "copied", Number(std::int64_t{copied}));
    return copied == static_cast<int>(selection.size()) ? 0 : kExitFailure;
}

}  // namespace vx::cli
