#include "app/ui/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vx {

QString LanguageCode(int language) {
    if (language == 0) return QStringLiteral("de");
    if (language == 2) return QStringLiteral("es");
    return QStringLiteral("en");
}

bool InstallLanguage(int language) {
    static QTranslator* current = nullptr;
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
    auto* t = new QTranslator;
    if (!t->load(QStringLiteral(":/i18n/velomatix_") + LanguageCode(language))) {
        delete t;
        // without a catalogue the texts are the built-in German defaults
        return false;
    }
    QCoreApplication::installTranslator(t);
    current = t;
    return true;
}

}  // namespace vx
