// The curve settings of the single-trip view: the visibility of the curves from the sport type
// and the rider's default visibility, "Apply settings as default", the curve buttons' captions,
// and the curve settings panel (visible, axis maximum and minimum, two threshold lines, the
// smoothing level) with its checks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "views/trip_view_scales.h"

namespace vx {

// View-flag bits: 0 .. 6 the main curves in TripCurve order, 7 and 8 mark them as set.
constexpr std::int32_t kDefaultVisibilityMarker = 0x180;
constexpr std::int32_t kDefaultVisibilityBits = 0x1FF;

bool HasDefaultVisibility(std::int32_t view_flags);
// The visibility of a freshly loaded trip: power, cadence, speed, heart rate and altitude
// shown (climb rate and gradient keep their state); sport type 1 hides power, 2 power and
// cadence; stored default visibilities replace all seven main curves.
void ApplyFreshTripVisibility(std::uint8_t sport_type, std::int32_t view_flags,
                              CurveVisibility& visible);
// "Apply settings as default": bits 0 .. 8 replaced by the marker and the current visibility.
std::int32_t StoreDefaultVisibility(std::int32_t view_flags, const CurveVisibility& visible);

// Buttons that exist only for some sport types: the power button with the power/HR and torque
// buttons (not on sport types 1 and 2), the gear button (not on sport type 2).
struct SportButtons {
    bool power = true;
    bool gear = true;
};
SportButtons SportButtonsOf(std::uint8_t sport_type);

// The curve names of the buttons; English by default, filled from the language tables.
struct CurveNames {
    std::string power = "Power";
    std::string cadence = "RPM";
    std::string speed = "Speed";
    std::string heart_rate = "HR";
    std::string altitude = "Altitude";
    std::string gradient = "Gradient";
    std::string temperature = "Temperature";
    std::string climb_rate = "gradient rate";
    std::string torque = "Torque [Nm]";
    std::string right_share = "POWER[Right %]";
};
// Name and unit text of the button of a curve type ("Power [W]", "Speed [mph]" ...); the
// torque button's caption is its name alone. Empty for types without a button.
std::string CurveButtonCaption(int curve_type, const CurveNames& names, bool imperial);

// A number typed into the panel: leading blanks skipped, a comma read as a point, anything not
// starting with a number (or out of range) reads as 0.
double ParsePanelNumber(std::string_view text);

// What the settings panel shows for one curve type and what the user edits in it.
struct CurveSettingsForm {
    int curve_type = 0;
    bool visible = false;
    std::string max_text;        // "%8.0f"
    bool has_min = false;        // altitude and heart rate
    bool min_read_only = false;  // altitude: the minimum comes from the data
    std::string min_text;
    bool has_thresholds = false;  // not climb rate, gradient and torque
    std::array<bool, 2> threshold_on{};
    std::array<std::string, 2> threshold_text;  // "%8.1f"
    bool has_smoothing = false;                 // not climb rate and gradient
    int smoothing_entries = 0;                  // 10, altitude 7
    int smoothing_level = 0;
};

struct CurveSettingsState {
    CurveVisibility* visible = nullptr;
    CurveScale* scale = nullptr;
    CurveMinima* minima = nullptr;
    ThresholdLines* thresholds = nullptr;
    SmoothingLevels* levels = nullptr;
};

// The form of a curve type with a button (0 .. 6, 9); nullopt for others.
std::optional<CurveSettingsForm> CurveSettingsFormOf(int curve_type,
                                                     const CurveSettingsState& state);

// Stores the form: visibility, threshold lines, the maximum (0 becomes 2000) and the heart-rate
// minimum. Refused with a message, storing nothing, when the axis would have no height (its
// minimum not below its maximum). The smoothing level is applied when it is chosen, not here.
struct FormCheck {
    bool ok = true;
    std::string message;
};
FormCheck AcceptCurveSettingsForm(const CurveSettingsForm& form, const CurveSettingsState& state);

}  // namespace vx
