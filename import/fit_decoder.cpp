#include "import/fit_decoder.h"

#include <array>
#include <cstdio>

#include "import/fit_crc.h"
#include "trip/byte_io.h"

namespace vx {

namespace {

constexpr std::uint8_t kDefinitionBit = 0x40;
constexpr std::uint8_t kDeveloperDataBit = 0x20;
constexpr std::uint8_t kCompressedTimeBit = 0x80;

std::string Format(const char* format, auto... args) {
    char buf[160];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

}  // namespace

FitDecode DecodeFit(std::span<const std::uint8_t> file, const FitMessageSink& sink) {
    FitDecode result;
    ByteReader in(file);
    FitHeader& h = result.header;
    if (file.size() < 12) {
        result.error = Format("too short for a FIT file header (%zu bytes)", file.size());
        return result;
    }
    in.u8(h.size);
    in.u8(h.protocol_version);
    in.u16(h.profile_version);
    in.u32(h.data_size);
    std::uint8_t signature[4];
    in.bytes(signature, 4);
    if (h.size != 12 && h.size != 14) {
        result.error = Format("not a FIT file: header length %u (12 or 14 expected)", h.size);
        return result;
    }
    if (signature[0] != '.' || signature[1] != 'F' || signature[2] != 'I' || signature[3] != 'T') {
        result.error = "not a FIT file: no \".FIT\" signature in the header";
        return result;
    }
    if (h.size == 14) {
        std::uint16_t crc = 0;
        if (!in.u16(crc)) {
            result.error = "too short for its 14-byte FIT file header";
            return result;
        }
        h.crc = crc;
        const std::uint16_t computed = FitCrc(file.first(12));
        if (crc != 0 && crc != computed)
            result.warnings.push_back(
                Format("header CRC 0x%04X does not match its header (0x%04X)", crc, computed));
    }
    const std::size_t end = std::size_t(h.size) + h.data_size;
    if (end > file.size()) {
        result.error = Format(
            "the file is truncated: its header announces %u bytes of data, the file holds %zu",
            h.data_size, file.size() - h.size);
        return result;
    }
    if (end + 2 <= file.size()) {
        const std::uint16_t stored = static_cast<std::uint16_t>(file[end] | (file[end + 1] << 8));
        const std::uint16_t computed = FitCrc(file.first(end));
        if (stored != computed)
            result.warnings.push_back(
                Format("file CRC 0x%04X does not match the data (0x%04X); the data are read anyway",
                       stored, computed));
    } else {
        result.warnings.push_back("the file has no CRC after its data");
    }

    ByteReader data(file.first(end));
    data.seek(h.size);
    std::array<FitDefinition, 16> definitions;
    std::optional<std::uint32_t> last_time;
    while (data.remaining() > 0) {
        const std::size_t position = data.position();
        std::uint8_t header = 0;
        data.u8(header);
        ++result.messages;
        if (!(header & kCompressedTimeBit) && (header & kDefinitionBit)) {
            FitDefinition def;
            def.defined = true;
            std::uint8_t reserved = 0, architecture = 0, count = 0;
            std::uint16_t global = 0;
            if (!data.u8(reserved) || !data.u8(architecture) || !data.u16(global) ||
                !data.u8(count)) {
                result.error =
                    Format("definition at byte %zu runs past the end of the data", position);
                return result;
            }
            if (architecture > 1) {
                result.error = Format("definition at byte %zu: unknown architecture %u", position,
                                      architecture);
                return result;
            }
            def.big_endian = architecture == 1;
            def.global =
                def.big_endian ? static_cast<std::uint16_t>((global >> 8) | (global << 8)) : global;
            def.fields.reserve(count);
            std::uint32_t offset = 0;
            for (std::uint8_t i = 0; i < count; ++i) {
                FitFieldDef f;
                if (!data.u8(f.number) || !data.u8(f.size) || !data.u8(f.base_type)) {
                    result.error =
                        Format("definition at byte %zu runs past the end of the data", position);
                    return result;
                }
                f.offset = offset;
                offset += f.size;
                if (f.number == kFitTimestampField && def.timestamp_index < 0)
                    def.timestamp_index = static_cast<int>(def.fields.size());
                def.fields.push_back(f);
            }
            if (header & kDeveloperDataBit) {
                std::uint8_t developer_count = 0;
                if (!data.u8(developer_count)) {
                    result.error =
                        Format("definition at byte %zu runs past the end of the data", position);
                    return result;
                }
                for (std::uint8_t i = 0; i < developer_count; ++i) {
                    std::uint8_t number = 0, size = 0, index = 0;
                    if (!data.u8(number) || !data.u8(size) || !data.u8(index)) {
                        result.error = Format(
                            "definition at byte %zu runs past the end of the data", position);
                        return result;
                    }
                    offset += size;
                }
            }
            def.data_size = offset;
            definitions[header & 0x0F] = std::move(def);
            continue;
        }

        std::uint8_t local = 0;
        std::optional<std::uint32_t> header_time;
        if (header & kCompressedTimeBit) {
            local = (header >> 5) & 0x03;
            const std::uint32_t offset = header & 0x1F;
            if (!last_time) {
                result.error = Format(
                    "compressed timestamp at byte %zu comes before any full timestamp", position);
                return result;
            }
            std::uint32_t t = (*last_time & ~0x1Fu) + offset;
            if (offset < (*last_time & 0x1Fu)) t += 0x20;
            header_time = t;
        } else {
            local = header & 0x0F;
        }
        const FitDefinition& def = definitions[local];
        if (!def.defined) {
            result.error =
                Format("data message at byte %zu: local message type %u has no definition",
                       position, local);
            return result;
        }
        if (!data.has(def.data_size)) {
            result.error = Format("message at byte %zu runs past the end of the data", position);
            return result;
        }
        FitMessage m;
        m.global = def.global;
        m.local = local;
        m.definition = &def;
        m.data = file.subspan(data.position(), def.data_size);
        m.position = position;
        data.skip(def.data_size);
        if (def.timestamp_index >= 0) {
            if (auto t = m.integer(def.fields[def.timestamp_index]);
                t && *t >= 0 && *t <= 0xFFFFFFFF)
                m.timestamp = static_cast<std::uint32_t>(*t);
        }
        if (!m.timestamp) m.timestamp = header_time;
        if (m.timestamp) last_time = m.timestamp;
        if (sink) sink(m);
    }
    result.ok = true;
    return result;
}

}  // namespace vx
