// The help window "Info": a read-only text field showing one help page.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "trip/paths.h"

namespace vx {

class TForm9 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm9(QWidget* parent = nullptr);
    QTextBrowser* Hilfe;

    // Loads the page file and shows the window; a missing file shows nothing.
    bool ShowPageFile(const QString& path);
    QString shownFile() const { return shown_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    QString shown_;
};

// Loads a help page file into a text field (Markdown); false when the file is missing.
bool LoadHelpFile(QTextBrowser* target, const QString& path);

// Copies the help pages shipped with the program that the help folder does not hold yet.
void InstallHelpPages(const Paths& paths);

}  // namespace vx
