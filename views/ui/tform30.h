// The single-trip view: the current trip's curves over time or distance, with paging, zoom,
// the keyboard cursor and its readouts, the summary panel and the curve settings panel.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/app_state.h"
#include "app/ui/command_button.h"
#include "views/trip_view_model.h"
#include "views/ui/trip_plot.h"

namespace vx {

class TForm30 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm30(AppState& app, QWidget* parent = nullptr);

    // Shows the current trip, loaded from path (written back there when it changed). The title
    // becomes the caption; from_diary shows the diary button instead of the file button.
    void showTrip(const std::string& path, const QString& title, bool from_diary);
    TripViewModel& model() { return model_; }
    const std::string& tripPath() const { return path_; }

    TripPlot* Show1;
    QFrame* P_SEL;
    CommandButton *SB_DT, *SB_DD, *SB_FT, *SB_L, *SB_R, *SB_ZI, *SB_ZV, *SB_AW, *SB_AT, *SB_SO,
        *SB_PP, *SB_MI, *SB_SR, *SB_PA, *SB_TP, *SB_IN, *SB_GL, *SB_PR, *SB_S15, *SB_LZ, *SB_DA,
        *SB_DB, *SB_LF, *SB_KAL;
    std::array<CommandButton*, 10> SK{};  // SK_0 .. SK_6, SK_9 by curve type; others null
    QLabel *S_Time, *S_STime;
    QFrame* ZDP;
    std::array<QLabel*, 13> ZD{};  // ZD0 .. ZD9, ZDA, ZDB, ZDC
    CommandButton* ZDP_SB;
    QFrame* P_EIN_SK;
    QCheckBox *CB_E, *CB_HL1, *CB_HL2;
    QLineEdit *Ein_MAX, *Ein_MIN, *E_HL1, *E_HL2;
    QComboBox* CB_GLA;
    QLabel *L_Max, *L_Min, *L_Gla, *L_EinMsg;
    CommandButton *BU_OK, *BU_NO;
    CommandButton* SB_GRUND;
    QFrame* P_HILF;
    QTextBrowser* M_HILF;
    CommandButton* C_HILF;

    // Hand-over points to the windows of later features.
    std::function<void()> openDiary;

  public Q_SLOTS:
    void FormActivate();
    void SB_DTClick();
    void SB_DDClick();
    void SB_FTClick();
    void SB_LClick();
    void SB_RClick();
    void SB_ZIClick();
    void SB_ZIRightClick();
    void SB_ZVClick();
    void SB_AWClick();
    void SKClick(int curve_type);
    void SKRightClick(int curve_type);
    void BU_OKClick();
    void BU_NOClick();
    void SB_GRUNDClick();

  protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void build();
    void retranslate();
    void apply(Repaint r);
    void handle(const ViewUpdate& u);
    void refreshReadouts();
    void refreshSummary();
    void refreshButtons();
    void showHelpPage();
    void showNote();
    void fillSmoothingList(int entries);
    CurveSettingsForm formFromPanel() const;

    AppState& app_;
    TripViewModel model_;
    std::string path_;
    QString title_;
    std::optional<CurveSettingsForm> panel_form_;  // as the open settings panel was filled
};

// Renders the view of a trip file offscreen into a PNG, as `velomatix --render` does.
// False with a message when the trip cannot be read or the image not written.
bool RenderTripView(AppState& app, const std::string& deo_path, const std::string& png_path,
                    int width, int height, bool distance_axis, std::string* message);

}  // namespace vx
