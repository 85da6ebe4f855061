#include "import/fit_slots.h"

#include <algorithm>

namespace vx {

namespace {

// Writes one record into its slot. A value outside its plausible range is not taken, so the
// slot holds the value before it.
void ApplyRecord(const FitRecord& r, FitSlot& s) {
    auto take = [&](FitValue v, std::int64_t below, float FitSlot::*field, std::uint8_t bit,
                    double scale) {
        if (!r.has(v)) return;
        s.flags |= kSlotData;
        const std::int64_t raw = r.get(v);
        if (raw < 0 || raw >= below) return;
        s.*field = static_cast<float>(double(raw) * scale);
        s.set |= bit;
    };
    if (r.has(FitValue::Altitude)) {
        s.altitude = static_cast<float>(FitAltitudeM(r.get(FitValue::Altitude)));
        s.flags |= kSlotAltitude | kSlotData;
    }
    take(FitValue::HeartRate, 250, &FitSlot::heart_rate, kSetHeartRate, 1);
    take(FitValue::Cadence, 250, &FitSlot::cadence, kSetCadence, 1);
    take(FitValue::Distance, std::int64_t{1} << 32, &FitSlot::distance, kSetDistance, 0.00001);
    take(FitValue::Speed, 65520, &FitSlot::speed, kSetSpeed, 0.0036);
    take(FitValue::Power, 4000, &FitSlot::power, kSetPower, 1);
    if (r.has(FitValue::Temperature)) {
        s.temperature = static_cast<float>(r.get(FitValue::Temperature));
        s.flags |= kSlotData;
        s.set |= kSetTemperature;
    }
}

void InterpolateAltitude(std::vector<FitSlot>& slots, std::int32_t last) {
    std::int32_t b = 1;
    while (b < last) {
        std::int32_t e = b + 1;
        while (e <= last && !(slots[e].flags & kSlotAltitude)) ++e;
        if (e > last) {
            // No later altitude: the last one is held to the end.
            for (std::int32_t k = b + 1; k <= last; ++k) slots[k].altitude = slots[b].altitude;
            return;
        }
        const std::int32_t l = e - b;
        const float a0 = slots[b].altitude;
        const float step = (slots[e].altitude - a0) / static_cast<float>(l);
        for (std::int32_t k = 1; k < l; ++k) slots[b + k].altitude = a0 + k * step;
        b = e;
    }
}

void HoldFields(const FitSlot& from, FitSlot& to) {
    if (!(to.set & kSetDistance)) to.distance = from.distance;
    if (!(to.set & kSetSpeed)) to.speed = from.speed;
    if (!(to.set & kSetHeartRate)) to.heart_rate = from.heart_rate;
    if (!(to.set & kSetPower)) to.power = from.power;
    if (!(to.set & kSetCadence)) to.cadence = from.cadence;
    if (!(to.set & kSetTemperature)) to.temperature = from.temperature;
}

void HoldValues(std::vector<FitSlot>& slots, std::int32_t last) {
    std::int32_t c = 1;
    while (c < last) {
        std::int32_t e = c + 1;
        while (e < last && !(slots[e].flags & kSlotData)) ++e;
        const FitSlot& from = slots[c];
        for (std::int32_t k = c + 1; k < e; ++k) {
            HoldFields(from, slots[k]);
            slots[k].lap = from.lap;
        }
        const std::int32_t gap = e - c;
        if (gap > 1 && (slots[e].set & kSetDistance)) {
            const float d0 = from.distance;
            const float rise = slots[e].distance - d0;
            if (double(rise) * 3600.0 / gap >= kFitGapMovingKmh)
                for (std::int32_t k = 1; k < gap; ++k)
                    slots[c + k].distance = d0 + rise * static_cast<float>(k) / gap;
        }
        HoldFields(slots[e - 1], slots[e]);
        c = e;
    }
}

std::string Count(std::int64_t n, const char* what) {
    return std::to_string(n) + (n == 1 ? " record message " : " record messages ") + what;
}

}  // namespace

FitSlots FillFitSlots(const FitActivity& activity, std::vector<std::string>& warnings) {
    FitSlots out;
    std::vector<FitSlot>& slots = out.slots;
    std::int32_t current = 0;  // slot of the last usable timestamp; 0 while there is none
    std::int32_t highest = 0;
    for (const FitRecord& r : activity.records) {
        if (r.timestamp) {
            if (!out.first_timestamp) out.first_timestamp = *r.timestamp;
            const std::int64_t index =
                std::int64_t{*r.timestamp} - (std::int64_t{*out.first_timestamp} - 1);
            if (index < 1 || index > kMaxFitSlot) {
                ++(index < 1 ? out.early_records : out.cut_records);
                current = 0;
                continue;
            }
            current = static_cast<std::int32_t>(index);
            if (static_cast<std::size_t>(current) >= slots.size())
                slots.resize(std::min<std::size_t>(
                    std::max<std::size_t>(current + 1, slots.size() * 2), kMaxFitSlot + 1));
            slots[current].flags |= kSlotTimestamp;
            slots[current].lap = r.lap;
            highest = std::max(highest, current);
        }
        if (current == 0) {
            ++out.untimed_records;
            continue;
        }
        ApplyRecord(r, slots[current]);
    }
    if (out.cut_records)
        warnings.push_back("the ride is longer than " + std::to_string(kMaxFitSlot) +
                           " s and was cut there: " + Count(out.cut_records, "dropped"));
    if (out.early_records)
        warnings.push_back(Count(out.early_records, "before the first timestamp dropped"));
    if (out.untimed_records)
        warnings.push_back(Count(out.untimed_records, "without a usable timestamp dropped"));

    std::int32_t last = highest;
    while (last >= 1 && !(slots[last].flags & kSlotData)) --last;
    out.last = std::max(last, 0);
    if (out.last < 1) return out;
    // Room for the fixed slots the filling reads (slot 4 for the temperature).
    slots.resize(std::max<std::size_t>(std::size_t(out.last) + 1, 5));

    for (std::int32_t i = 1; i <= out.last; ++i)
        if (slots[i].altitude != 0) {
            slots[1].altitude = slots[i].altitude;
            break;
        }
    InterpolateAltitude(slots, out.last);
    // A sensor that reports 0 in its first seconds: the fourth second's reading stands for
    // them, when that second has one (an absent reading must not wipe a recorded one).
    if (slots[1].temperature == 0 && (slots[4].set & kSetTemperature))
        for (int i = 1; i <= 3; ++i) slots[i].temperature = slots[4].temperature;
    HoldValues(slots, out.last);
    for (std::int32_t m = 2; m < out.last; ++m)
        if (slots[m].distance < slots[m - 1].distance) slots[m].distance = slots[m - 1].distance;
    return out;
}

}  // namespace vx
