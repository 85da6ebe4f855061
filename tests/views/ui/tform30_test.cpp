// The single-trip view driven with the mouse and the keys, and its picture with and without
// the grouping of samples per pixel column.
#include <QtTest>
#include <cmath>

#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/paths.h"
#include "views/ui/tform30.h"

using namespace vx;

namespace {

// A two-hour ride at one sample per second with waves in every channel.
void FillRide(Trip& t, int samples) {
    t.count = samples + 1;
    t.sample_interval_s = 1;
    float d = 0;
    for (int i = 1; i <= samples; ++i) {
        TripRecord& r = t.records[static_cast<std::size_t>(i)];
        r.time_s = i;
        r.speed_kmh = 28 + 6 * std::sin(i / 300.0f);
        d += r.speed_kmh / 3600;
        r.distance_km = d;
        r.power_w = 210 + 80 * std::sin(i / 40.0f) + (i % 7) * 9;
        r.cadence_rpm = 88 + (i % 5);
        r.heart_rate_bpm = 135 + 15 * std::sin(i / 500.0f);
        r.altitude_m = 300 + 120 * std::sin(i / 1500.0f);
        r.temperature_c = 18;
    }
}

struct Session {
    test::TempDir dir;
    AppState app;
    std::unique_ptr<TForm30> view;
    std::string path;
    Session() {
        app.base = dir.path();
        app.trips.paths = BuildPaths(dir.path(), "NEW", nullptr);
        FillRide(*app.trip, 7200);
        path = dir.file("ride.DEO");
        WriteTripPath(path, *app.trip);
        view = std::make_unique<TForm30>(app);
        view->resize(1200, 700);
        view->showTrip(path, QStringLiteral("ride"), false);
    }
};

// A mouse move as the window system delivers it, buttons up.
void Move(QWidget* w, QPoint pos) {
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

class TForm30Test : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void pagingAndZoomFollowTheCommands() {
        Session s;
        TripViewModel& m = s.view->model();
        QCOMPARE(m.range().first, 1);
        QCOMPARE(m.range().end, 7201);
        QTest::mouseClick(s.view->SB_ZI, Qt::LeftButton);
        const ViewRange half = m.range();
        QVERIFY(half.end - half.first < 7200);
        QTest::mouseClick(s.view->SB_R, Qt::LeftButton);
        QVERIFY(m.range().first > half.first);
        for (int i = 0; i < 20; ++i) QTest::mouseClick(s.view->SB_R, Qt::LeftButton);
        QCOMPARE(m.range().end, 7201);  // paging forward ends at the last sample
        for (int i = 0; i < 20; ++i) QTest::mouseClick(s.view->SB_L, Qt::LeftButton);
        QVERIFY(m.range().first <= 1);
        QTest::mouseClick(s.view->SB_ZI, Qt::RightButton);  // zoom out
        QTest::mouseClick(s.view->SB_FT, Qt::LeftButton);
        QCOMPARE(m.range().end, 7201);
        // distance axis and back
        QTest::mouseClick(s.view->SB_DT, Qt::LeftButton);
        QCOMPARE(m.axis_mode(), AxisMode::Distance);
        QVERIFY(s.view->SB_DD->isVisibleTo(s.view.get()));
        QVERIFY(!s.view->SB_ZV->isEnabled());
        QTest::mouseClick(s.view->SB_DD, Qt::LeftButton);
        QCOMPARE(m.axis_mode(), AxisMode::Time);
    }

    void zoomSelectionWithMouseAndKeysShowsReadouts() {
        Session s;
        TripViewModel& m = s.view->model();
        QTest::mouseClick(s.view->SB_ZV, Qt::LeftButton);
        QCOMPARE(m.interaction(), Interaction::ZoomStart);
        const int x1 = 35 + (s.view->Show1->width() - 65) / 4;
        Move(s.view->Show1, QPoint(x1, 200));
        QVERIFY(s.view->S_Time->text().startsWith(QStringLiteral("T=00:")));
        QTest::mouseClick(s.view->Show1, Qt::LeftButton, {}, QPoint(x1, 200));
        QCOMPARE(m.interaction(), Interaction::ZoomEnd);
        const std::int32_t start = m.choice_start();
        // the keyboard moves the cursor 60 samples per Page Down; Enter confirms the end
        for (int i = 0; i < 30; ++i) QTest::keyClick(s.view.get(), Qt::Key_PageDown);
        QVERIFY(s.view->S_STime->text().startsWith(QStringLiteral("dT=00:30:00")) ||
                s.view->S_STime->text().startsWith(QStringLiteral("dT=00:2")));
        QTest::keyClick(s.view.get(), Qt::Key_Return);
        QCOMPARE(m.interaction(), Interaction::Idle);
        QVERIFY(m.range().first <= start);
        QVERIFY(m.range().end - m.range().first < 2000);
        // the summary of the whole trip fills the summary panel
        QTest::mouseClick(s.view->SB_AW, Qt::LeftButton);
        QVERIFY(s.view->ZDP->isVisible());
        QVERIFY(!s.view->ZD[0]->text().isEmpty());
    }

    void curveSettingsPanelAndCloseWriteBack() {
        Session s;
        TripViewModel& m = s.view->model();
        // right click hides the power curve, left click opens its settings
        QTest::mouseClick(s.view->SK[1], Qt::RightButton);
        QVERIFY(!m.visibility()[static_cast<std::size_t>(TripCurve::Power)]);
        QTest::mouseClick(s.view->SK[1], Qt::LeftButton);
        QVERIFY(s.view->P_EIN_SK->isVisible());
        s.view->CB_E->setChecked(true);
        s.view->Ein_MAX->setText(QStringLiteral("800"));
        QTest::mouseClick(s.view->BU_OK, Qt::LeftButton);
        QVERIFY(!s.view->P_EIN_SK->isVisible());
        QVERIFY(m.visibility()[static_cast<std::size_t>(TripCurve::Power)]);
        QCOMPARE(s.app.trip->curve_scale[1], 800.0f);
        // heart rate: a minimum above the maximum is refused
        QTest::mouseClick(s.view->SK[4], Qt::LeftButton);
        s.view->Ein_MIN->setText(QStringLiteral("220"));
        s.view->Ein_MAX->setText(QStringLiteral("200"));
        QTest::mouseClick(s.view->BU_OK, Qt::LeftButton);
        QVERIFY(s.view->P_EIN_SK->isVisible());
        QVERIFY(!s.view->L_EinMsg->text().isEmpty());
        QTest::mouseClick(s.view->BU_NO, Qt::LeftButton);
        // the accepted scale goes back into the trip file on close
        s.view->close();
        Trip back;
        QVERIFY(ReadTripPath(s.path, back, s.app.settings.current_zones()));
        QCOMPARE(back.curve_scale[1], 800.0f);
    }

    void mouseMovesRepaintOnlyTheOverlay() {
        Session s;
        QTest::mouseClick(s.view->SB_ZV, Qt::LeftButton);
        s.view->Show1->image();
        const int before = s.view->Show1->scenePaints();
        for (int x = 100; x < 600; x += 50) {
            Move(s.view->Show1, QPoint(x, 300));
            s.view->Show1->image();
        }
        QCOMPARE(s.view->Show1->scenePaints(), before);
    }

    void renderWritesThePictureOfATripFile() {
        Session s;
        std::string message;
        const std::string png = s.dir.file("view.png");
        QVERIFY(RenderTripView(s.app, s.path, png, 800, 500, true, &message));
        const QImage image(QString::fromStdString(png));
        QCOMPARE(image.size(), QSize(800, 500));
        QVERIFY(!RenderTripView(s.app, s.dir.file("missing.DEO"), png, 800, 500, false, &message));
        QVERIFY(!message.empty());
        // a trip without distance has no distance axis
        s.app.trip->count = 100;
        for (int i = 1; i < 100; ++i)
            s.app.trip->records[static_cast<std::size_t>(i)].distance_km = 0;
        WriteTripPath(s.dir.file("indoor.DEO"), *s.app.trip);
        QVERIFY(!RenderTripView(s.app, s.dir.file("indoor.DEO"), png, 800, 500, true, &message));
        QVERIFY(RenderTripView(s.app, s.dir.file("indoor.DEO"), png, 800, 500, false, &message));
    }

    void groupingSamplesPerColumnKeepsThePicture() {
        Session s;
        TripViewModel m(*s.app.trip, s.app.settings);
        m.MarkFreshTrip();
        m.Open();
        m.SetCurveShown(TripCurve::Altitude, false);  // the one 2 px curve
        m.SetImageSize(1400, 800);
        QImage grouped(1400, 800, QImage::Format_RGB32), every(1400, 800, QImage::Format_RGB32);
        PaintTripScene(grouped, m.Scene());
        m.SetGroupColumns(false);
        PaintTripScene(every, m.Scene());
        if (grouped != every) {
            int diffs = 0, fx = -1, fy = -1;
            for (int y = 0; y < 800; ++y)
                for (int x = 0; x < 1400; ++x)
                    if (grouped.pixel(x, y) != every.pixel(x, y) && diffs++ == 0) fx = x, fy = y;
            qWarning("differing pixels: %d, first at %d,%d", diffs, fx, fy);
            every.save(QStringLiteral(VELOMATIX_SHOTS_DIR "/trip_view_every.png"));
        }
        QVERIFY(grouped == every);
        grouped.save(QStringLiteral(VELOMATIX_SHOTS_DIR "/trip_view.png"));
    }
};

QTEST_MAIN(TForm30Test)
#include "tform30_test.moc"
