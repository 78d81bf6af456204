#include "ui/common/system_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>

void SetScreenCursor(Qt::CursorShape shape)
{
    if (shape == Qt::ArrowCursor) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    } else if (QApplication::overrideCursor()) {
        // One override at a time: a busy loop that sets the hourglass on
        // every step must not pile up cursors that one restore cannot undo.
        QApplication::changeOverrideCursor(QCursor(shape));
    } else {
        QApplication::setOverrideCursor(QCursor(shape));
    }
    QCoreApplication::processEvents();
}

QUrl DocumentUrl(const QString &target)
{
    if (QFileInfo::exists(target) || target.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QUrl::fromUserInput(target);
}

bool OpenDocument(const QString &target)
{
    return QDesktopServices::openUrl(DocumentUrl(target));
}
