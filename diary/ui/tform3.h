// The diary: the rider's trips as a table with their figures; sorting, marks, period and sport
// selection, search, notes, entries without recording, erasing, the summary overlay, and
// opening a trip in the single-trip view.
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>
#include <QWidget>
#include <array>
#include <functional>

#include "app/app_state.h"
#include "app/ui/command_button.h"
#include "diary/diary_model.h"
#include "diary/ui/diary_table_model.h"

namespace vx {

class TForm3 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm3(AppState& app, QWidget* parent = nullptr);

    // Opening from the main window (or after an import): list order, no marks.
    void openFromMainWindow();
    DiaryModel& diary() { return diary_; }
    QString message() const { return L_MSG->text(); }

    // The single-trip view for the trip now in the current trip (path, title).
    std::function<void(const std::string&, const QString&)> openTripView;
    // The help page (F5).
    std::function<void(int)> showHelpPage;

    QTableView* SG_DB;
    DiaryTableModel* table;
    QLabel* L_MSG;
    CommandButton *SB_GRAF, *SB_DATEN, *SB_AW, *SB_GRA2, *SB_PRS, *SB_PP, *SB_TRIP_KILL,
        *SB_NO_RIDE, *SB_SEL_ALL, *SB_SOAZ, *SB_SOZA;
    QListWidget* LB_SORT;
    // search (F1) and period (F2)
    QLineEdit* E_SEARCH;
    QFrame* P_PERIOD;
    QDateEdit *ED_FROM, *ED_TO;
    QPushButton *B_PERIOD_OK, *B_PERIOD_NO;
    // note panel
    QFrame* P_NOTE;
    QPlainTextEdit* M_NOTE;
    QLineEdit* E_COMMENT2;
    QPushButton *B_NOTE_OK, *B_NOTE_NO;
    // erase confirmation
    QFrame* P_KILL;
    QLabel* L_KILL;
    QPushButton *B_KILL_OK, *B_KILL_NO;
    // entries without recording
    QFrame* P_NR;
    QDateEdit* NR_DATE;
    QTimeEdit *NR_TIME, *NR_DURATION;
    QLineEdit *NR_DIST, *NR_HR, *NR_TEMP;
    QPlainTextEdit* NR_NOTE;
    std::array<QRadioButton*, 5> NR_KIND{};
    QPushButton* B_NR_OK;
    std::array<QLabel*, 6> L_NR{};
    // summary overlay
    QFrame* P_SUM;
    QLabel* L_SUM;

  public Q_SLOTS:
    void SB_GRAFClick();
    void SB_AWClick();
    void SB_TRIP_KILLClick();
    void SB_NO_RIDEClick();
    void SB_SEL_ALLClick();
    void SB_SEL_ALLRightClick();
    void sortChosen(int entry);
    void cellClicked(const QModelIndex& index);
    void cellDoubleClicked(const QModelIndex& index);
    void saveNote();
    void acceptEntry();

  protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void build();
    void retranslate();
    void activate(bool from_main_window);
    void refresh();
    int currentRow() const;
    void hidePanels();
    void openNote(int row);
    void fillEntryPanel(int row);
    DiaryTexts texts() const;

    AppState& app_;
    DiaryModel diary_;
    bool sort_ascending_ = true;
    int note_row_ = -1;
    int kill_row_ = -1;
    int edit_row_ = -1;  // the "NR" entry the panel edits, or -1 for a new one
    bool opening_ = false;
};

}  // namespace vx
