// Settings files of older versions, built byte by byte for the reader tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "trip/byte_io.h"

namespace vx::test {

// Writes a settings file up to and including the zone table. version < 1000 writes no
// version word; colours are 10 before version 1000; zones are floats before version 2000.
struct OldSettingsFixture {
    std::int32_t version = 1500;
    std::int32_t com_port = 3;
    std::int8_t current_rider = 1;
    float rider_height[10] = {1.8f, 250.4f, 1.7f, 1.7f, 1.7f, 0, 0, 0, 0, 0};
    float old_zones[10][15] = {};

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        ByteWriter w(out);
        if (version >= 1000) w.i32(version);
        w.i32(com_port);
        for (int r = 0; r < 10; ++r) {
            char name[32] = {};
            std::snprintf(name, sizeof name, "OLD_%d", r + 1);
            w.bytes(name, 32);
            w.f32(70.0f + r);          // weight
            w.f32(rider_height[r]);    // height, the power threshold in such files
            w.f32(400);                // device altitude
            w.zeros(60);               // bikes
            w.zeros(16);               // unit bytes and spare
        }
        w.i8(current_rider);
        w.u8(0);
        for (int i = 0; i < 10; ++i) w.f32(300.0f + i);  // curve scale
        w.zeros(40);                                     // minima
        for (int i = 0; i < 10; ++i) w.i32(i);           // smoothing
        w.u8(1);                                         // language
        w.u8(0x05);                                      // unit flags
        w.i32(55);
        for (int i = 1; i < 30; ++i) w.i32(i < 20 ? 20 - i : 0);
        w.u8(3);       // COM speed index
        w.i32(0x7);    // view flags
        w.f32(1.5f);   // climb threshold
        const int colours = version >= 1000 ? 16 : 10;
        for (int i = 0; i < colours; ++i) w.i32(0x010101 * i);
        if (version >= 2000) {
            w.zeros(600);
        } else {
            for (int r = 0; r < 10; ++r)
                for (int i = 0; i < 15; ++i) w.f32(old_zones[r][i]);
        }
        return out;
    }
};

}  // namespace vx::test
