// velomatix-cli summary FILE.DEO [--first N] [--last M]
#include <charconv>
#include <ostream>
#include <span>

#include "analysis/evaluation_range.h"
#include "analysis/evaluation_summary.h"
#include "cli/cli.h"
#include "cli/output.h"
#include "trip/deo_file.h"

namespace vx::cli {

namespace {

bool ParseRecord(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end;
}

template <typename T, std::size_t N>
std::string Ints(const std::array<T, N>& values, std::size_t n = N) {
    return NumberList<T>(std::span<const T>(values.data(), n));
}

void PrintSummary(std::ostream& out, const TripSummary& s) {
    Line(out, "total_time_s", Number(std::int64_t{s.total_time_s}));
    Line(out, "climb_time_s", Number(std::int64_t{s.climb_time_s}));
    Line(out, "distance_km", Number(s.distance_km));
    Line(out, "climb_distance_km", Number(s.climb_distance_km));
    Line(out, "ascent_m", Number(s.ascent_m));
    Line(out, "min_altitude_m", Number(s.min_altitude_m));
    Line(out, "max_altitude_m", Number(s.max_altitude_m));
    Line(out, "avg_power_w", Number(s.avg_power_w));
    Line(out, "avg_power_nonzero_w", Number(s.avg_power_nonzero_w));
    Line(out, "avg_power_climb_w", Number(s.avg_power_climb_w));
    Line(out, "max_power_w", Number(s.max_power_w));
    Line(out, "np_w", Number(s.np_w));
    Line(out, "if", Number(s.intensity_factor));
    Line(out, "tss", Number(s.tss));
    Line(out, "work_kj", Number(s.work_kj));
    Line(out, "avg_hr", Number(s.avg_hr));
    Line(out, "max_hr", Number(s.max_hr));
    Line(out, "avg_cadence", Number(s.avg_cadence));
    Line(out, "max_cadence", Number(s.max_cadence));
    Line(out, "avg_speed_kmh", Number(s.avg_speed_kmh));
    Line(out, "max_speed_kmh", Number(s.max_speed_kmh));
    Line(out, "avg_temperature_c", Number(s.avg_temperature_c));
    Line(out, "power_time_s", Number(std::int64_t{s.power_time_s}));
    Line(out, "weight_kg", Number(s.weight_kg));
}

void PrintZonesAndDistribution(std::ostream& out, const ZoneTimes& z, const TripDistribution& d) {
    Line(out, "zone_times_s", Ints(z.seconds));
    Line(out, "zone_times_valid", z.valid() ? "1" : "0");
    Line(out, "distribution_valid", d.valid() ? "1" : "0");
    Line(out, "duration_s", Number(std::int64_t{d.duration_s}));
    Line(out, "peak_5", Number(std::int64_t{d.peak_5}));
    Line(out, "peak_60", Number(std::int64_t{d.peak_60}));
    Line(out, "peak_300", Number(std::int64_t{d.peak_300}));
    Line(out, "peak_1200", Number(std::int64_t{d.peak_1200}));
    Line(out, "hr_histogram_s", Ints(d.hr_histogram_s));
    Line(out, "cadence_histogram_s", Ints(d.cadence_histogram_s));
    Line(out, "speed_histogram_s", Ints(d.speed_histogram_s));
    Line(out, "power_histogram_s", Ints(d.power_histogram_s, kPowerHistogramBins));
    Line(out, "zone_bounds", Ints(d.zone_bounds));
}

void PrintRangeValues(std::ostream& out, const RangeValues& v) {
    Line(out, "range_avg_power_w", Number(v.avg_power_w));
    Line(out, "range_avg_speed", Number(v.avg_speed));
    Line(out, "range_avg_cadence", Number(v.avg_cadence));
    Line(out, "range_gradient_pct", Number(v.gradient_pct));
    Line(out, "range_avg_temperature_c", Number(v.avg_temperature_c));
    Line(out, "range_avg_altitude_m", Number(v.avg_altitude_m));
}

}  // namespace

int SummaryCommand(Context& ctx) {
    std::string path;
    int first = 0;
    int last = -1;  // the trip's last record
    bool has_first = false;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--first" || a == "--last") {
            if (i + 1 >= ctx.args.size() ||
                !ParseRecord(ctx.args[i + 1], a == "--first" ? first : last))
                return Fail(ctx, a + " needs a record number (see summary --help)");
            if (a == "--first") has_first = true;
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            return Fail(ctx, "unknown option " + a + " (see summary --help)");
        } else if (path.empty()) {
            path = a;
        } else {
            return Fail(ctx, "summary needs one DEO file (see summary --help)");
        }
    }
    if (path.empty()) return Fail(ctx, "summary needs one DEO file (see summary --help)");
    if (has_first && first < 1) return Fail(ctx, "--first must be a record number of 1 or more");

    Settings settings = DefaultSettings();
    ReadSettings(SettingsPath(ctx), settings, nullptr);
    Trip trip;
    TripLoad load = ReadTripPath(path, trip, settings.current_zones());
    if (!load) return Fail(ctx, path + ": not a loadable trip: " + load.reason);
    if (last < 0) last = trip.count - 1;

    // The program evaluates a trip after loading it, so the lines use the interval found then.
    TripSummary summary;
    ZoneTimes zone_times;
    TripDistribution distribution;
    DistributionDisplay display;
    const bool has_power =
        SummarizeTrip(trip, settings, 0, summary, zone_times, distribution, display);

    RangeEvaluation range;
    const bool evaluated = EvaluateRange(trip, settings, SummaryLabels{},
                                         has_first ? DistanceLabel::Select : DistanceLabel::Total,
                                         has_first ? first : 0, last, range);

    std::ostream& out = ctx.out;
    for (int i = 0; i < kSummaryLines; ++i) out << 'L' << i << ": " << range.lines[i] << '\n';
    Line(out, "has_power", has_power ? "1" : "0");
    PrintSummary(out, summary);
    PrintZonesAndDistribution(out, zone_times, distribution);
    Line(out, "sample_interval_s", Number(std::int64_t{trip.sample_interval_s}));
    Line(out, "range_evaluated", evaluated ? "1" : "0");
    PrintRangeValues(out, range.values);
    return 0;
}

}  // namespace vx::cli
