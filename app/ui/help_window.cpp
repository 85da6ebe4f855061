#include "app/ui/help_window.h"

#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace vx {

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TForm9"));
    Hilfe = new QTextBrowser(this);
    Hilfe->setObjectName(QStringLiteral("Hilfe"));
    Hilfe->setReadOnly(true);
    Hilfe->setOpenExternalLinks(false);
    setGeometry(5, 5, 340, 260);
    setWindowTitle(QStringLiteral("Info"));
}

void TForm9::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Hilfe->setGeometry(2, 2, width() - 4, height() - 4);
}

void TForm9::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) setWindowTitle(QStringLiteral("Info"));
}

bool LoadHelpFile(QTextBrowser* target, const QString& path) {
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    target->setMarkdown(QString::fromUtf8(f.readAll()));
    return true;
}

bool TForm9::ShowPageFile(const QString& path) {
    Hilfe->hide();
    if (!LoadHelpFile(Hilfe, path)) return false;
    shown_ = path;
    show();
    raise();
    Hilfe->show();
    return true;
}

void InstallHelpPages(const Paths& paths) {
    // every shipped page that the help folder lacks is copied, so pages of a newer version
    // arrive too; pages already there (perhaps edited by the user) stay as they are
    const QString folder = QFileInfo(QString::fromStdString(paths.help_marker)).absolutePath();
    QDir().mkpath(folder);
    QDirIterator it(QStringLiteral(":/help"));
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder + QLatin1Char('/') + QFileInfo(source).fileName();
        if (QFileInfo::exists(target)) continue;
        if (QFile::copy(source, target))
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

}  // namespace vx
