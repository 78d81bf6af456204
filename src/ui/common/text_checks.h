#pragma once
// Checks on texts typed or dispatched on by the windows.
#include <QString>
#include <QStringList>

// Position of the first text equal to `text` (exact, letter case counts),
// or -1. Windows dispatch on button and window names with it.
int IndexOfText(const QString &text, const QStringList &list);

// True when text is not empty and made only of "0" … "9".
bool IsAllDigits(const QString &text);

// True when text is not empty and made only of digits and DecimalSep (any
// number of separators; no sign).
bool IsNumberText(const QString &text);
