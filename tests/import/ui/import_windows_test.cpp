// The HRM, SRM and TCX import windows: reading shows the file's figures and enables the store
// buttons the ride allows; a store enters the trip and closes; a short ride is refused.
#include <QtTest>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "import/srm_writer.h"
#include "import/ui/import_window.h"
#include "support/temp_dir.h"
#include "trip/settings_file.h"

using namespace vx;

namespace {

struct Root {
    test::TempDir dir;
    AppState app;
    Root() {
        Settings s = DefaultSettings();
        s.riders[0].SetName("ANNA");
        s.rider_folder = "ANNA";
        s.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        WriteSettings(BuildPaths(dir.path(), "ANNA", nullptr).settings_file, s);
        StartUp(app, dir.path());
    }
};

// An HRM file of n samples at 1 s: heart rate, speed (0.1 km/h), cadence, altitude.
std::string HrmText(int n) {
    std::string text =
        "[Params]\nVersion=106\nMonitor=22\nSMode=11110000\nDate=20140705\nStartTime=09:05:03.0\n"
        "Length=00:10:00.0\nInterval=1\n\n[HRData]\n";
    for (int i = 0; i < n; ++i)
        text += std::to_string(120 + i % 20) + "\t300\t" + std::to_string(85 + i % 5) + "\t410\n";
    return text;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

class ImportWindowsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void hrmRideIsStoredAndTheDiaryOpens() {
        Root r;
        TForm540 w(r.app);
        int diary = 0;
        w.onClosed = [&] { ++diary; };
        const std::string path = r.dir.file("ride.hrm");
        WriteText(path, HrmText(600));
        w.chooseFile = [&] { return QString::fromStdString(path); };
        w.start();
        QCOMPARE(w.Look->text(), QStringLiteral("11110000 1"));
        QVERIFY(w.SB_BPO->isEnabled());  // cadence
        QVERIFY(w.SB_BPU->isEnabled());
        QVERIFY(!w.SB_LPU->isEnabled());  // motion data: not a run
        QTest::mouseClick(w.SB_BPU, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(diary, 1);
        QCOMPARE(r.app.trips.list.entry_count(), std::size_t(1));
        QVERIFY(QString::fromStdString(r.app.trips.list.lines[0])
                    .startsWith(QStringLiteral("20140705_0905031_ANNA")));
    }

    void shortOrBadFilesStoreNothing() {
        Root r;
        TForm540 w(r.app);
        int diary = 0;
        w.onClosed = [&] { ++diary; };
        const std::string path = r.dir.file("short.hrm");
        WriteText(path, HrmText(40));
        w.show();
        w.loadFile(QString::fromStdString(path));
        QTest::mouseClick(w.SB_BPU, Qt::LeftButton);
        QCOMPARE(w.P_Wait->text(), QStringLiteral("DATEN NICHT AUSWERTBAR"));
        QVERIFY(w.isVisible());
        WriteText(path, "[Params]\nVersion=106\n");
        w.loadFile(QString::fromStdString(path));
        QVERIFY(!w.SB_BPO->isEnabled() && !w.SB_BPU->isEnabled() && !w.SB_LPU->isEnabled());
        QTest::mouseClick(w.SB_CLOSE, Qt::LeftButton);  // the error flag: no diary
        QCOMPARE(diary, 0);
        QCOMPARE(r.app.trips.list.entry_count(), std::size_t(0));
        w.chooseFile = [] { return QString(); };
        w.start();
        QVERIFY(w.importErrorFlag());
    }

    void srmRideWithPowerIsABikeTripByPower() {
        Root r;
        TForm560 w(r.app);
        const std::string path = r.dir.file("ride.srm");
        test::WriteBytes(path, test::SrmFile(300).bytes());
        w.chooseFile = [&] { return QString::fromStdString(path); };
        w.start();
        QVERIFY(w.Memo->toPlainText().startsWith(QStringLiteral("SRM7")));
        QVERIFY(w.Memo->toPlainText().contains(QStringLiteral("Pointer ")));
        QVERIFY(w.SB_BPO->isEnabled());
        QVERIFY(!w.SB_BPU->isEnabled());  // it has power data
        QTest::mouseClick(w.SB_BPO, Qt::LeftButton);
        QCOMPARE(r.app.trips.list.entry_count(), std::size_t(1));
    }

    void tcxWithPrefixedExtensionsIsRead() {
        qputenv("TZ", "UTC");
        tzset();
        Root r;
        TForm510 w(r.app);
        const QString path =
            QStringLiteral(VELOMATIX_SOURCE_DIR "/tests/import/fixtures/tcx/ride_ns3.tcx");
        w.show();
        w.loadFile(path);
        QVERIFY2(w.SB_BPU->isEnabled(), qPrintable(w.P_Wait->text()));
        QVERIFY(w.Look->text().startsWith(QStringLiteral("ride_ns3.tcx")));
        QVERIFY(!w.Label1->text().isEmpty());
    }
};

QTEST_MAIN(ImportWindowsTest)
#include "import_windows_test.moc"
