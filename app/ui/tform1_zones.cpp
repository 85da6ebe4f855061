// The main window's training-zone editor and its colour panel.
#include <QColorDialog>
#include <QMouseEvent>
#include <QProgressDialog>

#include "analysis/zone_refresh.h"
#include "app/ui/tform1.h"
#include "app/zone_editor.h"

namespace vx {

namespace {

QColor ColourOf(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void SetZoneName(ZoneName& n, const QString& text) {
    const QByteArray bytes = text.left(5).toLatin1();
    n.fill(0);
    for (int i = 0; i < bytes.size() && i < 5; ++i) n[static_cast<std::size_t>(i)] = bytes[i];
}

// Clicking a zone name opens the name field over it.
class ZoneNameLabel : public QLabel {
  public:
    ZoneNameLabel(QWidget* parent, std::function<void(QLabel*)> clicked)
        : QLabel(parent), clicked_(std::move(clicked)) {
        setFrameShape(QFrame::Panel);
        setCursor(Qt::IBeamCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent*) override { clicked_(this); }

  private:
    std::function<void(QLabel*)> clicked_;
};

}  // namespace

void TForm1::buildZoneEditor() {
    P_GLS = new QFrame(Central);
    P_GLS->setObjectName(QStringLiteral("P_GLS"));
    P_GLS->setGeometry(0, 0, 520, 264);
    CB_SEL_ART = new QComboBox(P_GLS);
    CB_SEL_ART->setObjectName(QStringLiteral("CB_SEL_ART"));
    CB_SEL_ART->setGeometry(10, 8, 190, 26);
    CB_SEL_ART->addItems({QStringLiteral("POWER  "), QStringLiteral("PULS      RAD"),
                          QStringLiteral("PULS      LAUFEN ")});
    L_Threshold = new QLabel(P_GLS);
    L_Threshold->setGeometry(220, 8, 80, 26);
    GLS_E0 = new QLineEdit(P_GLS);
    GLS_E0->setObjectName(QStringLiteral("GLS_E0"));
    GLS_E0->setGeometry(300, 8, 70, 26);
    GLS_RB1 = new QRadioButton(QStringLiteral("%"), P_GLS);
    GLS_RB1->setObjectName(QStringLiteral("GLS_RB1"));
    GLS_RB1->setGeometry(390, 8, 50, 26);
    GLS_RB1->setChecked(true);
    GLS_RB2 = new QRadioButton(QStringLiteral("ABSOLUT"), P_GLS);
    GLS_RB2->setObjectName(QStringLiteral("GLS_RB2"));
    GLS_RB2->setGeometry(440, 8, 80, 26);
    auto name_clicked = [this](QLabel* label) {
        E_Text->setGeometry(label->geometry());
        E_Text->setText(label->text());
        E_Text->setProperty("label", QVariant::fromValue(static_cast<QObject*>(label)));
        E_Text->show();
        E_Text->raise();
        E_Text->setFocus();
    };
    for (int k = 0; k < 7; ++k) {
        LT[k] = new ZoneNameLabel(P_GLS, name_clicked);
        LT[k]->setObjectName(k < 6 ? QStringLiteral("LT_0%1").arg(k + 1) : QStringLiteral("LT_0A"));
        LT[k]->setGeometry(10, 44 + k * 28, 80, 24);
    }
    for (int k = 0; k < 6; ++k) {
        GLS_E[k] = new QLineEdit(P_GLS);
        GLS_E[k]->setObjectName(QStringLiteral("GLS_E%1").arg(k + 1));
        GLS_E[k]->setGeometry(100, 44 + k * 28, 70, 24);
    }
    GLS_E11 = new QLineEdit(P_GLS);
    GLS_E11->setObjectName(QStringLiteral("GLS_E11"));
    GLS_E11->setGeometry(100, 44 + 6 * 28, 70, 24);
    GLS_E12 = new QLineEdit(P_GLS);
    GLS_E12->setObjectName(QStringLiteral("GLS_E12"));
    GLS_E12->setGeometry(180, 44 + 6 * 28, 70, 24);
    E_Text = new QLineEdit(P_GLS);
    E_Text->setObjectName(QStringLiteral("E_Text"));
    E_Text->setMaxLength(5);
    E_Text->hide();
    E_Text->installEventFilter(this);
    L_Wait = new QLabel(P_GLS);
    L_Wait->setGeometry(280, 120, 220, 30);
    L_Wait->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    L_Wait->hide();
    GLS_OK = new QPushButton(P_GLS);
    GLS_OK->setObjectName(QStringLiteral("GLS_OK"));
    GLS_OK->setGeometry(280, 226, 110, 30);
    GLS_NOT_OK = new QPushButton(P_GLS);
    GLS_NOT_OK->setObjectName(QStringLiteral("GLS_NOT_OK"));
    GLS_NOT_OK->setGeometry(400, 226, 110, 30);
    P_GLS->hide();

    connect(E_Text, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(E_Text->property("label").value<QObject*>()))
            label->setText(text.left(5));
    });
    connect(E_Text, &QLineEdit::returnPressed, E_Text, &QLineEdit::hide);
    connect(CB_SEL_ART, &QComboBox::currentIndexChanged, this, &TForm1::CB_SEL_ARTChange);
    connect(GLS_RB1, &QRadioButton::clicked, this, &TForm1::GLS_RBClick);
    connect(GLS_RB2, &QRadioButton::clicked, this, &TForm1::GLS_RBClick);
    connect(GLS_OK, &QPushButton::clicked, this, &TForm1::GLS_OKClick);
    connect(GLS_NOT_OK, &QPushButton::clicked, this, &TForm1::GLS_NOT_OKClick);
}

void TForm1::openZoneEditor() {
    hidePanels();
    zone_sport_ = 0;
    for (int t = 0; t < kSportTypeCount; ++t)
        if (!(app_.zones_defined & (1 << t))) {
            zone_sport_ = t;
            break;
        }
    CB_SEL_ART->blockSignals(true);
    CB_SEL_ART->setCurrentIndex(zone_sport_);
    CB_SEL_ART->blockSignals(false);
    showZoneFields();
    info(tr("Die Zonen 1 bis 6 aufsteigend eingeben"));
    info(tr("Zone A von bis eingeben"));
    info(tr("Eine Zone entfällt, wenn das Feld leer ist"));
    info(tr("Die Zonen können mit einem Rechtsklick geändert werden"));
    LB_INFO->scrollToBottom();
    P_GLS->show();
}

void TForm1::showZoneFields() {
    ZoneEntry& entry = app_.settings.zones[app_.settings.current_rider][zone_sport_];
    ResetImplausibleZones(entry);
    const ZoneEditorFields f = ShowZoneFields(entry, GLS_RB2->isChecked());
    GLS_E0->setText(QString::fromStdString(f.threshold));
    for (int k = 0; k < 6; ++k) GLS_E[k]->setText(QString::fromStdString(f.bounds[k]));
    GLS_E11->setText(QString::fromStdString(f.zone_a_from));
    GLS_E12->setText(QString::fromStdString(f.zone_a_to));
    GLS_E11->setVisible(zone_sport_ == 0);
    GLS_E12->setVisible(zone_sport_ == 0);
    LT[6]->setVisible(zone_sport_ == 0);
    for (int k = 0; k < 6; ++k)
        LT[k]->setText(QString::fromStdString(ZoneNameText(app_.settings.zone_names[k + 1])));
    LT[6]->setText(QString::fromStdString(ZoneNameText(app_.settings.zone_names[9])));
    E_Text->hide();
}

void TForm1::CB_SEL_ARTChange(int index) {
    zone_sport_ = std::clamp(index, 0, kSportTypeCount - 1);
    showZoneFields();
}

void TForm1::GLS_RBClick() {
    showZoneFields();
}

void TForm1::GLS_NOT_OKClick() {
    hidePanels();
}

void TForm1::GLS_OKClick() {
    ZoneEntry& entry = app_.settings.zones[app_.settings.current_rider][zone_sport_];
    ZoneEditorFields f;
    f.threshold = GLS_E0->text().toStdString();
    for (int k = 0; k < 6; ++k) f.bounds[k] = GLS_E[k]->text().toStdString();
    if (zone_sport_ == 0) {
        f.zone_a_from = GLS_E11->text().toStdString();
        f.zone_a_to = GLS_E12->text().toStdString();
    } else {
        const ZoneEditorFields shown = ShowZoneFields(entry, GLS_RB2->isChecked());
        f.zone_a_from = shown.zone_a_from;
        f.zone_a_to = shown.zone_a_to;
    }
    const ZoneAccept r = AcceptZoneFields(entry, zone_sport_, f, GLS_RB2->isChecked());
    if (!r.ok) {
        showMessage(r.refusal == ZoneRefusal::Threshold
                        ? tr("Die Schwelle muss zwischen %1 und %2 liegen.")
                              .arg(r.threshold_min)
                              .arg(r.threshold_max)
                        : tr("Bitte mindestens eine Zonengrenze eingeben."));
        return;
    }
    L_Wait->show();
    entry = r.entry;
    for (int k = 0; k < 6; ++k) SetZoneName(app_.settings.zone_names[k + 1], LT[k]->text());
    SetZoneName(app_.settings.zone_names[9], LT[6]->text());
    app_.WriteSettings();
    if (r.bound1_changed && app_.trips.list.lines.size() > 1) {
        app_.marked.clear();
        for (const std::string& line : app_.trips.list.lines)
            if (line.size() > 15) app_.marked.push_back(line);
        QProgressDialog progress(tr("BITTE WARTEN"), QString(), 0, 100, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(300);
        RefreshAllZoneTimes(app_.trips, app_.settings, [&](std::size_t done, std::size_t total) {
            progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
            progress.setValue(static_cast<int>(done));
        });
        saveTrips();
    }
    L_Wait->hide();
    app_.zones_defined = static_cast<std::uint8_t>(app_.zones_defined | (1 << zone_sport_));
    flushInfo();
    if (app_.zones_defined != 0x07)
        openZoneEditor();
    else
        hidePanels();
}

// --- colours ---

void TForm1::buildColourPanel() {
    P_COL = new QFrame(Central);
    P_COL->setObjectName(QStringLiteral("P_COL"));
    P_COL->setGeometry(0, 0, 520, 264);
    CB_Color = new QComboBox(P_COL);
    CB_Color->setObjectName(QStringLiteral("CB_Color"));
    CB_Color->setGeometry(20, 20, 220, 28);
    CB_Col_GL = new QComboBox(P_COL);
    CB_Col_GL->setObjectName(QStringLiteral("CB_Col_GL"));
    CB_Col_GL->setGeometry(20, 70, 220, 28);
    L_ColorSample = new QLabel(P_COL);
    L_ColorSample->setGeometry(260, 20, 60, 78);
    L_ColorSample->setAutoFillBackground(true);
    SB_OMA = new QPushButton(P_COL);
    SB_OMA->setObjectName(QStringLiteral("SB_OMA"));
    SB_OMA->setGeometry(20, 226, 240, 30);
    SB_COL_OK = new QPushButton(P_COL);
    SB_COL_OK->setObjectName(QStringLiteral("SB_COL_OK"));
    SB_COL_OK->setGeometry(380, 226, 120, 30);
    P_COL->hide();
    connect(CB_Color, &QComboBox::activated, this, [this](int i) {
        if (i < 0 || i >= 15) return;
        std::int32_t& slot = app_.settings.colours[static_cast<std::size_t>(i)];
        const QColor c = pickColour(ColourOf(slot));
        if (c.isValid()) slot = Rgb(c.red(), c.green(), c.blue());
        showColourSample();
    });
    connect(CB_Col_GL, &QComboBox::activated, this, [this](int i) {
        if (i < 0 || i >= 7) return;
        std::int32_t& slot = app_.settings.zone_colours[static_cast<std::size_t>(i)];
        const QColor c = pickColour(ColourOf(slot));
        if (c.isValid()) slot = Rgb(c.red(), c.green(), c.blue());
        showColourSample();
    });
    connect(SB_OMA, &QPushButton::clicked, this, &TForm1::SB_OMAClick);
    connect(SB_COL_OK, &QPushButton::clicked, this, &TForm1::SB_COL_OKClick);
}

void TForm1::SB_SET_COLClick() {
    openColourPanel();
}

void TForm1::openColourPanel() {
    hidePanels();
    ZoneName& first = app_.settings.zone_names[0];
    if (first[0] == ' ') SetZoneName(first, QStringLiteral("NULL"));
    CB_Col_GL->clear();
    for (int i = 0; i < 7; ++i)
        CB_Col_GL->addItem(QString::fromStdString(ZoneNameText(app_.settings.zone_names[i])));
    showColourSample();
    P_COL->show();
}

void TForm1::showColourSample() {
    const int i = std::clamp(CB_Color->currentIndex(), 0, 14);
    QPalette p = L_ColorSample->palette();
    p.setColor(QPalette::Window, ColourOf(app_.settings.colours[static_cast<std::size_t>(i)]));
    L_ColorSample->setPalette(p);
    update();
}

void TForm1::SB_OMAClick() {
    const Settings defaults = DefaultSettings();
    app_.settings.colours = defaults.colours;
    app_.settings.zone_colours = defaults.zone_colours;
    showColourSample();
}

void TForm1::SB_COL_OKClick() {
    app_.WriteSettings();
    openToolPanel();
}

}  // namespace vx
