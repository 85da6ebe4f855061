// The FIT import window "FIT -> DEO": reads a FIT file into the current trip and stores it as
// a bike trip by power, a bike trip by heart rate or a run, with or without standstills and
// with the altitude correction.
#pragma once

#include <QCheckBox>

#include "import/fit_import.h"
#include "import/ui/import_window.h"

namespace vx {

class TForm570 : public ImportWindow {
    Q_OBJECT
  public:
    explicit TForm570(AppState& app, QWidget* parent = nullptr);
    const FitImport& imported() const { return import_; }

    QCheckBox *CB_ALT, *CB_NoStops;
    QLabel *L_Altglatt, *L_NoStops;

  protected:
    Read readFile(const std::string& path) override;
    StoreResult storeTrip(int sport_type, const ImportStoreSteps& steps) override;
    bool diaryOnEveryClose() const override { return true; }
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();
    FitImport import_;
};

}  // namespace vx
