#include "trip/settings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "trip/cp1252.h"

namespace vx {

std::string RiderRecord::Name() const {
    return Cp1252ToUtf8(std::string_view(name.data(), strnlen(name.data(), name.size())));
}

void RiderRecord::SetName(std::string_view utf8) {
    const std::string cp1252 = Utf8ToCp1252(utf8);
    name.fill(0);
    std::size_t n = std::min(cp1252.size(), name.size() - 1);
    std::memcpy(name.data(), cp1252.data(), n);
    name[strnlen(name.data(), n)] = 0;
}

float RiderRecord::EffectiveHeight() const {
    return (height_m >= 0.5f && height_m <= 2.5f) ? height_m : 1.75f;
}

std::string DefaultRiderName(int rider) { return "RIDER_" + std::to_string(rider + 1); }

bool IsDefaultRiderName(std::string_view name) {
    return name.size() == 7 && name.substr(0, 6) == "RIDER_" && name[6] >= '1' && name[6] <= '5';
}

std::string ZoneNameText(const ZoneName& n) {
    return std::string(n.data(), strnlen(n.data(), n.size()));
}

void ResetDiaryColumns(Settings& s) {
    s.diary_columns.fill(0);
    s.diary_columns[0] = 55;
    for (int i = 1; i <= 19; ++i) s.diary_columns[i] = i;
}

Settings DefaultSettings() {
    Settings s;
    for (int r = 0; r < kNamedRiders; ++r) {
        s.riders[r].SetName(DefaultRiderName(r));
        s.riders[r].weight_kg = 75.0f;
        s.riders[r].height_m = 1.75f;
    }
    s.riders[kCollectionRider].SetName("COLLECTION");
    ResetDiaryColumns(s);
    s.colours = {Rgb(128, 128, 128), Rgb(255, 255, 0), Rgb(0, 255, 0),   Rgb(255, 0, 0),
                 Rgb(0, 0, 255),     Rgb(128, 0, 0),   Rgb(255, 255, 255), Rgb(0, 255, 255),
                 Rgb(192, 192, 192), Rgb(0, 0, 0),     Rgb(255, 0, 255), Rgb(145, 145, 145),
                 0,                  0,                0,                0};
    const char* names[15] = {"NULL",  "Zone1", "Zone2", "Zone3", "Zone4", "Zone5", "Zone6", "Zone7",
                             "Zone8", "ZoneA", "ZoneB", "",      "",      "",      ""};
    for (int i = 0; i < 15; ++i) {
        s.zone_names[i].fill(0);
        std::memcpy(s.zone_names[i].data(), names[i], std::strlen(names[i]));
    }
    s.zone_colours = {Rgb(0, 0, 0),     Rgb(0, 128, 0), Rgb(0, 255, 0), Rgb(255, 255, 0),
                      Rgb(238, 102, 0), Rgb(255, 0, 0), Rgb(224, 0, 0), Rgb(192, 0, 0),
                      Rgb(160, 0, 0),   Rgb(0, 0, 255), Rgb(0, 255, 255), 0, 0, 0, 0};
    return s;
}

namespace {

// A name read from a file must not lead out of the DATA folder.
bool IsSafeFolderName(const std::string& n) {
    return n != "." && n != ".." && n.find('/') == std::string::npos &&
           n.find('\\') == std::string::npos;
}

template <typename T>
void Clamp(T& v, T lo, T hi, T fallback, const char* what, InfoList* info) {
    if (v >= lo && v <= hi) return;
    if (info) info->push_back(std::string("settings: ") + what + " out of range, reset");
    v = fallback;
}

}  // namespace

void ValidateSettings(Settings& s, InfoList* info) {
    if (!(s.climb_threshold_pct >= 0.3f)) s.climb_threshold_pct = 0.75f;
    if (s.com_speed_index > 4) s.com_speed_index = 4;
    Clamp<std::int32_t>(s.com_port, 0, 255, 0, "COM port", info);
    Clamp<std::int32_t>(s.data_source, 1, 6, 1, "data source", info);

    bool columns_ok = s.diary_columns[0] == 55;
    for (int i = 1; i <= 19 && columns_ok; ++i)
        columns_ok = s.diary_columns[i] >= 1 && s.diary_columns[i] <= 19;
    if (!columns_ok) ResetDiaryColumns(s);

    for (auto& v : s.smoothing)
        if (v < 0 || v > 9) v = 0;

    for (auto& n : s.zone_names) n[5] = 0;

    for (int r = 0; r < kRiderCount; ++r) {
        RiderRecord& rec = s.riders[r];
        rec.name[kRiderNameSize - 1] = 0;
        if (!IsSafeFolderName(rec.Name())) {
            if (info) info->push_back("settings: rider name " + std::to_string(r + 1) + " unusable, reset");
            rec.SetName(r < kNamedRiders ? DefaultRiderName(r) : std::string());
        }
        if (r < kNamedRiders && rec.Name().empty()) rec.SetName(DefaultRiderName(r));
        auto byte_flag = [&](std::uint8_t& b) { if (b > 1) b = 0; };
        byte_flag(rec.weight_unit);
        byte_flag(rec.time_display);
        byte_flag(rec.date_display);
        byte_flag(rec.length_units);
        byte_flag(rec.temperature_unit);
        byte_flag(rec.power_display);
        if (rec.recording_interval > 5) rec.recording_interval = 0;
        if (rec.selected_bike > 4) rec.selected_bike = 0;
        if (rec.power_damping > 8) rec.power_damping = 0;
        if (rec.hr_damping > 4) rec.hr_damping = 0;

        ZoneEntry& power = s.zones[r][0];
        if (power[0] < 5 || power[0] > 1000) power[0] = 100;
        for (int t = 1; t <= 2; ++t)
            if (s.zones[r][t][0] < 80 || s.zones[r][t][0] > 250) s.zones[r][t][0] = 160;
    }
    s.riders[kCollectionRider].SetName("COLLECTION");

    if (s.current_rider < 0 || s.current_rider > 7) s.current_rider = 0;
    s.rider_folder = s.current().Name();
    if (s.rider_folder.empty()) s.rider_folder = "NEW";
}

}  // namespace vx
