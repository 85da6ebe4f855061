// The main window's rider and bike settings panel and its language and units panel.
#include <cstdio>

#include "app/language_file.h"
#include "app/ui/tform1.h"
#include "app/units.h"
#include "trip/riders.h"

namespace vx {

namespace {

QString Format(const char* fmt, double v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, fmt, v);
    return QString::fromLatin1(buf);
}

double FieldOr(const QLineEdit* e, double fallback, bool* ok) {
    const auto v = ParseFieldNumber(e->text().toStdString());
    if (!v) {
        *ok = false;
        return fallback;
    }
    return *v;
}

void SetBit(std::uint8_t& flags, std::uint8_t bit, bool on) {
    flags = on ? static_cast<std::uint8_t>(flags | bit) : static_cast<std::uint8_t>(flags & ~bit);
}

}  // namespace

void TForm1::buildDevicePanel() {
    P_U_DATA = new QFrame(Central);
    P_U_DATA->setObjectName(QStringLiteral("P_U_DATA"));
    P_U_DATA->setGeometry(0, 0, 520, 264);
    for (int i = 0; i < 6; ++i) {
        L_ED[i] = new QLabel(P_U_DATA);
        L_ED[i]->setGeometry(8, 6 + i * 30, 120, 26);
        ED[i] = new QLineEdit(P_U_DATA);
        ED[i]->setObjectName(QStringLiteral("ED_%1").arg(i + 1));
        ED[i]->setGeometry(130, 6 + i * 30, 70, 26);
    }
    ED[1]->setReadOnly(true);  // the threshold is edited in the zone editor
    const QStringList choices[10] = {
        {QStringLiteral("  KG"), QStringLiteral(" LBS")},
        {QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("   5"),
         QStringLiteral(" 10 "), QStringLiteral(" 15 "), QStringLiteral(" 30")},
        {QStringLiteral("23:59"), QStringLiteral("AM/PM")},
        {QStringLiteral("TT.MM:JJ"), QStringLiteral("MM/DD/YY")},
        {QStringLiteral("METER ,  KM"), QStringLiteral("FEET, MILES")},
        {QStringLiteral(" BIKE 1 "), QStringLiteral(" BIKE 2 "), QStringLiteral(" BIKE 3 "),
         QStringLiteral(" BIKE 4 "), QStringLiteral(" BIKE 5")},
        {QStringLiteral("CELSIUS"), QStringLiteral("FAHRENHEIT")},
        {QStringLiteral("   0"), QStringLiteral("   1"), QStringLiteral("   2"),
         QStringLiteral("   3"), QStringLiteral("   4"), QStringLiteral("   5"),
         QStringLiteral("   6"), QStringLiteral("   7"), QStringLiteral("   8")},
        {QStringLiteral("   KEINE"), QStringLiteral("  GERING"), QStringLiteral(" NORMAL"),
         QStringLiteral("   STARK"), QStringLiteral("SEHR STARK")},
        {QStringLiteral("   WATT"), QStringLiteral("Watt/kg")},
    };
    for (int i = 0; i < 10; ++i) {
        const int col = i / 5, row = i % 5;
        L_RB[i] = new QLabel(P_U_DATA);
        L_RB[i]->setGeometry(212 + col * 154, 6 + row * 40, 150, 16);
        RB[i] = new QComboBox(P_U_DATA);
        RB[i]->setObjectName(QStringLiteral("RB_%1").arg(i + 1));
        RB[i]->setGeometry(212 + col * 154, 22 + row * 40, 146, 22);
        RB[i]->addItems(choices[i]);
    }
    ED_OK = new QPushButton(P_U_DATA);
    ED_OK->setObjectName(QStringLiteral("ED_OK"));
    ED_OK->setGeometry(8, 226, 190, 30);
    ED_NO = new QPushButton(P_U_DATA);
    ED_NO->setObjectName(QStringLiteral("ED_NO"));
    ED_NO->setGeometry(212, 226, 146, 30);
    P_U_DATA->hide();

    connect(ED[0], &QLineEdit::textEdited, this, [this] { weight_edited_ = true; });
    connect(RB[0], &QComboBox::currentIndexChanged, this, &TForm1::RB_1Change);
    connect(RB[4], &QComboBox::currentIndexChanged, this, &TForm1::RB_5Change);
    connect(RB[5], &QComboBox::currentIndexChanged, this, &TForm1::RB_6Change);
    connect(ED_OK, &QPushButton::clicked, this, &TForm1::ED_OKClick);
    connect(ED_NO, &QPushButton::clicked, this, &TForm1::hidePanels);
}

void TForm1::openDevicePanel() {
    hidePanels();
    const RiderRecord& r = app_.settings.current();
    for (QComboBox* b : RB) b->blockSignals(true);
    const std::uint8_t bytes[10] = {
        r.weight_unit,   r.recording_interval, r.time_display,  r.date_display, r.length_units,
        r.selected_bike, r.temperature_unit,   r.power_damping, r.hr_damping,   r.power_display};
    for (int i = 0; i < 10; ++i)
        RB[i]->setCurrentIndex(std::min<int>(bytes[i], RB[i]->count() - 1));
    RB[9]->setItemText(1, r.weight_unit ? QStringLiteral("Watt/lbs") : QStringLiteral("Watt/kg"));
    for (QComboBox* b : RB) b->blockSignals(false);
    ED[0]->setText(Format("%5.0f", r.weight_kg * WeightFactor(r.weight_unit != 0)));
    ED[1]->setText(Format("%5.0f", app_.settings.current_zones()[0][0]));
    ED[2]->setText(Format("%5.0f", r.device_altitude_m * AltitudeFactor(r.length_units != 0)));
    weight_edited_ = false;
    device_bike_ = RB[5]->currentIndex();
    showDeviceBike(device_bike_);
    retranslate();
    P_U_DATA->show();
}

void TForm1::showDeviceBike(int bike) {
    const Bike& b = app_.settings.current().bikes[static_cast<std::size_t>(bike)];
    ED[3]->setText(Format("%8.1f", b.offset_x10 * 0.1));
    ED[4]->setText(Format("%8.0f", b.k_factor));
    ED[5]->setText(Format("%8.0f", b.wheel_mm));
}

void TForm1::storeDeviceBike(int bike) {
    Bike& b = app_.settings.current().bikes[static_cast<std::size_t>(bike)];
    bool ok = true;
    const double offset = FieldOr(ED[3], b.offset_x10 * 0.1, &ok);
    const double k = FieldOr(ED[4], b.k_factor, &ok);
    const double wheel = FieldOr(ED[5], b.wheel_mm, &ok);
    if (!ok) return;
    b.offset_x10 = static_cast<float>(offset * 10);
    b.k_factor = static_cast<float>(k);
    b.wheel_mm = static_cast<float>(wheel);
}

void TForm1::RB_1Change(int index) {
    bool ok = true;
    const double shown = FieldOr(ED[0], 0, &ok);
    if (ok) {
        const double kg = shown / WeightFactor(index == 0);  // the unit before the change
        ED[0]->setText(Format("%8.0f", kg * WeightFactor(index == 1)));
    }
    RB[9]->setItemText(1, index ? QStringLiteral("WATT/LBS") : QStringLiteral("WATT/KG"));
}

void TForm1::RB_5Change(int index) {
    bool ok = true;
    const double shown = FieldOr(ED[2], 0, &ok);
    if (ok)
        ED[2]->setText(
            Format("%5.0f", shown / AltitudeFactor(index == 0) * AltitudeFactor(index == 1)));
    const QString label = L_ED[2]->text().section(QLatin1Char(' '), 0, 0);
    L_ED[2]->setText(label + (index ? QStringLiteral(" [ft]") : QStringLiteral(" [m]")));
}

void TForm1::RB_6Change(int index) {
    storeDeviceBike(device_bike_);
    device_bike_ = index;
    showDeviceBike(index);
}

void TForm1::ED_OKClick() {
    RiderRecord& r = app_.settings.current();
    bool ok = true;
    const double weight = FieldOr(ED[0], 0, &ok);
    const double altitude = FieldOr(ED[2], 0, &ok);
    if (!ok || weight < 0) {
        showMessage(tr("Bitte nur Zahlen eingeben"));
        return;
    }
    // an unedited weight keeps its stored value: the field shows it rounded
    if (weight_edited_)
        r.weight_kg = static_cast<float>(weight / WeightFactor(RB[0]->currentIndex() == 1));
    r.device_altitude_m = static_cast<float>(altitude / AltitudeFactor(RB[4]->currentIndex() == 1));
    std::uint8_t* bytes[10] = {&r.weight_unit,      &r.recording_interval, &r.time_display,
                               &r.date_display,     &r.length_units,       &r.selected_bike,
                               &r.temperature_unit, &r.power_damping,      &r.hr_damping,
                               &r.power_display};
    for (int i = 0; i < 10; ++i)
        *bytes[i] = static_cast<std::uint8_t>(std::max(0, RB[i]->currentIndex()));
    storeDeviceBike(RB[5]->currentIndex());
    // all five unit choices of the panel reach the flags the other windows read
    SetBit(app_.settings.unit_flags, kUnitFeetMiles, r.length_units == 1);
    SetBit(app_.settings.unit_flags, kUnitFahrenheit, r.temperature_unit == 1);
    SetBit(app_.settings.unit_flags, kUnitPounds, r.weight_unit == 1);
    SetBit(app_.settings.unit_flags, kUnitAmPm, r.time_display == 1);
    SetBit(app_.settings.unit_flags, kUnitUsDate, r.date_display == 1);
    app_.WriteSettings();
    hidePanels();
    flushInfo();
}

// --- language and units ---

void TForm1::buildLanguagePanel() {
    P_SPR_WAHL = new QFrame(Central);
    P_SPR_WAHL->setObjectName(QStringLiteral("P_SPR_WAHL"));
    P_SPR_WAHL->setGeometry(0, 0, 520, 264);
    auto list = [this](const char* name, int row, const QStringList& items) {
        L_SPR[row] = new QLabel(P_SPR_WAHL);
        L_SPR[row]->setGeometry(20, 12 + row * 36, 140, 28);
        auto* c = new QComboBox(P_SPR_WAHL);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(170, 12 + row * 36, 180, 28);
        c->addItems(items);
        return c;
    };
    CB_LG =
        list("CB_LG", 0,
             {QStringLiteral(" DEUTSCH"), QStringLiteral(" ENGLISH"), QStringLiteral(" ESPANOL")});
    CB_MF = list("CB_MF", 1, {QStringLiteral(" m  /  km"), QStringLiteral(" ft  /  miles")});
    CB_GEW = list("CB_GEW", 2, {QStringLiteral("kg"), QStringLiteral("lbs")});
    CB_CF = list("CB_CF", 3, {QStringLiteral(" ° C"), QStringLiteral(" ° F ")});
    CB_AZT = list("CB_AZT", 4, {QStringLiteral("23:59"), QStringLiteral("AM/PM")});
    CB_AZD = list("CB_AZD", 5, {QStringLiteral("TT.MM:JJ"), QStringLiteral("MM/DD/YY")});
    SB_ZUD = new QPushButton(P_SPR_WAHL);
    SB_ZUD->setObjectName(QStringLiteral("SB_ZUD"));
    SB_ZUD->setGeometry(380, 220, 120, 30);
    P_SPR_WAHL->hide();
    connect(CB_LG, &QComboBox::currentIndexChanged, this, &TForm1::CB_LGChange);
    for (QComboBox* c : {CB_MF, CB_GEW, CB_CF, CB_AZT, CB_AZD})
        connect(c, &QComboBox::currentIndexChanged, this, &TForm1::unitChanged);
    connect(SB_ZUD, &QPushButton::clicked, this, [this] {
        app_.WriteSettings();
        openToolPanel();
    });
}

void TForm1::SB_LanguageClick() {
    openLanguagePanel();
}

void TForm1::openLanguagePanel() {
    hidePanels();
    const std::uint8_t f = app_.settings.unit_flags;
    for (QComboBox* c : {CB_LG, CB_MF, CB_GEW, CB_CF, CB_AZT, CB_AZD}) c->blockSignals(true);
    CB_LG->setCurrentIndex(std::min<int>(app_.settings.language, 2));
    CB_MF->setCurrentIndex((f & kUnitFeetMiles) ? 1 : 0);
    CB_GEW->setCurrentIndex((f & kUnitPounds) ? 1 : 0);
    CB_CF->setCurrentIndex((f & kUnitFahrenheit) ? 1 : 0);
    CB_AZT->setCurrentIndex((f & kUnitAmPm) ? 1 : 0);
    CB_AZD->setCurrentIndex((f & kUnitUsDate) ? 1 : 0);
    for (QComboBox* c : {CB_LG, CB_MF, CB_GEW, CB_CF, CB_AZT, CB_AZD}) c->blockSignals(false);
    P_SPR_WAHL->show();
}

void TForm1::unitChanged() {
    Settings& s = app_.settings;
    RiderRecord& r = s.current();
    SetBit(s.unit_flags, kUnitFeetMiles, CB_MF->currentIndex() == 1);
    SetBit(s.unit_flags, kUnitPounds, CB_GEW->currentIndex() == 1);
    SetBit(s.unit_flags, kUnitFahrenheit, CB_CF->currentIndex() == 1);
    SetBit(s.unit_flags, kUnitAmPm, CB_AZT->currentIndex() == 1);
    SetBit(s.unit_flags, kUnitUsDate, CB_AZD->currentIndex() == 1);
    r.length_units = static_cast<std::uint8_t>(CB_MF->currentIndex() == 1);
    r.weight_unit = static_cast<std::uint8_t>(CB_GEW->currentIndex() == 1);
    r.temperature_unit = static_cast<std::uint8_t>(CB_CF->currentIndex() == 1);
    r.time_display = static_cast<std::uint8_t>(CB_AZT->currentIndex() == 1);
    r.date_display = static_cast<std::uint8_t>(CB_AZD->currentIndex() == 1);
    app_.WriteSettings();
    flushInfo();
}

void TForm1::CB_LGChange(int index) {
    app_.settings.language = static_cast<std::uint8_t>(std::max(0, index));
    applyLanguage();
    openLanguagePanel();
}

}  // namespace vx
