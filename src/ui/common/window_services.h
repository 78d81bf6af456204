#pragma once
// Program-wide services of the main window, for every window: open a window
// or a report by class name, and the help files.
#include <QString>

class QWidget;
namespace ds {
class DataSet;
}

// Opens the window of the class, modally (freed when it closes) or as a tab
// page of the main window (one window per class). A class without a
// registered window gets a warning.
void OpenWindow(const QString &className, bool modal);
// Shows a report by class name. With a table object to check: refuses while
// it is being edited ("Guarde primeiro os dados do Registo!") or when it has
// no row ("Não existem Registos a Imprimir!"), and does nothing when it is
// closed. `data`, when given, is handed to the report.
void PrintReport(const QString &className, ds::DataSet *check = nullptr, ds::DataSet *data = nullptr);

// AppDir() + "AppData/pdf_help/" + the window's name without its first two
// characters + ".pdf".
QString HelpFilePath(const QWidget *window);
void EnableHelpButton(QWidget *window);
void OpenHelpFile(const QWidget *window);

// The warnings shown before the association or an activity exists.
int WarnAssociationFirst();
int WarnActivityFirst();
