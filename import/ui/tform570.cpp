#include "import/ui/tform570.h"

#include <QEvent>

#include "import/fit_store.h"

namespace vx {

TForm570::TForm570(AppState& app, QWidget* parent)
    : ImportWindow(app, QStringLiteral("FIT"), parent) {
    setObjectName(QStringLiteral("TForm570"));
    Memo->hide();
    Look->hide();
    CB_ALT = new QCheckBox(this);
    CB_ALT->setObjectName(QStringLiteral("CB_ALT"));
    CB_ALT->setChecked(true);
    L_Altglatt = new QLabel(this);
    CB_NoStops = new QCheckBox(this);
    CB_NoStops->setObjectName(QStringLiteral("CB_NoStops"));
    L_NoStops = new QLabel(this);
    optionsLayout()->addWidget(CB_ALT, 0, 0);
    optionsLayout()->addWidget(L_Altglatt, 0, 1);
    optionsLayout()->addWidget(CB_NoStops, 1, 0);
    optionsLayout()->addWidget(L_NoStops, 1, 1);
    optionsLayout()->setColumnStretch(1, 1);
    retranslate();
}

void TForm570::retranslate() {
    L_Altglatt->setText(tr("Höhenkorrektur"));
    L_NoStops->setText(tr("Ohne Pausen"));
}

void TForm570::changeEvent(QEvent* e) {
    ImportWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

ImportWindow::Read TForm570::readFile(const std::string& path) {
    import_ = ImportFitPath(path, app_.settings.rider_folder, *app_.trip);
    Read r{import_.ok, import_.message, import_.base_name, {}, {}, import_.warnings, {}};
    r.buttons = {.bike_power = import_.can_store_bike_power(),
                 .bike_heart_rate = import_.can_store_bike_heart_rate(),
                 .run = import_.can_store_run()};
    for (const std::string& w : import_.warnings) app_.info.push_back(w);
    return r;
}

StoreResult TForm570::storeTrip(int sport_type, const ImportStoreSteps&) {
    FitStoreOptions options;
    options.remove_stops = !CB_NoStops->isChecked();
    options.altitude_correction = CB_ALT->isChecked();
    return StoreFitTrip(app_.trips, app_.settings, *app_.trip, import_, sport_type, options);
}

}  // namespace vx
