#include "app/ui/summary_texts.h"

#include <QCoreApplication>

namespace vx {

SummaryLabels TranslatedSummaryLabels() {
    auto t = [](const char* text) {
        return QCoreApplication::translate("vx::SummaryTexts", text).toStdString();
    };
    SummaryLabels l;
    l.time = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Zeit"));
    l.distance = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Strecke"));
    l.altitude_difference = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Höhendifferenz"));
    l.altitude = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Höhe"));
    l.work = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Arbeit"));
    l.hr = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Puls"));
    l.average = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Mittel"));
    l.total_distance = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Gesamtstrecke"));
    l.select_distance = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Gewählte Strecke"));
    l.speed = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Geschwindigkeit"));
    l.gradient = t(QT_TRANSLATE_NOOP("vx::SummaryTexts", "Steigung"));
    return l;
}

}  // namespace vx
