// The main window's start file, its close sequence with the save point, and the guard that
// turns an exception in an event handler into an error box.
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/startup.h"
#include "app/ui/application.h"
#include "app/ui/tform1.h"
#include "support/temp_dir.h"
#include "trip/deo_file.h"
#include "trip/settings_file.h"

using namespace vx;

namespace {

void WriteRide(const std::string& path, int records) {
    auto trip = std::make_unique<Trip>();
    trip->count = records;
    for (int i = 1; i < records; ++i) {
        trip->records[static_cast<std::size_t>(i)].time_s = i;
        trip->records[static_cast<std::size_t>(i)].distance_km = i * 0.01f;
    }
    QVERIFY(WriteTripPath(path, *trip));
}

std::unique_ptr<TForm1> Open(AppState& app, const std::string& base, const std::string& start) {
    Settings s = DefaultSettings();
    s.riders[0].SetName("ANNA");
    s.rider_folder = "ANNA";
    WriteSettings(BuildPaths(base, "ANNA", nullptr).settings_file, s);
    app.start_file = start;
    StartUp(app, base);
    auto w = std::make_unique<TForm1>(app, nullptr);
    w->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.get(), &activate);
    return w;
}

// Answers the next message box with the given button.
void Answer(QMessageBox::StandardButton button) {
    QTimer::singleShot(50, [button] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                box->button(button)->click();
                return;
            }
    });
}

class Thrower : public QObject {
  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("broken handler");
        return QObject::event(e);
    }
};

}  // namespace

class StartCloseTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startFileOfSixtyRecordsIsOpened() {
        test::TempDir dir;
        WriteRide(dir.file("ride 60.DEO"), 60);
        WriteRide(dir.file("ride59.DEO"), 59);
        struct Case {
            std::string arg;
            bool opens;
        };
        const std::vector<Case> cases = {
            {"\"" + dir.file("ride 60.DEO") + "\"", true},
            {dir.file("ride59.DEO"), false},
            {dir.file("missing.DEO"), false},
            {dir.path(), false},
            {"   ", false},
        };
        for (const Case& c : cases) {
            AppState app;
            bool opened = false;
            test::TempDir root;
            app.start_file = c.arg;
            StartUp(app, root.path());
            auto w = std::make_unique<TForm1>(app, nullptr);
            w->openTripView = [&] { opened = true; };
            w->show();
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(w.get(), &activate);
            QCOMPARE(opened, c.opens);
            if (!c.opens && c.arg != "   ")
                QVERIFY(
                    w->LB_INFO
                            ->findItems(QStringLiteral("Cannot open output file"),
                                        Qt::MatchStartsWith)
                            .size() +
                        w->LB_INFO->findItems(QStringLiteral("fewer than 60"), Qt::MatchContains)
                            .size() >
                    0);
        }
    }

    void aFailedSaveAtCloseOffersRetryOrClosingWithoutSaving() {
        test::TempDir dir;
        AppState app;
        auto w = Open(app, dir.path(), "");
        app.trips.list.modified = true;
        // a folder in place of the trip list: the list cannot be written
        std::filesystem::remove(app.trips.paths.trip_list);
        std::filesystem::create_directory(app.trips.paths.trip_list);
        int others_closed = 0;
        w->onClosing = [&] { ++others_closed; };
        Answer(QMessageBox::Cancel);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(others_closed, 0);  // cancelled: every window stays
        Answer(QMessageBox::Discard);
        QVERIFY(w->close());
        QCOMPARE(others_closed, 1);
        // with a writable list the close saves it
        AppState app2;
        test::TempDir dir2;
        auto w2 = Open(app2, dir2.path(), "");
        app2.trips.list.lines.insert(app2.trips.list.lines.begin(), "20140316_093015_NR;000;");
        app2.trips.list.modified = true;
        QVERIFY(w2->close());
        QVERIFY(!app2.trips.modified());
    }

    void anExceptionInAHandlerIsShownAndTheProgramGoesOn() {
        Thrower t;
        Answer(QMessageBox::Ok);
        QEvent e(QEvent::User);
        QCOMPARE(QApplication::sendEvent(&t, &e), false);
        QEvent other(QEvent::User);
        Answer(QMessageBox::Ok);
        QCOMPARE(QApplication::sendEvent(&t, &other), false);  // still running, still guarded
    }
};

int main(int argc, char** argv) {
    vx::Application app(argc, argv);
    StartCloseTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "start_close_test.moc"
