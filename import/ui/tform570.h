// The FIT import window "FIT -> DEO": reads a FIT file into the current trip and stores it as
// a bike trip by power, a bike trip by heart rate or a run.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "app/app_state.h"
#include "app/ui/command_button.h"
#include "import/fit_import.h"

namespace vx {

class TForm570 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm570(AppState& app, QWidget* parent = nullptr);

    // Asks for a file and imports it; a cancelled dialog closes the window.
    void start();
    // Reads and converts the file; the store buttons follow what it holds.
    void loadFile(const QString& path);
    const FitImport& imported() const { return import_; }

    // The file dialog; tests replace it.
    std::function<QString()> chooseFile;
    // The power model's settings, opened by a right click on SB_BPO.
    std::function<void()> openPowerModelSettings;
    // Called whenever the window closes: the diary opens.
    std::function<void()> onClosed;

    QLabel *Label1, *P_Wait, *L_Altglatt, *L_NoStops;
    QProgressBar* B_Wait;
    QCheckBox *CB_ALT, *CB_NoStops;
    CommandButton *SB_BPO, *SB_BPU, *SB_LPU, *SB_CLOSE;

  public Q_SLOTS:
    void SB_BPOClick();
    void SB_BPUClick();
    void SB_LPUClick();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();
    void store(int sport_type);
    void enableButtons();

    AppState& app_;
    FitImport import_;
};

}  // namespace vx
