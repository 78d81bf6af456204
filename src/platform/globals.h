#pragma once
// Program-wide values shared by every layer: the program folder and the
// context of the last failure that was caught without a message.
#include <QString>

// The program folder with a trailing '/'. Set once from the running
// executable; tests point it at a temporary installation.
QString AppDir();
void SetAppDir(const QString &folder);

// Where and what failed last; read and cleared by the error report.
extern QString LastErrorPlace;
extern QString LastErrorDetail;
void SetLastError(const QString &place, const QString &detail);

// First character of the system's decimal separator.
extern QChar DecimalSep;
// First 80 characters of the current association's name.
extern QString AssociationName;

// The program's version as shown to the user.
inline constexpr const char *ProgramVersion = "0.1.2.7";
