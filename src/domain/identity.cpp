#include "domain/identity.h"

namespace {

// Only ASCII digits count: QChar::isDigit would also accept other scripts' digits.
bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int DigitAt(const QString &text, qsizetype index)
{
    return text.at(index).unicode() - u'0';
}

} // namespace

bool IsDigitsOnly(const QString &text)
{
    for (const QChar c : text) {
        if (!IsAsciiDigit(c))
            return false;
    }
    return true;
}

bool CheckNIF(const QString &text)
{
    if (text.size() != 9 || !IsDigitsOnly(text))
        return false;
    switch (DigitAt(text, 0)) {
    case 1:
    case 2:
    case 5:
    case 6:
    case 8:
    case 9:
        break;
    default:
        return false;
    }
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += DigitAt(text, i) * (9 - i);
    const int remainder = sum % 11;
    const int expected = remainder < 2 ? 0 : 11 - remainder;
    return DigitAt(text, 8) == expected;
}

bool CheckBICC(const QString &text)
{
    const qsizetype length = text.size();
    if (length < 7 || length > 10 || !IsDigitsOnly(text))
        return false;
    // The last digit weighs 1, the first weighs the length.
    int sum = 0;
    for (qsizetype i = 0; i < length; ++i)
        sum += DigitAt(text, i) * int(length - i);
    const int remainder = sum % 11;
    return remainder == 0 || remainder == 10;
}

bool CheckNIB(const QString &text)
{
    if (text.size() != 21 || !IsDigitsOnly(text))
        return false;
    // The 19-digit account number times 10, modulo 97, digit by digit so nothing overflows.
    int acc = 0;
    for (int i = 0; i < 19; ++i)
        acc = ((acc + DigitAt(text, i)) * 10) % 97;
    const int expected = 98 - (acc * 10) % 97;
    const int check = DigitAt(text, 19) * 10 + DigitAt(text, 20);
    return check == expected;
}
