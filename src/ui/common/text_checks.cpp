#include "ui/common/text_checks.h"

#include "platform/globals.h"

namespace {
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

int IndexOfText(const QString &text, const QStringList &list)
{
    return int(list.indexOf(text));
}

bool IsAllDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

bool IsNumberText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!isDigit(c) && c != DecimalSep)
            return false;
    return true;
}
