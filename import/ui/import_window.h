// What the HRM, SRM and TCX import windows share: the file dialog, the information box, the
// store buttons with the short-trip refusal, the progress bar and the diary on close.
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QWidget>
#include <functional>

#include "app/app_state.h"
#include "app/ui/command_button.h"
#include "import/hrm_import.h"
#include "import/import_store.h"
#include "import/srm_import.h"
#include "import/tcx_import.h"

namespace vx {

class ImportWindow : public QWidget {
    Q_OBJECT
  public:
    // What a format's reader gives the window.
    struct Read {
        bool ok = false;
        std::string message;
        std::string base_name;
        StoreButtons buttons;
        std::vector<std::string> memo;  // lines for the information box
        std::vector<std::string> warnings;
        QString look;  // the short text box
    };

    ImportWindow(AppState& app, const QString& extension, QWidget* parent = nullptr);

    // Asks for a file and imports it; a cancelled dialog sets the error flag and closes.
    void start();
    void loadFile(const QString& path);
    bool importErrorFlag() const { return error_flag_; }

    std::function<QString()> chooseFile;
    std::function<void()> openPowerModelSettings;
    // Called when the window closes with the error flag clear: the diary opens.
    std::function<void()> onClosed;

    QPlainTextEdit* Memo;
    QLineEdit* Look;
    QLabel *Label1, *P_Wait;
    QProgressBar* B_Wait;
    CommandButton *SB_BPO, *SB_BPU, *SB_LPU, *SB_CLOSE;

  public Q_SLOTS:
    void SB_BPOClick() { store(0); }
    void SB_BPUClick() { store(1); }
    void SB_LPUClick() { store(2); }
    void SB_CLOSEClick();

  protected:
    virtual Read readFile(const std::string& path) = 0;
    virtual StoreResult storeTrip(int sport_type, const ImportStoreSteps& steps) = 0;
    // FIT opens the diary however the window closed; the others only without the error flag.
    virtual bool diaryOnEveryClose() const { return false; }
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Room in the layout between the information box and the buttons for a format's options.
    QGridLayout* optionsLayout() const { return options_; }
    AppState& app_;

  private:
    void retranslate();
    void store(int sport_type);
    void enableButtons();

    QString extension_;
    QGridLayout* options_ = nullptr;
    StoreButtons buttons_;
    bool error_flag_ = true;
};

// "HRM -> DEO": Polar heart-rate monitor files.
class TForm540 : public ImportWindow {
    Q_OBJECT
  public:
    explicit TForm540(AppState& app, QWidget* parent = nullptr);

  protected:
    Read readFile(const std::string& path) override;
    StoreResult storeTrip(int sport_type, const ImportStoreSteps& steps) override;

  private:
    HrmImport import_;
};

// "SRM -> DEO": SRM power meter files.
class TForm560 : public ImportWindow {
    Q_OBJECT
  public:
    explicit TForm560(AppState& app, QWidget* parent = nullptr);

  protected:
    Read readFile(const std::string& path) override;
    StoreResult storeTrip(int sport_type, const ImportStoreSteps& steps) override;

  private:
    SrmImport import_;
};

// "TCX -> DEO": Garmin training centre files.
class TForm510 : public ImportWindow {
    Q_OBJECT
  public:
    explicit TForm510(AppState& app, QWidget* parent = nullptr);

  protected:
    Read readFile(const std::string& path) override;
    StoreResult storeTrip(int sport_type, const ImportStoreSteps& steps) override;

  private:
    TcxImport import_;
};

}  // namespace vx
