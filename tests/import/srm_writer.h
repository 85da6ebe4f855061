// A writer of SRM files for the tests: header, markers, blocks, calibration and records,
// field by field.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "trip/byte_io.h"

namespace vx::test {

struct SrmRecord {
    std::uint16_t power = 200;
    std::uint8_t cadence = 90;
    std::uint8_t heart_rate = 140;
    std::int32_t speed_mm_s = 10000;  // 36 km/h
    std::int16_t altitude_m = 400;
    std::int16_t temperature_dc = 215;
};

struct SrmMarkerEntry {
    std::uint16_t first, last;
    std::string note;
};

struct SrmFile {
    std::string identifier = "SRM7";
    std::uint16_t days = 48000;  // 2011-06-03
    std::uint16_t wheel_mm = 2096;
    std::uint8_t r1 = 1, r2 = 1;
    std::string comment = "Hausrunde";
    // Entry 0 covers the file; its last record is the record count unless set.
    std::optional<std::uint16_t> marker0_last;
    std::vector<SrmMarkerEntry> markers;
    std::vector<std::pair<std::uint32_t, std::uint16_t>> blocks = {{3600000, 0}};  // 10:00:00
    std::vector<SrmRecord> records;
    std::optional<std::uint16_t> block_count, marker_count;

    explicit SrmFile(int n = 100, SrmRecord r = {}) : records(static_cast<std::size_t>(n), r) {
        blocks[0].second = static_cast<std::uint16_t>(n);
    }

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out;
        ByteWriter w(out);
        w.bytes(identifier.data(), 4);
        w.u16(days);
        w.u16(wheel_mm);
        w.u8(r1);
        w.u8(r2);
        w.u16(block_count.value_or(static_cast<std::uint16_t>(blocks.size())));
        w.u16(marker_count.value_or(static_cast<std::uint16_t>(markers.size())));
        w.zeros(2);
        Text(w, comment, 70);
        auto marker = [&](std::uint16_t first, std::uint16_t last, const std::string& note) {
            Text(w, note, 255);
            w.u8(1);
            w.u16(first);
            w.u16(last);
            w.zeros(10);
        };
        marker(1, marker0_last.value_or(static_cast<std::uint16_t>(records.size())), "");
        for (const SrmMarkerEntry& m : markers) marker(m.first, m.last, m.note);
        for (auto [start, n] : blocks) {
            w.u32(start);
            w.u16(n);
        }
        w.zeros(7);
        for (const SrmRecord& r : records) {
            w.u16(r.power);
            w.u8(r.cadence);
            w.u8(r.heart_rate);
            w.i32(r.speed_mm_s);
            w.u16(static_cast<std::uint16_t>(r.altitude_m));
            w.u16(0);
            w.u16(static_cast<std::uint16_t>(r.temperature_dc));
        }
        return out;
    }

    static void Text(ByteWriter& w, const std::string& s, std::size_t size) {
        std::string field(size, '\0');
        std::memcpy(field.data(), s.data(), std::min(s.size(), size));
        w.bytes(field.data(), size);
    }
};

}  // namespace vx::test
