#include "import/fit_records.h"

#include "import/fit_decoder.h"

namespace vx {

namespace {

constexpr std::uint8_t kTimeCreatedField = 4;
constexpr std::uint8_t kEnhancedSpeedField = 73;
constexpr std::uint8_t kEnhancedAltitudeField = 78;

// Where a record field goes; enhanced fields stand in for their short twins.
struct FieldTarget {
    FitValue value;
    bool fallback;
};

std::optional<FieldTarget> TargetOf(std::uint8_t number) {
    switch (number) {
        case 2:
            return FieldTarget{FitValue::Altitude, false};
        case 3:
            return FieldTarget{FitValue::HeartRate, false};
        case 4:
            return FieldTarget{FitValue::Cadence, false};
        case 5:
            return FieldTarget{FitValue::Distance, false};
        case 6:
            return FieldTarget{FitValue::Speed, false};
        case 7:
            return FieldTarget{FitValue::Power, false};
        case 13:
            return FieldTarget{FitValue::Temperature, false};
        case kEnhancedSpeedField:
            return FieldTarget{FitValue::Speed, true};
        case kEnhancedAltitudeField:
            return FieldTarget{FitValue::Altitude, true};
        default:
            return std::nullopt;
    }
}

FitRecord DecodeRecord(const FitMessage& m, std::uint8_t lap) {
    FitRecord r;
    r.timestamp = m.timestamp;
    r.lap = lap;
    FitRecord fallback;
    for (const FitFieldDef& f : m.definition->fields) {
        const auto target = TargetOf(f.number);
        if (!target) continue;
        const auto v = m.integer(f);
        if (!v) continue;
        (target->fallback ? fallback : r).set(target->value, *v);
    }
    for (FitValue v : {FitValue::Altitude, FitValue::Speed})
        if (!r.has(v) && fallback.has(v)) r.set(v, fallback.get(v));
    return r;
}

}  // namespace

FitActivityRead ReadFitActivity(std::span<const std::uint8_t> file) {
    FitActivityRead read;
    FitActivity& a = read.activity;
    bool file_id_seen = false;
    // Room for as many records as the file could hold at 8 bytes each: the pages never written
    // cost nothing, and the vector does not grow record by record.
    a.records.reserve(file.size() / 8);
    FitDecode decode = DecodeFit(file, [&](const FitMessage& m) {
        switch (m.global) {
            case kFitFileIdMessage:
                if (file_id_seen) break;
                file_id_seen = true;
                for (const FitFieldDef& f : m.definition->fields)
                    if (f.number == kTimeCreatedField)
                        if (auto v = m.integer(f); v && *v >= 0 && *v <= 0xFFFFFFFF)
                            a.time_created = static_cast<std::uint32_t>(*v);
                break;
            case kFitLapMessage:
                ++a.laps;
                break;
            case kFitRecordMessage:
                a.records.push_back(DecodeRecord(m, static_cast<std::uint8_t>(a.laps)));
                break;
            default:
                break;
        }
    });
    read.warnings = std::move(decode.warnings);
    if (!decode.ok) {
        read.error = std::move(decode.error);
        read.activity = {};
        return read;
    }
    read.ok = true;
    return read;
}

}  // namespace vx
