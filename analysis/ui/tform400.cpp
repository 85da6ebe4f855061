#include "analysis/ui/tform400.h"

#include <QEvent>
#include <QGridLayout>
#include <QShortcut>
#include <cmath>
#include <cstdio>

#include "trip/riders.h"
#include "views/curve_channels.h"

namespace vx {

namespace {

QString Format(const char* fmt, double v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, fmt, v);
    return QString::fromLatin1(buf).trimmed();
}

}  // namespace

TForm400::TForm400(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("TForm400"));
    auto* grid = new QGridLayout(this);
    L_Head = new QLabel(this);
    QFont f = L_Head->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    L_Head->setFont(f);
    grid->addWidget(L_Head, 0, 0, 1, 4);
    SEL_RAD = new QComboBox(this);
    SEL_RAD->setObjectName(QStringLiteral("SEL_RAD"));
    for (const BikePreset& b : kBikePresets) SEL_RAD->addItem(QString::fromUtf8(b.name));
    SEL_REIFEN = new QComboBox(this);
    SEL_REIFEN->setObjectName(QStringLiteral("SEL_REIFEN"));
    for (const TyrePreset& t : kTyrePresets) SEL_REIFEN->addItem(QString::fromUtf8(t.name));
    grid->addWidget(SEL_RAD, 1, 0, 1, 2);
    grid->addWidget(SEL_REIFEN, 1, 2, 1, 2);

    auto field = [&](QLineEdit*& e, const char* name, int row, int col) {
        auto* label = new QLabel(this);
        labels_.push_back(label);
        e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaximumWidth(100);
        // a typed decimal comma enters a point
        connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
            if (t.contains(QLatin1Char(','))) {
                const int pos = e->cursorPosition();
                e->setText(QString(t).replace(QLatin1Char(','), QLatin1Char('.')));
                e->setCursorPosition(pos);
            }
        });
        grid->addWidget(label, row, col * 2);
        grid->addWidget(e, row, col * 2 + 1);
    };
    field(E_GF, "E_GF", 2, 0);
    field(E_GR, "E_GR", 3, 0);
    field(E_GZ, "E_GZ", 4, 0);
    field(E_GVR, "E_GVR", 5, 0);
    field(E_GHR, "E_GHR", 6, 0);
    field(E_MZ, "E_MZ", 2, 1);
    field(E_RCWA, "E_RCWA", 3, 1);
    field(E_BCWA, "E_BCWA", 4, 1);
    field(E_CR, "E_CR", 5, 1);
    field(E_Wg, "E_Wg", 6, 1);
    field(E_Wv, "E_Wv", 7, 1);
    B_Wait = new QProgressBar(this);
    B_Wait->setObjectName(QStringLiteral("B_Wait"));
    B_Wait->hide();
    grid->addWidget(B_Wait, 8, 0, 1, 4);
    L_Msg = new QLabel(this);
    L_Msg->setStyleSheet(QStringLiteral("color: #b00000;"));
    grid->addWidget(L_Msg, 9, 0, 1, 4);
    B_TP = new QPushButton(this);
    B_TP->setObjectName(QStringLiteral("B_TP"));
    Do_NIX = new QPushButton(this);
    Do_NIX->setObjectName(QStringLiteral("Do_NIX"));
    grid->addWidget(B_TP, 10, 2);
    grid->addWidget(Do_NIX, 10, 3);

    connect(SEL_RAD, &QComboBox::activated, this, &TForm400::SEL_RADChange);
    connect(SEL_REIFEN, &QComboBox::activated, this, &TForm400::SEL_REIFENChange);
    connect(B_TP, &QPushButton::clicked, this, &TForm400::B_TPClick);
    connect(Do_NIX, &QPushButton::clicked, this, &TForm400::Do_NIXClick);
    retranslate();
}

void TForm400::retranslate() {
    setWindowTitle(QStringLiteral("DATEN zur LEISTUNGSBERECHNUNG"));
    L_Head->setText(tr("Grundlagen der Leistungsberechnung"));
    const QString texts[] = {tr("Fahrer [kg]"),
                             tr("Rad mit Laufrädern [kg]"),
                             tr("Gepäck, Kleidung [kg]"),
                             tr("Vorderrad [kg]"),
                             tr("Hinterrad [kg]"),
                             tr("Mittelungsbasis [s]"),
                             tr("cwA Fahrer [m²]"),
                             tr("cwA Rad [m²]"),
                             tr("Rollreibungsbeiwert"),
                             tr("Wirkungsgrad"),
                             tr("Wind [m/s]")};
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setText(texts[i]);
    B_TP->setText(tr("ÜBERNEHMEN"));
    Do_NIX->setText(tr("VERWERFEN"));
}

void TForm400::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

void TForm400::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

void TForm400::FormActivate() {
    file_ = ReadPowerModelFile(app_.trips.paths.power_model);
    app_.power_model = LoadPowerModelParams(file_, app_.settings.current(), app_.power_model);
    shown_ = app_.power_model;
    L_Msg->clear();
    B_Wait->hide();
    showParams();
}

void TForm400::showParams() {
    const PowerModelParams& p = shown_;
    SEL_RAD->setCurrentIndex(std::clamp(p.bike_type, 0, kBikeTypeCount - 1));
    SEL_REIFEN->setCurrentIndex(std::clamp(p.tyre, 0, kTyreCount - 1));
    E_GF->setText(Format("%8.1f", p.rider_kg));
    E_GR->setText(Format("%8.1f", p.bike_kg));
    E_GZ->setText(Format("%8.1f", p.load_kg));
    E_MZ->setText(Format("%8.0f", p.window_half));
    E_CR->setText(Format("%8.4f", p.rolling));
    E_RCWA->setText(Format("%8.4f", p.rider_cwa));
    E_BCWA->setText(Format("%8.4f", p.bike_cwa));
    E_GVR->setText(Format("%8.3f", p.front_wheel_kg));
    E_GHR->setText(Format("%8.3f", p.rear_wheel_kg));
    E_Wg->setText(Format("%8.3f", p.efficiency));
    E_Wv->setText(Format("%8.2f", p.wind_ms));
}

void TForm400::SEL_RADChange(int index) {
    PowerModelParams p = shown_;
    if (!takeFields(p)) p = shown_;
    SelectBikeType(p, file_, index, ValidRiderHeight(app_.settings.current().height_m));
    shown_ = p;
    showParams();
}

void TForm400::SEL_REIFENChange(int index) {
    PowerModelParams p = shown_;
    if (!takeFields(p)) p = shown_;
    ApplyTyre(p, index);
    shown_ = p;
    showParams();
}

bool TForm400::takeFields(PowerModelParams& p) {
    struct Field {
        QLineEdit* edit;
        float* value;
        double lo, hi;
    };
    const Field fields[] = {
        {E_GF, &p.rider_kg, 0, 400},      {E_GR, &p.bike_kg, 0, 100},
        {E_GZ, &p.load_kg, 0, 200},       {E_GVR, &p.front_wheel_kg, 0, 20},
        {E_GHR, &p.rear_wheel_kg, 0, 20}, {E_RCWA, &p.rider_cwa, 0, 5},
        {E_BCWA, &p.bike_cwa, 0, 5},      {E_CR, &p.rolling, 0, 1},
        {E_Wg, &p.efficiency, 0, 1.5},    {E_Wv, &p.wind_ms, -50, 50},
    };
    for (const Field& f : fields) {
        const auto v = ParseFieldNumber(f.edit->text().toStdString());
        if (!v || !std::isfinite(*v) || *v < f.lo || *v > f.hi) {
            L_Msg->setText(tr("Ungültiger Wert: %1").arg(f.edit->text()));
            f.edit->setFocus();
            return false;
        }
        *f.value = static_cast<float>(*v);
    }
    const auto n = ParseFieldNumber(E_MZ->text().toStdString());
    if (!n || *n < 1 || *n > kMaxModelWindowHalf) {
        L_Msg->setText(
            tr("Die Mittelungsbasis muss zwischen 1 und %1 liegen").arg(kMaxModelWindowHalf));
        return false;
    }
    p.window_half = static_cast<std::int32_t>(std::lround(*n));
    p.bike_type = SEL_RAD->currentIndex();
    p.tyre = SEL_REIFEN->currentIndex();
    p.efficiency = ValidEfficiency(p.efficiency);
    return true;
}

void TForm400::B_TPClick() {
    PowerModelParams p = shown_;
    if (!takeFields(p)) return;
    const Trip& trip = *app_.trip;
    if (!parameter_only_ && 2 * p.window_half + 2 > trip.count) {
        L_Msg->setText(tr("Die Fahrt ist zu kurz für diese Mittelungsbasis"));
        return;
    }
    AcceptBike(p, file_);
    std::string error;
    if (!WritePowerModelFile(app_.trips.paths.power_model, file_, &error))
        L_Msg->setText(QString::fromStdString(error));
    app_.power_model = p;
    shown_ = p;
    if (!parameter_only_) {
        B_Wait->show();
        const std::vector<float> mean = AltitudeMean(CurveSourceOf(*app_.trip));
        app_.model_run =
            ComputeModelPower(*app_.trip, mean, p, true, app_.base + "/" + kModelPowerCsvName,
                              [this](std::int32_t done, std::int32_t total) {
                                  B_Wait->setMaximum(std::max(1, total));
                                  B_Wait->setValue(done);
                              });
        app_.rewrite_pending = true;  // the view that shows the trip writes it back
        B_Wait->hide();
    }
    accept();
}

void TForm400::Do_NIXClick() {
    reject();
}

}  // namespace vx
