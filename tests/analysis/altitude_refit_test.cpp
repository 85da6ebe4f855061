#include "analysis/altitude_refit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace vx {
namespace {

// count records 10 m apart from distance 0 on, with the altitude of the function.
std::unique_ptr<Trip> Profile(std::int32_t count, const std::function<float(int)>& altitude) {
    auto trip = std::make_unique<Trip>();
    trip->count = count;
    for (int i = 1; i < count; ++i) {
        trip->records[i].distance_km = (i - 1) * 0.01f;
        trip->records[i].altitude_m = altitude(i);
    }
    return trip;
}

std::vector<float> Altitudes(const Trip& t) {
    std::vector<float> a;
    for (int i = 1; i < t.count; ++i) a.push_back(t.records[i].altitude_m);
    return a;
}

// The least-squares quadratic through four points by Cramer's rule, for comparison.
std::array<double, 3> Reference(const std::array<double, 4>& f, const std::array<double, 4>& y) {
    double s[5] = {}, t[3] = {};
    for (int j = 0; j < 4; ++j)
        for (int k = 0; k < 5; ++k) {
            s[k] += std::pow(f[j], k);
            if (k < 3) t[k] += y[j] * std::pow(f[j], k);
        }
    auto det = [](double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    double m[3][3];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m[r][c] = s[r + c];
    const double d = det(m);
    std::array<double, 3> out{};
    for (int k = 0; k < 3; ++k) {
        double mk[3][3];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) mk[r][c] = c == k ? t[r] : m[r][c];
        out[k] = det(mk) / d;
    }
    return out;
}

TEST(FitQuadratic, LeastSquaresThroughFourPoints) {
    const std::array<float, 4> x = {0.02f, 0.04f, 0.06f, 0.5f};
    const std::array<float, 4> y = {100, 100.2f, 100.4f, 101};
    const std::vector<double> c = FitQuadratic(x, y, 2);
    ASSERT_EQ(c.size(), 3u);
    std::array<double, 4> f, yd;
    for (int j = 0; j < 4; ++j) f[j] = double(x[j]) / x[3], yd[j] = y[j];
    const std::array<double, 3> want = Reference(f, yd);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(c[k], want[k], 1e-6) << k;
}

TEST(FitQuadratic, EqualPositionsGiveTheMeanLevel) {
    const std::array<float, 4> x = {0.5f, 0.5f, 0.5f, 0.5f};
    const std::array<float, 4> y = {100, 101, 102, 105};
    const std::vector<double> c = FitQuadratic(x, y, 2);
    EXPECT_NEAR(c[0], 102, 1e-9);
    EXPECT_NEAR(c[1], 0, 1e-9);
    EXPECT_NEAR(c[2], 0, 1e-9);
}

TEST(RefitAltitude, WithoutANewLevelOnlyRecordsThreeAndFourChange) {
    // Levels 100, 100.2, 100.4 and 100.6 at records 1, 3, 5, 7; steps of 0.6 m or less after.
    auto trip = Profile(60, [](int i) {
        if (i < 3) return 100.0f;
        if (i < 5) return 100.2f;
        if (i < 7) return 100.4f;
        return i % 5 == 0 ? 101.2f : 100.6f;
    });
    const std::vector<float> before = Altitudes(*trip);
    RefitAltitude(*trip);
    const std::vector<float> after = Altitudes(*trip);
    auto x = [&](int i) { return trip->records[i].distance_km; };
    const float m3 = (x(7) + x(59)) * 0.5f;
    const std::vector<double> c = FitQuadratic(
        std::array<float, 4>{(x(1) + x(3)) * 0.5f, (x(3) + x(5)) * 0.5f, (x(5) + x(7)) * 0.5f, m3},
        std::array<float, 4>{100, 100.2f, 100.4f, 100.6f}, 2);
    for (int i = 1; i < 60; ++i) {
        if (i == 3 || i == 4) {
            const double f = trip->records[i].distance_km / m3;
            EXPECT_NEAR(after[i - 1], c[0] + f * (c[1] + f * c[2]), 1e-3) << i;
            EXPECT_NE(after[i - 1], before[i - 1]) << i;
        } else {
            EXPECT_EQ(after[i - 1], before[i - 1]) << i;
        }
    }
}

TEST(RefitAltitude, StepsOfOneMetreStartANewLevelStepsOfPointSixDoNot) {
    for (float step : {0.6f, 1.0f}) {
        auto trip = Profile(60, [&](int i) { return i < 8 ? 100.0f : 100.0f + step; });
        const std::vector<float> before = Altitudes(*trip);
        RefitAltitude(*trip);
        const std::vector<float> after = Altitudes(*trip);
        // With a new level at record 8 the second window rewrites records 5 and 6 too.
        EXPECT_EQ(after[4] != before[4], step == 1.0f) << step;
    }
}

TEST(RefitAltitude, SteppedClimbBecomesAStraightLine) {
    // 1 m up every 100 m, 10 records per level: the levels lie on alt = 100 + (d - 0.05) / 0.1.
    auto trip = Profile(400, [](int i) { return 100.0f + static_cast<float>((i - 1) / 10); });
    RefitAltitude(*trip);
    for (int i = 21; i < 350; ++i) {
        const double d = trip->records[i].distance_km;
        ASSERT_NEAR(trip->records[i].altitude_m, 100 + (d - 0.05) / 0.1, 2e-3) << i;
    }
    const std::vector<double> c = FitQuadratic(std::array<float, 4>{0.05f, 0.15f, 0.25f, 0.35f},
                                               std::array<float, 4>{100, 101, 102, 103}, 2);
    EXPECT_NEAR(c[2], 0, 1e-5);  // within the rounding of the float inputs
}

TEST(RefitAltitude, WindowsWithoutDistanceOrWithNaNStayAsTheyAre) {
    struct Case {
        const char* name;
        std::function<void(Trip&)> spoil;
    };
    for (const Case& c : std::vector<Case>{
             {"no distance",
              [](Trip& t) {
                  for (int i = 1; i < t.count; ++i) t.records[i].distance_km = 0;
              }},
             {"NaN distance",
              [](Trip& t) {
                  for (int i = 1; i < t.count; ++i) t.records[i].distance_km = std::nanf("");
              }},
             {"NaN altitude",
              [](Trip& t) {
                  for (int i = 1; i < t.count; i += 2) t.records[i].altitude_m = std::nanf("");
              }},
             {"nine records", [](Trip& t) { t.count = 9; }},
         }) {
        auto trip = Profile(80, [](int i) { return 100.0f + (i / 3) * 2.0f; });
        c.spoil(*trip);
        const std::vector<float> before = Altitudes(*trip);
        RefitAltitude(*trip);
        const std::vector<float> after = Altitudes(*trip);
        for (std::size_t i = 0; i < before.size(); ++i)
            if (!std::isnan(before[i])) {
                ASSERT_EQ(after[i], before[i]) << c.name << " " << i;
            }
    }
}

}  // namespace
}  // namespace vx
