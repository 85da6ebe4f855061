#include "analysis/evaluation_range.h"

#include <algorithm>
#include <cmath>

#include "analysis/evaluation_format.h"
#include "app/units.h"

namespace vx {

namespace {

// " 12:34:56" style pieces of a duration in seconds.
std::string Clock(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    return FormatTwoDigits(seconds / 3600) + ":" + FormatTwoDigits(seconds % 3600 / 60) + ":" +
           FormatTwoDigits(seconds % 60);
}

std::string F(double v, int width, int precision) {
    return FormatFixed(v, width, precision);
}

std::string Cut(const std::string& line) {
    return std::string(Utf8Prefix(line, kSummaryLineChars));
}

struct Units {
    DisplayFactors factors;
    const char* distance;  // after distance labels
    const char* speed;     // after "Speed"
    const char* altitude;  // after altitude labels
};

Units UnitsOf(const Settings& settings) {
    const bool imperial = settings.unit_flags & kUnitFeetMiles;
    return {FactorsFromUnitFlags(settings.unit_flags), imperial ? " [miles]" : " [km]",
            imperial ? "[mph]" : "[km/h]", imperial ? " [ft]" : " [m]"};
}

void WriteHeadLines(const SummaryLabels& labels, DistanceLabel distance_label, const Units& u,
                    double distance_km, std::int64_t duration_s, const NpIfTss& np,
                    RangeEvaluation& out) {
    const std::string& head =
        distance_label == DistanceLabel::Total ? labels.total_distance : labels.select_distance;
    out.lines[0] = PadRight(head + u.distance, 24) + "=" +
                   F(distance_km * u.factors.distance_factor, 8, 3) + " " +
                   PadLeft(labels.time, 12) + "  " + Clock(duration_s);
    out.lines[1] = "NP™[W]                  =" + F(np.np_w, 8, 1) +
                   "          IF™ =" + F(np.intensity_factor, 8, 3);
    out.lines[2] = "                                           TSS™=" + F(np.tss, 8, 1);
}

void HideLinesOfSport(std::uint8_t sport, RangeEvaluation& out) {
    if (sport > 0) out.lines[1] = out.lines[2] = out.lines[3] = "";
    if (sport > 1) out.lines[5] = "";
}

}  // namespace

bool EvaluateRange(const Trip& trip, const Settings& settings, const SummaryLabels& labels,
                   DistanceLabel distance_label, int first, int last, RangeEvaluation& out) {
    const Units u = UnitsOf(settings);
    const bool whole = first <= 0;
    if (whole) first = 1;
    last = std::min(last, LastSample(trip));
    const std::uint8_t sport = RecordedSportType(trip);

    if (first > last) {
        for (std::string& line : out.lines) line.clear();
        out.np = {};
        WriteHeadLines(labels, distance_label, u, 0, 0, out.np, out);
        for (int i = 0; i < 3; ++i) out.lines[i] = Cut(out.lines[i]);
        HideLinesOfSport(sport, out);
        return false;
    }

    const auto& rec = trip.records;
    const std::int64_t interval = SampleInterval(trip);
    const std::vector<float> smoothed = SmoothAltitude(trip, kAltitudeHalfWidth, last);
    const Climbs climbs = ComputeClimbs(trip, first, last, settings.climb_threshold_pct);
    const RangeSums s = SumRange(trip, smoothed, first, last);
    out.np = ComputeNpIfTss(trip, settings.current_zones(), first, last);

    const double df = u.factors.distance_factor;
    const double af = u.factors.altitude_factor;
    const double distance = Sample(rec[last].distance_km) - Sample(rec[first].distance_km);
    const std::int64_t duration = std::int64_t{rec[last].time_s} - rec[first].time_s;
    const double n = static_cast<double>(s.n);
    const double avg_power = s.power / n;
    const double avg_power_nonzero = s.n_power > 0 ? s.power / s.n_power : 0;
    const double avg_speed = s.speed / n;
    const double avg_hr = s.hr / n;
    const double avg_cadence = s.n_cadence > 0 ? s.cadence / s.n_cadence : 0;
    const double work_kj = s.power * 0.001 * interval;
    const double kcal = work_kj * 0.2398 * 4.5;

    double gradient = out.values.gradient_pct;
    if (!whole) {
        const double dh = Sample(rec[last].altitude_m) - Sample(rec[first].altitude_m);
        const double ds = distance * 1000;
        const double base = ds * ds - dh * dh;
        gradient = base > 0 ? dh * 100 / std::sqrt(base) : 0;
    }
    const double trip_distance = Sample(rec[last].distance_km);
    const double uphill_share =
        trip_distance != 0 ? climbs.uphill_distance_km / trip_distance * 100 : 0;
    const double uphill_gradient = climbs.uphill_distance_km > 0
                                       ? climbs.uphill_gradient_distance / climbs.uphill_distance_km
                                       : 0;
    const std::int64_t climb_time = climbs.count * interval;
    const double climb_speed =
        climb_time >= 1 ? climbs.distance_km * df / static_cast<double>(climb_time) * 3600 : 0;
    const double climb_power = sport == 0 ? climbs.MeanPower() : 0;

    WriteHeadLines(labels, distance_label, u, distance, duration, out.np, out);
    const std::string speed_label = PadRight(labels.speed + u.speed, 13);
    const std::string average_11 = PadLeft(labels.average, 11);
    const std::string average_13 = PadLeft(labels.average, 13);
    const std::string max = "          max =";
    auto& L = out.lines;
    L[3] = "Power(" + PadRight("INC 0 W/ EXC 0 W", 16) + ") =" + F(avg_power, 8, 1) + " /" +
           F(avg_power_nonzero, 6, 1) + "  max =" + F(s.max_power, 8, 1);
    L[4] =
        speed_label + average_11 + "=" + F(avg_speed * df, 8, 1) + max + F(s.max_speed * df, 8, 1);
    L[5] = "RPM        " + average_13 + "=" + F(avg_cadence, 8, 1) + max + F(s.max_cadence, 8, 1);
    L[6] = PadRight(labels.hr, 10) + " " + average_13 + "=" + F(avg_hr, 8, 1) + max +
           F(s.max_hr, 8, 1);
    L[7] = PadRight(labels.work, 16) + "[kJoule]=" + F(work_kj, 8, 1) +
           "        [kcal]=" + F(kcal, 8, 1);
    L[8] = PadRight(labels.altitude + u.altitude, 20) + "min =" + F(s.min_altitude * af, 8, 1) +
           max + F(s.max_altitude * af, 8, 1);
    const std::string ascent =
        PadRight(labels.altitude_difference + u.altitude, 24) + "=" + F(s.ascent_m * af, 8, 1);
    if (whole)
        L[9] =
            ascent + "    ( " + F(uphill_gradient, 4, 2) + "% /  " + F(uphill_share, 6, 2) + "%)";
    else
        L[9] = ascent + PadLeft(labels.gradient, 11) + "[%]=" + F(gradient, 8, 2);
    const std::string climb_text = labels.gradient + " > " + F(settings.climb_threshold_pct, 4, 2) +
                                   "%  (" + F(climbs.MeanGradient(), 4, 2) + "%)";
    L[10] = PadRight(climb_text, 30);
    if (sport == 0) L[10] += " Power  (EXC 0 W)=" + F(climb_power, 8, 1);
    L[11] = PadRight(labels.distance + u.distance, 24) + "=" + F(climbs.distance_km * df, 8, 3) +
            "  " + PadLeft(labels.time, 11) + "  " + Clock(climb_time);
    L[12] = speed_label + average_11 + "=" + F(climb_speed, 8, 1) + "  " + PadLeft(labels.hr, 11) +
            " =" + F(climbs.MeanHr(), 8, 1);
    for (std::string& line : L) line = Cut(line);
    HideLinesOfSport(sport, out);

    out.values.avg_power_w = static_cast<float>(avg_power);
    out.values.avg_speed = static_cast<float>(avg_speed * df);
    out.values.avg_cadence = static_cast<float>(avg_cadence);
    out.values.gradient_pct = static_cast<float>(gradient);
    out.values.avg_temperature_c = static_cast<float>(s.temperature / n);
    out.values.avg_altitude_m = static_cast<float>(s.altitude / n);
    return true;
}

}  // namespace vx
