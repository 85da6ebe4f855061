#include "import/ui/import_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include "app/ui/core_messages.h"

namespace vx {

ImportWindow::ImportWindow(AppState& app, const QString& extension, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), extension_(extension) {
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    grid->addWidget(Label1, 0, 0, 1, 4);
    Look = new QLineEdit(this);
    Look->setObjectName(QStringLiteral("Look"));
    Look->setReadOnly(true);
    grid->addWidget(Look, 1, 0, 1, 4);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setMaximumBlockCount(400);
    Memo->setMinimumHeight(140);
    grid->addWidget(Memo, 2, 0, 1, 4);
    options_ = new QGridLayout;
    grid->addLayout(options_, 3, 0, 1, 4);
    auto button = [this](const char* name) {
        auto* b = new CommandButton(QString::fromLatin1(name), this);
        b->setMinimumSize(110, 34);
        return b;
    };
    SB_BPO = button("SB_BPO");
    SB_BPU = button("SB_BPU");
    SB_LPU = button("SB_LPU");
    SB_CLOSE = button("SB_CLOSE");
    grid->addWidget(SB_BPO, 4, 0);
    grid->addWidget(SB_BPU, 4, 1);
    grid->addWidget(SB_LPU, 4, 2);
    grid->addWidget(SB_CLOSE, 4, 3);
    P_Wait = new QLabel(this);
    P_Wait->setObjectName(QStringLiteral("P_Wait"));
    P_Wait->setAlignment(Qt::AlignCenter);
    P_Wait->hide();
    grid->addWidget(P_Wait, 5, 0, 1, 4);
    B_Wait = new QProgressBar(this);
    B_Wait->setObjectName(QStringLiteral("B_Wait"));
    B_Wait->setRange(0, 3000);
    B_Wait->hide();
    grid->addWidget(B_Wait, 6, 0, 1, 4);

    chooseFile = [this] {
        const QString lower = extension_.toLower();
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("GET ") + extension_, QString(),
            QStringLiteral("DATEN (*.%1 *.%2)").arg(lower, extension_));
    };
    connect(SB_BPO, &QToolButton::clicked, this, &ImportWindow::SB_BPOClick);
    connect(SB_BPO, &CommandButton::rightClicked, this, [this] {
        // another mouse button first opens the power model's settings, then stores
        if (openPowerModelSettings) openPowerModelSettings();
        if (SB_BPO->isEnabled()) store(0);
    });
    connect(SB_BPU, &QToolButton::clicked, this, &ImportWindow::SB_BPUClick);
    connect(SB_LPU, &QToolButton::clicked, this, &ImportWindow::SB_LPUClick);
    connect(SB_CLOSE, &QToolButton::clicked, this, &ImportWindow::SB_CLOSEClick);
    retranslate();
    enableButtons();
}

void ImportWindow::retranslate() {
    setWindowTitle(extension_ + QStringLiteral(" -> DEO"));
    SB_BPO->setText(tr("Rad Leistung"));
    SB_BPO->setToolTip(tr("Trainingsbereiche Leistung"));
    SB_BPU->setText(tr("Rad Puls"));
    SB_BPU->setToolTip(tr("Trainingsbereiche Puls (Rad)"));
    SB_LPU->setText(tr("Laufen"));
    SB_LPU->setToolTip(tr("Trainingsbereiche Puls (Laufen)"));
    SB_CLOSE->setText(tr("Schließen"));
}

void ImportWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

void ImportWindow::enableButtons() {
    SB_BPO->setEnabled(buttons_.bike_power);
    SB_BPU->setEnabled(buttons_.bike_heart_rate);
    SB_LPU->setEnabled(buttons_.run);
}

void ImportWindow::start() {
    const QString path = chooseFile ? chooseFile() : QString();
    if (path.isEmpty()) {
        error_flag_ = true;
        hide();
        if (diaryOnEveryClose() && onClosed) onClosed();
        return;
    }
    error_flag_ = false;
    show();
    loadFile(path);
}

void ImportWindow::loadFile(const QString& path) {
    error_flag_ = false;
    P_Wait->setStyleSheet(QString());
    P_Wait->setText(tr("BITTE WARTEN"));
    P_Wait->show();
    B_Wait->show();
    B_Wait->setValue(0);
    QApplication::processEvents();
    const Read r = readFile(path.toStdString());
    B_Wait->setValue(3000);
    B_Wait->hide();
    Memo->clear();
    for (const std::string& line : r.memo) Memo->appendPlainText(QString::fromStdString(line));
    for (const std::string& w : r.warnings) Memo->appendPlainText(QString::fromStdString(w));
    Look->setText(r.look);
    buttons_ = r.ok ? r.buttons : StoreButtons{};
    if (r.ok) {
        Label1->setText(QString::fromStdString(r.base_name));
        P_Wait->hide();
    } else {
        Label1->setText(CoreMessage(r.message));
        P_Wait->setText(CoreMessage(r.message));
    }
    enableButtons();
}

void ImportWindow::store(int sport_type) {
    P_Wait->setStyleSheet(QString());
    P_Wait->setText(tr("BITTE WARTEN"));
    P_Wait->show();
    QApplication::processEvents();
    const StoreResult r = storeTrip(sport_type, RiderImportStoreSteps(app_.trips, app_.settings));
    if (!r.ok) {
        P_Wait->setStyleSheet(
            QStringLiteral("background: #ff0000; color: white; font-weight: bold;"));
        P_Wait->setText(CoreMessage(r.message));
        return;
    }
    if (!r.message.empty()) app_.info.push_back(r.message);
    app_.info.push_back(r.base_name);
    P_Wait->hide();
    close();
}

void ImportWindow::SB_CLOSEClick() {
    error_flag_ = true;
    close();
}

void ImportWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    if ((!error_flag_ || diaryOnEveryClose()) && onClosed) onClosed();
}

// --- HRM ---

TForm540::TForm540(AppState& app, QWidget* parent)
    : ImportWindow(app, QStringLiteral("HRM"), parent) {
    setObjectName(QStringLiteral("TForm540"));
}

ImportWindow::Read TForm540::readFile(const std::string& path) {
    import_ = ImportHrmPath(path, app_.settings.rider_folder, *app_.trip);
    const HrmImport& i = import_;
    Read r{i.ok, i.message, i.base_name, i.buttons(), {}, i.warnings, {}};
    r.look = QStringLiteral("%1 %2").arg(QString::fromStdString(i.mode)).arg(i.interval_s);
    return r;
}

StoreResult TForm540::storeTrip(int sport_type, const ImportStoreSteps& steps) {
    return StoreHrmTrip(app_.trips, app_.settings, *app_.trip, import_, sport_type, steps);
}

// --- SRM ---

TForm560::TForm560(AppState& app, QWidget* parent)
    : ImportWindow(app, QStringLiteral("SRM"), parent) {
    setObjectName(QStringLiteral("TForm560"));
    SB_LPU->hide();  // an SRM file is always a bike ride
}

ImportWindow::Read TForm560::readFile(const std::string& path) {
    import_ = ImportSrmPath(path, app_.settings.rider_folder, *app_.trip);
    const SrmImport& i = import_;
    Read r{i.ok, i.message, i.base_name, i.buttons(), {}, i.warnings, {}};
    if (i.ok) {
        r.memo = i.memo_lines();
        // today's date follows the "Days" line
        const std::string today =
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
        r.memo.insert(r.memo.begin() +
                          std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(r.memo.size())),
                      today);
        char pointer[64];
        std::snprintf(pointer, sizeof pointer, "Pointer %08zX  %zu", i.bytes_read, i.bytes_read);
        r.memo.emplace_back();
        r.memo.emplace_back(pointer);
    }
    return r;
}

StoreResult TForm560::storeTrip(int sport_type, const ImportStoreSteps& steps) {
    return StoreSrmTrip(app_.trips, app_.settings, *app_.trip, import_, sport_type, steps);
}

// --- TCX ---

TForm510::TForm510(AppState& app, QWidget* parent)
    : ImportWindow(app, QStringLiteral("TCX"), parent) {
    setObjectName(QStringLiteral("TForm510"));
}

ImportWindow::Read TForm510::readFile(const std::string& path) {
    import_ = ImportTcxPath(path, app_.settings.rider_folder, *app_.trip);
    const TcxImport& i = import_;
    Read r{i.ok, i.message, i.base_name, i.buttons(), {}, i.warnings, {}};
    r.look = QStringLiteral("%1  %2")
                 .arg(QFileInfo(QString::fromStdString(path)).fileName())
                 .arg(i.bytes);
    return r;
}

StoreResult TForm510::storeTrip(int sport_type, const ImportStoreSteps& steps) {
    return StoreTcxTrip(app_.trips, app_.settings, *app_.trip, import_, sport_type, steps);
}

}  // namespace vx
