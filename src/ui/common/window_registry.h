#pragma once
// Windows and reports are created by class name. Each window class is
// registered once (see app/window_classes.cpp); OpenWindow and PrintReport
// create them from here.
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class ReportWindow;

using WindowFactory = std::function<QWidget *(QWidget *parent)>;
using ReportFactory = std::function<ReportWindow *(QWidget *parent)>;

void RegisterWindowClass(const QString &className, WindowFactory factory);
bool IsWindowClassRegistered(const QString &className);
// A new, hidden window of the class; null when none is registered.
QWidget *CreateWindowOfClass(const QString &className, QWidget *parent);

void RegisterReportClass(const QString &className, ReportFactory factory);
bool IsReportClassRegistered(const QString &className);
ReportWindow *CreateReportOfClass(const QString &className, QWidget *parent);
