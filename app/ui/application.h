// The program's QApplication: an exception that leaves an event handler is shown in an error
// box and the program goes on.
#pragma once

#include <QApplication>

namespace vx {

class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vx
