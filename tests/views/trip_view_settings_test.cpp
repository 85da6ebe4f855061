#include "views/trip_view_settings.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

CurveVisibility Main(bool p, bool c, bool s, bool h, bool a, bool climb, bool g) {
    CurveVisibility v{};
    const bool bits[] = {p, c, s, h, a, climb, g};
    for (int i = 0; i < kMainCurveCount; ++i) v[i] = bits[i];
    return v;
}

TEST(TripViewSettings, VisibilityOfAFreshTrip) {
    struct Case {
        const char* name;
        std::uint8_t sport;
        std::int32_t flags;
        CurveVisibility before, expect;
    } cases[] = {
        {"bike with power", 0, 0, Main(0, 0, 0, 0, 0, 1, 0), Main(1, 1, 1, 1, 1, 1, 0)},
        {"bike with heart rate", 1, 0, Main(1, 1, 1, 1, 1, 0, 1), Main(0, 1, 1, 1, 1, 0, 1)},
        {"run", 2, 0, Main(1, 1, 1, 1, 1, 0, 0), Main(0, 0, 1, 1, 1, 0, 0)},
        {"unknown sport type counts as 0", 7, 0, Main(0, 0, 0, 0, 0, 0, 0),
         Main(1, 1, 1, 1, 1, 0, 0)},
        {"stored defaults replace the sport type", 2, 0x180 | 0x41, Main(0, 1, 1, 1, 1, 1, 0),
         Main(1, 0, 0, 0, 0, 0, 1)},
        {"one marker bit is not enough", 0, 0x100 | 0x7F, Main(0, 0, 0, 0, 0, 0, 0),
         Main(1, 1, 1, 1, 1, 0, 0)},
    };
    for (const Case& c : cases) {
        CurveVisibility v = c.before;
        ApplyFreshTripVisibility(c.sport, c.flags, v);
        EXPECT_EQ(v, c.expect) << c.name;
    }
}

TEST(TripViewSettings, ApplySettingsAsDefault) {
    const CurveVisibility v = Main(1, 0, 1, 1, 0, 0, 1);
    // Bits 0 .. 8 are rewritten, the others kept.
    EXPECT_EQ(StoreDefaultVisibility(0x0E7F, v), 0x0E00 | 0x180 | 0x4D);
    EXPECT_EQ(StoreDefaultVisibility(0, Main(0, 0, 0, 0, 0, 0, 0)), 0x180);
    CurveVisibility back{};
    ApplyFreshTripVisibility(0, StoreDefaultVisibility(0, v), back);
    EXPECT_EQ(back, v);

    EXPECT_FALSE(SportButtonsOf(1).power);
    EXPECT_TRUE(SportButtonsOf(1).gear);
    EXPECT_FALSE(SportButtonsOf(2).gear);
    EXPECT_TRUE(SportButtonsOf(0).power);
}

TEST(TripViewSettings, ButtonCaptions) {
    const CurveNames names;
    EXPECT_EQ(CurveButtonCaption(1, names, false), "Power [W]");
    EXPECT_EQ(CurveButtonCaption(3, names, true), "Speed [mph]");
    EXPECT_EQ(CurveButtonCaption(0, names, true), "Altitude [ft]");
    EXPECT_EQ(CurveButtonCaption(5, names, false), "gradient rate [m/min]");
    EXPECT_EQ(CurveButtonCaption(6, names, false), "Gradient [%] ");
    EXPECT_EQ(CurveButtonCaption(9, names, false), "Torque [Nm]");
    EXPECT_EQ(CurveButtonCaption(7, names, false), "");
}

TEST(TripViewSettings, PanelNumbers) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"     250", 250}, {"12,5", 12.5}, {" 12.5", 12.5}, {"+7", 7},  {"-3", -3},
                 {"abc", 0},        {"", 0},        {"1e999", 0},    {"80x", 80}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParsePanelNumber(c.text), c.value) << c.text;
}

struct PanelFixture {
    CurveVisibility visible{};
    CurveScale scale = {990, 500, 150, 60, 200, 20, 20, 0, 0, 100};
    CurveMinima minima = {300, 0, 0, 0, 60, 0, 0, 0, 0, 0};
    ThresholdLines thresholds{};
    SmoothingLevels levels = {1, 2, 3, 4, 5, 0, 0, 0, 0, 6};
    CurveSettingsState State() { return {&visible, &scale, &minima, &thresholds, &levels}; }
};

TEST(TripViewSettings, PanelShowsTheFieldsOfItsCurve) {
    PanelFixture f;
    f.thresholds[kCurveHeartRate][1] = {true, 152.5f};
    const CurveSettingsForm hr = *CurveSettingsFormOf(kCurveHeartRate, f.State());
    EXPECT_EQ(hr.max_text, "     200");
    EXPECT_TRUE(hr.has_min);
    EXPECT_FALSE(hr.min_read_only);
    EXPECT_EQ(hr.min_text, "      60");
    EXPECT_TRUE(hr.has_thresholds);
    EXPECT_TRUE(hr.threshold_on[1]);
    EXPECT_EQ(hr.threshold_text[1], "   152.5");
    EXPECT_EQ(hr.smoothing_level, 5);
    EXPECT_EQ(hr.smoothing_entries, 10);

    const CurveSettingsForm alt = *CurveSettingsFormOf(kCurveAltitude, f.State());
    EXPECT_TRUE(alt.min_read_only);
    EXPECT_EQ(alt.smoothing_entries, 7);
    const CurveSettingsForm climb = *CurveSettingsFormOf(5, f.State());
    EXPECT_FALSE(climb.has_min || climb.has_thresholds || climb.has_smoothing);
    const CurveSettingsForm torque = *CurveSettingsFormOf(kCurveTorque, f.State());
    EXPECT_FALSE(torque.has_thresholds);
    EXPECT_TRUE(torque.has_smoothing);
    EXPECT_FALSE(CurveSettingsFormOf(7, f.State()));
}

TEST(TripViewSettings, PanelRefusesAnAxisWithoutHeight) {
    struct Case {
        int type;
        const char* max;
        const char* min;
        bool ok;
        float max_after, min_after;
    } cases[] = {
        {kCurveHeartRate, "180", "50", true, 180, 50},
        {kCurveHeartRate, "150", "150", false, 200, 60},
        {kCurveHeartRate, "150", "170", false, 200, 60},
        {kCurveHeartRate, "0", "170", true, 2000, 170},  // 0 becomes 2000
        {kCurvePower, "abc", "", true, 2000, 0},         // not a number reads as 0
        {kCurvePower, "-100", "", false, 500, 0},
        {6, "-5", "", false, 20, 0},  // gradient half range
        {6, "8", "", true, 8, 0},
        {kCurveAltitude, "250", "999", false, 990, 300},  // the read-only minimum counts
        {kCurveAltitude, "1200", "999", true, 1200, 300},
    };
    for (const Case& c : cases) {
        PanelFixture f;
        CurveSettingsForm form = *CurveSettingsFormOf(c.type, f.State());
        form.max_text = c.max;
        form.min_text = c.min;
        form.visible = true;
        if (form.has_thresholds) {
            form.threshold_on[0] = true;
            form.threshold_text[0] = "12,5";
        }
        const FormCheck check = AcceptCurveSettingsForm(form, f.State());
        SCOPED_TRACE(std::to_string(c.type) + " " + c.max + " " + c.min);
        EXPECT_EQ(check.ok, c.ok);
        EXPECT_EQ(check.message.empty(), c.ok);
        EXPECT_EQ(f.scale[c.type], c.max_after);
        EXPECT_EQ(f.minima[c.type], c.min_after);
        EXPECT_EQ(Shown(f.visible, *CurveOfType(c.type)), c.ok);  // nothing stored when refused
        if (form.has_thresholds) {
            EXPECT_EQ(f.thresholds[c.type][0].on, c.ok);
            EXPECT_FLOAT_EQ(f.thresholds[c.type][0].value, c.ok ? 12.5f : 0.0f);
        }
    }
}

}  // namespace
}  // namespace vx
