// The FIT file layout: the file header, then definition messages that describe the fields of a
// local message type, and data messages laid out by them. The decoder walks the messages of
// the first file in the buffer and hands every data message to a sink; it reads nothing past
// the buffer and answers a malformed file with a message.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

// FIT times count seconds from 1989-12-31 00:00:00 UTC.
constexpr std::int64_t kFitEpochUnixSeconds = 631065600;

constexpr std::uint16_t kFitFileIdMessage = 0;
constexpr std::uint16_t kFitLapMessage = 19;
constexpr std::uint16_t kFitRecordMessage = 20;
constexpr std::uint8_t kFitTimestampField = 253;

// Base type numbers (the low five bits of a field definition's base type byte).
enum class FitBaseType : std::uint8_t {
    Enum = 0,
    Sint8 = 1,
    Uint8 = 2,
    Sint16 = 3,
    Uint16 = 4,
    Sint32 = 5,
    Uint32 = 6,
    String = 7,
    Float32 = 8,
    Float64 = 9,
    Uint8z = 10,
    Uint16z = 11,
    Uint32z = 12,
    Byte = 13,
    Sint64 = 14,
    Uint64 = 15,
    Uint64z = 16,
};

struct FitHeader {
    std::uint8_t size = 0;  // 12 or 14
    std::uint8_t protocol_version = 0;
    std::uint16_t profile_version = 0;
    std::uint32_t data_size = 0;       // bytes of messages after the header
    std::optional<std::uint16_t> crc;  // 14-byte headers only; 0 means not set
};

struct FitFieldDef {
    std::uint8_t number = 0;
    std::uint8_t size = 0;
    std::uint8_t base_type = 0;
    std::uint32_t offset = 0;  // from the start of the message's data
};

struct FitDefinition {
    bool defined = false;
    std::uint16_t global = 0;
    bool big_endian = false;
    std::vector<FitFieldDef> fields;  // developer fields are not listed, only sized
    std::uint32_t data_size = 0;      // bytes of a data message, developer fields included
    int timestamp_index = -1;         // index of field 253 in fields, -1 without
};

namespace fit_detail {

struct BaseTypeInfo {
    std::uint8_t size;  // 0: not an integer type
    bool is_signed;
    std::uint64_t invalid;
};

inline constexpr std::array<BaseTypeInfo, 17> kBaseTypes = {{
    {1, false, 0xFF},                // enum
    {1, true, 0x7F},                 // sint8
    {1, false, 0xFF},                // uint8
    {2, true, 0x7FFF},               // sint16
    {2, false, 0xFFFF},              // uint16
    {4, true, 0x7FFFFFFF},           // sint32
    {4, false, 0xFFFFFFFF},          // uint32
    {0, false, 0},                   // string
    {0, false, 0},                   // float32
    {0, false, 0},                   // float64
    {1, false, 0},                   // uint8z
    {2, false, 0},                   // uint16z
    {4, false, 0},                   // uint32z
    {1, false, 0xFF},                // byte
    {8, true, 0x7FFFFFFFFFFFFFFF},   // sint64
    {8, false, 0xFFFFFFFFFFFFFFFF},  // uint64
    {8, false, 0},                   // uint64z
}};

}  // namespace fit_detail

// The integer value of a field's first element, by its base type and byte order. Empty when
// the value is its type's invalid value, the type is not an integer, or the field is shorter
// than the type. Inline: it runs for every field of every record.
inline std::optional<std::int64_t> FitFieldInteger(std::span<const std::uint8_t> data,
                                                   const FitFieldDef& field, bool big_endian) {
    const std::uint8_t type = field.base_type & 0x1F;
    if (type >= fit_detail::kBaseTypes.size()) return std::nullopt;
    const fit_detail::BaseTypeInfo& info = fit_detail::kBaseTypes[type];
    if (info.size == 0 || field.size < info.size) return std::nullopt;
    if (std::size_t(field.offset) + info.size > data.size()) return std::nullopt;
    const std::uint8_t* p = data.data() + field.offset;
    std::uint64_t raw = 0;
    if (!big_endian && info.size <= 4) {
        raw = info.size == 1   ? p[0]
              : info.size == 2 ? std::uint64_t(p[0] | (p[1] << 8))
                               : (std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                  (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24));
    } else {
        for (std::uint8_t i = 0; i < info.size; ++i) {
            const std::uint8_t b = big_endian ? p[i] : p[info.size - 1 - i];
            raw = (raw << 8) | b;
        }
    }
    if (raw == info.invalid) return std::nullopt;
    if (info.is_signed) {
        const unsigned shift = 64 - 8 * info.size;
        return static_cast<std::int64_t>(raw << shift) >> shift;
    }
    if (raw > 0x7FFFFFFFFFFFFFFFull) return std::nullopt;
    return static_cast<std::int64_t>(raw);
}

struct FitMessage {
    std::uint16_t global = 0;
    std::uint8_t local = 0;
    const FitDefinition* definition = nullptr;
    std::span<const std::uint8_t> data;  // the message's field bytes
    // Field 253 when the message holds a valid one, else the time of a compressed-timestamp
    // header; empty when the message carries no time.
    std::optional<std::uint32_t> timestamp;
    std::size_t position = 0;  // byte offset of the record header in the file

    std::optional<std::int64_t> integer(const FitFieldDef& f) const {
        return FitFieldInteger(data, f, definition->big_endian);
    }
};

struct FitDecode {
    bool ok = false;
    std::string error;                  // why the file cannot be read
    std::vector<std::string> warnings;  // check sums that do not match
    FitHeader header;
    std::size_t messages = 0;  // definition and data messages read
};

using FitMessageSink = std::function<void(const FitMessage&)>;

// Reads the header and the messages up to the header's data size (a check sum or a chained
// file may follow). A file whose check sums do not match is still read, with a warning.
// On failure the sink may already have seen the messages before the fault.
FitDecode DecodeFit(std::span<const std::uint8_t> file, const FitMessageSink& sink);

}  // namespace vx
