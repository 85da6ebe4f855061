// The centred moving average behind every curve, and its ten smoothing levels.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vx {

constexpr int kSmoothingLevelCount = 10;
// Half widths of the levels 0..9: windows of 1, 3, 5, 9, 15, 21, 31, 61, 121, 241 samples.
constexpr std::array<std::int32_t, kSmoothingLevelCount> kSmoothingHalfWidths = {
    0, 1, 2, 4, 7, 10, 15, 30, 60, 120};
// The level names of the settings panel (one sample per second assumed); altitude offers
// only the first seven.
constexpr std::array<const char*, kSmoothingLevelCount> kSmoothingLevelNames = {
    "   0",    "   3 SEC", "   5 SEC", " 10 SEC", " 15 SEC",
    " 20 SEC", " 30 SEC",  "  1 MIN",  "  2 MIN", "  4 MIN"};
constexpr int kAltitudeSmoothingLevels = 7;

// The half width of a level; levels outside 0..9 are clamped into it.
std::int32_t SmoothingHalfWidth(std::int32_t level);

// Centred moving average with half width k over the samples x[1] .. x[n-1] (x[0] is the
// header slot and is not read). Positions before sample 1 take x[1], positions behind the
// last sample take x[n-1]. Values that are not finite count as 0. k = 0 copies the samples
// unchanged. y must hold at least x.size() values and must not overlap x; y[0] is set to 0.
void SmoothChannel(std::span<const float> x, std::int32_t k, std::span<float> y);
std::vector<float> SmoothChannel(std::span<const float> x, std::int32_t k);

}  // namespace vx
