#include "analysis/power_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "trip/file_io.h"
#include "views/curve_channels.h"

namespace vx {

namespace {

constexpr float kGravity = 9.81f;
constexpr std::int32_t kProgressStep = 4096;

float Finite(float v) {
    return std::isfinite(v) ? v : 0.0f;
}

using Forces = ModelForces;

// At least two digits, like "%02i" for the non-negative numbers used here.
void AppendTwoDigits(std::string& line, std::int32_t v) {
    if (v < 10) line += '0';
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    line.append(buf, r.ptr);
}

// ";" and the value with the given decimals, right-aligned to the width.
void AppendFixed(std::string& line, float value, int width, int decimals) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                 std::chars_format::fixed, decimals);
    const std::size_t len = r.ec == std::errc() ? static_cast<std::size_t>(r.ptr - buf) : 0;
    line += ';';
    if (len < static_cast<std::size_t>(width))
        line.append(static_cast<std::size_t>(width) - len, ' ');
    line.append(buf, len);
}

// The run shared by the whole-trip and the range version over records first .. end-1.
class ModelRun {
  public:
    ModelRun(std::span<const TripRecord> records, std::int32_t count,
             std::span<const float> altitude_mean, const PowerModelParams& params,
             PowerModelRun& run)
        : records_(records.first(static_cast<std::size_t>(
              std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(records.size()))))),
          n_(static_cast<std::int32_t>(records_.size())),
          p_(params),
          run_(run) {
        if (altitude_mean.size() >= records_.size()) {
            a_ = altitude_mean;
        } else {
            own_a_ = AltitudeMean(CurveSource{records_, n_, 1});
            a_ = own_a_;
        }
        const auto size = static_cast<std::size_t>(n_);
        run_.acceleration_force.assign(size, 0.0f);
        run_.power.assign(size, 0.0f);
        run_.smoothed_power.assign(size, 0.0f);
        run_.lines.clear();
        run_.first_centre = 0;
        run_.centres = 0;
        run_.applied_samples = 0;
        run_.csv_written = false;
    }

    std::int32_t records() const { return n_; }

    void AccelerationForces(std::int32_t first, std::int32_t end) {
        const float mass = p_.rider_kg + p_.bike_kg;
        for (std::int32_t i = first + 3; i < end - 2; ++i) {
            const float va = Finite(records_[i + 2].speed_kmh) / 3.6f;
            const float vb = Finite(records_[i - 2].speed_kmh) / 3.6f;
            const float ds =
                (Finite(records_[i + 2].distance_km) - Finite(records_[i - 2].distance_km)) *
                1000.0f;
            if (ds > 0) run_.acceleration_force[i] = (va * va - vb * vb) * mass * 0.5f / ds;
        }
    }

    // Every centre of the range; the window starting at j never holds the header.
    void Centres(std::int32_t first, std::int32_t end, bool range, bool lines,
                 const PowerModelProgress& progress) {
        const std::int32_t j0 = std::max(first, 1);
        const std::int32_t half = ModelWindowHalf(p_.window_half, end - j0);
        run_.window_half = half;
        if (lines) run_.lines.emplace_back(kModelPowerCsvHeader);
        if (half < 1) return;
        const std::int32_t total = std::max(0, end - 2 * half - j0);
        run_.first_centre = j0 + half;
        run_.centres = total;
        if (lines) run_.lines.reserve(static_cast<std::size_t>(total) + 1);
        for (std::int32_t j = j0; j < end - 2 * half; ++j) {
            const std::int32_t c = j + half;
            const Forces f = Balance(j, half);
            float power = f.sum * f.speed_ms / p_.efficiency;
            if (!(power > 0)) power = 0;
            if (range && Finite(records_[c].cadence_rpm) < 10.0f) power = 0;
            run_.power[c] = power;
            if (lines) run_.lines.push_back(ModelPowerLine(c, f));
            if (progress && ((j - j0 + 1) % kProgressStep == 0 || j - j0 + 1 == total))
                progress(j - j0 + 1, total);
        }
    }

    void Smooth(std::int32_t first, std::int32_t end, bool range) {
        std::vector<float>& s = run_.smoothed_power;
        const std::vector<float>& p = run_.power;
        for (std::int32_t i = 0; i < n_ && i <= 21; ++i) s[i] = p[i];
        auto gated = [&](std::int32_t i, float v) {
            return range && !(Finite(records_[i].cadence_rpm) > 10.0f) ? 0.0f : v;
        };
        bool any = false;
        float mean = 0;
        for (std::int32_t k = first + 1; k < end - 20; ++k) {
            float sum = 0;
            for (std::int32_t q = k; q < k + 20; ++q) sum += p[q];
            mean = 0.05f * sum;
            s[k + 10] = gated(k + 10, mean);
            any = true;
        }
        // The last ten records hold the last mean.
        if (any)
            for (std::int32_t i = std::max(0, end - 10); i < end; ++i) s[i] = gated(i, mean);
    }

  private:
    Forces Balance(std::int32_t j, std::int32_t half) const {
        const std::int32_t c = j + half;
        const std::int32_t w = 2 * half;
        float speed_sum = 0;
        for (std::int32_t q = j; q < j + w; ++q) speed_sum += Finite(records_[q].speed_kmh);
        Forces f{};
        f.speed_ms = speed_sum / static_cast<float>(w) / 3.6f;
        const float dd = Finite(records_[j + w].distance_km) - Finite(records_[j].distance_km);
        const float dh = a_[static_cast<std::size_t>(j + w)] - a_[static_cast<std::size_t>(j)];
        f.rise = dd != 0 ? dh / dd * 0.001f : 0.0f;
        if (!std::isfinite(f.rise)) f.rise = 0;
        const TripRecord& rc = records_[c];
        f.half_density = HalfAirDensity(Finite(rc.altitude_m), Finite(rc.temperature_c));
        const float mass = p_.rider_kg + p_.bike_kg + p_.load_kg;
        f.slope = mass * kGravity * f.rise;
        f.rolling = mass * kGravity * p_.rolling;
        const float air = (f.speed_ms + p_.wind_ms) * (f.speed_ms + p_.wind_ms);
        f.rider_drag =
            f.half_density * p_.rider_cwa * air * (1.0f + 0.002f * Finite(rc.cadence_rpm));
        f.bike_drag = f.half_density * p_.bike_cwa * air;
        f.acceleration = run_.acceleration_force[static_cast<std::size_t>(c)];
        f.sum = f.slope + f.rolling + f.rider_drag + f.bike_drag + f.acceleration;
        return f;
    }

    std::span<const TripRecord> records_;
    std::int32_t n_;
    const PowerModelParams& p_;
    PowerModelRun& run_;
    std::span<const float> a_;
    std::vector<float> own_a_;
};

}  // namespace

std::string ModelPowerLine(std::int32_t record, const ModelForces& f) {
    std::string line;
    line.reserve(96);
    AppendTwoDigits(line, record / 3600);
    line += ':';
    AppendTwoDigits(line, (record % 3600) / 60);
    line += ':';
    AppendTwoDigits(line, record % 60);
    AppendFixed(line, f.sum, 10, 3);
    AppendFixed(line, f.slope, 8, 3);
    AppendFixed(line, f.rolling, 8, 3);
    AppendFixed(line, f.rider_drag, 8, 3);
    AppendFixed(line, f.bike_drag, 8, 3);
    AppendFixed(line, f.acceleration, 8, 3);
    AppendFixed(line, f.speed_ms, 5, 2);
    AppendFixed(line, f.rise * 100.0f, 5, 2);
    AppendFixed(line, f.half_density, 8, 3);
    return line;
}

float HalfAirDensity(float altitude_m, float temperature_c) {
    return 176.5f * std::exp(-0.0001253f * altitude_m) / (273.0f + temperature_c);
}

std::int32_t ModelWindowHalf(std::int32_t n, std::int32_t count) {
    return std::min(ClampWindowHalf(n), std::max(0, (count - 2) / 2));
}

PowerModelRun ComputeModelPower(Trip& trip, std::span<const float> altitude_mean,
                                const PowerModelParams& params, bool apply,
                                const std::string& csv_path, const PowerModelProgress& progress) {
    PowerModelRun run;
    PowerModelParams p = params;
    p.efficiency = ValidEfficiency(p.efficiency);
    ModelRun model(trip.records, trip.count, altitude_mean, p, run);
    const std::int32_t n = model.records();
    model.AccelerationForces(0, n);
    model.Centres(0, n, false, true, progress);
    model.Smooth(0, n, false);
    if (apply) {
        for (std::int32_t i = 1; i < n; ++i) {
            TripRecord& r = trip.records[static_cast<std::size_t>(i)];
            const bool pedalling = r.cadence_rpm > 10.0f;
            r.power_w = pedalling ? run.power[static_cast<std::size_t>(i)] : 0.0f;
            if (pedalling) ++run.applied_samples;
        }
    }
    if (!csv_path.empty()) run.csv_written = WriteModelPowerCsv(csv_path, run.lines);
    return run;
}

std::int32_t ComputeModelPowerRange(std::span<const TripRecord> records, std::int32_t count,
                                    std::span<const float> altitude_mean,
                                    const PowerModelParams& params, std::int32_t first,
                                    std::int32_t end, PowerModelRun& run) {
    PowerModelParams p = params;
    p.efficiency = ValidEfficiency(p.efficiency);
    ModelRun model(records, count, altitude_mean, p, run);
    const std::int32_t result = end - 20;
    end = std::clamp(end, 0, model.records());
    first = std::clamp(first, 0, end);
    model.AccelerationForces(first, end);
    model.Centres(first, end, true, false, {});
    model.Smooth(first, end, true);
    return result;
}

std::string ModelPowerCsvText(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const std::string& l : lines) size += l.size() + 2;
    text.reserve(size);
    for (const std::string& l : lines) {
        text += l;
        text += "\r\n";
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

bool WriteModelPowerCsv(const std::string& path, const std::vector<std::string>& lines,
                        std::string* error) {
    const std::string text = ModelPowerCsvText(lines);
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), error);
}

}  // namespace vx
