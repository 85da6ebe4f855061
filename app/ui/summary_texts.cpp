#include "app/ui/summary_texts.h"

#include <QCoreApplication>

namespace vx {

SummaryLabels TranslatedSummaryLabels() {
    auto t = [](const char* text) {
        return QCoreApplication::translate("vx::SummaryTexts", text).toStdString();
    };
    SummaryLabels l;
    l.time = t("Zeit");
    l.distance = t("Strecke");
    l.altitude_difference = t("Höhendifferenz");
    l.altitude = t("Höhe");
    l.work = t("Arbeit");
    l.hr = t("Puls");
    l.average = t("Mittel");
    l.total_distance = t("Gesamtstrecke");
    l.select_distance = t("Gewählte Strecke");
    l.speed = t("Geschwindigkeit");
    l.gradient = t("Steigung");
    return l;
}

}  // namespace vx
