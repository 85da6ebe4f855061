#include "views/curve_smoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vx {
namespace {

// The clamped mean straight from its definition, in double.
std::vector<double> BruteForce(const std::vector<float>& x, int k) {
    const int last = static_cast<int>(x.size()) - 1;
    std::vector<double> y(x.size(), 0.0);
    for (int j = 1; j <= last; ++j) {
        double sum = 0;
        for (int p = j - k; p <= j + k; ++p) sum += x[std::clamp(p, 1, last)];
        y[j] = sum / (2 * k + 1);
    }
    return y;
}

TEST(SmoothChannel, MatchesTheClampedMeanForEveryLevelAndLength) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> value(0.0f, 400.0f);
    for (int length : {2, 3, 6, 40, 250, 1000}) {
        std::vector<float> x(static_cast<std::size_t>(length));
        for (std::size_t i = 1; i < x.size(); ++i) x[i] = value(rng);
        for (int level = 0; level < kSmoothingLevelCount; ++level) {
            const int k = SmoothingHalfWidth(level);
            const std::vector<float> y = SmoothChannel(x, k);
            const std::vector<double> want = BruteForce(x, k);
            ASSERT_EQ(y.size(), x.size());
            for (std::size_t j = 1; j < x.size(); ++j)
                ASSERT_NEAR(y[j], want[j], 0.01)
                    << "length " << length << " level " << level << " sample " << j;
        }
    }
}

TEST(SmoothChannel, LevelZeroCopiesAndLevelsAreClamped) {
    const std::vector<float> x = {99, 1, 5, 2, 8};
    EXPECT_EQ(SmoothChannel(x, 0), (std::vector<float>{0, 1, 5, 2, 8}));
    EXPECT_EQ(SmoothingHalfWidth(-4), 0);
    EXPECT_EQ(SmoothingHalfWidth(9), 120);
    EXPECT_EQ(SmoothingHalfWidth(55), 120);
}

TEST(SmoothChannel, WideWindowsReplicateTheEnds) {
    // k = 120 over four samples: 121 copies of the first, 121 of the last, weighted.
    const std::vector<float> x = {0, 10, 0, 0, 20};
    const std::vector<float> y = SmoothChannel(x, 120);
    EXPECT_NEAR(y[1], (120 * 10.0 + 10 + 0 + 0 + 20 * 118) / 241.0, 1e-3);
    EXPECT_NEAR(y[4], (10 * 118 + 0 + 0 + 20 * 121) / 241.0, 1e-3);
}

TEST(SmoothChannel, ValuesThatAreNoNumbersCountAsZero) {
    std::vector<float> x(50, 3.0f);
    x[10] = std::nanf("");
    x[11] = INFINITY;
    const std::vector<float> y = SmoothChannel(x, 2);
    EXPECT_NEAR(y[10], 9.0f / 5, 1e-5);
    EXPECT_FLOAT_EQ(y[20], 3.0f);  // the running sum recovers behind the window
    EXPECT_FLOAT_EQ(y[49], 3.0f);
}

}  // namespace
}  // namespace vx
