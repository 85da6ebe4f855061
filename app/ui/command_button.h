// A command button of the main window that also reports right clicks.
#pragma once

#include <QMouseEvent>
#include <QToolButton>

namespace vx {

class CommandButton : public QToolButton {
    Q_OBJECT
  public:
    explicit CommandButton(const QString& name, QWidget* parent) : QToolButton(parent) {
        setObjectName(name);
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        setAutoRaise(false);
    }

  Q_SIGNALS:
    void rightClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::RightButton && rect().contains(e->position().toPoint())) {
            Q_EMIT rightClicked();
            return;
        }
        QToolButton::mouseReleaseEvent(e);
    }
};

}  // namespace vx
