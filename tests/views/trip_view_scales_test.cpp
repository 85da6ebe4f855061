#include "views/trip_view_scales.h"

#include <gtest/gtest.h>

#include <cmath>

#include "trip/settings.h"

namespace vx {
namespace {

TEST(TripViewScales, ValidationReplacesValuesOutOfRange) {
    struct Case {
        int index;
        float value, expect;
    } cases[] = {
        {0, 0, 400},
        {0, 60000, 400},
        {0, 990, 990},
        {1, 3001, 500},
        {1, 450, 450},
        {2, 0, 150},
        {2, 251, 150},
        {3, 151, 120},
        {3, 60, 60},
        {4, 0, 200},
        {4, 260, 200},
        {5, 0, 20},
        {5, 51, 20},
        {5, 12, 12},
        {6, 0, 20},
        {6, 41, 20},
        {6, 4, 4},
        {9, 19, 100},
        {9, 501, 100},
        {9, 250, 250},
        {1, std::nanf(""), 500},
        {9, std::nanf(""), 100},
        {1, -5, -5},
    };
    for (const Case& c : cases) {
        CurveScale s = {400, 500, 150, 120, 200, 20, 20, 7, 8, 100};
        s[c.index] = c.value;
        ValidateCurveScale(s);
        EXPECT_EQ(s[c.index], c.expect) << "index " << c.index << " value " << c.value;
        EXPECT_EQ(s[7], 7);
        EXPECT_EQ(s[8], 8);
    }
}

TEST(TripViewScales, HalfRangesBeforeTheRedraw) {
    struct Case {
        float gradient, climb;
        bool gradient_shown, climb_shown;
        float gradient_after, climb_after;
    } cases[] = {
        {0.5f, 0.5f, false, false, 25, 0.5f},
        {3, 3, false, false, 3, 3},
        {3, 0.5f, true, true, 25, 50},
        {5, 1, true, true, 5, 1},
    };
    for (const Case& c : cases) {
        CurveScale s = kInitialCurveScale;
        s[6] = c.gradient;
        s[5] = c.climb;
        CurveVisibility v{};
        Shown(v, TripCurve::Gradient) = c.gradient_shown;
        Shown(v, TripCurve::ClimbRate) = c.climb_shown;
        AdjustScaleForRedraw(s, v);
        EXPECT_EQ(s[6], c.gradient_after);
        EXPECT_EQ(s[5], c.climb_after);
    }
}

struct LabelFixture {
    CurveScale scale = {990, 500, 150, 60, 200, 20, 20, 0, 0, 100};
    CurveMinima minima = {300, 0, 0, 0, 60, 0, 0, 0, 0, 0};
    CurveVisibility visible{};
    Settings settings = DefaultSettings();
    ValueLabelInput Input(bool relative = false, bool fahrenheit = false) {
        return {&scale, &minima, &visible, &settings.colours, relative, fahrenheit};
    }
};

const ValueLabel* Find(const std::vector<ValueLabel>& labels, int x, int y, int offset) {
    for (const ValueLabel& l : labels)
        if (l.x == x && l.y == y && l.line_offset == offset) return &l;
    return nullptr;
}

TEST(TripViewScales, ValueLabelsBesideThePlot) {
    LabelFixture f;
    const PlotArea plot = PlotAreaOf(1265, 675);  // W 1200, H 600: j = 10 at y 44, j = 0 at 644
    for (TripCurve c : {TripCurve::Power, TripCurve::Cadence, TripCurve::Speed,
                        TripCurve::HeartRate, TripCurve::Altitude, TripCurve::Temperature,
                        TripCurve::Gradient, TripCurve::ClimbRate, TripCurve::Torque})
        Shown(f.visible, c) = true;
    const std::vector<ValueLabel> labels = ValueLabels(plot, f.Input());
    struct Expect {
        int x, y, offset;
        const char* text;
    } expects[] = {
        {5, 644, 0, "0"},        {5, 44, 0, " 500"},     {5, 44, 1, " 150"},
        {5, 44, -1, "  60"},     {5, 584, 0, "  50"},    {1240, 644, 0, "  60"},
        {1240, 344, 0, " 130"},  {1240, 44, 1, " 990"},  {1240, 644, 1, " 300"},
        {1240, 644, -1, " -10"}, {1240, 44, -1, "  40"}, {620, 644, 0, "-20.0%"},
        {620, 344, 0, " 0.0%"},  {720, 44, 0, "20.0"},   {50, 44, 0, " 100"},
    };
    for (const Expect& e : expects) {
        const ValueLabel* l = Find(labels, e.x, e.y, e.offset);
        ASSERT_NE(l, nullptr) << e.text;
        EXPECT_EQ(l->text, e.text);
    }
    EXPECT_EQ(Find(labels, 5, 44, 0)->colour, f.settings.colours[1]);  // power's colour
    EXPECT_EQ(Find(labels, 50, 44, 0)->colour, Rgb(0, 255, 255));

    // The relative power/HR display hides the power and heart-rate labels; cadence moves up
    // into the first place. Fahrenheit labels the temperature from 14 to 104.
    const std::vector<ValueLabel> relative = ValueLabels(plot, f.Input(true, true));
    EXPECT_EQ(Find(relative, 5, 44, 0)->text, " 150");
    EXPECT_EQ(Find(relative, 1240, 44, 0)->text, " 990");
    EXPECT_EQ(Find(relative, 1240, 644, 1)->text, "  14");
    EXPECT_EQ(Find(relative, 1240, 44, 1)->text, " 104");

    EXPECT_TRUE(ValueLabels(PlotAreaOf(10, 10), f.Input()).empty());
}

TEST(TripViewScales, ThresholdLinesOfShownCurves) {
    LabelFixture f;
    const PlotArea plot = PlotAreaOf(1265, 675);
    ThresholdLines lines{};
    lines[kCurvePower][0] = {true, 250};
    lines[kCurvePower][1] = {false, 400};
    lines[kCurveHeartRate][1] = {true, 130};
    lines[kCurveSpeed][0] = {true, 30};
    Shown(f.visible, TripCurve::Power) = true;
    Shown(f.visible, TripCurve::HeartRate) = true;
    const std::vector<ThresholdMark> marks = ThresholdMarks(plot, f.Input(), lines);
    ASSERT_EQ(marks.size(), 2u);  // speed is hidden, the second power line off
    EXPECT_EQ(marks[0].curve, TripCurve::Power);
    EXPECT_EQ(marks[0].y, 350);
    EXPECT_EQ(marks[0].label, "     250 ");
    EXPECT_EQ(marks[1].curve, TripCurve::HeartRate);
    EXPECT_EQ(marks[1].y, 350);
    EXPECT_EQ(ThresholdMarks(plot, f.Input(true), lines).size(), 0u);
}

}  // namespace
}  // namespace vx
