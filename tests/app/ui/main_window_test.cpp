// The main window driven like a user: clicks on its controls, typed fields, the service memo.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/startup.h"
#include "app/ui/help_window.h"
#include "app/ui/language.h"
#include "app/ui/tform1.h"
#include "support/temp_dir.h"
#include "trip/settings_file.h"

using namespace vx;

namespace {

// A data root, its start-up and the main window after its first activation.
struct Session {
    test::TempDir dir;
    AppState app;
    TForm9 help;
    std::unique_ptr<TForm1> window;

    explicit Session(const std::function<void(Settings&)>& prepare = nullptr) {
        if (prepare) {
            Settings s = DefaultSettings();
            prepare(s);
            Paths p = BuildPaths(dir.path(), s.rider_folder, nullptr);
            WriteSettings(p.settings_file, s);
        }
        StartUp(app, dir.path());
        InstallHelpPages(app.trips.paths);
        window = std::make_unique<TForm1>(app, &help);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window.get(), &activate);
        }
    }
    Settings stored() const {
        Settings s = DefaultSettings();
        ReadSettings(app.trips.paths.settings_file, s, nullptr);
        return s;
    }
    void nameNewRider(const QString& name) {
        TForm1& w = *window;
        QTest::mouseClick(w.SB_User, Qt::LeftButton);
        w.CB_USER->setCurrentIndex(5);  // "NEW"
        QVERIFY(w.ED_Name->isVisible());
        w.ED_Name->clear();
        QTest::keyClicks(w.ED_Name, name);
        QTest::mouseClick(w.USER_OK, Qt::LeftButton);
    }
};

void Named(Settings& s) {
    s.riders[0].SetName("ANNA");
    s.rider_folder = "ANNA";
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void firstStartWritesSettingsOnTheFirstAcceptedRider() {
        Session s;
        QVERIFY(!QFile::exists(QString::fromStdString(s.app.trips.paths.settings_file)));
        s.nameNewRider(QStringLiteral("anna lena"));  // typed lower case with a blank
        QCOMPARE(s.app.settings.rider_folder, std::string("ANNA_LENA"));
        QVERIFY(QFile::exists(QString::fromStdString(s.app.trips.paths.settings_file)));
        QVERIFY(std::filesystem::is_directory(s.dir.path() + "/DATA/ANNA_LENA"));
        QCOMPARE(s.stored().riders[0].Name(), std::string("ANNA_LENA"));
        QVERIFY(s.window->P_GLS->isVisible());  // zones are not defined yet
        QVERIFY(s.window->L_Rider->text().contains(QStringLiteral("ANNA_LENA")));
    }

    void riderFlows() {
        Session s(Named);
        TForm1& w = *s.window;
        // "CH3__" names rider 3
        s.nameNewRider(QStringLiteral("CH3__ALPHA"));
        QCOMPARE(s.app.settings.riders[2].Name(), std::string("ALPHA"));
        QCOMPARE(s.app.settings.current_rider, std::int8_t(2));
        // the remaining unnamed riders 2, 4, 5, then a temporary rider
        for (const char* n : {"BERT", "CARL", "DORA", "EMIL"})
            s.nameNewRider(QString::fromLatin1(n));
        QCOMPARE(s.app.settings.riders[4].Name(), std::string("DORA"));
        QCOMPARE(s.app.settings.current_rider, std::int8_t(kTemporaryRider));
        QVERIFY(w.L_Rider->text().contains(QStringLiteral("EMIL")));
        QVERIFY(w.L_Rider->text().contains(QStringLiteral("nur vorübergehend angelegt")));
        // "NEW" changes nothing
        s.nameNewRider(QStringLiteral("NEW"));
        QCOMPARE(s.app.settings.current_rider, std::int8_t(kTemporaryRider));
        // deleting rider 1 keeps its folder
        QTest::mouseClick(w.SB_Service, Qt::LeftButton);
        QTest::mouseClick(w.SB_DR, Qt::LeftButton);
        w.CB_USER->setCurrentIndex(0);
        QTest::mouseClick(w.USER_OK, Qt::LeftButton);
        QVERIFY(w.P_ERASE->isVisible());
        QTest::mouseClick(w.B_CL_Trip, Qt::LeftButton);
        QCOMPARE(s.app.settings.riders[0].Name(), std::string("RIDER_1"));
        QCOMPARE(s.stored().riders[0].Name(), std::string("RIDER_1"));
        QVERIFY(std::filesystem::is_directory(s.dir.path() + "/DATA/ANNA"));
        // an unnamed rider opens the rider panel instead of the download
        QTest::mouseClick(w.SB_D1, Qt::LeftButton);
        QVERIFY(w.P_USER->isVisible());
    }

    void attachingAFolderMakesATemporaryRider() {
        Session s(Named);
        TForm1& w = *s.window;
        std::filesystem::create_directories(s.dir.path() + "/DATA/CLUB_B");
        std::filesystem::create_directories(s.dir.path() + "/DATA/RIDER_2");  // never listed
        QTest::mouseClick(w.SB_User, Qt::RightButton);
        QCOMPARE(w.CB_USER->count(), 2);  // ANNA and CLUB_B
        w.CB_USER->setCurrentIndex(w.CB_USER->findText(QStringLiteral("CLUB_B")));
        QTest::mouseClick(w.USER_OK, Qt::LeftButton);
        QCOMPARE(s.app.settings.current_rider, std::int8_t(kTemporaryRider));
        QCOMPARE(s.app.settings.rider_folder, std::string("CLUB_B"));
        QVERIFY(w.L_Rider->text().contains(QStringLiteral("nur vorübergehend angelegt")));
    }

    void backgroundCornersChooseTheGradientColours() {
        Session s(Named);
        TForm1& w = *s.window;
        w.pickColour = [](const QColor&) { return QColor(10, 20, 30); };
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 5, w.height() - 5));
        QCOMPARE(s.stored().colours[14], Rgb(10, 20, 30));  // bottom: the start colour
        w.pickColour = [](const QColor&) { return QColor(1, 2, 3); };
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 5, 5));
        QCOMPARE(s.stored().colours[13], Rgb(1, 2, 3));
        w.pickColour = [](const QColor&) { return QColor(); };  // cancelled
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 5, 5));
        QCOMPARE(s.stored().colours[13], Rgb(1, 2, 3));
        // the colour panel's reset brings the defaults back once accepted
        QTest::mouseClick(w.SB_Service, Qt::LeftButton);
        QTest::mouseClick(w.SB_SET_COL, Qt::LeftButton);
        QTest::mouseClick(w.SB_OMA, Qt::LeftButton);
        QTest::mouseClick(w.SB_COL_OK, Qt::LeftButton);
        QCOMPARE(s.stored().colours, DefaultSettings().colours);
        QVERIFY(w.P_TOOLS->isVisible());
    }

    void diaryOpensOnlyWithStoredRides() {
        Session s(Named);
        TForm1& w = *s.window;
        int opened = 0;
        w.openDiary = [&] { ++opened; };
        QTest::mouseClick(w.SB_DB, Qt::LeftButton);
        QCOMPARE(opened, 0);
        QVERIFY(w.lastMessage().contains(QStringLiteral("Es sind keine Fahrten")));
        Trip& t = *s.app.trip;
        t.resetForImport();
        t.count = 100;
        for (int i = 1; i < 100; ++i) t.records[static_cast<std::size_t>(i)].time_s = i;
        QVERIFY(StoreNewTrip(s.app.trips, s.app.settings, t, "20140316_093015__ANNA", 1).ok);
        QTest::mouseClick(w.SB_DB, Qt::LeftButton);
        QCOMPARE(opened, 1);
    }

    void serviceWords() {
        Session s(Named);
        TForm1& w = *s.window;
        QTest::mouseClick(w.LOGO, Qt::RightButton);
        QVERIFY(w.Memo->isVisible());
        QTest::keyClicks(w.Memo, QStringLiteral("SET_GRADE=20"));
        QTest::keyClick(w.Memo, Qt::Key_Return);
        QCOMPARE(s.app.settings.climb_threshold_pct, 15.0f);
        QVERIFY(w.Memo->toPlainText().endsWith(QStringLiteral("OK")));
        w.Memo->setPlainText(QStringLiteral("SHOW_OFFSET"));
        QTest::keyClick(w.Memo, Qt::Key_Return);
        QVERIFY(w.Memo->toPlainText().contains(QStringLiteral("OFFSET =  0.00  KF =    0")));
        QTest::mouseClick(w.LOGO, Qt::RightButton, Qt::ControlModifier);
        QVERIFY(w.Memo->toPlainText().contains(QStringLiteral("SET_GL_ALL")));
    }

    void downloadSourceCycleAndComSpeed() {
        Session s(Named);
        TForm1& w = *s.window;
        QTest::mouseClick(w.SB_D1, Qt::RightButton);
        const std::int32_t first = s.app.settings.data_source;
        QCOMPARE(first, 2);
        for (int i = 0; i < 6; ++i) QTest::mouseClick(w.SB_D1, Qt::RightButton);
        QCOMPARE(s.app.settings.data_source, first);
        QCOMPARE(s.stored().data_source, first);

        QTest::mouseClick(w.SB_Service, Qt::LeftButton);
        QCOMPARE(w.L_COM->text(), QStringLiteral("COM SPC 3"));  // index 2 at first start
        const QStringList expected = {QStringLiteral("COM SPC 2"), QStringLiteral("COM SPC 1"),
                                      QStringLiteral("COM SPC 4"), QStringLiteral("COM SPC 3")};
        for (const QString& caption : expected) {
            QTest::mouseClick(w.SB_RESETCOM, Qt::LeftButton);
            QCOMPARE(w.L_COM->text(), caption);
        }
    }

    void zoneEditorStoresSortedPercentBounds() {
        Session s(Named);
        TForm1& w = *s.window;
        w.openZoneEditor();
        QCOMPARE(w.CB_SEL_ART->currentIndex(), 0);
        QCOMPARE(w.GLS_E[0]->text(), QStringLiteral("     50"));  // defaults for an empty table
        w.GLS_E0->setText(QStringLiteral("250"));
        const QStringList bounds = {QStringLiteral("90"),
                                    QStringLiteral("60"),
                                    QStringLiteral("75"),
                                    QString(),
                                    QString(),
                                    QString()};
        for (int k = 0; k < 6; ++k) w.GLS_E[k]->setText(bounds[k]);
        w.GLS_E11->setText(QStringLiteral("120"));
        w.GLS_E12->setText(QStringLiteral("105"));
        QTest::mouseClick(w.LT[0], Qt::LeftButton);  // rename zone 1
        QVERIFY(w.E_Text->isVisible());
        w.E_Text->clear();
        QTest::keyClicks(w.E_Text, QStringLiteral("EASYRIDE"));
        QTest::keyClick(w.E_Text, Qt::Key_Return);
        QCOMPARE(w.LT[0]->text(), QStringLiteral("EASYR"));
        QTest::mouseClick(w.GLS_OK, Qt::LeftButton);
        const ZoneEntry e = s.stored().zones[0][0];
        QCOMPARE(e[0], std::uint16_t(250));
        QCOMPARE(e[1], std::uint16_t(60));
        QCOMPARE(e[2], std::uint16_t(75));
        QCOMPARE(e[3], std::uint16_t(90));
        QCOMPARE(e[4], std::uint16_t(2500));
        QCOMPARE(e[8], std::uint16_t(105));
        QCOMPARE(e[9], std::uint16_t(120));
        QCOMPARE(ZoneNameText(s.stored().zone_names[1]), std::string("EASYR"));
        QCOMPARE(w.CB_SEL_ART->currentIndex(), 1);  // next the heart-rate zones
        // a heart-rate threshold out of range is refused
        const std::uint16_t before = s.stored().zones[0][1][0];
        w.GLS_E0->setText(QStringLiteral("300"));
        QTest::mouseClick(w.GLS_OK, Qt::LeftButton);
        QVERIFY(!w.lastMessage().isEmpty());
        QCOMPARE(s.stored().zones[0][1][0], before);
        QVERIFY(w.P_GLS->isVisible());
    }

    void deviceSettingsPanelConvertsUnits() {
        Session s([](Settings& st) {
            Named(st);
            st.riders[0].weight_kg = 72;
        });
        TForm1& w = *s.window;
        QTest::mouseClick(w.SB_U_DATA, Qt::LeftButton);
        QCOMPARE(w.ED[0]->text().trimmed(), QStringLiteral("72"));
        w.RB[0]->setCurrentIndex(1);  // lbs
        QCOMPARE(w.ED[0]->text().trimmed(), QStringLiteral("159"));
        QCOMPARE(w.RB[9]->itemText(1), QStringLiteral("WATT/LBS"));
        w.RB[4]->setCurrentIndex(1);  // feet and miles
        w.ED[5]->setText(QStringLiteral("2105"));
        QTest::mouseClick(w.ED_OK, Qt::LeftButton);
        const Settings st = s.stored();
        QCOMPARE(st.riders[0].weight_kg, 72.0f);  // not edited: no drift through the field
        QCOMPARE(st.riders[0].weight_unit, std::uint8_t(1));
        QCOMPARE(st.unit_flags & kUnitFeetMiles, int(kUnitFeetMiles));
        QCOMPARE(st.unit_flags & kUnitPounds, int(kUnitPounds));
        QCOMPARE(st.unit_flags & kUnitAmPm, 0);
        QCOMPARE(st.riders[0].bikes[0].wheel_mm, 2105.0f);
    }

    void languageSwitchRetranslatesEveryPanel() {
        Session s(Named);
        TForm1& w = *s.window;
        QCOMPARE(w.SB_User->toolTip(), QStringLiteral("Fahrer wählen und Fahrerdaten einstellen"));
        QTest::mouseClick(w.SB_Service, Qt::LeftButton);
        QTest::mouseClick(w.SB_Language, Qt::LeftButton);
        const QString dir = QStringLiteral(VELOMATIX_SHOTS_DIR);
        QDir().mkpath(dir);
        struct Expect {
            int index;
            const char* hint;
            const char* erase;
            const char* code;
        };
        const Expect cases[] = {
            {1, "Select rider and set rider data", "Do you want to delete the rider really?", "en"},
            {2, "Seleccionar ciclista y ajustar sus datos", "¿Quiere borrar realmente al ciclista?",
             "es"},
            {0, "Fahrer wählen und Fahrerdaten einstellen",
             "Wollen Sie den Fahrer wirklich löschen?", "de"},
        };
        for (const Expect& c : cases) {
            w.CB_LG->setCurrentIndex(c.index);
            QCOMPARE(w.SB_User->toolTip(), QString::fromUtf8(c.hint));
            QCOMPARE(w.L_Erase->text(), QString::fromUtf8(c.erase));  // a panel not shown
            QCOMPARE(int(s.stored().language), c.index);
            QVERIFY(w.P_SPR_WAHL->isVisible());
            w.openRiderPanel(false);
            w.grab().save(dir + QStringLiteral("/main_window_") + QString::fromLatin1(c.code) +
                          QStringLiteral(".png"));
            w.openLanguagePanel();
        }
        QVERIFY(!w.SB_KAL->isEnabled());
        QVERIFY(w.SB_KAL->toolTip().endsWith(QStringLiteral(" (noch nicht verfügbar)")));
    }

    void f5OpensPageZeroOrFourAfterTheToolPanel() {
        Session s(Named);
        TForm1& w = *s.window;
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(s.help.isVisible());
        QVERIFY(s.help.shownFile().endsWith(QStringLiteral("HILFE_DE00.md")));
        QVERIFY(s.help.Hilfe->toPlainText().contains(QStringLiteral("Hauptfenster")));
        QTest::mouseClick(w.SB_Service, Qt::LeftButton);
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(s.help.shownFile().endsWith(QStringLiteral("HILFE_DE04.md")));
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("[F5 -> Info]")));
        // a page missing from an installed help folder comes back at the next start
        const std::string page4 = s.app.trips.paths.help_base + "DE04.md";
        std::filesystem::remove(page4);
        InstallHelpPages(s.app.trips.paths);
        QVERIFY(std::filesystem::exists(page4));
    }

    void everyCatalogueTranslatesEveryText() {
        // the catalogues are brought up to date with the sources in a copy; nothing may be new
        QTemporaryDir tmp;
        const QString source = QStringLiteral(VELOMATIX_SOURCE_DIR);
        QStringList args = {QStringLiteral("-no-obsolete"),
                            QStringLiteral("-disable-heuristic"),
                            QStringLiteral("sametext"),
                            QStringLiteral("-locations"),
                            QStringLiteral("none"),
                            QStringLiteral("-I"),
                            source};
        QDir root(source);
        for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir ui(source + QLatin1Char('/') + folder + QStringLiteral("/ui"));
            for (const QString& f :
                 ui.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files))
                args << ui.filePath(f);
        }
        args << QStringLiteral("-ts");
        for (const char* lang : {"de", "en", "es"}) {
            const QString name = QStringLiteral("velomatix_%1.ts").arg(QString::fromLatin1(lang));
            QVERIFY(QFile::copy(source + QStringLiteral("/app/translations/") + name,
                                tmp.filePath(name)));
            args << tmp.filePath(name);
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(VELOMATIX_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        for (const char* lang : {"de", "en", "es"}) {
            QFile f(tmp.filePath(QStringLiteral("velomatix_%1.ts").arg(QString::fromLatin1(lang))));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            QVERIFY2(!text.contains(QStringLiteral("type=\"unfinished\"")),
                     qPrintable(QStringLiteral("untranslated texts in ") + f.fileName()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
