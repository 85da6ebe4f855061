// The power model's parameter window: masses, drag areas, rolling resistance and efficiency
// per bike type, kept in POW_CALC.GRD; accepting runs the model over the current trip.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "analysis/power_model_file.h"
#include "app/app_state.h"

namespace vx {

class TForm400 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm400(AppState& app, QWidget* parent = nullptr);

    // Parameter-only mode: accepting stores the parameters without running the model.
    void setParameterOnly(bool on) { parameter_only_ = on; }
    QString lastMessage() const { return L_Msg->text(); }

    QLabel *L_Head, *L_Msg;
    QComboBox *SEL_RAD, *SEL_REIFEN;
    QLineEdit *E_MZ, *E_GF, *E_GR, *E_GZ, *E_GVR, *E_GHR, *E_RCWA, *E_BCWA, *E_CR, *E_Wg, *E_Wv;
    QProgressBar* B_Wait;
    QPushButton *B_TP, *Do_NIX;

  public Q_SLOTS:
    void FormActivate();
    void SEL_RADChange(int index);
    void SEL_REIFENChange(int index);
    void B_TPClick();
    void Do_NIXClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();
    void showParams();
    bool takeFields(PowerModelParams& p);

    AppState& app_;
    PowerModelFile file_;
    PowerModelParams shown_;
    bool parameter_only_ = false;
    std::vector<QLabel*> labels_;
};

}  // namespace vx
