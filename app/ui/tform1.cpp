#include "app/ui/tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QScreen>
#include <QShortcut>

#include "app/caption.h"
#include "app/commands.h"
#include "app/language_file.h"
#include "app/startup.h"
#include "app/ui/language.h"
#include "trip/riders.h"

namespace vx {

namespace {

constexpr int kBarX = 8, kBarY = 8, kButtonW = 96, kButtonH = 34;
constexpr int kCentralX = 120, kCentralY = 40, kCentralW = 520, kCentralH = 264;

QColor ColourOf(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
std::int32_t StoredColour(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

}  // namespace

TForm1::TForm1(AppState& app, TForm9* help, QWidget* parent)
    : QWidget(parent), app_(app), help_(help) {
    setObjectName(QStringLiteral("TForm1"));
    pickColour = [this](const QColor& c) { return QColorDialog::getColor(c, this); };
    build();
    retranslate();
    // the window sees F5 before its controls
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &TForm1::showHelp);
    updateTitle();
}

void TForm1::build() {
    setFixedSize(800, 560);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const int h = screen->availableGeometry().height();
        if (h < 800) setFixedHeight(std::min(560, h - 30));
        app_.small_screen = h < 700;
        move(screen->availableGeometry().left() + 20, screen->availableGeometry().top());
    }

    auto bar = [this](const char* name, int row) {
        auto* b = new CommandButton(QString::fromLatin1(name), this);
        b->setGeometry(kBarX, kBarY + row * (kButtonH + 4), kButtonW, kButtonH);
        return b;
    };
    SB_User = bar("SB_User", 0);
    SB_DB = bar("SB_DB", 1);
    SB_U_DATA = bar("SB_U_DATA", 2);
    SB_DATA = bar("SB_DATA", 3);
    SB_DATA_PC = bar("SB_DATA_PC", 4);
    SB_KAL = bar("SB_KAL", 5);
    SB_D1 = bar("SB_D1", 6);
    SB_Service = bar("SB_Service", 7);
    SB_Help = bar("SB_Help", 8);
    SB_UDIS = bar("SB_UDIS", 9);
    SB_KILLTRIP = bar("SB_KILLTRIP", 10);
    SB_BRE2 = bar("SB_BRE2", 11);

    L_Rider = new QLabel(this);
    L_Rider->setObjectName(QStringLiteral("L_Rider"));
    L_Rider->setGeometry(kCentralX, 8, kCentralW, 26);
    QFont big = L_Rider->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    L_Rider->setFont(big);
    L_Collection = new QLabel(QStringLiteral("COLLECTION"), this);
    L_Collection->setGeometry(kCentralX, 8, kCentralW, 26);
    L_Collection->setFont(big);
    L_Collection->setStyleSheet(QStringLiteral("color: #2060a0; font-style: italic;"));
    L_Collection->hide();

    Central = new QFrame(this);
    Central->setObjectName(QStringLiteral("Central"));
    Central->setGeometry(kCentralX, kCentralY, kCentralW, kCentralH);
    Central->setFrameShape(QFrame::StyledPanel);
    Central->setAutoFillBackground(true);

    L_Message = new QLabel(this);
    L_Message->setObjectName(QStringLiteral("L_Message"));
    L_Message->setGeometry(kCentralX, kCentralY + kCentralH + 4, kCentralW, 22);
    L_Message->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));

    LB_INFO = new QListWidget(this);
    LB_INFO->setObjectName(QStringLiteral("LB_INFO"));
    LB_INFO->setGeometry(kCentralX, kCentralY + kCentralH + 30, kCentralW, 180);

    LOGO = new QLabel(QStringLiteral("VELOMATIX"), this);
    LOGO->setObjectName(QStringLiteral("LOGO"));
    LOGO->setGeometry(kCentralX + kCentralW + 16, kCentralY, 140, 60);
    LOGO->setAlignment(Qt::AlignCenter);
    LOGO->setStyleSheet(
        QStringLiteral("color: white; background: #30506e; font-weight: bold; font-size: 16px; "
                       "border-radius: 6px;"));
    LOGO->installEventFilter(this);

    Memo = new QPlainTextEdit(Central);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(0, 0, kCentralW, kCentralH);
    Memo->installEventFilter(this);
    Memo->hide();

    // Tool panel: four rows of four commands and the COM speed caption.
    P_TOOLS = new QFrame(Central);
    P_TOOLS->setObjectName(QStringLiteral("P_TOOLS"));
    P_TOOLS->setGeometry(0, 0, kCentralW, kCentralH);
    auto tool = [this](const char* name, int i) {
        auto* b = new CommandButton(QString::fromLatin1(name), P_TOOLS);
        b->setGeometry(8 + (i % 4) * 127, 8 + (i / 4) * 56, 122, 50);
        return b;
    };
    SB_SET_COL = tool("SB_SET_COL", 0);
    SB_Language = tool("SB_Language", 1);
    SB_DR = tool("SB_DR", 2);
    SB_DEF_MAIL = tool("SB_DEF_MAIL", 3);
    SB_G6 = tool("SB_G6", 4);
    SB_CAL_NEW = tool("SB_CAL_NEW", 5);
    SB_DEO_DB = tool("SB_DEO_DB", 6);
    SB_TO_COL = tool("SB_TO_COL", 7);
    SB_DEO_DEO = tool("SB_DEO_DEO", 8);
    SB_DB_CSV = tool("SB_DB_CSV", 9);
    SB_CSV = tool("SB_CSV", 10);
    SB_DEO = tool("SB_DEO", 11);
    SB_SETTIME = tool("SB_SETTIME", 12);
    SB_UPDATE = tool("SB_UPDATE", 13);
    SB_RESETCOM = tool("SB_RESETCOM", 14);
    SB_Close_Tool = tool("SB_Close_Tool", 15);
    for (QToolButton* b : P_TOOLS->findChildren<QToolButton*>()) b->setFixedHeight(26);
    L_COM = new QLabel(P_TOOLS);
    L_COM->setObjectName(QStringLiteral("L_COM"));
    L_COM->setGeometry(8, 236, 200, 22);
    P_TOOLS->hide();

    buildRiderPanel();
    buildDevicePanel();
    buildZoneEditor();
    buildLanguagePanel();
    buildColourPanel();

    // Commands whose windows come later stay visibly disabled.
    for (CommandButton* b :
         {SB_DATA, SB_DATA_PC, SB_KAL, SB_UDIS, SB_KILLTRIP, SB_BRE2, SB_DEF_MAIL, SB_G6,
          SB_CAL_NEW, SB_TO_COL, SB_DEO_DEO, SB_DB_CSV, SB_DEO, SB_SETTIME, SB_UPDATE})
        markUnavailable(b);

    connect(SB_User, &QToolButton::clicked, this, &TForm1::SB_UserClick);
    connect(SB_User, &CommandButton::rightClicked, this, &TForm1::SB_UserRightClick);
    connect(SB_DB, &QToolButton::clicked, this, &TForm1::SB_DBClick);
    connect(SB_U_DATA, &QToolButton::clicked, this, &TForm1::SB_U_DATAClick);
    connect(SB_D1, &QToolButton::clicked, this, &TForm1::SB_D1Click);
    connect(SB_D1, &CommandButton::rightClicked, this, &TForm1::SB_D1RightClick);
    connect(SB_Service, &QToolButton::clicked, this, &TForm1::SB_ServiceClick);
    connect(SB_Help, &QToolButton::clicked, this, [] {});  // the interface test does nothing
    connect(SB_SET_COL, &QToolButton::clicked, this, &TForm1::SB_SET_COLClick);
    connect(SB_Language, &QToolButton::clicked, this, &TForm1::SB_LanguageClick);
    connect(SB_DR, &QToolButton::clicked, this, &TForm1::SB_DRClick);
    connect(SB_DEO_DB, &QToolButton::clicked, this, &TForm1::SB_DEO_DBClick);
    connect(SB_CSV, &QToolButton::clicked, this, &TForm1::SB_CSVClick);
    connect(SB_RESETCOM, &QToolButton::clicked, this, &TForm1::SB_RESETCOMClick);
    connect(SB_Close_Tool, &QToolButton::clicked, this, &TForm1::SB_Close_ToolClick);
}

void TForm1::markUnavailable(CommandButton* b) {
    b->setEnabled(false);
    unavailable_.push_back(b);
}

void TForm1::retranslate() {
    const QString na = tr(" (noch nicht verfügbar)");
    auto set = [&](CommandButton* b, const QString& caption, const QString& hint) {
        b->setText(caption);
        const bool unavailable =
            std::find(unavailable_.begin(), unavailable_.end(), b) != unavailable_.end();
        b->setToolTip(unavailable ? hint + na : hint);
    };
    set(SB_User, tr("Fahrer"), tr("Fahrer wählen und Fahrerdaten einstellen"));
    set(SB_DB, tr("Tagebuch"), tr("Tagebuch öffnen"));
    set(SB_U_DATA, tr("Einstellungen"), tr("Fahrer- und Radeinstellungen"));
    set(SB_DATA, tr("Laden"), tr("Einstellungen laden"));
    set(SB_DATA_PC, tr("Senden"), tr("Einstellungen senden"));
    set(SB_KAL, tr("Kalender"), tr("kalendarische Darstellung der Trainigsdaten"));
    set(SB_D1, tr("Fahrt laden"), tr("Fahrt laden / mehr mit Rechtsklick"));
    set(SB_Service, tr("Extras"), tr("Extras"));
    set(SB_Help, tr("Test"), tr("Schnittstellentest"));
    set(SB_UDIS, tr("Anzeige"), tr("Benutzeranzeige"));
    set(SB_KILLTRIP, tr("Löschen"), tr("Alle Fahrten im Torkon löschen"));
    set(SB_BRE2, tr("Abbruch"), tr("Abbruch"));
    set(SB_SET_COL, tr("Farben"), tr("Farben festlegen"));
    set(SB_Language, tr("Sprache"), tr("Sprache wählen"));
    set(SB_DR, tr("Fahrer löschen"), tr("Fahrer löschen"));
    set(SB_DEF_MAIL, tr("Mail"), tr("Mail-Einstellungen"));
    set(SB_G6, tr("Diagramme"), tr("Diagrammeinstellungen ändern"));
    set(SB_CAL_NEW, tr("Kalender"), tr("Kalendereinstellungen ändern"));
    set(SB_DEO_DB, tr("DEO -> Tagebuch"), tr("Deo ins Tagebuch einfügen"));
    set(SB_TO_COL, tr("Vergleich"), tr("Deo zum Vergleich speichern"));
    set(SB_DEO_DEO, tr("DEO + DEO"), tr("Zwei Fahrten zusammenfügen"));
    set(SB_DB_CSV, tr("Tagebuch -> CSV"), tr("Ganzes Tagebuch als CSV-Datei exportieren"));
    set(SB_CSV, tr("CSV -> DEO"), tr("CSV-Datei in DEO-Datei umwandeln"));
    set(SB_DEO, tr("DEO -> CSV"), tr("DEO-Datei in CSV-Datei umwandeln"));
    set(SB_SETTIME, tr("Uhrzeit"), tr("Datum und Uhrzeit im Torkon stellen"));
    set(SB_UPDATE, tr("Firmware"), tr("Neue Firmware zum Torkon senden"));
    set(SB_RESETCOM, tr("COM"), tr("COM-Geschwindigkeit ändern"));
    set(SB_Close_Tool, tr("Schließen"), tr("Schließen"));
    // the download of the chosen source comes with its import window
    if (DataSourceOfCode(app_.settings.data_source) == DataSource::None)
        SB_D1->setToolTip(SB_D1->toolTip() + tr(" (keine Quelle gewählt)"));

    // rider panel
    USER_OK->setText(tr("Ändern"));
    USER_NO->setText(delete_mode_ ? tr("Fahrer löschen") : tr("Verwerfen"));
    SB_GLS->setText(tr("Trainingsbereiche festlegen"));
    SB_GLS->setToolTip(tr("Trainingsbereiche festlegen"));
    L_Weight->setText(tr("Gewicht"));
    L_Height->setText(tr("Größe"));
    L_Erase->setText(tr("Wollen Sie den Fahrer wirklich löschen?"));
    B_CL_Trip->setText(tr("Löschen"));
    B_Nein->setText(tr("Nein"));
    // device settings panel
    const QString ed_labels[6] = {tr("Gewicht"),  tr("Schwellenleistung"),
                                  tr("Höhe"),     QStringLiteral("OFFSET"),
                                  tr("K-Faktor"), tr("Radumfang [mm]")};
    for (int i = 0; i < 6; ++i) L_ED[i]->setText(ed_labels[i]);
    if ((app_.settings.unit_flags & kUnitFeetMiles) || RB[4]->currentIndex() == 1)
        L_ED[2]->setText(L_ED[2]->text() + QStringLiteral(" [ft]"));
    else
        L_ED[2]->setText(L_ED[2]->text() + QStringLiteral(" [m]"));
    const QString rb_labels[10] = {tr("Gewichtseinheit"), tr("Speicherintervall"),
                                   tr("Zeitanzeige"),     tr("Datumsanzeige"),
                                   tr("Strecke"),         tr("Rad"),
                                   tr("Temperatur"),      tr("Dämpfung Leistung"),
                                   tr("Dämpfung Puls"),   tr("Leistungsanzeige")};
    for (int i = 0; i < 10; ++i) L_RB[i]->setText(rb_labels[i]);
    ED_OK->setText(tr("Übernehmen + speichern"));
    ED_NO->setText(tr("Verwerfen"));
    // zone editor
    GLS_OK->setText(tr("Übernehmen"));
    GLS_NOT_OK->setText(tr("Verwerfen"));
    L_Wait->setText(tr("BITTE WARTEN"));
    L_Threshold->setText(tr("Schwelle"));
    // language and units panel
    const QString spr[6] = {tr("Sprache"),    tr("Länge"),      tr("Gewicht"),
                            tr("Temperatur"), tr("Zeitformat"), tr("Datumsformat")};
    for (int i = 0; i < 6; ++i) L_SPR[i]->setText(spr[i]);
    SB_ZUD->setText(tr("Übernehmen"));
    // colour panel
    SB_OMA->setText(tr("RÜCKSTELLUNG DER FARBEN"));
    SB_COL_OK->setText(tr("Übernehmen"));
    const int colour = CB_Color->currentIndex();
    CB_Color->blockSignals(true);
    CB_Color->clear();
    CB_Color->addItems({tr("ZEICHENFLÄCHE"), tr("POWER"), tr("RPM"), tr("PULS"), tr("SPEED"),
                        tr("HÖHE"), tr("GANG"), tr("TEMPERATUR"), tr("GITTER"), tr("T / D - SKALA"),
                        tr("INTERVALL"), tr("LÄUF./SCHWI."), tr("STEIGUNG"),
                        QStringLiteral("Main 1"), QStringLiteral("Main 2")});
    CB_Color->setCurrentIndex(std::max(0, colour));
    CB_Color->blockSignals(false);
    updateRiderLabel();
    updateTitle();
}

void TForm1::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
    if (e->type() == QEvent::ActivationChange) update();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) onActivate();
    return QWidget::event(e);
}

void TForm1::onActivate() {
    tool_panel_opened_ = false;
    if (first_activation_) firstActivation();
}

void TForm1::firstActivation() {
    first_activation_ = false;
    applyLanguage();
    const std::string path = StartFilePath(app_.start_file);
    if (!path.empty()) {
        info(QString::fromStdString(app_.start_file));
        info(QString::fromStdString(app_.base));
        const StartFileResult r = LoadStartFile(app_, path);
        if (!r.open_view) {
            info(QString::fromStdString(r.message));
        } else if (openTripView) {
            openTripView();
            return;
        } else {
            const Trip& t = *app_.trip;
            const TripRecord& last = t.records[static_cast<std::size_t>(t.count - 1)];
            info(QStringLiteral("%1: %2 records, %3 s, %4 km")
                     .arg(QFileInfo(QString::fromStdString(path)).fileName())
                     .arg(t.count)
                     .arg(last.time_s - t.records[1].time_s)
                     .arg(static_cast<double>(last.distance_km), 0, 'f', 2));
            return;
        }
    }
    flushInfo();
}

void TForm1::applyLanguage() {
    // a settings file that could not be read is never replaced (SettingsFile refuses it)
    if (app_.settings_file.write_blocked() ||
        QFileInfo::exists(QString::fromStdString(app_.settings_file.path())))
        app_.WriteSettings();
    InstallLanguage(app_.settings.language);
    P_SPR_WAHL->hide();
    retranslate();
    flushInfo();
}

void TForm1::updateTitle() {
    const QString title = QString::fromLatin1(kAppTitle);
    if (!QFileInfo::exists(QString::fromStdString(app_.trips.paths.help_marker))) {
        setWindowTitle(title);
        return;
    }
    QFont caption = QApplication::font("QMdiSubWindowTitleBar");
    caption.setBold(true);
    const QFontMetrics fm(caption);
    const std::string padded = PadCaption(kAppTitle, width(), 30, [&](const std::string& s) {
        return fm.horizontalAdvance(QString::fromStdString(s));
    });
    setWindowTitle(QString::fromStdString(padded));
}

void TForm1::updateRiderLabel() {
    const bool collection = app_.settings.current_rider == kCollectionRider;
    L_Collection->setVisible(collection);
    if (collection) {
        L_Rider->clear();
        return;
    }
    QString text =
        tr("Fahrer:") + QStringLiteral("  ") + QString::fromStdString(app_.settings.rider_folder);
    if (app_.settings.current_rider == kTemporaryRider)
        text += QLatin1Char(' ') + tr("nur vorübergehend angelegt");
    L_Rider->setText(text);
    update();
}

void TForm1::showMessage(const QString& text) {
    L_Message->setText(text);
}

void TForm1::info(const QString& line) {
    LB_INFO->addItem(line);
}

void TForm1::flushInfo() {
    for (const std::string& line : app_.info) info(QString::fromStdString(line));
    app_.info.clear();
    LB_INFO->scrollToBottom();
}

void TForm1::hidePanels() {
    for (QFrame* p : {P_TOOLS, P_USER, P_ERASE, P_U_DATA, P_GLS, P_SPR_WAHL, P_COL}) p->hide();
    Memo->hide();
    L_Message->clear();
}

bool TForm1::riderChecked() {
    if (RiderNeedsName(app_.settings.rider_folder)) {
        openRiderPanel(false);
        return false;
    }
    return true;
}

bool TForm1::saveTrips() {
    std::string error;
    if (app_.SaveTripsIfModified(&error)) return true;
    info(QString::fromStdString(error));
    return false;
}

// --- commands ---

void TForm1::SB_UserClick() {
    openRiderPanel(false);
}
void TForm1::SB_UserRightClick() {
    openRiderPanel(true);
}

void TForm1::SB_DBClick() {
    hidePanels();
    if (!riderChecked()) return;
    if (!HasSavedRides(app_.trips.list)) {
        showMessage(
            QStringLiteral(" %1 ").arg(tr("Es sind keine Fahrten für diesen Fahrer gespeichert!")));
        return;
    }
    if (openDiary) openDiary();
}

void TForm1::SB_U_DATAClick() {
    openDevicePanel();
}

void TForm1::SB_D1Click() {
    hidePanels();
    if (!riderChecked()) return;
    const auto importer = importers.find(DataSourceOfCode(app_.settings.data_source));
    if (importer == importers.end()) {
        showMessage(tr("Diese Quelle ist noch nicht verfügbar"));
        return;
    }
    importer->second();
}

void TForm1::SB_D1RightClick() {
    hidePanels();
    app_.settings.data_source = NextDataSourceCode(app_.settings.data_source);
    const char* names[] = {"", "Garmin TCX", "Torkon", "Polar HRM", "SRM", "Garmin FIT"};
    info(QStringLiteral("%1: %2").arg(
        tr("Quelle"),
        QString::fromLatin1(names[static_cast<int>(DataSourceOfCode(app_.settings.data_source))])));
    app_.WriteSettings();
    flushInfo();
}

void TForm1::SB_ServiceClick() {
    openToolPanel();
}

void TForm1::openToolPanel() {
    hidePanels();
    tool_panel_opened_ = true;
    L_COM->setText(QString::fromStdString(ComSpeedCaption(app_.settings.com_speed_index)));
    P_TOOLS->show();
}

void TForm1::SB_Close_ToolClick() {
    hidePanels();
}

void TForm1::SB_RESETCOMClick() {
    app_.settings.com_speed_index =
        static_cast<std::uint8_t>(StepComSpeed(app_.settings.com_speed_index));
    L_COM->setText(QString::fromStdString(ComSpeedCaption(app_.settings.com_speed_index)));
}

void TForm1::SB_DEO_DBClick() {
    if (!riderChecked()) return;
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("DEO-Dateien einfügen"), QString::fromStdString(app_.trips.paths.data),
        QStringLiteral("DEO (*.deo *.DEO *.Deo)"));
    if (files.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& f : files) paths.push_back(f.toStdString());
    InfoList lines;
    const int n = ImportDeoFiles(app_.trips, app_.settings, *app_.trip, paths, &lines);
    for (const std::string& l : lines) info(QString::fromStdString(l));
    info(tr("%1 Fahrten eingefügt").arg(n));
    saveTrips();
}

void TForm1::SB_CSVClick() {
    if (!riderChecked()) return;
    const QString file = QFileDialog::getOpenFileName(this, tr("CSV-Datei in DEO-Datei umwandeln"),
                                                      QString::fromStdString(app_.trips.paths.data),
                                                      QStringLiteral("CSV (*.csv *.CSV)"));
    if (file.isEmpty()) return;
    const StoreResult r = ImportCsvFile(app_.trips, app_.settings, *app_.trip, file.toStdString(),
                                        CsvDialect::Semicolon);
    info(QString::fromStdString(r.ok ? r.base_name : r.message));
}

void TForm1::showHelp() {
    const std::string path = HelpPagePath(app_.trips.paths, app_.settings.language,
                                          helpPageToOpen(), app_.settings.data_source);
    if (help_ && !path.empty()) help_->ShowPageFile(QString::fromStdString(path));
}

// --- service memo ---

void TForm1::showServiceMemo(bool with_reminder) {
    hidePanels();
    Memo->clear();
    if (with_reminder) {
        Memo->appendPlainText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        Memo->appendPlainText(QStringLiteral("SET_GRADE=2.00"));
        Memo->appendPlainText(QStringLiteral("SET_GL_ALL"));
        Memo->appendPlainText(QStringLiteral("SHOW_OFFSET"));
    }
    Memo->show();
    Memo->setFocus();
}

void TForm1::runServiceLine() {
    const QString first = Memo->toPlainText().section(QLatin1Char('\n'), 0, 0);
    const ServiceLine s = ParseServiceLine(first.toStdString());
    switch (s.word) {
        case ServiceWord::SetGrade:
            app_.settings.climb_threshold_pct = s.grade;
            Memo->appendPlainText(QStringLiteral("OK"));
            break;
        case ServiceWord::SetGlAll: {
            Memo->appendPlainText(QStringLiteral("Please wait change GL all"));
            QProgressDialog progress(tr("BITTE WARTEN"), QString(), 0, 100, this);
            progress.setWindowModality(Qt::WindowModal);
            progress.setMinimumDuration(300);
            SetThresholdOfAllTrips(
                app_.trips, app_.settings, [&](std::size_t done, std::size_t total) {
                    progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
                    progress.setValue(static_cast<int>(done));
                });
            Memo->appendPlainText(QStringLiteral("OK"));
            break;
        }
        case ServiceWord::ShowOffset:
            Memo->appendPlainText(QString::fromStdString(OffsetLine(*app_.trip)));
            Memo->appendPlainText(QString());
            break;
        case ServiceWord::None:
            break;
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == LOGO && e->type() == QEvent::MouseButtonPress) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::RightButton) {
            showServiceMemo(m->modifiers() & Qt::ControlModifier);
            return true;
        }
    }
    if (watched == Memo && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            runServiceLine();
            return true;
        }
    }
    if (watched == E_Text && e->type() == QEvent::FocusOut) E_Text->hide();
    return QWidget::eventFilter(watched, e);
}

// --- background ---

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const std::int32_t end = app_.settings.colours[13], start = app_.settings.colours[14];
    QLinearGradient g(0, height(), 0, 0);
    g.setColorAt(0, start ? ColourOf(start) : QColor(196, 210, 226));
    g.setColorAt(1, end ? ColourOf(end) : QColor(244, 247, 250));
    p.fillRect(rect(), g);
    if (!isActiveWindow()) {
        const std::int32_t mark = app_.trips.modified() ? start : end;
        p.fillRect(kCentralX + 1, kCentralY + 1, 5, 5, mark ? ColourOf(mark) : Qt::darkGray);
    }
}

void TForm1::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (pos.x() >= width() - 30 && (pos.y() >= height() - 30 || pos.y() < 30)) {
        chooseBackgroundColour(pos.y() >= height() - 30);
        return;
    }
    QWidget::mousePressEvent(e);
}

void TForm1::chooseBackgroundColour(bool start) {
    std::int32_t& slot = app_.settings.colours[start ? 14 : 13];
    const QColor c = pickColour(ColourOf(slot));
    if (!c.isValid()) return;
    slot = StoredColour(c);
    app_.WriteSettings();
    update();
}

// --- close ---

void TForm1::closeEvent(QCloseEvent* e) {
    while (app_.trips.modified()) {
        std::string error;
        if (SaveTripList(app_.trips, &error)) break;
        const auto answer = QMessageBox::warning(
            this, QString::fromLatin1(kAppTitle),
            tr("Die Fahrtenliste konnte nicht gespeichert werden:\n%1")
                .arg(QString::fromStdString(error)),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard) break;
        if (answer == QMessageBox::Cancel) {
            e->ignore();
            return;
        }
    }
    if (help_) help_->close();
    if (onClosing) onClosing();
    e->accept();
}

}  // namespace vx
