#include "platform/globals.h"

#include <QDir>

namespace {
QString appDir;
}

QString LastErrorPlace;
QString LastErrorDetail;
QChar DecimalSep = QLatin1Char(',');
QString AssociationName;

QString AppDir() { return appDir; }

void SetAppDir(const QString &folder)
{
    appDir = QDir(folder).absolutePath();
    if (!appDir.endsWith(QLatin1Char('/')))
        appDir += QLatin1Char('/');
}

void SetLastError(const QString &place, const QString &detail)
{
    LastErrorPlace = place;
    LastErrorDetail = detail;
}
