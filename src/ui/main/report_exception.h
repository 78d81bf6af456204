#pragma once
// The error report shown for every error that nothing else caught.
#include <QString>

#include <exception>

// The report text: version, decimal separator, the last error context, the
// error's type and message, and a line for the user.
QString ErrorReportText(const QString &className, const QString &message);
// Shows the error report window with that text and the SQL trace attached,
// then clears the error context.
void ReportException(const QString &className, const QString &message);
void ReportException(const std::exception &error);
