#include "app/ui/application.h"

#include <QMessageBox>
#include <exception>

namespace vx {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Velomatix_2014"),
                              QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Velomatix_2014"),
                              tr("Unbekannter Fehler"));
    }
    return false;
}

}  // namespace vx
