#include "import/ui/tform570.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>

#include "import/fit_store.h"

namespace vx {

TForm570::TForm570(AppState& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("TForm570"));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    grid->addWidget(Label1, 0, 0, 1, 4);
    CB_ALT = new QCheckBox(this);
    CB_ALT->setObjectName(QStringLiteral("CB_ALT"));
    CB_ALT->setChecked(true);
    L_Altglatt = new QLabel(this);
    CB_NoStops = new QCheckBox(this);
    CB_NoStops->setObjectName(QStringLiteral("CB_NoStops"));
    L_NoStops = new QLabel(this);
    grid->addWidget(CB_ALT, 1, 0);
    grid->addWidget(L_Altglatt, 1, 1);
    grid->addWidget(CB_NoStops, 2, 0);
    grid->addWidget(L_NoStops, 2, 1);
    auto button = [this](const char* name) {
        auto* b = new CommandButton(QString::fromLatin1(name), this);
        b->setMinimumSize(110, 34);
        return b;
    };
    SB_BPO = button("SB_BPO");
    SB_BPU = button("SB_BPU");
    SB_LPU = button("SB_LPU");
    SB_CLOSE = button("SB_CLOSE");
    grid->addWidget(SB_BPO, 3, 0);
    grid->addWidget(SB_BPU, 3, 1);
    grid->addWidget(SB_LPU, 3, 2);
    grid->addWidget(SB_CLOSE, 3, 3);
    P_Wait = new QLabel(this);
    P_Wait->setObjectName(QStringLiteral("P_Wait"));
    P_Wait->setAlignment(Qt::AlignCenter);
    P_Wait->hide();
    grid->addWidget(P_Wait, 4, 0, 1, 4);
    B_Wait = new QProgressBar(this);
    B_Wait->setObjectName(QStringLiteral("B_Wait"));
    B_Wait->setRange(0, 3000);
    B_Wait->hide();
    grid->addWidget(B_Wait, 5, 0, 1, 4);

    chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("GET FIT"), QString(),
                                            QStringLiteral("DATEN (*.fit *.FIT *.Fit)"));
    };
    connect(SB_BPO, &QToolButton::clicked, this, &TForm570::SB_BPOClick);
    connect(SB_BPO, &CommandButton::rightClicked, this, [this] {
        if (openPowerModelSettings) openPowerModelSettings();
    });
    connect(SB_BPU, &QToolButton::clicked, this, &TForm570::SB_BPUClick);
    connect(SB_LPU, &QToolButton::clicked, this, &TForm570::SB_LPUClick);
    connect(SB_CLOSE, &QToolButton::clicked, this, &QWidget::close);
    retranslate();
    enableButtons();
}

void TForm570::retranslate() {
    setWindowTitle(QStringLiteral("FIT -> DEO"));
    L_Altglatt->setText(tr("Höhenkorrektur"));
    L_NoStops->setText(tr("Ohne Pausen"));
    SB_BPO->setText(tr("Rad Leistung"));
    SB_BPO->setToolTip(tr("Trainingsbereiche Leistung"));
    SB_BPU->setText(tr("Rad Puls"));
    SB_BPU->setToolTip(tr("Trainingsbereiche Puls (Rad)"));
    SB_LPU->setText(tr("Laufen"));
    SB_LPU->setToolTip(tr("Trainingsbereiche Puls (Laufen)"));
    SB_CLOSE->setText(tr("Schließen"));
}

void TForm570::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

void TForm570::enableButtons() {
    SB_BPO->setEnabled(import_.can_store_bike_power());
    SB_BPU->setEnabled(import_.can_store_bike_heart_rate());
    SB_LPU->setEnabled(import_.can_store_run());
}

void TForm570::start() {
    const QString path = chooseFile ? chooseFile() : QString();
    if (path.isEmpty()) {
        hide();
        if (onClosed) onClosed();
        return;
    }
    show();
    loadFile(path);
}

void TForm570::loadFile(const QString& path) {
    P_Wait->setStyleSheet(QString());
    P_Wait->setText(tr("BITTE WARTEN"));
    P_Wait->show();
    B_Wait->show();
    B_Wait->setValue(0);
    QApplication::processEvents();
    import_ = ImportFitPath(path.toStdString(), app_.settings.rider_folder, *app_.trip);
    B_Wait->setValue(3000);
    B_Wait->hide();
    if (import_.ok) {
        Label1->setText(QString::fromStdString(import_.base_name));
        P_Wait->hide();
        for (const std::string& w : import_.warnings) app_.info.push_back(w);
    } else {
        Label1->setText(QString::fromStdString(import_.message));
        P_Wait->setText(QString::fromStdString(import_.message));
    }
    enableButtons();
}

void TForm570::store(int sport_type) {
    P_Wait->setStyleSheet(QString());
    P_Wait->setText(tr("BITTE WARTEN"));
    P_Wait->show();
    QApplication::processEvents();
    FitStoreOptions options;
    options.remove_stops = !CB_NoStops->isChecked();
    options.altitude_correction = CB_ALT->isChecked();
    const StoreResult r =
        StoreFitTrip(app_.trips, app_.settings, *app_.trip, import_, sport_type, options);
    if (!r.ok) {
        // the window stays open: the trip can still be stored as a run, or the window closed
        P_Wait->setStyleSheet(
            QStringLiteral("background: #ff0000; color: white; font-weight: bold;"));
        P_Wait->setText(QString::fromStdString(r.message));
        return;
    }
    if (!r.message.empty()) app_.info.push_back(r.message);
    app_.info.push_back(r.base_name);
    P_Wait->hide();
    close();
}

void TForm570::SB_BPOClick() {
    store(0);
}
void TForm570::SB_BPUClick() {
    store(1);
}
void TForm570::SB_LPUClick() {
    store(2);
}

void TForm570::closeEvent(QCloseEvent* e) {
    e->accept();
    if (onClosed) onClosed();
}

}  // namespace vx
