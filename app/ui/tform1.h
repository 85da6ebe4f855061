// The main window: the command bar, the tool panel, the central area with one panel at a time,
// the rider label and the info list.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/ui/command_button.h"
#include "app/ui/help_window.h"

namespace vx {

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    TForm1(AppState& app, TForm9* help, QWidget* parent = nullptr);

    // Left command bar.
    CommandButton *SB_User, *SB_DB, *SB_U_DATA, *SB_DATA, *SB_DATA_PC, *SB_KAL, *SB_D1, *SB_Service,
        *SB_Help, *SB_UDIS, *SB_KILLTRIP, *SB_BRE2;
    // Tool panel.
    QFrame* P_TOOLS;
    CommandButton *SB_SET_COL, *SB_Language, *SB_DR, *SB_DEF_MAIL, *SB_G6, *SB_CAL_NEW, *SB_DEO_DB,
        *SB_TO_COL, *SB_DEO_DEO, *SB_DB_CSV, *SB_CSV, *SB_DEO, *SB_SETTIME, *SB_UPDATE,
        *SB_RESETCOM, *SB_Close_Tool;
    QLabel* L_COM;
    // Around the central area.
    QFrame* Central;
    QLabel *L_Rider, *L_Collection, *L_Message, *LOGO;
    QListWidget* LB_INFO;
    QPlainTextEdit* Memo;
    // Rider panel.
    QFrame* P_USER;
    QComboBox* CB_USER;
    QLineEdit *ED_Name, *ED_Weight, *ED_Height;
    QLabel *L_Weight, *L_Height, *L_WeightUnit, *L_HeightUnit;
    QPushButton *USER_OK, *USER_NO, *SB_GLS;
    // Erase confirmation.
    QFrame* P_ERASE;
    QLabel* L_Erase;
    QPushButton *B_CL_Trip, *B_Nein;
    // Rider and bike settings panel.
    QFrame* P_U_DATA;
    std::array<QLineEdit*, 6> ED{};  // ED_1 .. ED_6
    std::array<QLabel*, 6> L_ED{};
    std::array<QComboBox*, 10> RB{};  // RB_1 .. RB_10
    std::array<QLabel*, 10> L_RB{};
    QPushButton *ED_OK, *ED_NO;
    // Zone editor.
    QFrame* P_GLS;
    QComboBox* CB_SEL_ART;
    QLineEdit* GLS_E0;
    std::array<QLineEdit*, 6> GLS_E{};  // GLS_E1 .. GLS_E6
    QLineEdit *GLS_E11, *GLS_E12;
    QRadioButton *GLS_RB1, *GLS_RB2;
    std::array<QLabel*, 7> LT{};  // LT_01 .. LT_06, LT_0A
    QLineEdit* E_Text;
    QLabel *L_Threshold, *L_Wait;
    QPushButton *GLS_OK, *GLS_NOT_OK;
    // Language and units panel.
    QFrame* P_SPR_WAHL;
    QComboBox *CB_LG, *CB_MF, *CB_GEW, *CB_CF, *CB_AZT, *CB_AZD;
    std::array<QLabel*, 6> L_SPR{};
    QPushButton* SB_ZUD;
    // Colour panel.
    QFrame* P_COL;
    QComboBox *CB_Color, *CB_Col_GL;
    QLabel* L_ColorSample;
    QPushButton *SB_OMA, *SB_COL_OK;

    // What the panels and commands do; public so tests can drive them like clicks.
    void hidePanels();
    void openRiderPanel(bool attach);
    void openDeletePanel();
    void openDevicePanel();
    void openZoneEditor();
    void openLanguagePanel();
    void openColourPanel();
    void openToolPanel();
    void applyLanguage();
    void showHelp();
    void runServiceLine();
    void showServiceMemo(bool with_reminder);
    void chooseBackgroundColour(bool start);
    int helpPageToOpen() const { return tool_panel_opened_ ? 4 : 0; }
    QString lastMessage() const { return L_Message->text(); }
    // The colour chooser; tests replace it.
    std::function<QColor(const QColor&)> pickColour;
    // Called when a trip from the command line is ready for the single-trip view.
    std::function<void()> openTripView;
    // The diary, opened by SB_DB once the rider and trip checks pass.
    std::function<void()> openDiary;
    // The import windows of the data sources, started by the download button.
    std::map<DataSource, std::function<void()>> importers;
    // Called when the window closes after the save point: the other windows close with it.
    std::function<void()> onClosing;
    // Shows the lines other windows left in the info list.
    void flushInfo();

  public Q_SLOTS:
    void SB_UserClick();
    void SB_UserRightClick();
    void SB_DBClick();
    void SB_U_DATAClick();
    void SB_D1Click();
    void SB_D1RightClick();
    void SB_ServiceClick();
    void SB_LanguageClick();
    void SB_DRClick();
    void SB_SET_COLClick();
    void SB_DEO_DBClick();
    void SB_CSVClick();
    void SB_RESETCOMClick();
    void SB_Close_ToolClick();
    void USER_OKClick();
    void USER_NOClick();
    void CB_USERChange(int index);
    void B_CL_TripClick();
    void ED_OKClick();
    void RB_1Change(int index);
    void RB_5Change(int index);
    void RB_6Change(int index);
    void GLS_OKClick();
    void GLS_NOT_OKClick();
    void CB_SEL_ARTChange(int index);
    void GLS_RBClick();
    void CB_LGChange(int index);
    void unitChanged();
    void SB_OMAClick();
    void SB_COL_OKClick();

  protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void build();
    void buildRiderPanel();
    void buildDevicePanel();
    void buildZoneEditor();
    void buildLanguagePanel();
    void buildColourPanel();
    void retranslate();
    void onActivate();
    void firstActivation();
    void updateRiderLabel();
    void updateTitle();
    void showMessage(const QString& text);
    void info(const QString& line);
    bool riderChecked();
    bool saveTrips();
    void afterRiderChange();
    void fillRiderList();
    void showRiderFields(int entry);
    void showZoneFields();
    void showDeviceBike(int bike);
    void storeDeviceBike(int bike);
    void showColourSample();
    void markUnavailable(CommandButton* b);

    AppState& app_;
    TForm9* help_;
    bool first_activation_ = true;
    bool tool_panel_opened_ = false;
    bool attach_mode_ = false;
    bool delete_mode_ = false;
    int delete_rider_ = 0;
    int zone_sport_ = 0;
    int device_bike_ = 0;
    bool weight_edited_ = false;
    std::vector<CommandButton*> unavailable_;
    std::vector<std::string> attachable_;
};

}  // namespace vx
