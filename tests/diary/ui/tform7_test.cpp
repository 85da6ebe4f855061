// The date and time entry: it shows the current date and time each time, builds the base name
// on "Accept", keeps the caller's name on "Discard" and refuses a trip's own date and time.
#include <QTimer>
#include <QtTest>

#include "diary/ui/tform7.h"
#include "support/temp_dir.h"
#include "trip/paths.h"

using namespace vx;

namespace {

// Sets the pickers and presses a button once the modal window runs.
void Answer(TForm7& w, QDate date, QTime time, QPushButton* button) {
    QTimer::singleShot(0, &w, [&w, date, time, button] {
        w.ED_1->setDate(date);
        w.ED_2->setTime(time);
        button->click();
        if (w.isVisible()) w.reject();  // a refused entry: leave the window
    });
}

}  // namespace

class TForm7Test : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void acceptDiscardAndRefusal() {
        test::TempDir dir;
        AppState app;
        app.settings.rider_folder = "RIDER_1";
        app.trips.paths = BuildPaths(dir.path(), "RIDER_1", nullptr);
        app.trips.list.lines = {"20140316_0930150RIDER_1;001;", "ERASED :"};
        TForm7 w(app);

        std::string name = "20991231_235959_RIDER_1";
        Answer(w, QDate(2014, 3, 17), QTime(9, 30, 16), w.ED_OK);
        QVERIFY(w.enterBaseName(name));
        QCOMPARE(name, std::string("20140317_093016_RIDER_1"));

        Answer(w, QDate(2015, 1, 1), QTime(8, 0, 0), w.ED_NO);
        QVERIFY(!w.enterBaseName(name));
        QCOMPARE(name, std::string("20140317_093016_RIDER_1"));

        // the start of a stored trip would overwrite its file
        Answer(w, QDate(2014, 3, 16), QTime(9, 30, 15), w.ED_OK);
        QVERIFY(!w.enterBaseName(name));
        QVERIFY(!w.L_Msg->text().isEmpty());
        QCOMPARE(name, std::string("20140317_093016_RIDER_1"));

        // each opening shows the current date, within the pickers' range
        w.FormActivate();
        QCOMPARE(w.ED_1->date(), QDate::currentDate());
        QCOMPARE(w.ED_1->minimumDate(), QDate(2000, 1, 1));
        QCOMPARE(w.ED_1->maximumDate(), QDate(2099, 12, 31));
    }
};

QTEST_MAIN(TForm7Test)
#include "tform7_test.moc"
