// The power model's parameter window: presets, bike and tyre choice, accept and discard.
#include <QtTest>
#include <filesystem>

#include "analysis/power_model_file.h"
#include "analysis/ui/tform400.h"
#include "support/temp_dir.h"
#include "trip/paths.h"

using namespace vx;

namespace {

struct Session {
    test::TempDir dir;
    AppState app;
    Session() {
        app.base = dir.path();
        app.settings.riders[0].weight_kg = 80;
        app.settings.riders[0].height_m = 1.80f;
        app.trips.paths = BuildPaths(dir.path(), "NEW", nullptr);
        // a 10-minute climb at 25 km/h, cadence 90
        Trip& t = *app.trip;
        t.count = 601;
        for (int i = 1; i < t.count; ++i) {
            TripRecord& r = t.records[static_cast<std::size_t>(i)];
            r.time_s = i;
            r.speed_kmh = 25;
            r.distance_km = i * 25.0f / 3600;
            r.altitude_m = 200 + i * 0.3f;
            r.cadence_rpm = 90;
            r.temperature_c = 15;
        }
    }
};

}  // namespace

class TForm400Test : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void activationShowsThePresetsOfBikeType2() {
        Session s;
        TForm400 w(s.app);
        w.show();
        QCOMPARE(w.SEL_RAD->currentIndex(), 2);
        QCOMPARE(w.E_GF->text(), QStringLiteral("80.0"));  // the rider's weight
        QCOMPARE(w.E_MZ->text(), QStringLiteral("10"));
        const QString cwa = w.E_RCWA->text();
        w.SEL_RAD->setCurrentIndex(5);
        w.SEL_RADChange(5);
        QVERIFY(w.E_RCWA->text() != cwa);  // triathlon position: another drag area
        w.SEL_REIFEN->setCurrentIndex(3);
        w.SEL_REIFENChange(3);
        QCOMPARE(w.E_CR->text(), QStringLiteral("0.0075"));
    }

    void acceptStoresTheBikeAndRunsTheModel() {
        Session s;
        TForm400 w(s.app);
        w.show();
        w.E_Wg->setText(QStringLiteral("0.3"));  // below 0.5: counts as 1.0
        w.E_GR->clear();
        QTest::keyClicks(w.E_GR, QStringLiteral("8,5"));  // a typed comma becomes a point
        QCOMPARE(w.E_GR->text(), QStringLiteral("8.5"));
        QTest::mouseClick(w.B_TP, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const PowerModelFile f = ReadPowerModelFile(s.app.trips.paths.power_model);
        QCOMPARE(f.selected_bike, 2);
        QCOMPARE(f.slots[2].efficiency, 1.0f);
        QCOMPARE(f.slots[2].bike_kg, 8.5f);
        QVERIFY(s.app.rewrite_pending);
        QVERIFY(s.app.trip->records[300].power_w > 100);  // climbing 4.3 % at 25 km/h
        QVERIFY(QFile::exists(QString::fromStdString(s.app.base + "/CALC_POWER.CSV")));
    }

    void badFieldsAndDiscardStoreNothing() {
        Session s;
        TForm400 w(s.app);
        w.show();
        const std::vector<std::pair<QLineEdit*, QString>> bad = {
            {w.E_MZ, QStringLiteral("0")},   {w.E_MZ, QStringLiteral("301")},
            {w.E_MZ, QStringLiteral("400")}, {w.E_CR, QStringLiteral("abc")},
            {w.E_GF, QStringLiteral("-5")},  {w.E_Wv, QStringLiteral("nan")},
        };
        for (const auto& [edit, text] : bad) {
            w.FormActivate();
            edit->setText(text);
            QTest::mouseClick(w.B_TP, Qt::LeftButton);
            QVERIFY2(!w.lastMessage().isEmpty(), qPrintable(text));
            QVERIFY(!std::filesystem::exists(s.app.trips.paths.power_model));
        }
        // a window wider than the trip
        s.app.trip->count = 30;
        w.FormActivate();
        w.E_MZ->setText(QStringLiteral("20"));
        QTest::mouseClick(w.B_TP, Qt::LeftButton);
        QVERIFY(!w.lastMessage().isEmpty());
        QTest::mouseClick(w.Do_NIX, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!std::filesystem::exists(s.app.trips.paths.power_model));
        QVERIFY(!s.app.rewrite_pending);
    }
};

QTEST_MAIN(TForm400Test)
#include "tform400_test.moc"
