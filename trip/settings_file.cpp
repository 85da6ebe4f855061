#include "trip/settings_file.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "trip/byte_io.h"
#include "trip/file_io.h"

namespace vx {

namespace {

void ReadRider(ByteReader& in, RiderRecord& r) {
    in.bytes(r.name.data(), r.name.size());
    in.f32(r.weight_kg);
    in.f32(r.height_m);
    in.f32(r.device_altitude_m);
    for (Bike& b : r.bikes) {
        in.f32(b.offset_x10);
        in.f32(b.k_factor);
        in.f32(b.wheel_mm);
    }
    for (std::uint8_t* b : {&r.unused_104, &r.weight_unit, &r.recording_interval, &r.time_display,
                            &r.date_display, &r.length_units, &r.selected_bike,
                            &r.temperature_unit, &r.power_damping, &r.hr_damping,
                            &r.power_display})
        in.u8(*b);
    in.bytes(r.unused_115.data(), r.unused_115.size());
}

void WriteRider(ByteWriter& w, const RiderRecord& r) {
    w.bytes(r.name.data(), r.name.size());
    w.f32(r.weight_kg);
    w.f32(r.height_m);
    w.f32(r.device_altitude_m);
    for (const Bike& b : r.bikes) {
        w.f32(b.offset_x10);
        w.f32(b.k_factor);
        w.f32(b.wheel_mm);
    }
    for (std::uint8_t b : {r.unused_104, r.weight_unit, r.recording_interval, r.time_display,
                           r.date_display, r.length_units, r.selected_bike, r.temperature_unit,
                           r.power_damping, r.hr_damping, r.power_display})
        w.u8(b);
    w.bytes(r.unused_115.data(), r.unused_115.size());
}

template <typename T, std::size_t N>
void ReadI32s(ByteReader& in, std::array<T, N>& a) {
    for (auto& v : a) in.i32(v);
}

// Old files keep float zones; values are cut toward zero into the uint16 range.
std::uint16_t OldZoneValue(double v) {
    if (!(v > 0)) return 0;
    if (v >= std::numeric_limits<std::uint16_t>::max()) return std::numeric_limits<std::uint16_t>::max();
    return static_cast<std::uint16_t>(v);
}

void ConvertOldZones(Settings& s, const std::array<std::array<float, 15>, kRiderCount>& old,
                     InfoList* info) {
    if (info && s.current_rider >= 0 && s.current_rider < kRiderCount) {
        for (float v : old[s.current_rider]) {
            char line[64];
            std::snprintf(line, sizeof line, "%f", v);
            info->push_back(line);
        }
    }
    for (int r = 0; r < kRiderCount; ++r) {
        // The power threshold of such files sat in the rider record's float at offset 36.
        s.zones[r][0][0] = OldZoneValue(std::round(s.riders[r].height_m));
        s.zones[r][1][0] = s.zones[r][2][0] = 160;
        for (int t = 0; t < kSportTypeCount; ++t) {
            ZoneEntry& e = s.zones[r][t];
            for (int i = 1; i <= 7; ++i) e[i] = OldZoneValue(old[r][i]);
            e[8] = OldZoneValue(old[r][9]);
            e[9] = OldZoneValue(old[r][10]);
        }
    }
}

}  // namespace

void DecodeSettings(std::span<const std::uint8_t> file, Settings& s, InfoList* info) {
    ByteReader in(file);
    std::int32_t first = 0;
    if (!in.i32(first)) first = 0;
    if (first < 1000) {
        in.seek(0);
        s.version = 0;
    } else {
        s.version = first;
    }
    in.i32(s.com_port);
    for (RiderRecord& r : s.riders) ReadRider(in, r);
    in.i8(s.current_rider);
    in.skip(1);
    for (float& v : s.curve_scale) in.f32(v);
    for (int i = 0; i < 9; ++i) in.f32(s.curve_min[i]);
    in.i32(s.long_term_mode);
    ReadI32s(in, s.smoothing);
    in.u8(s.language);
    in.u8(s.unit_flags);
    ReadI32s(in, s.diary_columns);
    in.u8(s.com_speed_index);
    in.i32(s.view_flags);
    in.f32(s.climb_threshold_pct);
    const int colour_count = s.version >= 1000 ? 16 : 10;
    for (int i = 0; i < colour_count; ++i) in.i32(s.colours[i]);
    if (s.version >= 2000) {
        for (RiderZones& rz : s.zones)
            for (ZoneEntry& e : rz)
                for (std::uint16_t& v : e) in.u16(v);
    } else if (in.has(600)) {
        std::array<std::array<float, 15>, kRiderCount> old{};
        for (auto& rider : old)
            for (float& v : rider) in.f32(v);
        ConvertOldZones(s, old, info);
    }
    for (ZoneName& n : s.zone_names) in.bytes(n.data(), n.size());
    ReadI32s(in, s.zone_colours);
    ReadI32s(in, s.calendar_profiles);
    ReadI32s(in, s.long_term);
    in.skip(20);
    in.i32(s.data_source);
    ValidateSettings(s, info);
}

SettingsLoad ReadSettings(const std::string& path, Settings& s, InfoList* info) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    switch (ReadFileBytes(path, bytes, &error)) {
        case ReadFileStatus::Missing:
            return SettingsLoad::Missing;
        case ReadFileStatus::Unreadable:
            if (info) {
                info->push_back("The settings file cannot be read: " + error);
                info->push_back("Working on default settings; the file is kept as it is.");
            }
            return SettingsLoad::Unreadable;
        case ReadFileStatus::Ok:
            break;
    }
    DecodeSettings(bytes, s, info);
    return SettingsLoad::Loaded;
}

std::vector<std::uint8_t> EncodeSettings(const Settings& s) {
    std::vector<std::uint8_t> out;
    out.reserve(kSettingsFileSize);
    ByteWriter w(out);
    w.i32(kSettingsVersion);
    w.i32(s.com_port);
    for (const RiderRecord& r : s.riders) WriteRider(w, r);
    w.i8(s.current_rider);
    w.u8(0);
    for (float v : s.curve_scale) w.f32(v);
    for (int i = 0; i < 9; ++i) w.f32(s.curve_min[i]);
    w.i32(s.long_term_mode);
    for (auto v : s.smoothing) w.i32(v);
    w.u8(s.language);
    w.u8(s.unit_flags);
    for (auto v : s.diary_columns) w.i32(v);
    w.u8(s.com_speed_index);
    w.i32(s.view_flags & ~0xF000);  // bits 12..15 reserved
    w.f32(s.climb_threshold_pct);
    for (auto v : s.colours) w.i32(v);
    for (const RiderZones& rz : s.zones)
        for (const ZoneEntry& e : rz)
            for (std::uint16_t v : e) w.u16(v);
    for (const ZoneName& n : s.zone_names) w.bytes(n.data(), n.size());
    for (auto v : s.zone_colours) w.i32(v);
    for (auto v : s.calendar_profiles) w.i32(v);
    for (auto v : s.long_term) w.i32(v);
    w.zeros(20);
    w.i32(s.data_source);
    w.zeros(40);
    return out;
}

bool WriteSettings(const std::string& path, Settings& s, std::string* error) {
    std::vector<std::uint8_t> bytes = EncodeSettings(s);
    bool ok = WriteFileAtomically(path, bytes, error);
    ResetCurveScale(s.curve_scale);
    if (!(s.curve_scale[9] >= 20 && s.curve_scale[9] <= 500)) s.curve_scale[9] = 100;
    return ok;
}

SettingsLoad SettingsFile::Read(Settings& s, InfoList* info) {
    SettingsLoad r = ReadSettings(path_, s, info);
    write_blocked_ = r == SettingsLoad::Unreadable;
    return r;
}

bool SettingsFile::Write(Settings& s, std::string* error) {
    if (write_blocked_) {
        if (error) *error = "the settings file could not be read at start and is kept as it is";
        return false;
    }
    return WriteSettings(path_, s, error);
}

}  // namespace vx
