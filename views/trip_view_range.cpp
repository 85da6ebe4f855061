#include "views/trip_view_range.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

constexpr std::int32_t kMaxViewInterval = 3600;
constexpr double kPageShare = 0.667;  // a page moves by two thirds of the range
constexpr double kPageMinStep = 62;   // below this a page moves by 61 samples
constexpr std::int32_t kShortPage = 61;
constexpr double kZoomOutFactor = 2.002;
constexpr double kWholeTripMargin = 0.02;  // km: paging forward this close to 0 shows all
constexpr std::int32_t kSelectionGrid = 60;

std::int32_t Trunc(double v) {
    // The ranges stay far inside int32; the clamp only guards against damaged input.
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<std::int32_t>(v);
}

// The first sample from `from` to `last` whose distance is at least d, else `otherwise`.
std::int32_t FirstAtDistance(const CurveSource& source, std::int32_t from, std::int32_t last,
                             double d, std::int32_t otherwise) {
    for (std::int32_t i = from; i <= last; ++i)
        if (SampleDistance(source, i) >= d) return i;
    return otherwise;
}

// S and E from the distance window; the search for E ends at e_limit.
void LocateWindow(const CurveSource& source, ViewRange& range, bool zoom_limit) {
    const std::int32_t n = source.size();
    range.first = FirstAtDistance(source, 1, n - 1, range.d0, n - 1);
    if (zoom_limit) {
        const std::int32_t limit = std::max(range.first, n - 3);
        range.end = FirstAtDistance(source, range.first, limit, range.d1, limit);
    } else {
        range.end = FirstAtDistance(source, range.first, n - 1, range.d1, n);
    }
    WidenRange(source, range);
}

void FinishTimeCommand(const CurveSource& source, ViewRange& range) {
    WidenRange(source, range);
    SyncDistanceWindow(source, range);
}

bool HasSamples(const CurveSource& source) {
    return source.size() >= 2;
}

}  // namespace

std::int32_t ViewInterval(const CurveSource& source) {
    return std::clamp(source.sample_interval_s, 1, kMaxViewInterval);
}

std::int32_t MinRangeSamples(const CurveSource& source) {
    return std::max<std::int32_t>(1, Trunc(kMinRangeSeconds / ViewInterval(source)));
}

std::int32_t SnapFirst(const CurveSource& source, std::int32_t first) {
    const std::int32_t grid = std::max<std::int32_t>(1, 60 / ViewInterval(source));
    return first <= 0 ? 0 : first / grid * grid;
}

double SampleDistance(const CurveSource& source, std::int32_t sample) {
    const std::int32_t n = source.size();
    if (n < 2) return 0;
    const float d =
        source.records[static_cast<std::size_t>(std::clamp(sample, 1, n - 1))].distance_km;
    return std::isfinite(d) ? d : 0.0;
}

double TripDistance(const CurveSource& source) {
    return SampleDistance(source, source.size() - 1);
}

double RangeDistance(const CurveSource& source, const ViewRange& range) {
    const std::int32_t n = source.size();
    return SampleDistance(source, std::min(range.end, n - 1)) -
           SampleDistance(source, std::max(range.first, 1));
}

void WidenRange(const CurveSource& source, ViewRange& range) {
    const std::int32_t min = MinRangeSamples(source);
    if (range.width() >= min) return;
    range.end = std::max(Trunc(range.first + (kMinRangeSeconds + 0.01) / ViewInterval(source)),
                         range.first + min);
}

void SyncDistanceWindow(const CurveSource& source, ViewRange& range) {
    const std::int32_t n = source.size();
    range.d0 = SampleDistance(source, std::max(range.first, 1));
    range.d1 = SampleDistance(source, std::min(range.end, n - 1));
}

ViewRange WholeTrip(const CurveSource& source) {
    ViewRange range{1, std::max<std::int32_t>(source.size(), 1), 0, 0};
    FinishTimeCommand(source, range);
    return range;
}

void PageBackward(const CurveSource& source, AxisMode mode, ViewRange& range) {
    if (!HasSamples(source)) return;
    if (mode == AxisMode::Distance) {
        const double d = range.d1 - range.d0;
        range.d0 = std::max(0.0, range.d0 - kPageShare * d);
        range.d1 = range.d0 + d;
        LocateWindow(source, range, false);
        return;
    }
    const std::int32_t r = range.width();
    std::int32_t s = kPageShare * r > kPageMinStep ? Trunc(range.first - kPageShare * r)
                                                   : range.first - kShortPage;
    s = SnapFirst(source, std::max(s, 1));
    range.first = s;
    range.end = s + r;
    FinishTimeCommand(source, range);
}

void PageForward(const CurveSource& source, AxisMode mode, ViewRange& range) {
    if (!HasSamples(source)) return;
    if (mode == AxisMode::Distance) {
        const double total = TripDistance(source);
        const double d = range.d1 - range.d0;
        range.d0 += kPageShare * d;
        range.d1 = range.d0 + d;
        if (range.d1 >= total) {
            range.d1 = total;
            range.d0 = total - d;
            if (range.d0 <= kWholeTripMargin) {
                range = WholeTrip(source);
                return;
            }
        }
        LocateWindow(source, range, false);
        return;
    }
    const std::int32_t n = source.size();
    const std::int32_t r = range.width();
    std::int32_t s = kPageShare * r > kPageMinStep ? Trunc(range.first + kPageShare * r)
                                                   : range.first + kShortPage;
    s = SnapFirst(source, s);
    range.first = s;
    range.end = s + r;
    if (range.end > n) {
        // The snapped start would leave the end short of the trip's end: the range ends at
        // the last sample and is up to one snapping step wider.
        range.first = SnapFirst(source, std::max(n - r, 1));
        range.end = n;
    }
    FinishTimeCommand(source, range);
}

bool ZoomIn(const CurveSource& source, AxisMode mode, ViewRange& range) {
    if (!HasSamples(source)) return false;
    const std::int32_t min = MinRangeSamples(source);
    if (range.width() <= min || !(RangeDistance(source, range) > kMinZoomDistanceKm)) return false;
    if (mode == AxisMode::Distance) {
        const double total = TripDistance(source);
        const double d = range.d1 - range.d0;
        const double half = d / 2;
        range.d0 = range.d0 + d / 2 - half / 2;
        range.d1 = range.d0 + half;
        if (range.d1 >= total) {
            range.d1 = total;
            range.d0 = total - half;
        }
        LocateWindow(source, range, true);
        return true;
    }
    const double r = range.width();
    const double narrow = std::max(r / 2, static_cast<double>(min));
    range.first = SnapFirst(source, Trunc(range.first + r / 2 - narrow / 2));
    range.end = Trunc(range.first + narrow);
    FinishTimeCommand(source, range);
    return true;
}

void ZoomOut(const CurveSource& source, AxisMode mode, ViewRange& range) {
    if (!HasSamples(source)) return;
    if (mode == AxisMode::Distance) {
        const double total = TripDistance(source);
        const double centre = range.d0 + (range.d1 - range.d0) / 2;
        const double d = 2 * (range.d1 - range.d0);
        if (d >= total) {
            range.d0 = 0;
            range.d1 = total;
        } else {
            range.d0 = centre - d / 2;
            range.d1 = range.d0 + d;
            if (range.d1 >= total) {
                range.d1 = total;
                range.d0 = total - d;
            }
        }
        LocateWindow(source, range, false);
        return;
    }
    const std::int32_t n = source.size();
    double r = range.width();
    double centre = range.first + r / 2;
    r *= kZoomOutFactor;
    if (r >= n) {
        r = n + 5;
        centre = r / 2 - 5;
    }
    range.first = SnapFirst(source, std::max(Trunc(centre - r / 2), 1));
    range.end = Trunc(range.first + r);
    FinishTimeCommand(source, range);
}

void ZoomToSelection(const CurveSource& source, std::int32_t a, std::int32_t b, ViewRange& range) {
    const std::int32_t n = source.size();
    if (n < 2) return;
    const std::int32_t lo = std::clamp(std::min(a, b), 1, n - 1);
    const std::int32_t hi = std::clamp(std::max(a, b), 1, n - 1);
    range.first = lo / kSelectionGrid * kSelectionGrid;
    range.end = hi;
    FinishTimeCommand(source, range);
}

}  // namespace vx
