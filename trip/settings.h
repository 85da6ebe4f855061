// The program-wide settings: rider records, zone table, units, colours, view settings, port.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "trip/trip.h"
#include "trip/zone_table.h"

namespace vx {

using InfoList = std::vector<std::string>;

constexpr int kNamedRiders = 5;       // riders 0..4
constexpr int kTemporaryRider = 5;    // a folder attached for one run
constexpr int kCollectionRider = 6;   // the COLLECTION folder
constexpr std::size_t kRiderNameSize = 32;

// Unit flag bits, mirrored from the current rider's unit bytes.
constexpr std::uint8_t kUnitFeetMiles = 0x01;
constexpr std::uint8_t kUnitFahrenheit = 0x02;
constexpr std::uint8_t kUnitPounds = 0x04;
constexpr std::uint8_t kUnitAmPm = 0x08;
constexpr std::uint8_t kUnitUsDate = 0x10;

struct Bike {
    float offset_x10 = 0;  // power meter zero offset x 10
    float k_factor = 0;
    float wheel_mm = 0;    // wheel circumference
};

struct RiderRecord {
    std::array<char, kRiderNameSize> name{};  // folder name as stored: Windows-1252, NUL-terminated
    float weight_kg = 0;
    float height_m = 0;
    float device_altitude_m = 0;
    std::array<Bike, 5> bikes{};
    std::uint8_t unused_104 = 0;
    std::uint8_t weight_unit = 0;         // 0 kg, 1 lbs
    std::uint8_t recording_interval = 0;  // 0..5: 1, 2, 5, 10, 15, 30 s
    std::uint8_t time_display = 0;        // 0 24 hours, 1 AM/PM
    std::uint8_t date_display = 0;        // 0 European, 1 US
    std::uint8_t length_units = 0;        // 0 m/km, 1 ft/miles
    std::uint8_t selected_bike = 0;       // 0..4
    std::uint8_t temperature_unit = 0;    // 0 C, 1 F
    std::uint8_t power_damping = 0;       // 0..8
    std::uint8_t hr_damping = 0;          // 0..4
    std::uint8_t power_display = 0;       // 0 W, 1 W/kg
    std::array<std::uint8_t, 5> unused_115{};

    std::string Name() const;             // UTF-8, from the stored Windows-1252 bytes
    void SetName(std::string_view utf8);  // stored as Windows-1252, cut to 31 bytes
    // Height as shown and used: values outside 0.5..2.5 m count as 1.75 m.
    float EffectiveHeight() const;
};

// A colour as stored: red in the lowest byte, then green, then blue.
constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

using ZoneName = std::array<char, 6>;

struct Settings {
    std::int32_t version = 2001;  // as read; 0 for a file without version word
    std::int32_t com_port = 0;    // 0-based
    std::array<RiderRecord, kRiderCount> riders{};
    std::int8_t current_rider = 0;
    CurveScale curve_scale = kInitialCurveScale;  // axis maxima of the single-trip view
    std::array<float, 10> curve_min{};            // [0] altitude, [4] heart-rate minimum
    std::int32_t long_term_mode = 0;              // stored in place of curve_min[9]
    std::array<std::int32_t, 10> smoothing{};     // 0..9 per curve type
    std::uint8_t language = 0;                    // 0 German, 1 English, 2 Spanish
    std::uint8_t unit_flags = 0;
    std::array<std::int32_t, 30> diary_columns{};  // [0] marker 55, [1]..[19] column order
    std::uint8_t com_speed_index = 2;              // 0..4
    std::int32_t view_flags = 0;
    float climb_threshold_pct = 2.0f;
    std::array<std::int32_t, 16> colours{};
    ZoneTable zones{};
    std::array<ZoneName, 15> zone_names{};
    std::array<std::int32_t, 15> zone_colours{};
    std::array<std::int32_t, 30> calendar_profiles{};
    std::array<std::int32_t, 14> long_term{};
    std::int32_t data_source = 1;  // 1 = none selected

    // Not stored: the current rider's folder name, UTF-8 ("NEW" until a rider has a name).
    std::string rider_folder = "NEW";

    const RiderRecord& current() const { return riders[current_rider]; }
    RiderRecord& current() { return riders[current_rider]; }
    const RiderZones& current_zones() const { return zones[current_rider]; }
};

// The built-in defaults of a first start.
Settings DefaultSettings();
void ResetDiaryColumns(Settings& s);
std::string ZoneNameText(const ZoneName& n);

// Brings every value read from a file into its valid range. Lines describing what was
// changed go to info when given.
void ValidateSettings(Settings& s, InfoList* info = nullptr);

// Name of a named rider that has not been given a name of its own: "RIDER_1".."RIDER_5".
std::string DefaultRiderName(int rider);
bool IsDefaultRiderName(std::string_view name);

}  // namespace vx
