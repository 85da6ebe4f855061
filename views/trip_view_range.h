// The shown range of the single-trip view: first and end sample, the distance window, and the
// navigation commands (paging, zoom in and out, zoom to a selection, whole trip) on the time
// and on the distance axis.
#pragma once

#include <cstdint>

#include "views/curve_channels.h"

namespace vx {

enum class AxisMode { Time, Distance };

// The shortest range shown, and the shortest distance window that may still be zoomed into.
constexpr double kMinRangeSeconds = 180.0;
constexpr double kMinZoomDistanceKm = 1.55;

// Samples first .. end-1 are shown; x positions are measured from first, which may be 0 after
// snapping (record 0 is the header and is never drawn or read). d0 and d1 are the distance
// window in km, kept for the navigation on the distance axis.
struct ViewRange {
    std::int32_t first = 1;
    std::int32_t end = 1;
    double d0 = 0;
    double d1 = 0;

    std::int32_t width() const { return end - first; }
    bool operator==(const ViewRange&) const = default;
};

// The sample interval the view converts with: 1 .. 3600 s.
std::int32_t ViewInterval(const CurveSource& source);
// The shortest range in samples: trunc(180 / interval), at least 1.
std::int32_t MinRangeSamples(const CurveSource& source);
// first replaced by the largest multiple of trunc(60 / interval) not above it.
std::int32_t SnapFirst(const CurveSource& source, std::int32_t first);
// The distance of a sample in km, the sample held inside 1 .. n-1; 0 when not finite or the
// trip has no samples.
double SampleDistance(const CurveSource& source, std::int32_t sample);
// The distance of the last sample.
double TripDistance(const CurveSource& source);
// The distance window of the range as drawn: distance(min(end, n-1)) - distance(max(first, 1)).
double RangeDistance(const CurveSource& source, const ViewRange& range);

// A range narrower than 180 s is widened to trunc(first + 180.01 / interval).
void WidenRange(const CurveSource& source, ViewRange& range);
// The distance window d0 .. d1 set from the samples of the range.
void SyncDistanceWindow(const CurveSource& source, ViewRange& range);

// Samples 1 .. n, the distance window the whole trip.
ViewRange WholeTrip(const CurveSource& source);

// The navigation commands. Each leaves a widened range with its distance window set.
void PageBackward(const CurveSource& source, AxisMode mode, ViewRange& range);
// On the time axis paging forward ends exactly at the last sample.
void PageForward(const CurveSource& source, AxisMode mode, ViewRange& range);
// Refused (false, range unchanged) when the range is 180 s or shorter or its distance window is
// 1.55 km or less.
bool ZoomIn(const CurveSource& source, AxisMode mode, ViewRange& range);
void ZoomOut(const CurveSource& source, AxisMode mode, ViewRange& range);
// The range between two chosen samples (in either order): first = the earlier one rounded down
// to a multiple of 60 samples, end = the later one, at most n-1.
void ZoomToSelection(const CurveSource& source, std::int32_t a, std::int32_t b, ViewRange& range);

}  // namespace vx
