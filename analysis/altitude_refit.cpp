#include "analysis/altitude_refit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/SUBS/matrix.h"

namespace vx {

namespace {

struct Level {
    std::int32_t index = 0;
    float distance = 0;
    float altitude = 0;
};

Level LevelAt(std::span<const TripRecord> records, std::int32_t i) {
    const TripRecord& r = records[static_cast<std::size_t>(i)];
    return Level{i, r.distance_km, r.altitude_m};
}

}  // namespace

std::vector<double> FitQuadratic(std::span<const float> x, std::span<const float> y, int degree) {
    const std::size_t points = std::min(x.size(), y.size());
    const int n = degree + 1;
    if (points == 0 || degree < 0) return std::vector<double>(static_cast<std::size_t>(n), 0.0);
    const double scale = x[points - 1];
    std::vector<double> f(points), yd(points);
    for (std::size_t j = 0; j < points; ++j) {
        f[j] = static_cast<double>(x[j]) / scale;
        yd[j] = y[j];
    }
    // Power sums S_k = sum f^k (S_0 = number of points) and moments T_k = sum y f^k.
    std::vector<double> s(static_cast<std::size_t>(2 * degree + 1), 0.0);
    std::vector<double> t(s.size(), 0.0);
    for (std::size_t j = 0; j < points; ++j) {
        double fk = 1.0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            s[k] += fk;
            t[k] += yd[j] * fk;
            fk *= f[j];
        }
    }
    Matrix a(n, n, 0.0);
    Matrix v(n, 1, 0.0);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) a.element(r, c) = s[static_cast<std::size_t>(r + c - 2)];
        v.element(r, 1) = t[static_cast<std::size_t>(r - 1)];
    }
    const Matrix coefficients = multiply(inverse(a), v);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) out[static_cast<std::size_t>(r - 1)] = coefficients.element(r, 1);
    return out;
}

void RefitAltitude(std::span<TripRecord> records, std::int32_t count) {
    count = std::min<std::int32_t>(count, static_cast<std::int32_t>(records.size()));
    if (count < 10) return;
    std::array<Level, 5> p{LevelAt(records, 1), LevelAt(records, 3), LevelAt(records, 5),
                           LevelAt(records, 7), Level{}};
    std::int32_t r = 8;
    do {
        ++r;
        while (std::fabs(p[3].altitude - records[r].altitude_m) < kAltitudeLevelStep &&
               r < count - 1)
            ++r;
        p[4] = LevelAt(records, r);
        std::array<float, 4> mid{}, level{};
        bool usable = true;
        for (int j = 0; j < 4; ++j) {
            mid[j] = (p[j].distance + p[j + 1].distance) * 0.5f;
            level[j] = p[j].altitude;
            usable = usable && std::isfinite(mid[j]) && std::isfinite(level[j]);
        }
        // A window without distance has no curve to follow.
        if (usable && mid[3] != 0.0f) {
            const std::vector<double> c = FitQuadratic(mid, level, 2);
            for (std::int32_t k = p[1].index; k < p[2].index; ++k) {
                TripRecord& rec = records[static_cast<std::size_t>(k)];
                const float f = rec.distance_km / mid[3];
                const float t2 = static_cast<float>(f * c[2]);
                const float t1 = static_cast<float>(c[1] + t2);
                const float t0 = static_cast<float>(f * t1);
                const float h = static_cast<float>(c[0] + t0);
                if (std::isfinite(h)) rec.altitude_m = h;
            }
        }
        p[0] = p[1];
        p[1] = p[2];
        p[2] = p[3];
        p[3] = p[4];
    } while (r < count - 1);
}

void RefitAltitude(Trip& trip) {
    RefitAltitude(trip.records, trip.count);
}

}  // namespace vx
