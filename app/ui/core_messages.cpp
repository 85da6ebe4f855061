#include "app/ui/core_messages.h"

#include <QCoreApplication>

namespace vx {

namespace {

// Listed here so that the catalogues carry them; the texts are the core's own.
[[maybe_unused]] const char* const kKnownMessages[] = {
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The date must be a day from 01.01.2000 to 31.12.2099."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The start time is not a time of day."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The duration must not be negative."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The distance must be a number of 0 or more."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The heart rate must be a number from 0 to 300."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The temperature is not a plausible number."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The date or time does not exist."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "The date must lie between 01.01.2000 and 31.12.2099."),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "DATEN NICHT AUSWERTBAR"),
    QT_TRANSLATE_NOOP("vx::CoreMessages", "no records"),
};

}  // namespace

QString CoreMessage(const std::string& text) {
    return QCoreApplication::translate("vx::CoreMessages", text.c_str());
}

}  // namespace vx
