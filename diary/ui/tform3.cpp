#include "diary/ui/tform3.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressDialog>
#include <QVBoxLayout>

#include "app/ui/core_messages.h"
#include "app/ui/summary_texts.h"
#include "diary/diary_entries.h"
#include "diary/diary_notes.h"
#include "trip/trip_list.h"

namespace vx {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TForm3::TForm3(AppState& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("TForm3"));
    build();
    retranslate();
    resize(1280, 720);
}

void TForm3::build() {
    auto* layout = new QVBoxLayout(this);
    auto* strip = new QHBoxLayout;
    layout->addLayout(strip);
    auto button = [this, strip](const char* name) {
        auto* b = new CommandButton(QString::fromLatin1(name), this);
        b->setFocusPolicy(Qt::NoFocus);
        strip->addWidget(b);
        return b;
    };
    SB_GRAF = button("SB_GRAF");
    SB_DATEN = button("SB_DATEN");
    SB_AW = button("SB_AW");
    SB_AW->setCheckable(true);
    SB_GRA2 = button("SB_GRA2");
    SB_PRS = button("SB_PRS");
    SB_PP = button("SB_PP");
    SB_TRIP_KILL = button("SB_TRIP_KILL");
    SB_NO_RIDE = button("SB_NO_RIDE");
    SB_NO_RIDE->setCheckable(true);
    SB_SEL_ALL = button("SB_SEL_ALL");
    SB_SEL_ALL->setCheckable(true);
    SB_SOAZ = button("SB_SOAZ");
    SB_SOZA = button("SB_SOZA");
    SB_SOZA->hide();
    strip->addStretch(1);
    // the data table, the comparison and the analyses come with their windows
    for (CommandButton* b : {SB_DATEN, SB_GRA2, SB_PRS, SB_PP}) b->setEnabled(false);

    L_MSG = new QLabel(this);
    L_MSG->setObjectName(QStringLiteral("L_MSG"));
    L_MSG->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    layout->addWidget(L_MSG);

    SG_DB = new QTableView(this);
    SG_DB->setObjectName(QStringLiteral("SG_DB"));
    table = new DiaryTableModel(diary_, this);
    SG_DB->setModel(table);
    SG_DB->horizontalHeader()->hide();
    SG_DB->verticalHeader()->hide();
    SG_DB->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_DB->setSelectionBehavior(QAbstractItemView::SelectItems);
    SG_DB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_DB->verticalHeader()->setDefaultSectionSize(20);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    SG_DB->setFont(mono);
    layout->addWidget(SG_DB, 1);

    LB_SORT = new QListWidget(this);
    LB_SORT->setObjectName(QStringLiteral("LB_SORT"));
    LB_SORT->hide();

    E_SEARCH = new QLineEdit(this);
    E_SEARCH->setObjectName(QStringLiteral("E_SEARCH"));
    E_SEARCH->hide();

    auto panel = [this](const char* name) {
        auto* f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameShape(QFrame::Panel);
        f->setAutoFillBackground(true);
        f->hide();
        return f;
    };
    P_PERIOD = panel("P_PERIOD");
    {
        auto* l = new QHBoxLayout(P_PERIOD);
        ED_FROM = new QDateEdit(P_PERIOD);
        ED_TO = new QDateEdit(P_PERIOD);
        for (QDateEdit* d : {ED_FROM, ED_TO}) {
            d->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
            d->setCalendarPopup(true);
            l->addWidget(d);
        }
        B_PERIOD_OK = new QPushButton(P_PERIOD);
        B_PERIOD_NO = new QPushButton(P_PERIOD);
        l->addWidget(B_PERIOD_OK);
        l->addWidget(B_PERIOD_NO);
    }
    P_NOTE = panel("P_NOTE");
    {
        auto* l = new QVBoxLayout(P_NOTE);
        M_NOTE = new QPlainTextEdit(P_NOTE);
        M_NOTE->setObjectName(QStringLiteral("M_NOTE"));
        M_NOTE->setMinimumSize(360, 80);
        E_COMMENT2 = new QLineEdit(P_NOTE);
        E_COMMENT2->setObjectName(QStringLiteral("E_COMMENT2"));
        auto* b = new QHBoxLayout;
        B_NOTE_OK = new QPushButton(P_NOTE);
        B_NOTE_NO = new QPushButton(P_NOTE);
        b->addWidget(B_NOTE_OK);
        b->addWidget(B_NOTE_NO);
        l->addWidget(M_NOTE);
        l->addWidget(E_COMMENT2);
        l->addLayout(b);
    }
    P_KILL = panel("P_KILL");
    {
        auto* l = new QHBoxLayout(P_KILL);
        L_KILL = new QLabel(P_KILL);
        B_KILL_OK = new QPushButton(P_KILL);
        B_KILL_NO = new QPushButton(P_KILL);
        l->addWidget(L_KILL);
        l->addWidget(B_KILL_OK);
        l->addWidget(B_KILL_NO);
    }
    P_NR = panel("P_NR");
    {
        auto* l = new QVBoxLayout(P_NR);
        auto row = [&](int i, QWidget* w) {
            auto* r = new QHBoxLayout;
            L_NR[static_cast<std::size_t>(i)] = new QLabel(P_NR);
            L_NR[static_cast<std::size_t>(i)]->setMinimumWidth(110);
            r->addWidget(L_NR[static_cast<std::size_t>(i)]);
            r->addWidget(w);
            l->addLayout(r);
        };
        NR_DATE = new QDateEdit(P_NR);
        NR_DATE->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
        NR_DATE->setCalendarPopup(true);
        NR_TIME = new QTimeEdit(P_NR);
        NR_TIME->setDisplayFormat(QStringLiteral("HH:mm"));
        NR_DURATION = new QTimeEdit(P_NR);
        NR_DURATION->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        NR_DIST = new QLineEdit(P_NR);
        NR_HR = new QLineEdit(P_NR);
        NR_TEMP = new QLineEdit(P_NR);
        row(0, NR_DATE);
        row(1, NR_TIME);
        row(2, NR_DURATION);
        row(3, NR_DIST);
        row(4, NR_HR);
        row(5, NR_TEMP);
        NR_NOTE = new QPlainTextEdit(P_NR);
        NR_NOTE->setMaximumHeight(60);
        l->addWidget(NR_NOTE);
        auto* kinds = new QHBoxLayout;
        for (int k = 0; k < 5; ++k) {
            NR_KIND[static_cast<std::size_t>(k)] = new QRadioButton(P_NR);
            kinds->addWidget(NR_KIND[static_cast<std::size_t>(k)]);
        }
        l->addLayout(kinds);
        B_NR_OK = new QPushButton(P_NR);
        l->addWidget(B_NR_OK);
    }
    P_SUM = panel("P_SUM");
    {
        auto* l = new QVBoxLayout(P_SUM);
        L_SUM = new QLabel(P_SUM);
        L_SUM->setFont(mono);
        l->addWidget(L_SUM);
    }

    connect(SB_GRAF, &QToolButton::clicked, this, &TForm3::SB_GRAFClick);
    connect(SB_AW, &QToolButton::clicked, this, &TForm3::SB_AWClick);
    connect(SB_TRIP_KILL, &QToolButton::clicked, this, &TForm3::SB_TRIP_KILLClick);
    connect(SB_NO_RIDE, &QToolButton::clicked, this, &TForm3::SB_NO_RIDEClick);
    connect(SB_SEL_ALL, &QToolButton::clicked, this, &TForm3::SB_SEL_ALLClick);
    connect(SB_SEL_ALL, &CommandButton::rightClicked, this, &TForm3::SB_SEL_ALLRightClick);
    auto sort_button = [this](bool ascending) {
        sort_ascending_ = ascending;
        LB_SORT->clear();
        for (const std::string& t : diary_.texts().sort_titles)
            LB_SORT->addItem(QLatin1Char(' ') + Q(t));
        LB_SORT->setGeometry(20, 60, 220, 360);
        LB_SORT->show();
        LB_SORT->raise();
    };
    connect(SB_SOAZ, &QToolButton::clicked, this, [sort_button] { sort_button(true); });
    connect(SB_SOZA, &QToolButton::clicked, this, [sort_button] { sort_button(false); });
    auto swap = [this] {
        const bool up = SB_SOAZ->isVisible();
        SB_SOAZ->setVisible(!up);
        SB_SOZA->setVisible(up);
    };
    connect(SB_SOAZ, &CommandButton::rightClicked, this, swap);
    connect(SB_SOZA, &CommandButton::rightClicked, this, swap);
    connect(LB_SORT, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { sortChosen(LB_SORT->row(item)); });
    connect(SG_DB, &QTableView::clicked, this, &TForm3::cellClicked);
    connect(SG_DB, &QTableView::doubleClicked, this, &TForm3::cellDoubleClicked);
    connect(E_SEARCH, &QLineEdit::returnPressed, this, [this] {
        const std::size_t n = diary_.Search(app_.trips.list, E_SEARCH->text().toStdString());
        E_SEARCH->hide();
        L_MSG->setText(tr("%1 Fahrten gefunden").arg(n));
        refresh();
    });
    connect(B_PERIOD_OK, &QPushButton::clicked, this, [this] {
        DiaryPeriod p;
        p.start = ED_FROM->date().toString(QStringLiteral("yyyyMMdd")).toStdString();
        p.end = ED_TO->date().toString(QStringLiteral("yyyyMMdd")).toStdString();
        diary_.SetPeriod(p);
        P_PERIOD->hide();
        retranslate();
    });
    connect(B_PERIOD_NO, &QPushButton::clicked, P_PERIOD, &QWidget::hide);
    connect(B_NOTE_OK, &QPushButton::clicked, this, &TForm3::saveNote);
    connect(B_NOTE_NO, &QPushButton::clicked, P_NOTE, &QWidget::hide);
    connect(B_KILL_OK, &QPushButton::clicked, this, [this] {
        diary_.Erase(app_.trips, app_.settings, kill_row_);
        P_KILL->hide();
        refresh();
    });
    connect(B_KILL_NO, &QPushButton::clicked, P_KILL, &QWidget::hide);
    connect(B_NR_OK, &QPushButton::clicked, this, &TForm3::acceptEntry);
    for (QLineEdit* e : {NR_DIST, NR_HR, NR_TEMP})
        connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
            if (t.contains(QLatin1Char(',')))
                e->setText(QString(t).replace(QLatin1Char(','), QLatin1Char('.')));
        });
}

DiaryTexts TForm3::texts() const {
    DiaryTexts t;
    const QString titles[] = {tr("Datum / Zeit"),
                              tr("Kommentar"),
                              tr("Zeit"),
                              tr("Strecke"),
                              tr(" Leistung 1"),
                              tr("Puls"),
                              tr("RPM"),
                              tr("Geschw."),
                              tr("Temp."),
                              QStringLiteral("  NP™"),
                              QStringLiteral("  TSS™"),
                              QStringLiteral("  IF™"),
                              tr(" D HÖHE"),
                              tr("Arbeit"),
                              tr(" Leistung 2"),
                              tr("Kommentar2"),
                              tr("Arbeit"),
                              tr("Gewicht")};
    for (std::size_t i = 0; i < t.titles.size(); ++i) t.titles[i] = titles[i].toStdString();
    const int sort_from[] = {0, 1, 15, 2, 3, 4, 14, 5, 6, 7, 8, 9, 10, 11, 12, 13, 17};
    for (std::size_t i = 0; i < t.sort_titles.size(); ++i)
        t.sort_titles[i] = (i >= 11 && i <= 13 ? std::string(" ") : std::string()) +
                           t.titles[static_cast<std::size_t>(sort_from[i])];
    t.diary = tr("Tagebuch").toStdString();
    t.no_comment = tr("kein Kommentar").toStdString();
    t.total_time = tr("Gesamtzeit").toStdString();
    t.select_all = tr("Alle Fahrten wählen").toStdString();
    t.selective = tr("Auswahl").toStdString();
    t.click_start_date = tr("Anfangsdatum anklicken").toStdString();
    t.click_end_date = tr("Enddatum anklicken").toStdString();
    t.sort_hint = tr("Sortieren auf- oder abwärts (rechte Maustaste)").toStdString();
    t.delete_question = tr("Wollen Sie die Fahrt wirklich löschen?").toStdString();
    t.select_two = tr("Es wurden keine 2 Fahrten markiert").toStdString();
    t.different_rate = tr("Speicherintervalle ungleich").toStdString();
    t.missing_heart_rate = tr("Puls Aufzeichnung fehlerhaft").toStdString();
    t.select_one_or_more = tr("Bitte eine oder mehrere Fahrten markieren").toStdString();
    return t;
}

void TForm3::retranslate() {
    diary_.SetTexts(texts());
    const DiaryTexts& t = diary_.texts();
    auto set = [](CommandButton* b, const QString& caption, const QString& hint) {
        b->setText(caption);
        b->setToolTip(hint);
    };
    set(SB_GRAF, tr("Grafik"), tr("Fahrt als Grafik zeigen"));
    set(SB_DATEN, tr("Zahlen"), tr("Fahrt numerisch zeigen") + tr(" (noch nicht verfügbar)"));
    set(SB_AW, tr("Auswertung"), tr("Auswertung Fahrt"));
    set(SB_GRA2, tr("Vergleich"),
        tr("2 Fahrten grafisch vergleichen") + tr(" (noch nicht verfügbar)"));
    set(SB_PRS, tr("P/RPM"),
        tr("Leistung/RPM Leistung/Geschwindigkeit analysieren") + tr(" (noch nicht verfügbar)"));
    set(SB_PP, tr("P/HF"), tr("Analyse Leistung - Puls") + tr(" (noch nicht verfügbar)"));
    set(SB_TRIP_KILL, tr("Löschen"), tr("Fahrt löschen"));
    set(SB_NO_RIDE, tr("Eintrag"), tr("Dateneingabe für Läufer/Schwimmer"));
    set(SB_SEL_ALL, tr("Alle"), Q(diary_.SelectAllHint(app_.settings)));
    set(SB_SOAZ, tr("Sortieren A-Z"), Q(t.sort_hint));
    set(SB_SOZA, tr("Sortieren Z-A"), Q(t.sort_hint));
    B_PERIOD_OK->setText(tr("Übernehmen"));
    B_PERIOD_NO->setText(tr("Verwerfen"));
    B_NOTE_OK->setText(tr("Speichern"));
    B_NOTE_NO->setText(tr("Verwerfen"));
    L_KILL->setText(Q(t.delete_question));
    B_KILL_OK->setText(tr("Löschen"));
    B_KILL_NO->setText(tr("Nein"));
    const QString nr[] = {tr("Datum"),   tr("Zeit"), tr("Dauer"),
                          tr("Strecke"), tr("Puls"), tr("Temperatur")};
    for (std::size_t i = 0; i < L_NR.size(); ++i) L_NR[i]->setText(nr[i]);
    const QString kinds[] = {tr("Laufen"), tr("Schwimmen"), tr("Rad"), tr("Ski"), tr("Sonstiges")};
    for (std::size_t i = 0; i < NR_KIND.size(); ++i) NR_KIND[i]->setText(kinds[i]);
    B_NR_OK->setText(tr("Übernehmen"));
    setWindowTitle(Q(diary_.Caption(app_.settings)));
    if (!opening_ && isVisible()) diary_.Rebuild(app_.trips, app_.settings);
    table->refresh();
}

void TForm3::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

bool TForm3::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !opening_) activate(false);
    return QWidget::event(e);
}

void TForm3::openFromMainWindow() {
    opening_ = true;
    show();
    raise();
    activate(true);
    opening_ = false;
}

void TForm3::activate(bool from_main_window) {
    QProgressDialog progress(tr("BITTE WARTEN"), QString(), 0, 100, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    auto scratch = std::make_unique<Trip>();  // the current trip stays as it is
    diary_.Activate(
        app_.trips, app_.settings, *scratch, from_main_window,
        [&](std::size_t done, std::size_t total) {
            progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
            progress.setValue(static_cast<int>(done));
        },
        &app_.info);
    if (from_main_window && !diary_.period().set()) diary_.SetListPeriod(app_.trips.list);
    std::string error;
    if (app_.trips.modified()) app_.SaveTripsIfModified(&error);
    refresh();
    const int visible = std::max(1, SG_DB->viewport()->height() / 20);
    SG_DB->scrollTo(table->index(diary_.TopRow(visible), 0), QAbstractItemView::PositionAtTop);
}

void TForm3::refresh() {
    setWindowTitle(Q(diary_.Caption(app_.settings)));
    SB_SEL_ALL->setChecked(diary_.select_all_pressed());
    SB_SEL_ALL->setToolTip(Q(diary_.SelectAllHint(app_.settings)));
    table->refresh();
    SG_DB->resizeColumnsToContents();
    app_.selection = diary_.MarkedLines(app_.trips.list);
}

int TForm3::currentRow() const {
    const QModelIndex i = SG_DB->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TForm3::hidePanels() {
    for (QWidget* w : {static_cast<QWidget*>(P_NOTE), static_cast<QWidget*>(P_KILL),
                       static_cast<QWidget*>(P_PERIOD), static_cast<QWidget*>(LB_SORT),
                       static_cast<QWidget*>(E_SEARCH)})
        w->hide();
}

void TForm3::sortChosen(int entry) {
    if (entry < 0 || entry > static_cast<int>(SortKey::Weight)) return;
    diary_.Sort(static_cast<SortKey>(entry), sort_ascending_, app_.trips, app_.settings);
    LB_SORT->hide();
    refresh();
}

void TForm3::cellClicked(const QModelIndex& index) {
    const int row = index.row(), col = index.column();
    L_MSG->clear();
    if (P_NR->isVisible()) {
        // while the entry panel is open a click on an "NR" entry edits it, any other closes
        fillEntryPanel(row);
        return;
    }
    const std::optional<int> comment = diary_.grid().GridColumnOf(DiaryColumn::Comment);
    if (comment && col == *comment && diary_.EntryOfRow(row)) {
        openNote(row);
        return;
    }
    diary_.ClickCell(row, col, app_.trips.list);
    if (diary_.period_pick() != PeriodPick::Off) L_MSG->setText(Q(diary_.PeriodPickPrompt()));
    refresh();
}

void TForm3::cellDoubleClicked(const QModelIndex& index) {
    if (index.row() != kDiaryTitleRow) return;
    diary_.SortByTitle(index.column(), app_.trips, app_.settings);
    refresh();
}

void TForm3::openNote(int row) {
    const std::string* line = diary_.LineOfRow(app_.trips.list, row);
    if (!line) return;
    const NotePanel n = NotePanelOfLine(*line);
    note_row_ = row;
    M_NOTE->setPlainText(Q(n.note));
    E_COMMENT2->setText(Q(n.comment2));
    if (n.select_for_overwrite) M_NOTE->selectAll();
    const QRect cell = SG_DB->visualRect(table->index(row, 1));
    P_NOTE->adjustSize();
    P_NOTE->move(SG_DB->mapTo(this, cell.bottomLeft()) + QPoint(0, 2));
    P_NOTE->show();
    P_NOTE->raise();
    M_NOTE->setFocus();
}

void TForm3::saveNote() {
    const NoteSave r =
        diary_.SaveNote(app_.trips, app_.settings, note_row_, M_NOTE->toPlainText().toStdString(),
                        E_COMMENT2->text().toStdString(), 0, *app_.trip);
    if (!r.message.empty()) L_MSG->setText(Q(r.message));
    P_NOTE->hide();
    refresh();
}

void TForm3::SB_GRAFClick() {
    const int row = currentRow();
    if (row < 0 || !diary_.EntryOfRow(row)) return;
    const DiaryTripOpen r = diary_.OpenTrip(app_.trips, app_.settings, row, *app_.trip);
    refresh();
    if (!r.ok) {
        L_MSG->setText(Q(r.message));
        return;
    }
    const std::string* line = diary_.LineOfRow(app_.trips.list, row);
    const std::string path =
        app_.trips.paths.rider_folder + "/" + BaseNameOfLine(line ? *line : "") + ".DEO";
    if (openTripView) openTripView(path, Q(r.title));
}

void TForm3::SB_AWClick() {
    if (!SB_AW->isChecked()) {
        P_SUM->hide();
        return;
    }
    const int row = currentRow();
    if (row < 0 || !diary_.EntryOfRow(row)) {
        SB_AW->setChecked(false);
        return;
    }
    const SummaryOverlay r = diary_.ShowSummaryOverlay(app_.trips, app_.settings,
                                                       TranslatedSummaryLabels(), row, *app_.trip);
    if (!r.ok) {
        SB_AW->setChecked(false);
        L_MSG->setText(Q(r.message));
        return;
    }
    QStringList lines;
    for (const std::string& l : r.evaluation.lines) lines << Q(l);
    L_SUM->setText(lines.join(QLatin1Char('\n')));
    P_SUM->adjustSize();
    const QRect cell = SG_DB->visualRect(table->index(row, 2));
    P_SUM->move(SG_DB->mapTo(this, cell.bottomLeft()) + QPoint(0, 2));
    P_SUM->show();
    P_SUM->raise();
    refresh();
}

void TForm3::SB_TRIP_KILLClick() {
    const int row = currentRow();
    diary_.ClearMarks();
    refresh();
    if (row < 0 || !diary_.EntryOfRow(row)) return;
    kill_row_ = row;
    P_KILL->adjustSize();
    const QRect cell = SG_DB->visualRect(table->index(row, 0));
    P_KILL->move(SG_DB->mapTo(this, cell.bottomLeft()) + QPoint(0, 2));
    P_KILL->show();
    P_KILL->raise();
}

void TForm3::SB_NO_RIDEClick() {
    if (!SB_NO_RIDE->isChecked()) {
        P_NR->hide();
        return;
    }
    edit_row_ = -1;
    NR_DATE->setDate(QDate::currentDate());
    NR_TIME->setTime(QTime(8, 0));
    NR_DURATION->setTime(QTime(1, 0));
    NR_DIST->clear();
    NR_HR->clear();
    NR_TEMP->clear();
    NR_NOTE->clear();
    for (QRadioButton* r : NR_KIND) {
        r->setAutoExclusive(false);  // an exclusive group cannot be cleared otherwise
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
    P_NR->adjustSize();
    P_NR->move(width() - P_NR->width() - 20, 60);
    P_NR->show();
    P_NR->raise();
}

void TForm3::fillEntryPanel(int row) {
    const std::string* line = diary_.LineOfRow(app_.trips.list, row);
    if (!line || !IsManualEntry(*line)) {
        P_NR->hide();
        SB_NO_RIDE->setChecked(false);
        return;
    }
    const ManualEntry e = ManualEntryOfLine(*line, app_.trips.store, app_.settings.unit_flags);
    edit_row_ = row;
    NR_DATE->setDate(QDate(e.year, e.month, e.day));
    NR_TIME->setTime(QTime(e.hour, e.minute));
    NR_DURATION->setTime(QTime(0, 0).addSecs(std::clamp(e.duration_s, 0, 86399)));
    NR_DIST->setText(QString::number(e.distance, 'f', 2));
    NR_HR->setText(QString::number(e.heart_rate, 'f', 0));
    NR_TEMP->setText(QString::number(e.temperature, 'f', 1));
    NR_NOTE->setPlainText(Q(e.note));
    for (int k = 0; k < 5; ++k) NR_KIND[static_cast<std::size_t>(k)]->setChecked(e.kind == k + 3);
}

void TForm3::acceptEntry() {
    ManualEntry e;
    const QDate d = NR_DATE->date();
    e.year = d.year();
    e.month = d.month();
    e.day = d.day();
    e.hour = NR_TIME->time().hour();
    e.minute = NR_TIME->time().minute();
    e.duration_s = QTime(0, 0).secsTo(NR_DURATION->time());
    const auto dist = ParseDiaryNumber(NR_DIST->text().toStdString());
    const auto hr = ParseDiaryNumber(NR_HR->text().toStdString());
    const auto temp = ParseDiaryNumber(NR_TEMP->text().toStdString());
    if (!dist || !hr || !temp) {
        L_MSG->setText(tr("Bitte nur Zahlen eingeben"));
        return;
    }
    e.distance = *dist;
    e.heart_rate = *hr;
    e.temperature = *temp;
    e.note = NR_NOTE->toPlainText().toStdString();
    for (int k = 0; k < 5; ++k)
        if (NR_KIND[static_cast<std::size_t>(k)]->isChecked()) e.kind = k + 3;
    if (const std::string why = CheckManualEntry(e); !why.empty()) {
        L_MSG->setText(CoreMessage(why));
        return;
    }
    const ManualEntrySave r = edit_row_ >= 0
                                  ? diary_.EditEntry(app_.trips, app_.settings, edit_row_, e)
                                  : diary_.AddEntry(app_.trips, app_.settings, e);
    if (!r.ok) {
        L_MSG->setText(Q(r.message));
        return;
    }
    P_NR->hide();
    SB_NO_RIDE->setChecked(false);
    refresh();
}

void TForm3::SB_SEL_ALLClick() {
    diary_.ToggleSelectAll(app_.trips.list);
    refresh();
}

void TForm3::SB_SEL_ALLRightClick() {
    diary_.StepSportFilter();
    const char* sports[] = {"POWER", "PULS RAD", "PULS LAUFEN"};
    L_MSG->setText(QString::fromLatin1(sports[std::clamp(diary_.sport_filter(), 0, 2)]));
}

void TForm3::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_F1:
            hidePanels();
            E_SEARCH->clear();
            E_SEARCH->setGeometry(20, 60, 300, 26);
            E_SEARCH->show();
            E_SEARCH->raise();
            E_SEARCH->setFocus();
            return;
        case Qt::Key_F2: {
            hidePanels();
            const DiaryPeriod& p = diary_.period();
            if (p.set()) {
                ED_FROM->setDate(QDate::fromString(Q(p.start), QStringLiteral("yyyyMMdd")));
                ED_TO->setDate(QDate::fromString(Q(p.end), QStringLiteral("yyyyMMdd")));
            }
            P_PERIOD->adjustSize();
            P_PERIOD->move(20, 60);
            P_PERIOD->show();
            P_PERIOD->raise();
            return;
        }
        case Qt::Key_F3:
            if (diary_.BeginPeriodPick()) L_MSG->setText(Q(diary_.PeriodPickPrompt()));
            return;
        case Qt::Key_F5:
            if (showHelpPage) showHelpPage(1);
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

}  // namespace vx
