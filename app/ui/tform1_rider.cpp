// The main window's rider panel and the rider erase confirmation.
#include "app/ui/tform1.h"

#include "app/units.h"
#include "trip/riders.h"

namespace vx {

void TForm1::buildRiderPanel() {
    P_USER = new QFrame(Central);
    P_USER->setObjectName(QStringLiteral("P_USER"));
    P_USER->setGeometry(0, 0, 520, 264);
    CB_USER = new QComboBox(P_USER);
    CB_USER->setObjectName(QStringLiteral("CB_USER"));
    CB_USER->setGeometry(20, 20, 240, 28);
    ED_Name = new QLineEdit(P_USER);
    ED_Name->setObjectName(QStringLiteral("ED_Name"));
    ED_Name->setGeometry(20, 56, 240, 28);
    ED_Name->setMaxLength(31);
    ED_Name->hide();
    L_Weight = new QLabel(P_USER);
    L_Weight->setGeometry(290, 20, 100, 28);
    ED_Weight = new QLineEdit(P_USER);
    ED_Weight->setObjectName(QStringLiteral("ED_Weight"));
    ED_Weight->setGeometry(390, 20, 70, 28);
    L_WeightUnit = new QLabel(P_USER);
    L_WeightUnit->setGeometry(464, 20, 50, 28);
    L_Height = new QLabel(P_USER);
    L_Height->setGeometry(290, 56, 100, 28);
    ED_Height = new QLineEdit(P_USER);
    ED_Height->setObjectName(QStringLiteral("ED_Height"));
    ED_Height->setGeometry(390, 56, 70, 28);
    L_HeightUnit = new QLabel(P_USER);
    L_HeightUnit->setGeometry(464, 56, 50, 28);
    USER_OK = new QPushButton(P_USER);
    USER_OK->setObjectName(QStringLiteral("USER_OK"));
    USER_OK->setGeometry(20, 210, 150, 32);
    USER_NO = new QPushButton(P_USER);
    USER_NO->setObjectName(QStringLiteral("USER_NO"));
    USER_NO->setGeometry(180, 210, 150, 32);
    SB_GLS = new QPushButton(P_USER);
    SB_GLS->setObjectName(QStringLiteral("SB_GLS"));
    SB_GLS->setGeometry(290, 120, 210, 32);
    P_USER->hide();

    P_ERASE = new QFrame(Central);
    P_ERASE->setObjectName(QStringLiteral("P_ERASE"));
    P_ERASE->setGeometry(0, 0, 520, 264);
    L_Erase = new QLabel(P_ERASE);
    L_Erase->setGeometry(20, 60, 480, 40);
    L_Erase->setAlignment(Qt::AlignCenter);
    B_CL_Trip = new QPushButton(P_ERASE);
    B_CL_Trip->setObjectName(QStringLiteral("B_CL_Trip"));
    B_CL_Trip->setGeometry(120, 140, 130, 32);
    B_Nein = new QPushButton(P_ERASE);
    B_Nein->setObjectName(QStringLiteral("B_Nein"));
    B_Nein->setGeometry(270, 140, 130, 32);
    P_ERASE->hide();

    connect(CB_USER, &QComboBox::currentIndexChanged, this, &TForm1::CB_USERChange);
    connect(ED_Name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString filtered = QString::fromStdString(FilterNameText(text.toStdString()));
        if (filtered != text) ED_Name->setText(filtered);
        USER_OK->setText(tr("Speichern"));
    });
    auto edited = [this] { USER_OK->setText(tr("Speichern")); };
    connect(ED_Weight, &QLineEdit::textEdited, this, edited);
    connect(ED_Height, &QLineEdit::textEdited, this, edited);
    connect(USER_OK, &QPushButton::clicked, this, &TForm1::USER_OKClick);
    connect(USER_NO, &QPushButton::clicked, this, &TForm1::USER_NOClick);
    connect(SB_GLS, &QPushButton::clicked, this, &TForm1::openZoneEditor);
    connect(B_CL_Trip, &QPushButton::clicked, this, &TForm1::B_CL_TripClick);
    connect(B_Nein, &QPushButton::clicked, this, &TForm1::hidePanels);
}

void TForm1::fillRiderList() {
    CB_USER->blockSignals(true);
    CB_USER->clear();
    if (attach_mode_) {
        attachable_ = ListAttachableFolders(app_.trips.paths.data);
        for (const std::string& f : attachable_) CB_USER->addItem(QString::fromStdString(f));
    } else {
        for (int r = 0; r < kNamedRiders; ++r)
            CB_USER->addItem(QString::fromStdString(app_.settings.riders[r].Name()));
        CB_USER->addItem(QStringLiteral("NEW"));
        CB_USER->addItem(QStringLiteral("COLLECTION"));
    }
    CB_USER->blockSignals(false);
}

void TForm1::openRiderPanel(bool attach) {
    hidePanels();
    attach_mode_ = attach;
    delete_mode_ = false;
    fillRiderList();
    int entry = 0;
    if (!attach) {
        const int r = app_.settings.current_rider;
        entry = r < kNamedRiders ? r : r == kCollectionRider ? kEntryCollection : 0;
    }
    CB_USER->setCurrentIndex(CB_USER->count() > 0 ? entry : -1);
    showRiderFields(CB_USER->currentIndex());
    USER_OK->setText(tr("Ändern"));
    P_USER->show();
}

void TForm1::openDeletePanel() {
    openRiderPanel(false);
    delete_mode_ = true;
    USER_OK->setText(tr("Fahrer löschen"));
    USER_NO->setText(tr("Verwerfen"));
}

void TForm1::SB_DRClick() {
    openDeletePanel();
}

void TForm1::showRiderFields(int entry) {
    const bool is_new = !attach_mode_ && entry == kEntryNew;
    ED_Name->setVisible(is_new);
    if (is_new) {
        ED_Name->setText(QStringLiteral("NEW"));
        ED_Name->setFocus();
        ED_Name->selectAll();
    }
    const int rider = attach_mode_                         ? kTemporaryRider
                      : entry >= 0 && entry < kNamedRiders ? entry
                      : entry == kEntryCollection          ? kCollectionRider
                                                           : app_.settings.current_rider;
    RiderRecord shown = app_.settings.riders[rider];
    if (is_new || attach_mode_) {
        shown.weight_kg = 75;
        shown.height_m = 1.75f;
    }
    ED_Weight->setText(QString::fromStdString(FormatRiderWeight(shown)));
    ED_Height->setText(QString::fromStdString(FormatRiderHeight(shown, app_.settings.unit_flags)));
    L_WeightUnit->setText(QString::fromStdString(RiderWeightLabel(shown)));
    L_HeightUnit->setText(QString::fromStdString(RiderHeightLabel(app_.settings.unit_flags)));
    const bool existing = !attach_mode_ && entry >= 0 && entry < kNamedRiders;
    if (!delete_mode_) USER_NO->setText(existing ? tr("Fahrer löschen") : tr("Verwerfen"));
}

void TForm1::CB_USERChange(int index) {
    showRiderFields(index);
}

void TForm1::USER_OKClick() {
    const int entry = CB_USER->currentIndex();
    if (delete_mode_) {
        if (entry < 0 || entry >= kNamedRiders) {
            showMessage(tr("Bitte einen Fahrer wählen"));
            return;
        }
        delete_rider_ = entry;
        P_USER->hide();
        P_ERASE->show();
        return;
    }
    RiderPanelInput in;
    in.weight_text = ED_Weight->text().toStdString();
    in.height_text = ED_Height->text().toStdString();
    if (attach_mode_) {
        if (entry < 0 || entry >= static_cast<int>(attachable_.size())) {
            showMessage(tr("Kein Ordner gewählt"));
            return;
        }
        in.entry = kTemporaryRider;
        in.attached_folder = attachable_[static_cast<std::size_t>(entry)];
    } else {
        in.entry = entry;
        if (entry == kEntryNew) in.new_name = ED_Name->text().toStdString();
    }
    // the old rider's list is saved before the settings point to the new one
    const Settings before = app_.settings;
    const RiderAcceptResult r = AcceptRider(app_.settings, in);
    if (!r.changed) {
        showMessage(QString::fromStdString(r.message));
        return;
    }
    if (!saveTrips()) {
        app_.settings = before;
        showMessage(tr("Die Fahrtenliste konnte nicht gespeichert werden"));
        return;
    }
    if (r.new_rider_named) app_.zones_defined = 0;
    hidePanels();
    afterRiderChange();
    if (app_.zones_defined != 0x07) openZoneEditor();
}

void TForm1::USER_NOClick() {
    const int entry = CB_USER->currentIndex();
    if (!delete_mode_ && !attach_mode_ && entry >= 0 && entry < kNamedRiders) {
        delete_rider_ = entry;
        P_USER->hide();
        P_ERASE->show();
        return;
    }
    hidePanels();
}

void TForm1::B_CL_TripClick() {
    if (!saveTrips()) {
        showMessage(tr("Die Fahrtenliste konnte nicht gespeichert werden"));
        return;
    }
    DeleteRider(app_.settings, delete_rider_);
    hidePanels();
    afterRiderChange();
}

void TForm1::afterRiderChange() {
    app_.LoadRider();
    app_.WriteSettings();
    updateRiderLabel();
    flushInfo();
}

}  // namespace vx
