// The date and time entry: a small modal window in which a downloaded trip without a
// plausible date gets its start date and time, turned into the trip base name.
#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>

#include "app/app_state.h"

namespace vx {

class TForm7 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm7(AppState& app, QWidget* parent = nullptr);

    // Shows the window modally; on "Accept" base_name is replaced by the entered date and
    // time, on "Discard" it stays as the caller built it. True when accepted.
    bool enterBaseName(std::string& base_name);

    QDateEdit* ED_1;
    QTimeEdit* ED_2;
    QLabel *L_Date, *L_Time, *L_Msg;
    QPushButton *ED_OK, *ED_NO;

  public Q_SLOTS:
    void FormActivate();
    void ED_OKClick();

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();

    AppState& app_;
    std::string* buffer_ = nullptr;
};

}  // namespace vx
