#include "ui/common/window_registry.h"

#include "ui/common/report_window.h"

#include <QHash>
#include <QWidget>

namespace {

QHash<QString, WindowFactory> &windows()
{
    static QHash<QString, WindowFactory> registry;
    return registry;
}

QHash<QString, ReportFactory> &reports()
{
    static QHash<QString, ReportFactory> registry;
    return registry;
}

} // namespace

void RegisterWindowClass(const QString &className, WindowFactory factory) { windows().insert(className, factory); }
bool IsWindowClassRegistered(const QString &className) { return windows().contains(className); }

QWidget *CreateWindowOfClass(const QString &className, QWidget *parent)
{
    const auto it = windows().constFind(className);
    return it == windows().constEnd() ? nullptr : (*it)(parent);
}

void RegisterReportClass(const QString &className, ReportFactory factory) { reports().insert(className, factory); }
bool IsReportClassRegistered(const QString &className) { return reports().contains(className); }

ReportWindow *CreateReportOfClass(const QString &className, QWidget *parent)
{
    const auto it = reports().constFind(className);
    return it == reports().constEnd() ? nullptr : (*it)(parent);
}
