// A small FIT writer for the cases an SDK encoder does not produce: 12-byte headers,
// big-endian definitions, compressed timestamps, broken files and very long rides.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "import/fit_crc.h"
#include "import/fit_decoder.h"

namespace vx::test {

struct FitFieldLayout {
    std::uint8_t number;
    std::uint8_t size;
    std::uint8_t base_type;
};

// Base type bytes as a definition holds them (multi-byte types carry the endian bit 0x80).
constexpr std::uint8_t kFitEnum = 0x00, kFitSint8 = 0x01, kFitUint8 = 0x02, kFitSint16 = 0x83,
                       kFitUint16 = 0x84, kFitSint32 = 0x85, kFitUint32 = 0x86, kFitString = 0x07,
                       kFitFloat32 = 0x88, kFitUint8z = 0x0A, kFitUint16z = 0x8B,
                       kFitUint32z = 0x8C, kFitByte = 0x0D;

// The record fields the import reads, timestamp first.
inline std::vector<FitFieldLayout> RecordFields() {
    return {{253, 4, kFitUint32}, {2, 2, kFitUint16}, {3, 1, kFitUint8},  {4, 1, kFitUint8},
            {5, 4, kFitUint32},   {6, 2, kFitUint16}, {7, 2, kFitUint16}, {13, 1, kFitSint8}};
}

class FitWriter {
  public:
    explicit FitWriter(std::uint8_t header_size = 14) : header_size_(header_size) {
        bytes_.resize(header_size, 0);
    }

    void define(std::uint8_t local, std::uint16_t global, std::vector<FitFieldLayout> fields,
                bool big_endian = false, std::vector<std::uint8_t> developer_sizes = {}) {
        bytes_.push_back(static_cast<std::uint8_t>(0x40 | (developer_sizes.empty() ? 0 : 0x20) |
                                                   (local & 0x0F)));
        bytes_.push_back(0);
        bytes_.push_back(big_endian ? 1 : 0);
        if (big_endian) {
            bytes_.push_back(static_cast<std::uint8_t>(global >> 8));
            bytes_.push_back(static_cast<std::uint8_t>(global));
        } else {
            bytes_.push_back(static_cast<std::uint8_t>(global));
            bytes_.push_back(static_cast<std::uint8_t>(global >> 8));
        }
        bytes_.push_back(static_cast<std::uint8_t>(fields.size()));
        for (const FitFieldLayout& f : fields)
            bytes_.insert(bytes_.end(), {f.number, f.size, f.base_type});
        if (!developer_sizes.empty()) {
            bytes_.push_back(static_cast<std::uint8_t>(developer_sizes.size()));
            std::uint8_t n = 0;
            for (std::uint8_t size : developer_sizes) bytes_.insert(bytes_.end(), {n++, size, 0});
        }
        Local& l = locals_[local & 0x0F];
        l.fields = std::move(fields);
        l.big_endian = big_endian;
        l.developer_bytes = 0;
        for (std::uint8_t size : developer_sizes) l.developer_bytes += size;
    }

    // A data message; one value per field of the definition (the low bytes of each value).
    void data(std::uint8_t local, const std::vector<std::uint64_t>& values) {
        bytes_.push_back(local & 0x0F);
        values_(locals_[local & 0x0F], values);
    }
    // A data message with a compressed-timestamp header (local types 0..3).
    void compressed(std::uint8_t local, std::uint8_t time_offset,
                    const std::vector<std::uint64_t>& values) {
        bytes_.push_back(
            static_cast<std::uint8_t>(0x80 | ((local & 3) << 5) | (time_offset & 0x1F)));
        values_(locals_[local & 3], values);
    }
    void raw(const std::vector<std::uint8_t>& b) {
        bytes_.insert(bytes_.end(), b.begin(), b.end());
    }

    // The file: header with data size (and header CRC for 14 bytes), data, file CRC.
    std::vector<std::uint8_t> finish(bool with_crc = true) const {
        std::vector<std::uint8_t> out = bytes_;
        const std::uint32_t data_size = static_cast<std::uint32_t>(out.size() - header_size_);
        out[0] = header_size_;
        out[1] = 0x20;
        out[2] = 0x08;
        out[3] = 0x08;
        for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(data_size >> (8 * i));
        out[8] = '.';
        out[9] = 'F';
        out[10] = 'I';
        out[11] = 'T';
        if (header_size_ >= 14) {
            const std::uint16_t crc = FitCrc(std::span(out).first(12));
            out[12] = static_cast<std::uint8_t>(crc);
            out[13] = static_cast<std::uint8_t>(crc >> 8);
        }
        if (with_crc) {
            const std::uint16_t crc = FitCrc(out);
            out.push_back(static_cast<std::uint8_t>(crc));
            out.push_back(static_cast<std::uint8_t>(crc >> 8));
        }
        return out;
    }

  private:
    struct Local {
        std::vector<FitFieldLayout> fields;
        bool big_endian = false;
        std::size_t developer_bytes = 0;
    };

    void values_(const Local& l, const std::vector<std::uint64_t>& values) {
        for (std::size_t i = 0; i < l.fields.size(); ++i) {
            const std::uint64_t v = i < values.size() ? values[i] : ~std::uint64_t{0};
            const std::uint8_t n = l.fields[i].size;
            for (std::uint8_t b = 0; b < n; ++b) {
                const unsigned shift = 8 * (l.big_endian ? n - 1 - b : b);
                bytes_.push_back(shift < 64 ? static_cast<std::uint8_t>(v >> shift) : 0);
            }
        }
        bytes_.insert(bytes_.end(), l.developer_bytes, 0xAB);
    }

    std::uint8_t header_size_;
    std::vector<std::uint8_t> bytes_;
    Local locals_[16];
};

// 2024-01-15 07:30:00 UTC in FIT seconds, the start of the written rides.
constexpr std::uint32_t kFitStart = 1074238200;

// Raw record values of second i of a steady ride at 36 km/h.
inline std::vector<std::uint64_t> SteadyRecord(std::uint32_t timestamp, std::uint32_t i) {
    return {timestamp,
            2500 + 500 + (i % 100),   // altitude 100 m + i % 100 x 0.2 m
            120 + i % 30,             // heart rate
            85 + i % 10,              // cadence
            std::uint64_t{i} * 1000,  // distance 10 m per second
            10000,                    // speed 36 km/h
            200 + i % 50,             // power
            20};                      // temperature
}

// file_id (time_created = kFitStart) and one record per second from kFitStart + 1.
inline std::vector<std::uint8_t> SteadyRide(std::uint32_t seconds) {
    FitWriter w;
    w.define(0, kFitFileIdMessage, {{4, 4, kFitUint32}, {0, 1, kFitEnum}});
    w.data(0, {kFitStart, 4});
    w.define(1, kFitRecordMessage, RecordFields());
    for (std::uint32_t i = 0; i < seconds; ++i) w.data(1, SteadyRecord(kFitStart + 1 + i, i));
    return w.finish();
}

// The committed files written by tools/fit-fixtures.
inline std::string FitFixture(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path() / "fixtures" / name).string();
}

}  // namespace vx::test
