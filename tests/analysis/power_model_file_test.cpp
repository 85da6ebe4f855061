#include "analysis/power_model_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "support/temp_dir.h"
#include "trip/byte_io.h"

namespace vx {
namespace {

RiderRecord Rider(float weight, float height) {
    RiderRecord r{};
    r.weight_kg = weight;
    r.height_m = height;
    return r;
}

TEST(PowerModelPresets, DragAreasOfTheBikeTypes) {
    PowerModelParams p;
    p.rider_kg = 66;
    ApplyBikePresets(p, 2, 1.75f);
    const double d = std::sqrt(66 / 1.75 / 750.0);
    EXPECT_NEAR(p.rider_cwa, 0.78 * d * (d + (1.75 - d) * 0.89), 1e-5);
    EXPECT_NEAR(p.bike_cwa, (1.1 * 0.021 + 0.9 * 0.021 + 0.048) * 1.2, 1e-6);
    EXPECT_EQ(p.tyre, 0);
    EXPECT_FLOAT_EQ(p.rolling, 0.006f);

    // A rider without a height counts as 1.75 m.
    PowerModelParams unknown;
    unknown.rider_kg = 66;
    ApplyBikePresets(unknown, 2, 0.0f);
    EXPECT_FLOAT_EQ(unknown.rider_cwa, p.rider_cwa);

    ApplyBikePresets(p, 0, 1.75f);  // mountain bike: knobbly tyres
    EXPECT_EQ(p.tyre, 5);
    EXPECT_FLOAT_EQ(p.rolling, 0.007f);
    EXPECT_NEAR(p.bike_cwa, (1.1 * 0.055 + 0.9 * 0.055 + 0.052) * 1.23, 1e-6);
    ApplyTyre(p, 2);
    EXPECT_FLOAT_EQ(p.rolling, 0.005f);
    EXPECT_NEAR(p.bike_cwa, (1.1 * 0.042 + 0.9 * 0.042 + 0.052) * 1.23, 1e-6);
    EXPECT_STREQ(kTyrePresets[5].name, "Stollenreifen 1.75\"");
}

TEST(PowerModelFile, AcceptedBikeRoundTrips) {
    PowerModelFile file;
    PowerModelParams p = LoadPowerModelParams(file, Rider(72, 1.8f));
    EXPECT_EQ(p.rider_kg, 72);
    EXPECT_EQ(p.bike_type, 2);
    SelectBikeType(p, file, 5, 1.8f);
    p.bike_kg = 8.2f;
    p.efficiency = 0.3f;  // below 0.5: stored as 1.0
    AcceptBike(p, file);
    EXPECT_EQ(p.efficiency, 1.0f);
    EXPECT_EQ(file.selected_bike, 5);
    EXPECT_TRUE(SlotConfigured(file.slots[5]));
    EXPECT_FALSE(SlotConfigured(file.slots[2]));

    const std::vector<std::uint8_t> bytes = EncodePowerModelFile(file);
    ASSERT_EQ(bytes.size(), kPowerModelFileSize);
    EXPECT_EQ(bytes[4 + 5 * 48], 5);      // bike type index of slot 5
    EXPECT_EQ(bytes[4 + 5 * 48 + 1], 0);  // its tyre
    test::TempDir dir;
    ASSERT_TRUE(WritePowerModelFile(dir.file("POW_CALC.GRD"), file));
    const PowerModelFile read = ReadPowerModelFile(dir.file("POW_CALC.GRD"));
    EXPECT_EQ(read, file);

    const PowerModelParams loaded = LoadPowerModelParams(read, Rider(15, 1.8f));
    EXPECT_EQ(loaded.rider_kg, 66);  // 15 kg is no body weight
    EXPECT_EQ(loaded.bike_type, 5);
    EXPECT_EQ(loaded.bike_kg, 8.2f);
    EXPECT_EQ(loaded.rider_cwa, p.rider_cwa);
    EXPECT_EQ(loaded.reserved, 0.7f);
}

TEST(PowerModelFile, BadFilesFallBackToThePresets) {
    PowerModelFile good;
    PowerModelParams p;
    SelectBikeType(p, good, 3, 1.8f);
    p.bike_kg = 11;
    AcceptBike(p, good);
    const std::vector<std::uint8_t> image = EncodePowerModelFile(good);

    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        bool slot_kept;
    };
    auto put_f32 = [](std::vector<std::uint8_t>& b, std::size_t at, float v) {
        std::vector<std::uint8_t> f;
        ByteWriter(f).f32(v);
        std::copy(f.begin(), f.end(), b.begin() + static_cast<long>(at));
    };
    const std::size_t slot3 = 4 + 3 * 48;
    const std::vector<Case> cases = {
        {"intact", [](auto&) {}, true},
        {"empty", [](auto& b) { b.clear(); }, false},
        {"short", [](auto& b) { b.resize(483); }, false},
        {"bike type 7", [](auto& b) { b[0] = 7; }, false},
        {"bike type -1", [](auto& b) { b[0] = b[1] = b[2] = b[3] = 0xFF; }, false},
        {"tyre 6", [&](auto& b) { b[slot3 + 1] = 6; }, false},
        {"slot of another type", [&](auto& b) { b[slot3] = 4; }, false},
        {"mass not a number", [&](auto& b) { put_f32(b, slot3 + 20, std::nanf("")); }, false},
        {"negative drag area", [&](auto& b) { put_f32(b, slot3 + 24, -0.3f); }, false},
        {"efficiency 0.2", [&](auto& b) { put_f32(b, slot3 + 4, 0.2f); }, true},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = image;
        c.damage(bytes);
        test::TempDir dir;
        test::WriteBytes(dir.file("POW_CALC.GRD"), bytes);
        const PowerModelFile file = ReadPowerModelFile(dir.file("POW_CALC.GRD"));
        EXPECT_EQ(SlotConfigured(file.slots[3]), c.slot_kept) << c.name;
        PowerModelParams q;
        SelectBikeType(q, file, 3, 1.8f);
        EXPECT_EQ(q.bike_kg, c.slot_kept ? 11.0f : 9.5f) << c.name;
        EXPECT_GE(q.efficiency, 0.5f) << c.name;
    }
    EXPECT_EQ(ReadPowerModelFile("/nonexistent/POW_CALC.GRD"), PowerModelFile{});
    std::string reason;
    EXPECT_FALSE(DecodePowerModelFile(std::vector<std::uint8_t>(100), &reason));
    EXPECT_NE(reason.find("too short"), std::string::npos);
}

}  // namespace
}  // namespace vx
