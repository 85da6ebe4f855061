#include "diary/ui/tform7.h"

#include <QEvent>

#include "app/ui/core_messages.h"
#include "diary/date_entry.h"

namespace vx {

TForm7::TForm7(AppState& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
    setObjectName(QStringLiteral("TForm7"));
    setFixedSize(516, 110);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(p);
    L_Date = new QLabel(this);
    L_Date->setGeometry(10, 8, 150, 20);
    ED_1 = new QDateEdit(this);
    ED_1->setObjectName(QStringLiteral("ED_1"));
    ED_1->setGeometry(10, 30, 150, 28);
    ED_1->setCalendarPopup(true);
    // list lines must begin with "20": the pickers stay within this century
    ED_1->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    ED_1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    L_Time = new QLabel(this);
    L_Time->setGeometry(180, 8, 120, 20);
    ED_2 = new QTimeEdit(this);
    ED_2->setObjectName(QStringLiteral("ED_2"));
    ED_2->setGeometry(180, 30, 120, 28);
    ED_2->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    ED_OK = new QPushButton(this);
    ED_OK->setObjectName(QStringLiteral("ED_OK"));
    ED_OK->setGeometry(320, 30, 90, 28);
    ED_NO = new QPushButton(this);
    ED_NO->setObjectName(QStringLiteral("ED_NO"));
    ED_NO->setGeometry(416, 30, 90, 28);
    L_Msg = new QLabel(this);
    L_Msg->setGeometry(10, 70, 496, 30);
    L_Msg->setWordWrap(true);
    L_Msg->setStyleSheet(QStringLiteral("color: #b00000;"));
    connect(ED_OK, &QPushButton::clicked, this, &TForm7::ED_OKClick);
    connect(ED_NO, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void TForm7::retranslate() {
    setWindowTitle(tr("DATUM    ZEIT"));
    L_Date->setText(tr("DATUM"));
    L_Time->setText(tr("ZEIT"));
    ED_OK->setText(tr("ÜBERNEHMEN"));
    ED_NO->setText(tr("VERWERFEN"));
}

void TForm7::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) retranslate();
}

void TForm7::FormActivate() {
    const PickedDateTime now = CurrentPickedDateTime();
    ED_1->setDate(QDate(now.year, now.month, now.day));
    ED_2->setTime(QTime(now.hour, now.minute, now.second));
    L_Msg->clear();
}

bool TForm7::enterBaseName(std::string& base_name) {
    buffer_ = &base_name;
    FormActivate();
    const bool accepted = exec() == QDialog::Accepted;
    buffer_ = nullptr;
    return accepted;
}

void TForm7::ED_OKClick() {
    const QDate d = ED_1->date();
    const QTime t = ED_2->time();
    const PickedDateTime picked{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    const DateEntryResult r = DateEntryBaseName(picked, app_.settings.rider_folder, app_.trips.list,
                                                app_.trips.paths.rider_folder);
    if (!r) {
        L_Msg->setText(
            r.refusal == DateEntryRefusal::TripExists
                ? tr("Eine Fahrt mit diesem Datum und dieser Uhrzeit ist schon gespeichert.")
                : CoreMessage(r.message));
        return;
    }
    if (buffer_) *buffer_ = r.base_name;
    accept();
}

}  // namespace vx
