// The FIT import window with files written by the Garmin SDK: the store buttons, the bike
// trip that is too short, a cancelled dialog and the diary hand-over on close.
#include <QtTest>
#include <ctime>
#include <filesystem>

#include "app/startup.h"
#include "import/fit_writer.h"
#include "import/ui/tform570.h"
#include "support/temp_dir.h"
#include "trip/settings_file.h"

using namespace vx;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(VELOMATIX_SOURCE_DIR "/tests/import/fixtures/") +
           QString::fromLatin1(name);
}

struct Session {
    test::TempDir dir;
    AppState app;
    TForm570 window{app};
    int closed = 0;
    Session() {
        Settings s = DefaultSettings();
        s.riders[0].SetName("ANNA");
        s.rider_folder = "ANNA";
        s.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        WriteSettings(BuildPaths(dir.path(), "ANNA", nullptr).settings_file, s);
        StartUp(app, dir.path());
        window.onClosed = [this] { ++closed; };
    }
};

}  // namespace

class TForm570Test : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        // the fixtures start at 07:30 UTC: 08:30 in the rider's winter time
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void aPlainActivityIsStoredAsABikeTrip() {
        Session s;
        s.window.chooseFile = [] { return Fixture("plain_activity.fit"); };
        s.window.start();
        QVERIFY(s.window.isVisible());
        QCOMPARE(s.window.Label1->text().left(16), QStringLiteral("20240115_083000_"));
        QVERIFY(s.window.SB_BPO->isEnabled());
        QVERIFY(s.window.SB_BPU->isEnabled());
        QVERIFY(!s.window.SB_LPU->isEnabled());  // it has cadence and power: not a run
        QTest::mouseClick(s.window.SB_BPO, Qt::LeftButton);
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.closed, 1);
        QCOMPARE(s.app.trips.list.entry_count(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.app.trips.list.lines[0])
                    .startsWith(QStringLiteral("20240115_0830000_ANNA")));
        QVERIFY(
            std::filesystem::exists(s.app.trips.paths.rider_folder + "/20240115_0830000_ANNA.DEO"));
    }

    void aTooShortBikeTripIsRefusedAndTheWindowStaysOpen() {
        Session s;
        test::TempDir d;
        test::WriteBytes(d.file("short.fit"), test::SteadyRide(50));
        s.window.show();
        s.window.loadFile(QString::fromStdString(d.file("short.fit")));
        const std::int32_t converted = s.app.trip->count;
        QVERIFY(s.window.SB_BPO->isEnabled());
        QTest::mouseClick(s.window.SB_BPO, Qt::LeftButton);
        QCOMPARE(s.window.P_Wait->text(), QStringLiteral("DATEN NICHT AUSWERTBAR"));
        QVERIFY(s.window.isVisible());
        QCOMPARE(s.closed, 0);
        QCOMPARE(s.app.trip->count, converted);  // ready for another sport type
        QCOMPARE(s.app.trips.list.entry_count(), std::size_t(0));
    }

    void noRecordsEnableNoButtonAndCancelCloses() {
        Session s;
        test::TempDir d;
        const std::string empty = d.file("empty.fit");
        std::vector<std::uint8_t> bytes = {14, 0x10, 0, 0, 0, 0, 0, 0, '.', 'F', 'I', 'T', 0, 0};
        test::WriteBytes(empty, bytes);
        s.window.show();
        s.window.loadFile(QString::fromStdString(empty));
        QVERIFY(!s.window.SB_BPO->isEnabled());
        QVERIFY(!s.window.SB_BPU->isEnabled());
        QVERIFY(!s.window.SB_LPU->isEnabled());
        QVERIFY(!s.window.P_Wait->text().isEmpty());
        s.window.close();
        QCOMPARE(s.closed, 1);
        s.window.chooseFile = [] { return QString(); };
        s.window.start();
        QCOMPARE(s.closed, 2);  // cancelled: the diary opens all the same
        QCOMPARE(s.app.trips.list.entry_count(), std::size_t(0));
    }
};

QTEST_MAIN(TForm570Test)
#include "tform570_test.moc"
