#include "views/ui/tform30.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cstdio>

#include "app/language_file.h"
#include "app/ui/help_window.h"
#include "app/ui/summary_texts.h"
#include "trip/cp1252.h"
#include "trip/deo_file.h"

namespace vx {

namespace {

constexpr int kCurveTypes[] = {1, 2, 3, 4, 0, 5, 6, 9};  // SK_0 .. SK_6, SK_9 in strip order

std::optional<ViewKey> KeyOf(int key, int* digit) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        *digit = key - Qt::Key_0;
        return ViewKey::Digit;
    }
    switch (key) {
        case Qt::Key_F1:
            return ViewKey::F1;
        case Qt::Key_F2:
            return ViewKey::F2;
        case Qt::Key_F3:
            return ViewKey::F3;
        case Qt::Key_F4:
            return ViewKey::F4;
        case Qt::Key_F5:
            return ViewKey::F5;
        case Qt::Key_F6:
            return ViewKey::F6;
        case Qt::Key_F7:
            return ViewKey::F7;
        case Qt::Key_F8:
            return ViewKey::F8;
        case Qt::Key_F9:
            return ViewKey::F9;
        case Qt::Key_PageUp:
            return ViewKey::PageUp;
        case Qt::Key_PageDown:
            return ViewKey::PageDown;
        case Qt::Key_Left:
            return ViewKey::Left;
        case Qt::Key_Right:
            return ViewKey::Right;
        case Qt::Key_Up:
            return ViewKey::Up;
        case Qt::Key_Down:
            return ViewKey::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ViewKey::Enter;
        default:
            return ViewKey::Other;
    }
}

}  // namespace

TForm30::TForm30(AppState& app, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), model_(*app.trip, app.settings) {
    setObjectName(QStringLiteral("TForm30"));
    setWindowTitle(QStringLiteral("SHOW_1"));
    build();
    retranslate();
    resize(1200, 760);
}

void TForm30::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Show1 = new TripPlot(model_, this);
    layout->addWidget(Show1, 1);
    P_SEL = new QFrame(this);
    P_SEL->setObjectName(QStringLiteral("P_SEL"));
    auto* strip = new QVBoxLayout(P_SEL);
    strip->setContentsMargins(4, 2, 4, 2);
    strip->setSpacing(2);
    auto* row1 = new QHBoxLayout;
    auto* row2 = new QHBoxLayout;
    strip->addLayout(row1);
    strip->addLayout(row2);
    layout->addWidget(P_SEL);

    auto button = [this](const char* name, QHBoxLayout* row) {
        auto* b = new CommandButton(QString::fromLatin1(name), P_SEL);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        return b;
    };
    SB_DT = button("SB_DT", row1);
    SB_DD = button("SB_DD", row1);
    SB_FT = button("SB_FT", row1);
    SB_L = button("SB_L", row1);
    SB_R = button("SB_R", row1);
    SB_ZI = button("SB_ZI", row1);
    SB_ZV = button("SB_ZV", row1);
    SB_AW = button("SB_AW", row1);
    SB_AT = button("SB_AT", row1);
    SB_SO = button("SB_SO", row1);
    SB_PP = button("SB_PP", row1);
    SB_MI = button("SB_MI", row1);
    SB_SR = button("SB_SR", row1);
    SB_PA = button("SB_PA", row1);
    SB_TP = button("SB_TP", row1);
    SB_IN = button("SB_IN", row1);
    SB_GL = button("SB_GL", row1);
    SB_PR = button("SB_PR", row1);
    SB_S15 = button("SB_S15", row1);
    SB_LZ = button("SB_LZ", row1);
    SB_DA = button("SB_DA", row1);
    SB_DB = button("SB_DB", row1);
    SB_LF = button("SB_LF", row1);
    SB_KAL = button("SB_KAL", row1);
    SB_KAL->hide();
    SB_DD->hide();
    row1->addStretch(1);
    for (int type : kCurveTypes) {
        SK[static_cast<std::size_t>(type)] =
            button(QStringLiteral("SK_%1")
                       .arg(type == 9 ? 9 : (type == 0 ? 4 : type - 1))
                       .toLatin1()
                       .constData(),
                   row2);
        CommandButton* b = SK[static_cast<std::size_t>(type)];
        b->setCheckable(true);
        connect(b, &QToolButton::clicked, this, [this, type] { SKClick(type); });
        connect(b, &CommandButton::rightClicked, this, [this, type] { SKRightClick(type); });
    }
    row2->addStretch(1);
    S_Time = new QLabel(P_SEL);
    S_Time->setObjectName(QStringLiteral("S_Time"));
    S_Time->setMinimumWidth(240);
    row2->addWidget(S_Time);
    S_STime = new QLabel(this);
    S_STime->setObjectName(QStringLiteral("S_STime"));
    S_STime->setStyleSheet(QStringLiteral("background: #ffffe0; padding: 1px 3px;"));
    S_STime->hide();

    // The displays, tools and sections of later features stay visibly disabled until then.
    for (CommandButton* b : {SB_AT, SB_SO, SB_PP, SB_MI, SB_SR, SB_PA, SB_TP, SB_IN, SB_GL, SB_PR,
                             SB_S15, SB_LZ, SB_DA, SB_LF})
        b->setEnabled(false);
    SB_DB->setEnabled(false);

    // summary panel
    ZDP = new QFrame(this);
    ZDP->setObjectName(QStringLiteral("ZDP"));
    ZDP->setFrameShape(QFrame::Panel);
    ZDP->setStyleSheet(QStringLiteral("QFrame#ZDP { background: #f4f4e8; }"));
    auto* zl = new QVBoxLayout(ZDP);
    zl->setSpacing(0);
    zl->setContentsMargins(6, 4, 6, 4);
    const char* names[] = {"ZD0", "ZD1", "ZD2", "ZD3", "ZD4", "ZD5", "ZD6",
                           "ZD7", "ZD8", "ZD9", "ZDA", "ZDB", "ZDC"};
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    for (int i = 0; i < 13; ++i) {
        ZD[static_cast<std::size_t>(i)] = new QLabel(ZDP);
        ZD[static_cast<std::size_t>(i)]->setObjectName(QString::fromLatin1(names[i]));
        ZD[static_cast<std::size_t>(i)]->setFont(mono);
        zl->addWidget(ZD[static_cast<std::size_t>(i)]);
    }
    ZDP_SB = new CommandButton(QStringLiteral("ZDP_SB"), ZDP);
    ZDP_SB->setText(QStringLiteral("X"));
    zl->addWidget(ZDP_SB, 0, Qt::AlignRight);
    ZDP->hide();
    connect(ZDP_SB, &QToolButton::clicked, this, [this] {
        model_.summary().Hide();
        ZDP->hide();
    });

    // curve settings panel
    P_EIN_SK = new QFrame(this);
    P_EIN_SK->setObjectName(QStringLiteral("P_EIN_SK"));
    P_EIN_SK->setFrameShape(QFrame::Panel);
    P_EIN_SK->setAutoFillBackground(true);
    auto* el = new QVBoxLayout(P_EIN_SK);
    CB_E = new QCheckBox(P_EIN_SK);
    CB_E->setObjectName(QStringLiteral("CB_E"));
    el->addWidget(CB_E);
    auto line = [&](QLabel*& label, QLineEdit*& edit, const char* name) {
        auto* row = new QHBoxLayout;
        label = new QLabel(P_EIN_SK);
        edit = new QLineEdit(P_EIN_SK);
        edit->setObjectName(QString::fromLatin1(name));
        row->addWidget(label);
        row->addWidget(edit);
        el->addLayout(row);
    };
    line(L_Max, Ein_MAX, "Ein_MAX");
    line(L_Min, Ein_MIN, "Ein_MIN");
    auto threshold = [&](QCheckBox*& check, QLineEdit*& edit, const char* cname,
                         const char* ename) {
        auto* row = new QHBoxLayout;
        check = new QCheckBox(P_EIN_SK);
        check->setObjectName(QString::fromLatin1(cname));
        edit = new QLineEdit(P_EIN_SK);
        edit->setObjectName(QString::fromLatin1(ename));
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& t) {
            if (t.contains(QLatin1Char(',')))
                edit->setText(QString(t).replace(QLatin1Char(','), QLatin1Char('.')));
        });
        row->addWidget(check);
        row->addWidget(edit);
        el->addLayout(row);
    };
    threshold(CB_HL1, E_HL1, "CB_HL1", "E_HL1");
    threshold(CB_HL2, E_HL2, "CB_HL2", "E_HL2");
    auto* gl = new QHBoxLayout;
    L_Gla = new QLabel(P_EIN_SK);
    CB_GLA = new QComboBox(P_EIN_SK);
    fillSmoothingList(10);
    CB_GLA->setObjectName(QStringLiteral("CB_GLA"));
    gl->addWidget(L_Gla);
    gl->addWidget(CB_GLA);
    el->addLayout(gl);
    L_EinMsg = new QLabel(P_EIN_SK);
    L_EinMsg->setStyleSheet(QStringLiteral("color: #b00000;"));
    L_EinMsg->setWordWrap(true);
    el->addWidget(L_EinMsg);
    auto* bl = new QHBoxLayout;
    BU_OK = new CommandButton(QStringLiteral("BU_OK"), P_EIN_SK);
    BU_NO = new CommandButton(QStringLiteral("BU_NO"), P_EIN_SK);
    bl->addWidget(BU_OK);
    bl->addWidget(BU_NO);
    el->addLayout(bl);
    P_EIN_SK->hide();
    connect(CB_GLA, &QComboBox::activated, this,
            [this](int level) { apply(model_.ChooseSmoothing(level)); });
    connect(BU_OK, &QToolButton::clicked, this, &TForm30::BU_OKClick);
    connect(BU_NO, &QToolButton::clicked, this, &TForm30::BU_NOClick);

    SB_GRUND = new CommandButton(QStringLiteral("SB_GRUND"), this);
    SB_GRUND->hide();
    connect(SB_GRUND, &QToolButton::clicked, this, &TForm30::SB_GRUNDClick);

    // help and note panel
    P_HILF = new QFrame(this);
    P_HILF->setObjectName(QStringLiteral("P_HILF"));
    P_HILF->setFrameShape(QFrame::Panel);
    auto* hl = new QVBoxLayout(P_HILF);
    M_HILF = new QTextBrowser(P_HILF);
    M_HILF->setObjectName(QStringLiteral("M_HILF"));
    hl->addWidget(M_HILF);
    C_HILF = new CommandButton(QStringLiteral("C_HILF"), P_HILF);
    C_HILF->setText(QStringLiteral("X"));
    hl->addWidget(C_HILF, 0, Qt::AlignRight);
    P_HILF->hide();
    connect(C_HILF, &QToolButton::clicked, P_HILF, &QWidget::hide);

    connect(SB_DT, &QToolButton::clicked, this, &TForm30::SB_DTClick);
    connect(SB_DD, &QToolButton::clicked, this, &TForm30::SB_DDClick);
    connect(SB_FT, &QToolButton::clicked, this, &TForm30::SB_FTClick);
    connect(SB_L, &QToolButton::clicked, this, &TForm30::SB_LClick);
    connect(SB_R, &QToolButton::clicked, this, &TForm30::SB_RClick);
    connect(SB_ZI, &QToolButton::clicked, this, &TForm30::SB_ZIClick);
    connect(SB_ZI, &CommandButton::rightClicked, this, &TForm30::SB_ZIRightClick);
    connect(SB_ZV, &QToolButton::clicked, this, &TForm30::SB_ZVClick);
    connect(SB_AW, &QToolButton::clicked, this, &TForm30::SB_AWClick);
    connect(SB_DB, &QToolButton::clicked, this, [this] {
        if (openDiary) openDiary();
    });
    Show1->onUpdate = [this](const ViewUpdate& u) { handle(u); };
    setFocusPolicy(Qt::StrongFocus);
}

void TForm30::retranslate() {
    auto set = [](CommandButton* b, const QString& caption, const QString& hint) {
        b->setText(caption);
        b->setToolTip(hint);
    };
    set(SB_DT, tr("Strecke"), tr("Skala (Zeit/Strecke)"));
    set(SB_DD, tr("Zeit"), tr("Skala (Zeit/Strecke)"));
    set(SB_FT, tr("Alles"), tr("Ganze Fahrt zeigen"));
    set(SB_L, QStringLiteral("<<"), tr("Seite zurück"));
    set(SB_R, QStringLiteral(">>"), tr("Seite vor"));
    set(SB_ZI, tr("Zoom"), tr("Linke Maustaste vergrößern / rechte verkleinern"));
    set(SB_ZV, tr("Bereich"), tr("Zoom wählbar"));
    set(SB_AW, tr("Auswertung"), tr("Auswertung Fahrt"));
    set(SB_AT, tr("Abschnitt"), tr("Auswertung Abschnitt"));
    set(SB_SO, tr("Sortiert"), tr("Sortiert Leistung, RPM, Geschwindigkeit, Puls"));
    set(SB_PP, tr("P/HF"), tr("Leistung / Puls"));
    set(SB_MI, tr("Mittel"), tr("Mittelwert"));
    set(SB_SR, tr("Gang"), tr("Geschwindigkeit/RPM (gewählter Gang)"));
    set(SB_PA, tr("Pausen"), tr("Pausen zeigen"));
    set(SB_TP, tr("Temp."), tr("Temperatur zeigen"));
    set(SB_IN, tr("Intervall"), tr("Intervalle zeigen"));
    set(SB_GL, tr("Zonen"), tr("Schwelle zeigen"));
    set(SB_PR, tr("Drehm."), tr("Drehmoment [Nm] / Rechtsklick % Leistung rechts"));
    set(SB_S15, tr("Steigung"), tr("Steigung zeigen (15 Datensätze)"));
    set(SB_LZ, tr("Lupe"), tr("Lupe / mehr mit Rechtsklick"));
    set(SB_DA, tr("Tabelle"), tr("Daten als Tabelle zeigen"));
    set(SB_DB, tr("Tagebuch"), tr("Tagebuch, um eine Fahrt zu wählen"));
    set(SB_LF, tr("Datei"), tr("Eine andere DEO-Datei laden"));
    set(SB_KAL, tr("Kalender"), tr("Kalender"));
    const QString na = tr(" (noch nicht verfügbar)");
    for (CommandButton* b : {SB_AT, SB_SO, SB_PP, SB_MI, SB_SR, SB_PA, SB_TP, SB_IN, SB_GL, SB_PR,
                             SB_S15, SB_LZ, SB_DA, SB_LF, SB_DB})
        if (!b->isEnabled()) b->setToolTip(b->toolTip() + na);
    CurveNames names;
    names.power = tr("Leistung").toStdString();
    names.cadence = tr("RPM").toStdString();
    names.speed = tr("Geschwindigkeit").toStdString();
    names.heart_rate = tr("Puls").toStdString();
    names.altitude = tr("Höhe").toStdString();
    names.gradient = tr("Steigung").toStdString();
    names.temperature = tr("Temperatur").toStdString();
    names.climb_rate = tr("Steigrate").toStdString();
    names.torque = tr("Drehmoment [Nm]").toStdString();
    const bool imperial = (app_.settings.unit_flags & kUnitFeetMiles) != 0;
    for (int type : kCurveTypes) {
        CommandButton* b = SK[static_cast<std::size_t>(type)];
        b->setText(QString::fromStdString(CurveButtonCaption(type, names, imperial)));
        b->setToolTip(tr("Zeigen / verbergen, Skalierung + Glättung"));
    }
    CB_E->setText(tr("sichtbar"));
    L_Max->setText(tr("Maximum"));
    L_Min->setText(tr("Minimum"));
    L_Gla->setText(tr("Glättung"));
    CB_HL1->setText(tr("Linie 1"));
    CB_HL2->setText(tr("Linie 2"));
    BU_OK->setText(tr("Übernehmen"));
    BU_NO->setText(tr("Verwerfen"));
    SB_GRUND->setText(tr("Einstellungen als Standard übernehmen"));
}

// The smoothing choices are the same in every language; altitude offers only the first seven.
void TForm30::fillSmoothingList(int entries) {
    static const char* const kLevels[] = {"   0",    "   3 SEC", "   5 SEC", " 10 SEC", " 15 SEC",
                                          " 20 SEC", " 30 SEC",  "  1 MIN",  "  2 MIN", "  4 MIN"};
    CB_GLA->clear();
    for (int i = 0; i < std::clamp(entries, 1, 10); ++i)
        CB_GLA->addItem(QString::fromLatin1(kLevels[i]));
}

void TForm30::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

bool TForm30::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(e);
}

void TForm30::showTrip(const std::string& path, const QString& title, bool from_diary) {
    path_ = path;
    title_ = title;
    model_.MarkFreshTrip();
    SB_DB->setVisible(from_diary);
    SB_LF->setVisible(!from_diary);
    show();
    raise();
    activateWindow();
    FormActivate();
}

void TForm30::FormActivate() {
    model_.Open();
    setWindowTitle(title_.isEmpty() ? QStringLiteral("SHOW_1") : title_);
    QFont f = font();
    f.setPointSize(width() >= 1100 ? 10 : 9);
    Show1->setFont(f);
    model_.SetImageSize(Show1->width(), Show1->height());
    model_.SetClockLabelWidth(Show1->fontMetrics().horizontalAdvance(QStringLiteral("00:00")));
    retranslate();
    refreshButtons();
    apply(Repaint::Scene);
}

void TForm30::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    P_EIN_SK->move(40, 60);
    P_HILF->setGeometry(width() / 2 - 250, 60, 500, std::max(200, height() / 2));
}

void TForm30::refreshButtons() {
    const SportButtons sb = model_.sport_buttons();
    SK[1]->setVisible(sb.power);
    const bool time = model_.axis_mode() == AxisMode::Time;
    SB_DT->setVisible(time);
    SB_DD->setVisible(!time);
    SB_DT->setEnabled(model_.DistanceAxisAvailable());
    SB_ZV->setEnabled(time);
    for (int type : kCurveTypes) {
        const auto curve = CurveOfType(type);
        if (curve)
            SK[static_cast<std::size_t>(type)]->setChecked(
                model_.visibility()[static_cast<std::size_t>(*curve)]);
    }
}

void TForm30::apply(Repaint r) {
    if (r == Repaint::Scene) Show1->invalidateScene();
    if (r != Repaint::None) Show1->update();
    refreshReadouts();
    refreshSummary();
    refreshButtons();
}

void TForm30::refreshReadouts() {
    const TripViewOverlay& o = model_.Overlay();
    S_Time->setText(QString::fromStdString(o.time_text));
    if (o.start_diff_text.empty() || !o.start_marker_x) {
        S_STime->hide();
    } else {
        S_STime->setText(QString::fromStdString(o.start_diff_text));
        S_STime->adjustSize();
        int x = *o.start_marker_x + 10;
        if (x + S_STime->width() > width()) x = *o.start_marker_x - 230;
        S_STime->move(std::max(0, x), 52);
        S_STime->show();
        S_STime->raise();
    }
    if (o.default_panel_shown) {
        SB_GRUND->adjustSize();
        SB_GRUND->move(o.default_panel_x, o.default_panel_y);
        SB_GRUND->show();
        SB_GRUND->raise();
    } else {
        SB_GRUND->hide();
    }
}

void TForm30::refreshSummary() {
    SummaryPanel& s = model_.summary();
    if (!s.shown) {
        ZDP->hide();
        return;
    }
    for (std::size_t i = 0; i < ZD.size() && i < s.lines.size(); ++i)
        ZD[i]->setText(QString::fromStdString(s.lines[i]));
    ZDP->adjustSize();
    if (!ZDP->isVisible()) ZDP->move(std::max(0, width() - ZDP->width() - 40), 60);
    ZDP->show();
    ZDP->raise();
}

void TForm30::handle(const ViewUpdate& u) {
    if (u.repaint == Repaint::Scene) Show1->invalidateScene();
    if (u.pointer) QCursor::setPos(Show1->mapToGlobal(QPoint(u.pointer->x, u.pointer->y)));
    switch (u.request) {
        case ViewRequest::Help:
            showHelpPage();
            break;
        case ViewRequest::NoteText:
            showNote();
            break;
        default:
            break;  // sections, metre panels and the diary statistics come with their features
    }
    refreshReadouts();
    refreshSummary();
    refreshButtons();
}

void TForm30::showHelpPage() {
    const std::string path =
        HelpPagePath(app_.trips.paths, app_.settings.language, kTripViewHelpPage, 0, false);
    if (path.empty() || !LoadHelpFile(M_HILF, QString::fromStdString(path))) return;
    P_HILF->show();
    P_HILF->raise();
}

void TForm30::showNote() {
    M_HILF->setPlainText(QString::fromStdString(Cp1252ToUtf8(NoteText(app_.trip->note))));
    P_HILF->show();
    P_HILF->raise();
}

void TForm30::keyPressEvent(QKeyEvent* e) {
    int digit = 0;
    const auto key = KeyOf(e->key(), &digit);
    const ViewUpdate u = model_.KeyDown(*key, digit);
    if (!u.consumed) {
        QWidget::keyPressEvent(e);
        return;
    }
    Show1->update();
    handle(u);
}

void TForm30::SB_DTClick() {
    apply(model_.ShowDistanceAxis());
}
void TForm30::SB_DDClick() {
    apply(model_.ShowTimeAxis());
}
void TForm30::SB_FTClick() {
    apply(model_.ShowWholeTrip());
}
void TForm30::SB_LClick() {
    apply(model_.PageBackward());
}
void TForm30::SB_RClick() {
    apply(model_.PageForward());
}
void TForm30::SB_ZIClick() {
    apply(model_.ZoomIn());
}
void TForm30::SB_ZIRightClick() {
    apply(model_.ZoomOut());
}
void TForm30::SB_ZVClick() {
    apply(model_.StartZoomSelection());
}

void TForm30::SB_AWClick() {
    model_.ShowTripSummary(TranslatedSummaryLabels());
    refreshSummary();
}

void TForm30::SKRightClick(int curve_type) {
    const auto curve = CurveOfType(curve_type);
    if (curve) apply(model_.ToggleCurve(*curve));
}

void TForm30::SKClick(int curve_type) {
    refreshButtons();  // a click only opens the panel; the state shows the visibility
    const auto form = model_.OpenCurveSettings(curve_type);
    if (!form) return;
    panel_form_ = form;
    CB_E->setChecked(form->visible);
    Ein_MAX->setText(QString::fromStdString(form->max_text).trimmed());
    L_Min->setVisible(form->has_min);
    Ein_MIN->setVisible(form->has_min);
    Ein_MIN->setReadOnly(form->min_read_only);
    Ein_MIN->setText(QString::fromStdString(form->min_text).trimmed());
    for (QWidget* w : {static_cast<QWidget*>(CB_HL1), static_cast<QWidget*>(E_HL1),
                       static_cast<QWidget*>(CB_HL2), static_cast<QWidget*>(E_HL2)})
        w->setVisible(form->has_thresholds);
    CB_HL1->setChecked(form->threshold_on[0]);
    CB_HL2->setChecked(form->threshold_on[1]);
    E_HL1->setText(QString::fromStdString(form->threshold_text[0]).trimmed());
    E_HL2->setText(QString::fromStdString(form->threshold_text[1]).trimmed());
    L_Gla->setVisible(form->has_smoothing);
    CB_GLA->setVisible(form->has_smoothing);
    fillSmoothingList(form->smoothing_entries > 0 ? form->smoothing_entries : 10);
    CB_GLA->setCurrentIndex(std::clamp(form->smoothing_level, 0, std::max(0, CB_GLA->count() - 1)));
    L_EinMsg->clear();
    P_EIN_SK->adjustSize();
    P_EIN_SK->show();
    P_EIN_SK->raise();
}

CurveSettingsForm TForm30::formFromPanel() const {
    CurveSettingsForm f = panel_form_.value_or(CurveSettingsForm{});
    f.visible = CB_E->isChecked();
    f.max_text = Ein_MAX->text().toStdString();
    f.min_text = Ein_MIN->text().toStdString();
    f.threshold_on = {CB_HL1->isChecked(), CB_HL2->isChecked()};
    f.threshold_text = {E_HL1->text().toStdString(), E_HL2->text().toStdString()};
    f.smoothing_level = CB_GLA->currentIndex();
    return f;
}

void TForm30::BU_OKClick() {
    const FormCheck check = model_.AcceptCurveSettings(formFromPanel());
    if (!check.ok) {
        L_EinMsg->setText(QString::fromStdString(check.message));
        return;
    }
    P_EIN_SK->hide();
    app_.WriteSettings();
    apply(Repaint::Scene);
}

void TForm30::BU_NOClick() {
    P_EIN_SK->hide();
    apply(model_.DiscardCurveSettings());
}

void TForm30::SB_GRUNDClick() {
    model_.ApplyVisibilityAsDefault();
    app_.WriteSettings();
    SB_GRUND->hide();
}

void TForm30::closeEvent(QCloseEvent* e) {
    const CloseOutcome out = model_.Close(path_);
    if (!out.error.empty()) std::fputs(out.error.c_str(), stderr);
    P_EIN_SK->hide();
    P_HILF->hide();
    e->accept();
}

bool RenderTripView(AppState& app, const std::string& deo_path, const std::string& png_path,
                    int width, int height, bool distance_axis, std::string* message) {
    const TripLoad load = ReadTripPath(deo_path, *app.trip, app.settings.current_zones());
    if (!load) {
        if (message) *message = deo_path + ": " + load.reason;
        return false;
    }
    TripViewModel model(*app.trip, app.settings);
    model.MarkFreshTrip();
    model.Open();
    model.SetImageSize(width, height);
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    {
        QFont f = QApplication::font();
        f.setPointSize(width >= 1100 ? 10 : 9);
        QFontMetrics fm(f);
        model.SetClockLabelWidth(fm.horizontalAdvance(QStringLiteral("00:00")));
    }
    if (distance_axis && model.ShowDistanceAxis() == Repaint::None) {
        if (message) *message = deo_path + ": the trip has no distance for a distance axis";
        return false;
    }
    PaintTripScene(image, model.Scene());
    if (!image.save(QString::fromStdString(png_path), "PNG")) {
        if (message) *message = png_path + ": cannot write the image";
        return false;
    }
    return true;
}

}  // namespace vx
