#include "views/trip_view_settings.h"

#include <charconv>
#include <cmath>

#include "analysis/evaluation_format.h"
#include "views/curve_smoothing.h"

namespace vx {

namespace {

constexpr float kZeroMaximumBecomes = 2000;

bool HalfRange(int type) {
    return type == 5 || type == 6;
}

}  // namespace

bool HasDefaultVisibility(std::int32_t view_flags) {
    return (view_flags & kDefaultVisibilityMarker) == kDefaultVisibilityMarker;
}

void ApplyFreshTripVisibility(std::uint8_t sport_type, std::int32_t view_flags,
                              CurveVisibility& visible) {
    if (HasDefaultVisibility(view_flags)) {
        for (int bit = 0; bit < kMainCurveCount; ++bit) visible[bit] = (view_flags >> bit) & 1;
        return;
    }
    for (TripCurve c : {TripCurve::Power, TripCurve::Cadence, TripCurve::Speed,
                        TripCurve::HeartRate, TripCurve::Altitude})
        Shown(visible, c) = true;
    const std::uint8_t sport = NormalizeSportType(sport_type);
    if (sport >= 1) Shown(visible, TripCurve::Power) = false;
    if (sport == 2) Shown(visible, TripCurve::Cadence) = false;
}

std::int32_t StoreDefaultVisibility(std::int32_t view_flags, const CurveVisibility& visible) {
    std::int32_t flags = (view_flags & ~kDefaultVisibilityBits) | kDefaultVisibilityMarker;
    for (int bit = 0; bit < kMainCurveCount; ++bit)
        if (visible[bit]) flags |= 1 << bit;
    return flags;
}

SportButtons SportButtonsOf(std::uint8_t sport_type) {
    const std::uint8_t sport = NormalizeSportType(sport_type);
    return {sport == 0, sport != 2};
}

std::string CurveButtonCaption(int curve_type, const CurveNames& names, bool imperial) {
    switch (curve_type) {
        case kCurveAltitude:
            return names.altitude + (imperial ? " [ft]" : " [m]");
        case kCurvePower:
            return names.power + " [W]";
        case kCurveCadence:
            return names.cadence + " [1/min]";
        case kCurveSpeed:
            return names.speed + (imperial ? " [mph]" : " [km/h]");
        case kCurveHeartRate:
            return names.heart_rate + " [1/min]";
        case 5:
            return names.climb_rate + (imperial ? " [ft/min]" : " [m/min]");
        case 6:
            return names.gradient + " [%] ";
        case kCurveTorque:
            return names.torque;
        default:
            return {};
    }
}

double ParsePanelNumber(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    std::size_t at = s.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    if (s[at] == '+') ++at;
    double v = 0;
    const auto r = std::from_chars(s.data() + at, s.data() + s.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v)) return 0;
    return v;
}

std::optional<CurveSettingsForm> CurveSettingsFormOf(int type, const CurveSettingsState& st) {
    const std::optional<TripCurve> curve = CurveOfType(type);
    if (!curve) return std::nullopt;
    CurveSettingsForm f;
    f.curve_type = type;
    f.visible = Shown(*st.visible, *curve);
    f.max_text = FormatFixed((*st.scale)[static_cast<std::size_t>(type)], 8, 0);
    f.has_min = type == kCurveAltitude || type == kCurveHeartRate;
    f.min_read_only = type == kCurveAltitude;
    if (f.has_min) f.min_text = FormatFixed((*st.minima)[static_cast<std::size_t>(type)], 8, 0);
    f.has_thresholds = type <= kCurveHeartRate;
    if (f.has_thresholds) {
        for (int k = 0; k < 2; ++k) {
            const ThresholdLine& line = (*st.thresholds)[type][k];
            f.threshold_on[k] = line.on;
            f.threshold_text[k] = FormatFixed(line.value, 8, 1);
        }
    }
    f.has_smoothing = !HalfRange(type);
    f.smoothing_entries = type == kCurveAltitude ? kAltitudeSmoothingLevels : kSmoothingLevelCount;
    f.smoothing_level = (*st.levels)[static_cast<std::size_t>(type)];
    return f;
}

FormCheck AcceptCurveSettingsForm(const CurveSettingsForm& f, const CurveSettingsState& st) {
    const std::optional<TripCurve> curve = CurveOfType(f.curve_type);
    if (!curve) return {false, "This curve has no settings."};
    const auto type = static_cast<std::size_t>(f.curve_type);
    float max = static_cast<float>(ParsePanelNumber(f.max_text));
    if (max == 0) max = kZeroMaximumBecomes;
    float min = (*st.minima)[type];
    if (f.has_min && !f.min_read_only) min = static_cast<float>(ParsePanelNumber(f.min_text));
    const float lo = f.has_min ? min : (HalfRange(f.curve_type) ? -max : 0.0f);
    if (!(lo < max) || !std::isfinite(max))
        return {false, "The axis minimum must be below its maximum."};

    Shown(*st.visible, *curve) = f.visible;
    (*st.scale)[type] = max;
    if (f.has_min) (*st.minima)[type] = min;
    if (f.has_thresholds) {
        for (int k = 0; k < 2; ++k) {
            ThresholdLine& line = (*st.thresholds)[type][k];
            line.on = f.threshold_on[k];
            line.value = static_cast<float>(ParsePanelNumber(f.threshold_text[k]));
        }
    }
    return {};
}

}  // namespace vx
