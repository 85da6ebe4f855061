// velomatix-cli fit-dump FILE.fit
#include <cstdio>
#include <ostream>

#include "cli/cli.h"
#include "import/base_name.h"
#include "import/fit_decoder.h"
#include "import/fit_records.h"
#include "trip/file_io.h"

namespace vx::cli {

namespace {

std::string Utc(std::uint32_t fit_seconds) {
    const CivilTime t = CivilFromUnixSeconds(kFitEpochUnixSeconds + fit_seconds);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04i-%02i-%02iT%02i:%02i:%02iZ", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string Value(const FitRecord& r, FitValue v) {
    if (!r.has(v)) return "-";
    const std::int64_t raw = r.get(v);
    char buf[40];
    switch (v) {
        case FitValue::Altitude:
            std::snprintf(buf, sizeof buf, "%.1f", FitAltitudeM(raw));
            break;
        case FitValue::Distance:
            std::snprintf(buf, sizeof buf, "%.5f", FitDistanceKm(raw));
            break;
        case FitValue::Speed:
            std::snprintf(buf, sizeof buf, "%.4f", FitSpeedKmh(raw));
            break;
        default:
            std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(raw));
            break;
    }
    return buf;
}

}  // namespace

int FitDumpCommand(Context& ctx) {
    if (ctx.args.size() != 1) return Fail(ctx, "fit-dump needs one FIT file (see fit-dump --help)");
    const std::string& path = ctx.args[0];
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) return Fail(ctx, error);
    FitActivityRead read = ReadFitActivity(bytes);
    for (const std::string& w : read.warnings)
        ctx.err << "velomatix-cli: " << path << ": " << w << '\n';
    if (!read.ok) return Fail(ctx, path + ": " + read.error);
    ctx.out << "# timestamp altitude_m heart_rate_bpm cadence_rpm distance_km speed_kmh power_w "
               "temperature_c\n";
    static constexpr FitValue kColumns[] = {
        FitValue::Altitude, FitValue::HeartRate, FitValue::Cadence,    FitValue::Distance,
        FitValue::Speed,    FitValue::Power,     FitValue::Temperature};
    std::string line;
    for (const FitRecord& r : read.activity.records) {
        line = r.timestamp ? Utc(*r.timestamp) : "-";
        for (FitValue v : kColumns) {
            line += ' ';
            line += Value(r, v);
        }
        line += '\n';
        ctx.out << line;
    }
    return 0;
}

}  // namespace vx::cli
