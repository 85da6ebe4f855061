#include "views/trip_view_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "views/curve_fixture.h"

namespace vx {
namespace {

// One hour at one sample per second, 28.8 km, hilly.
std::unique_ptr<Trip> HourTrip(std::uint8_t sport = 0) {
    auto trip = test::CurveTrip(3601, [](int i, TripRecord& r) {
        r.altitude_m = 400 + 100 * std::sin(i * 0.003f);
        r.power_w = 150 + i % 100;
    });
    trip->records[0].interval_no = sport;
    trip->records[0].power_w = 250;
    return trip;
}

struct ModelFixture {
    std::unique_ptr<Trip> trip = HourTrip();
    Settings settings = DefaultSettings();
    TripViewModel view{*trip, settings};
    ModelFixture() {
        view.Open();
        view.SetImageSize(965, 600);  // W = 900: the whole hour is 0.25 px per sample
    }
};

TEST(TripViewModel, OpensTheWholeTripWithItsCurves) {
    ModelFixture f;
    EXPECT_EQ(f.view.range(), WholeTrip(CurveSourceOf(*f.trip)));
    EXPECT_TRUE(Shown(f.view.visibility(), TripCurve::Power));
    EXPECT_FALSE(Shown(f.view.visibility(), TripCurve::Gradient));
    // The altitude axis comes from the data.
    ASSERT_TRUE(f.view.channels().altitude_axis);
    EXPECT_EQ(f.trip->curve_scale[0], f.view.channels().altitude_axis->max);
    EXPECT_EQ(f.settings.curve_min[0], f.view.channels().altitude_axis->min);
    EXPECT_LT(f.settings.curve_min[0], 300);

    const TripViewScene& scene = f.view.Scene();
    EXPECT_FALSE(scene.plot.empty());
    EXPECT_EQ(scene.grid_y.size(), 10u);
    EXPECT_FALSE(scene.ticks.empty());
    ASSERT_EQ(scene.curves.size(), 5u);
    EXPECT_EQ(scene.curves[0].curve, TripCurve::Power);  // drawing order
    EXPECT_EQ(scene.curves[1].curve, TripCurve::HeartRate);
    EXPECT_EQ(scene.curves[2].curve, TripCurve::Altitude);
    EXPECT_EQ(scene.curves[2].pen_width, 2);
    for (const CurvePolyline& c : scene.curves) {
        ASSERT_FALSE(c.points.empty());
        EXPECT_LE(c.points.size(), 4u * 901);
        EXPECT_GE(c.points.front().x, 35);
        EXPECT_LE(c.points.back().x, 35 + 900);
    }

    // A heart-rate trip hides power once it is loaded afresh.
    f.trip->records[0].interval_no = 1;
    f.view.MarkFreshTrip();
    f.view.Open();
    EXPECT_FALSE(Shown(f.view.visibility(), TripCurve::Power));
    EXPECT_FALSE(f.view.sport_buttons().power);
}

TEST(TripViewModel, TinyWindowDrawsNothingAndStillAnswers) {
    ModelFixture f;
    f.view.SetImageSize(50, 40);
    const TripViewScene& scene = f.view.Scene();
    EXPECT_TRUE(scene.plot.empty());
    EXPECT_TRUE(scene.ticks.empty());
    EXPECT_TRUE(scene.curves.empty());
    f.view.StartZoomSelection();
    f.view.MouseMove(30, 20);
    EXPECT_EQ(f.view.KeyDown(ViewKey::Right).repaint, Repaint::Overlay);
    EXPECT_EQ(f.view.cursor(), 2);
}

TEST(TripViewModel, PagesZoomsWithTheMouseAndReadsTheCursor) {
    ModelFixture f;
    // A click near the left edge pages backward, near the right edge forward.
    EXPECT_EQ(f.view.ZoomIn(), Repaint::Scene);
    const ViewRange zoomed = f.view.range();
    EXPECT_EQ(zoomed.width(), 1800);
    EXPECT_EQ(f.view.MouseDown(960, 300, MouseButton::Left).repaint, Repaint::Scene);
    EXPECT_GT(f.view.range().first, zoomed.first);
    f.view.MouseDown(10, 300, MouseButton::Left);
    f.view.MouseDown(10, 300, MouseButton::Left);
    EXPECT_EQ(f.view.range().first, 0);
    f.view.ShowWholeTrip();

    // Zoom by selection: x 335 is sample 1201, x 635 sample 2401.
    EXPECT_EQ(f.view.StartZoomSelection(), Repaint::Overlay);
    EXPECT_EQ(f.view.MouseMove(335, 300).repaint, Repaint::Overlay);
    EXPECT_EQ(f.view.Overlay().time_text, "T=00:20:01   D=   9.600");
    EXPECT_EQ(f.view.Overlay().start_marker_x, 335);
    f.view.MouseDown(335, 300, MouseButton::Left);
    EXPECT_EQ(f.view.interaction(), Interaction::ZoomEnd);
    f.view.MouseMove(635, 300);
    EXPECT_EQ(f.view.Overlay().end_marker_x, 635);
    EXPECT_EQ(f.view.Overlay().start_diff_text, "dT=00:20:00   dD=   9.600");
    EXPECT_EQ(f.view.MouseDown(635, 300, MouseButton::Left).repaint, Repaint::Scene);
    EXPECT_EQ(f.view.interaction(), Interaction::Idle);
    EXPECT_EQ(f.view.range().first, 1200);
    EXPECT_EQ(f.view.range().end, 2401);

    // The keyboard cursor: only while a marker is shown; readouts follow, the pointer moves.
    EXPECT_FALSE(f.view.KeyDown(ViewKey::Right).consumed);
    f.view.StartZoomSelection();
    EXPECT_EQ(f.view.cursor(), 1200);
    for (int k = 0; k < 3; ++k) f.view.KeyDown(ViewKey::Right);
    f.view.KeyDown(ViewKey::Down);
    const ViewUpdate moved = f.view.KeyDown(ViewKey::PageDown);
    EXPECT_EQ(f.view.cursor(), 1278);
    EXPECT_EQ(f.view.Overlay().time_text, "T=00:21:18   D=  10.216");
    ASSERT_TRUE(moved.pointer);
    EXPECT_EQ(moved.pointer->x, PointerXOfSample(f.view.mapping(), 1278));
    EXPECT_EQ(moved.pointer->y, 300);
    f.view.KeyDown(ViewKey::Enter);
    for (int k = 0; k < 3; ++k) f.view.KeyDown(ViewKey::PageDown);
    EXPECT_EQ(f.view.Overlay().start_diff_text, "dT=00:03:00   dD=   1.440");
    EXPECT_EQ(f.view.KeyDown(ViewKey::Enter).repaint, Repaint::Scene);
    EXPECT_EQ(f.view.range().first, 1260);
    EXPECT_EQ(f.view.range().end, 1458);

    // The cursor stops at the trip's ends.
    f.view.ShowWholeTrip();
    f.view.StartZoomSelection();
    f.view.KeyDown(ViewKey::PageUp);
    EXPECT_EQ(f.view.cursor(), 1);
}

TEST(TripViewModel, DistanceAxisAndItsLimits) {
    ModelFixture f;
    EXPECT_EQ(f.view.ShowDistanceAxis(), Repaint::Scene);
    EXPECT_EQ(f.view.axis_mode(), AxisMode::Distance);
    EXPECT_FALSE(f.view.TimeAxisCommandsEnabled());
    EXPECT_EQ(f.view.StartZoomSelection(), Repaint::None);
    const TripViewScene& scene = f.view.Scene();
    ASSERT_EQ(scene.ticks.size(), 11u);
    EXPECT_EQ(scene.ticks.back().label, "28.79");
    EXPECT_FALSE(scene.curves.empty());
    EXPECT_FALSE(f.view.KeyDown(ViewKey::Enter).consumed);
    f.view.ShowTimeAxis();

    // A trip standing still has no distance axis.
    for (int i = 1; i < f.trip->count; ++i) f.trip->records[i].distance_km = 0;
    f.view.ShowTimeAxis();
    EXPECT_EQ(f.view.ShowDistanceAxis(), Repaint::None);
    EXPECT_EQ(f.view.axis_mode(), AxisMode::Time);
}

TEST(TripViewModel, MouseMovesRepaintOnlyTheOverlay) {
    ModelFixture f;
    const std::vector<PixelPoint> power = f.view.Scene().curves[0].points;
    f.view.StartZoomSelection();
    for (int x = 40; x < 900; x += 37)
        EXPECT_EQ(f.view.MouseMove(x, 200).repaint, Repaint::Overlay);
    EXPECT_EQ(f.view.Scene().curves[0].points, power);

    // Idle, the mouse changes nothing at all.
    f.view.ShowWholeTrip();
    EXPECT_EQ(f.view.MouseMove(300, 200).repaint, Repaint::None);
}

TEST(TripViewModel, GroupedAndUngroupedCurvesCoverTheSameColumns) {
    ModelFixture f;
    f.view.SetCurveShown(TripCurve::Gradient, true);
    f.view.SetCurveShown(TripCurve::ClimbRate, true);
    f.view.SetCurveShown(TripCurve::Temperature, true);
    const std::vector<CurvePolyline> grouped = f.view.Scene().curves;
    f.view.SetGroupColumns(false);
    const std::vector<CurvePolyline>& all = f.view.Scene().curves;
    ASSERT_EQ(grouped.size(), all.size());
    EXPECT_TRUE(f.view.Scene().climb_zero_y);
    for (std::size_t c = 0; c < all.size(); ++c) {
        EXPECT_EQ(all[c].points.size(), 3599u);  // samples 2 .. 3600
        EXPECT_LT(grouped[c].points.size(), all[c].points.size());
        EXPECT_EQ(grouped[c].points.front(), all[c].points.front());
        EXPECT_EQ(grouped[c].points.back(), all[c].points.back());
    }
}

TEST(TripViewModel, SettingsPanelAndDefaults) {
    ModelFixture f;
    std::optional<CurveSettingsForm> form = f.view.OpenCurveSettings(kCurvePower);
    ASSERT_TRUE(form);
    EXPECT_EQ(f.view.ChooseSmoothing(9), Repaint::Scene);  // applies at once
    EXPECT_EQ(f.settings.smoothing[kCurvePower], 9);
    EXPECT_EQ(f.view.DiscardCurveSettings(), Repaint::Scene);  // and goes back
    EXPECT_EQ(f.settings.smoothing[kCurvePower], 0);

    form = f.view.OpenCurveSettings(kCurvePower);
    form->max_text = "0";
    form->threshold_on[0] = true;
    form->threshold_text[0] = "250";
    EXPECT_TRUE(f.view.AcceptCurveSettings(*form).ok);
    EXPECT_EQ(f.trip->curve_scale[1], 2000);
    EXPECT_EQ(f.settings.curve_scale[1], 2000);
    EXPECT_TRUE(f.trip->rewrite_pending);
    ASSERT_EQ(f.view.Scene().thresholds.size(), 1u);
    f.view.KeyDown(ViewKey::F6);
    EXPECT_TRUE(f.view.Scene().thresholds.empty());

    // F1 then a digit smooths power, cadence, speed and heart rate.
    f.view.KeyDown(ViewKey::F1);
    EXPECT_EQ(f.view.KeyDown(ViewKey::Digit, 3).repaint, Repaint::Scene);
    EXPECT_EQ(f.settings.smoothing, (SmoothingLevels{0, 3, 3, 3, 3, 0, 0, 0, 0, 0}));

    f.view.ToggleCurve(TripCurve::Altitude);
    f.view.ApplyVisibilityAsDefault();
    EXPECT_EQ(f.settings.view_flags & 0x1FF, 0x180 | 0x0F);
    // SB_GRUND shows after a right click near the top, any other click hides it.
    f.view.MouseDown(200, 30, MouseButton::Right);
    EXPECT_TRUE(f.view.Overlay().default_panel_shown);
    f.view.MouseDown(200, 300, MouseButton::Right);
    EXPECT_FALSE(f.view.Overlay().default_panel_shown);
}

TEST(TripViewModel, DamagedAndEmptyTripsAreDrawnSafely) {
    const float inf = std::numeric_limits<float>::infinity();
    const float bad[] = {std::nanf(""), inf, -inf, 3e38f, -3e38f, 0};
    for (int interval : {0, 1, 2, 100000}) {
        SCOPED_TRACE(interval);
        auto trip = test::CurveTrip(400, [&](int i, TripRecord& r) {
            const float b = bad[i % 6];
            r.power_w = b;
            r.heart_rate_bpm = bad[(i + 1) % 6];
            r.altitude_m = i % 5 ? 300 : b;
            r.speed_kmh = b;
            r.temperature_c = b;
            r.distance_km = i % 9 ? i * 0.01f : b;  // also running backwards
        });
        trip->sample_interval_s = interval;
        trip->curve_scale = {std::nanf(""), -1, 0, inf, 1e30f, -3, std::nanf(""), 0, 0, 0};
        Settings settings = DefaultSettings();
        settings.curve_min[4] = 500;  // not below the heart-rate maximum
        TripViewModel view(*trip, settings);
        view.Open();
        view.SetImageSize(800, 500);
        for (int c = 0; c < kTripCurveCount; ++c)
            view.SetCurveShown(static_cast<TripCurve>(c), true);
        auto check = [&] {
            for (const CurvePolyline& c : view.Scene().curves)
                for (const PixelPoint& p : c.points) {
                    ASSERT_LE(std::abs(p.x), kPixelLimit);
                    ASSERT_LE(std::abs(p.y), kPixelLimit);
                }
        };
        check();
        view.ZoomOut();
        view.PageForward();
        view.ZoomIn();
        check();
        view.ShowDistanceAxis();
        check();
        view.PageBackward();
        view.ZoomOut();
        check();
        view.ShowTimeAxis();
        view.StartZoomSelection();
        for (int x : {-100, 0, 400, 5000}) view.MouseMove(x, 100);
        view.KeyDown(ViewKey::PageDown);
        EXPECT_FALSE(view.Overlay().time_text.empty());
    }

    Trip empty;
    empty.count = 0;
    Settings settings = DefaultSettings();
    TripViewModel view(empty, settings);
    view.Open();
    view.SetImageSize(800, 500);
    EXPECT_TRUE(view.Scene().curves.empty() || view.Scene().curves[0].points.empty());
    view.PageForward();
    view.ZoomOut();
    view.StartZoomSelection();
    view.MouseMove(300, 100);
    view.KeyDown(ViewKey::Right);
    EXPECT_EQ(view.cursor(), 1);
}

TEST(TripViewModel, CloseWritesBackOnlyWhenAsked) {
    test::TempDir dir;
    ModelFixture f;
    const std::string path = dir.file("T.DEO");
    EXPECT_FALSE(f.view.Close(path).written);  // nothing pending
    EXPECT_TRUE(test::ReadBytes(path).empty());

    f.trip->rewrite_pending = true;
    const CloseOutcome none = f.view.Close("");  // a trip without a file writes nothing
    EXPECT_FALSE(none.written);
    EXPECT_TRUE(none.error.empty());

    const CloseOutcome failed = f.view.Close(dir.file("missing/T.DEO"));
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.error, "Cannot open output file.\n");
    EXPECT_TRUE(f.trip->rewrite_pending);

    const CloseOutcome ok = f.view.Close(path);
    EXPECT_TRUE(ok.written);
    EXPECT_FALSE(f.trip->rewrite_pending);
    Trip back;
    ASSERT_TRUE(ReadTripPath(path, back, f.settings.current_zones()));
    EXPECT_EQ(back.count, f.trip->count);
}

}  // namespace
}  // namespace vx
