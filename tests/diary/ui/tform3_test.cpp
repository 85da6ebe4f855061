// The diary on a data root with stored trips: sorting, marks, a note, an entry without
// recording, erasing, and opening a trip in the single-trip view.
#include <QtTest>

#include "app/startup.h"
#include "app/ui/language.h"
#include "diary/ui/tform3.h"
#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/settings_file.h"
#include "trip/trip_list.h"

using namespace vx;

namespace {

struct Root {
    test::TempDir dir;
    AppState app;
    std::unique_ptr<TForm3> diary;
    Root() {
        Settings s = DefaultSettings();
        s.riders[0].SetName("ANNA");
        s.rider_folder = "ANNA";
        s.zones[0][0] = {250, 55, 75, 90, 105, 120, 2500, 0, 0, 0};
        WriteSettings(BuildPaths(dir.path(), "ANNA", nullptr).settings_file, s);
        StartUp(app, dir.path());
        // three rides of 20, 60 and 40 minutes
        const int minutes[] = {20, 60, 40};
        for (int k = 0; k < 3; ++k) {
            Trip& t = *app.trip;
            t.resetForImport();
            t.count = minutes[k] * 60 + 1;
            for (int i = 1; i < t.count; ++i) {
                TripRecord& r = t.records[static_cast<std::size_t>(i)];
                r.time_s = i;
                r.distance_km = i * 0.008f;
                r.power_w = 180 + 20 * k;
                r.cadence_rpm = 90;
                r.speed_kmh = 29;
                r.heart_rate_bpm = 140;
            }
            char base[40];
            std::snprintf(base, sizeof base, "2014031%d_093015__ANNA", k + 1);
            StoreNewTrip(app.trips, app.settings, t, base, 0);
        }
        diary = std::make_unique<TForm3>(app);
        diary->resize(1300, 700);
        diary->openFromMainWindow();
    }
    int RowWithDate(const char* day) const {
        const DiaryGrid& g = diary->diary().grid();
        for (int r = kDiaryFirstEntryRow; r < g.rows; ++r)
            if (g.cell(r, 0).rfind(day, 0) == 0) return r;
        return -1;
    }
    QModelIndex Cell(int row, DiaryColumn c) const {
        return diary->table->index(row, *diary->diary().grid().GridColumnOf(c));
    }
};

}  // namespace

class TForm3Test : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tableSortsAndMarks() {
        Root r;
        const DiaryGrid& g = r.diary->diary().grid();
        QCOMPARE(g.entry_count, std::size_t(3));
        QCOMPARE(QString::fromStdString(g.cell(2, 0)).left(10), QStringLiteral("11.03.2014"));
        // distance descending: the 60-minute ride first
        QTest::mouseClick(r.diary->SB_SOZA->isVisible() ? r.diary->SB_SOZA : r.diary->SB_SOAZ,
                          Qt::RightButton);
        QTest::mouseClick(r.diary->SB_SOZA, Qt::LeftButton);
        QVERIFY(r.diary->LB_SORT->isVisible());
        r.diary->sortChosen(static_cast<int>(SortKey::Distance));
        QCOMPARE(QString::fromStdString(g.cell(2, 0)).left(10), QStringLiteral("12.03.2014"));
        // a click in the date cell marks, anywhere else in the row unmarks
        r.diary->cellClicked(r.diary->table->index(3, 0));
        QVERIFY(r.diary->diary().IsMarked(3));
        QCOMPARE(r.app.selection.size(), std::size_t(1));
        r.diary->cellClicked(r.Cell(3, DiaryColumn::Distance));
        QVERIFY(!r.diary->diary().IsMarked(3));
        // select all within the period of the list
        QTest::mouseClick(r.diary->SB_SEL_ALL, Qt::LeftButton);
        QCOMPARE(r.app.selection.size(), std::size_t(3));
        QTest::mouseClick(r.diary->SB_SEL_ALL, Qt::LeftButton);
        QCOMPARE(r.app.selection.size(), std::size_t(0));
        // search (F1), case-insensitive on the list lines
        QTest::keyClick(r.diary.get(), Qt::Key_F1);
        QVERIFY(r.diary->E_SEARCH->isVisible());
        QTest::keyClicks(r.diary->E_SEARCH, QStringLiteral("20140313"));
        QTest::keyClick(r.diary->E_SEARCH, Qt::Key_Return);
        QCOMPARE(r.app.selection.size(), std::size_t(1));
    }

    void noteIsSavedInListAndFile() {
        Root r;
        const int row = r.RowWithDate("12.03.2014");
        r.diary->cellClicked(r.Cell(row, DiaryColumn::Comment));
        QVERIFY(r.diary->P_NOTE->isVisible());
        r.diary->M_NOTE->setPlainText(QStringLiteral("Long ride * hills\nsecond line"));
        r.diary->E_COMMENT2->setText(QStringLiteral("windy"));
        QTest::mouseClick(r.diary->B_NOTE_OK, Qt::LeftButton);
        const std::string line = *r.diary->diary().LineOfRow(r.app.trips.list, row);
        QVERIFY2(line.find("*Long ride + hills|~second line|~\xC2\xA7windy") != std::string::npos ||
                     line.find("*Long ride + hills|~second line|~§windy") != std::string::npos,
                 line.c_str());
        QCOMPARE(QString::fromStdString(r.diary->diary().grid().cell(row, 1)).trimmed(),
                 QStringLiteral("Long ride + hills"));
        Trip back;
        QVERIFY(ReadTripPath(r.app.trips.paths.rider_folder + "/" + BaseNameOfLine(line) + ".DEO",
                             back, r.app.settings.current_zones()));
        QVERIFY(NoteText(back.note).find("Long ride + hills") != std::string::npos);
    }

    void entryWithoutRecordingAndErase() {
        Root r;
        QTest::mouseClick(r.diary->SB_NO_RIDE, Qt::LeftButton);
        QVERIFY(r.diary->P_NR->isVisible());
        r.diary->NR_DATE->setDate(QDate(2014, 3, 12));
        r.diary->NR_TIME->setTime(QTime(18, 0));
        r.diary->NR_DURATION->setTime(QTime(0, 45, 0));
        r.diary->NR_DIST->setText(QStringLiteral("10,5"));
        r.diary->NR_HR->setText(QStringLiteral("150"));
        r.diary->NR_TEMP->setText(QStringLiteral("12"));
        r.diary->NR_KIND[0]->setChecked(true);
        QTest::mouseClick(r.diary->B_NR_OK, Qt::LeftButton);
        QCOMPARE(r.diary->diary().grid().entry_count, std::size_t(4));
        // in date order between the 12th and the 13th
        QVERIFY(IsManualEntry(r.app.trips.list.lines[2]));
        // erase the first ride after the confirmation
        const int row = r.RowWithDate("11.03.2014");
        r.diary->SG_DB->setCurrentIndex(r.diary->table->index(row, 0));
        QTest::mouseClick(r.diary->SB_TRIP_KILL, Qt::LeftButton);
        QVERIFY(r.diary->P_KILL->isVisible());
        QTest::mouseClick(r.diary->B_KILL_OK, Qt::LeftButton);
        QCOMPARE(r.diary->diary().grid().entry_count, std::size_t(3));
        QCOMPARE(r.RowWithDate("11.03.2014"), -1);
    }

    void aTripOpensInTheSingleTripView() {
        Root r;
        std::string opened;
        QString title;
        r.diary->openTripView = [&](const std::string& path, const QString& t) {
            opened = path;
            title = t;
        };
        const int row = r.RowWithDate("13.03.2014");
        r.diary->SG_DB->setCurrentIndex(r.diary->table->index(row, 0));
        QTest::mouseClick(r.diary->SB_GRAF, Qt::LeftButton);
        QVERIFY(opened.find("20140313_0930150_ANNA.DEO") != std::string::npos);
        QCOMPARE(r.app.trip->count, 40 * 60 + 1);
        QVERIFY(title.startsWith(QStringLiteral("20140313_0930150_ANNA")));
        r.diary->grab().save(QStringLiteral(VELOMATIX_SHOTS_DIR "/diary.png"));
    }

    void titlesFollowTheLanguage() {
        Root r;
        const std::optional<int> col = r.diary->diary().grid().GridColumnOf(DiaryColumn::Comment);
        const char* expected[] = {"Kommentar", "Comment", "Comentario"};
        for (int language : {1, 2, 0}) {
            InstallLanguage(language);
            QCoreApplication::processEvents();  // every window gets its LanguageChange
            QCOMPARE(QString::fromStdString(r.diary->diary().grid().cell(0, *col)),
                     QString::fromUtf8(expected[language]));
            r.diary->grab().save(QStringLiteral(VELOMATIX_SHOTS_DIR "/diary_%1.png").arg(language));
        }
    }
};

QTEST_MAIN(TForm3Test)
#include "tform3_test.moc"
