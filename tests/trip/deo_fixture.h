// DEO files built byte by byte for the reader tests.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "trip/byte_io.h"
#include "trip/trip.h"

namespace vx::test {

struct DeoFixture {
    std::int32_t count = 10;
    std::int32_t flags = 0;
    float zone_threshold = 250;
    float threshold_hr_bike = 150;
    float threshold_hr_run = 160;
    std::uint8_t sport_type = 0;
    std::vector<std::int32_t> times;  // time_s of records 1.. (default 0, 1, 2, ...)
    // Blocks; std::nullopt ends the file before the block.
    std::optional<ZoneBlock> zone_bounds = ZoneBlock{5555, 100, 150, 200, 250, 300, 350};
    std::optional<CurveScale> curve_scale = CurveScale{1000, 600, 180, 70, 190, 20, 15, 3, 4, 50};
    std::optional<std::vector<char>> note;  // written as 330 bytes when given

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        ByteWriter w(out);
        w.i32(count);
        // header
        w.i32(flags);
        w.f32(0);
        w.f32(zone_threshold);
        w.f32(725);
        w.f32(threshold_hr_run);
        w.f32(0);
        w.f32(0);
        w.f32(threshold_hr_bike);
        w.i32(0);
        w.u8(sport_type);
        w.zeros(3);
        for (std::int32_t i = 1; i < count; ++i) {
            w.i32(i - 1 < static_cast<std::int32_t>(times.size()) ? times[i - 1] : i - 1);
            w.f32(i * 0.01f);   // distance
            w.f32(200.0f + i);  // power
            w.f32(90);
            w.f32(300);
            w.f32(30);
            w.f32(20);
            w.f32(140);
            w.i32(0);
            w.u8(1);
            w.zeros(3);
        }
        if (!zone_bounds) return out;
        for (float v : *zone_bounds) w.f32(v);
        if (!curve_scale) return out;
        for (float v : *curve_scale) w.f32(v);
        if (!note) return out;
        std::vector<char> n = *note;
        n.resize(kNoteSize, 0);
        w.bytes(n.data(), n.size());
        w.zeros(20);
        return out;
    }
};

inline std::vector<char> NoteBytes(const char* text) {
    return std::vector<char>(text, text + std::char_traits<char>::length(text));
}

}  // namespace vx::test
