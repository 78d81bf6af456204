#include "platform/dataset/format.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

// The decimal digits of |value| rounded half away from zero to `decimals`
// places, taken from its 15 significant digits (so 2.675 gives 2.68, as the
// user expects and Delphi does, although the double is a hair below it).
// Returns the integer part and the fraction part as digit strings.
void roundDecimal(double value, int decimals, QString *intDigits, QString *fracDigits)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde[+-]xx
    QString digits;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    if (value == 0 || !std::isfinite(value)) {
        digits = QStringLiteral("0");
    }
    // value = 0.digits × 10^(exponent + 1)
    const int pointAt = exponent + 1; // digits before the decimal point
    const int keep = pointAt + decimals;  // digits kept from the left
    QString kept;
    if (keep <= 0) {
        // Everything lies below the last kept place; only a first digit of 5
        // or more right at that place rounds up to one unit.
        const bool up = keep == 0 && digits[0] >= QLatin1Char('5');
        kept = up ? QStringLiteral("1") : QStringLiteral("0");
    } else {
        kept = digits.left(keep).leftJustified(keep, QLatin1Char('0'));
        if (keep < digits.size() && digits[keep] >= QLatin1Char('5')) {
            int i = int(kept.size()) - 1;
            for (; i >= 0; --i) {
                if (kept[i] == QLatin1Char('9')) {
                    kept[i] = QLatin1Char('0');
                } else {
                    kept[i] = QChar(kept[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0)
                kept.prepend(QLatin1Char('1'));
        }
    }
    // kept holds the value × 10^decimals as a whole number.
    if (kept.size() <= decimals)
        kept = kept.rightJustified(decimals + 1, QLatin1Char('0'));
    QString whole = kept.left(kept.size() - decimals);
    while (whole.size() > 1 && whole[0] == QLatin1Char('0'))
        whole.remove(0, 1);
    *intDigits = whole;
    *fracDigits = kept.right(decimals);
}

bool isPlaceholder(QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); }

QString generalText(double value, QChar decimalSep)
{
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), decimalSep);
}

} // namespace

QString FormatFloat(const QString &format, double value, QChar decimalSep)
{
    // Only the first section (positive;negative;zero) is used by the program.
    QString fmt = format;
    {
        QChar quote;
        for (int i = 0; i < fmt.size(); ++i) {
            const QChar c = fmt[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c == QLatin1Char(';')) {
                fmt.truncate(i);
                break;
            }
        }
    }

    // Split into literal prefix, digits part and literal suffix; quoted
    // literals lose their quotes.
    QString prefix, digitsPart, suffix;
    int stage = 0; // 0 prefix, 1 digits, 2 suffix
    QChar quote;
    for (const QChar c : fmt) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (stage == 0 ? prefix : suffix) += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            if (stage == 1)
                stage = 2;
            quote = c;
            continue;
        }
        const bool digitChar = isPlaceholder(c) || c == QLatin1Char('.') || c == QLatin1Char(',');
        if (stage == 0 && isPlaceholder(c))
            stage = 1;
        else if (stage == 1 && !digitChar)
            stage = 2;
        if (stage == 1)
            digitsPart += c;
        else
            (stage == 0 ? prefix : suffix) += c;
    }
    if (digitsPart.isEmpty() || !std::isfinite(value))
        return prefix + generalText(value, decimalSep) + suffix;

    const int dot = int(digitsPart.indexOf(QLatin1Char('.')));
    const QString intPattern = dot < 0 ? digitsPart : digitsPart.left(dot);
    const QString fracPattern = dot < 0 ? QString() : digitsPart.mid(dot + 1);
    const bool grouping = intPattern.contains(QLatin1Char(','));
    const int minInt = int(intPattern.count(QLatin1Char('0')));
    int maxDec = 0, minDec = 0;
    for (const QChar c : fracPattern) {
        if (!isPlaceholder(c))
            continue;
        ++maxDec;
        if (c == QLatin1Char('0'))
            minDec = maxDec;
    }

    QString whole, frac;
    roundDecimal(value, maxDec, &whole, &frac);
    while (frac.size() > minDec && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    bool isZero = whole == QLatin1String("0");
    for (const QChar c : frac)
        isZero = isZero && c == QLatin1Char('0');
    if (whole == QLatin1String("0") && minInt == 0)
        whole.clear();
    else if (whole.size() < minInt)
        whole = whole.rightJustified(minInt, QLatin1Char('0'));
    if (grouping) {
        const QChar groupSep = decimalSep == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        for (int i = int(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, groupSep);
    }

    QString number = whole;
    if (!frac.isEmpty())
        number += decimalSep + frac;
    if (number.isEmpty())
        number = QStringLiteral("0");
    if (value < 0 && !isZero)
        number.prepend(QLatin1Char('-'));
    return prefix + number + suffix;
}

QString DelphiMaskToQt(const QString &mask)
{
    if (mask.isEmpty())
        return QString();

    // Delphi: "<mask>;<save literals>;<blank>", ';' inside the mask escaped
    // with '\'.
    QString body;
    QStringList parts;
    {
        QString current;
        for (int i = 0; i < mask.size(); ++i) {
            const QChar c = mask[i];
            if (c == QLatin1Char('\\') && i + 1 < mask.size() && parts.isEmpty()) {
                current += c;
                current += mask[++i];
            } else if (c == QLatin1Char(';')) {
                parts << current;
                current.clear();
            } else {
                current += c;
            }
        }
        parts << current;
    }
    body = parts.value(0);
    QChar blank = QLatin1Char('_');
    if (parts.size() >= 3 && !parts[2].isEmpty())
        blank = parts[2][0];

    static const QString qtMeta = QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\;");
    auto literal = [](QChar c) {
        return qtMeta.contains(c) ? QString(QLatin1Char('\\')) + c : QString(c);
    };

    QString out;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (i == 0 && c == QLatin1Char('!'))
            continue; // Delphi's "trim leading blanks" has no Qt counterpart
        switch (c.unicode()) {
        case '9':
            out += QLatin1Char('0');
            break;
        case '0':
            out += QLatin1Char('9');
            break;
        case '#':
            out += QLatin1Char('#');
            break;
        case 'L':
            out += QLatin1Char('A');
            break;
        case 'l':
            out += QLatin1Char('a');
            break;
        case 'A':
            out += QLatin1Char('N');
            break;
        case 'a':
            out += QLatin1Char('n');
            break;
        case 'C':
            out += QLatin1Char('X');
            break;
        case 'c':
            out += QLatin1Char('x');
            break;
        case '>':
        case '<':
            out += c;
            break;
        case '_':
            out += QLatin1Char(' '); // Delphi's inserted blank
            break;
        case '\\':
            if (i + 1 < body.size())
                out += literal(body[++i]);
            break;
        default:
            out += literal(c);
            break;
        }
    }
    return out + QLatin1Char(';') + blank;
}

bool ParseAmount(const QString &text, double *value)
{
    QString t;
    for (const QChar c : text) {
        if (c.isSpace() || c == QChar(0x20AC)) // blanks and '€'
            continue;
        t += c;
    }
    if (t.isEmpty())
        return false;
    int i = 0;
    QString normal;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        if (t[0] == QLatin1Char('-'))
            normal += QLatin1Char('-');
        i = 1;
    }
    bool mark = false, digit = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
            normal += c;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !mark) {
            mark = true;
            normal += QLatin1Char('.');
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    bool ok = false;
    const double d = QLocale::c().toDouble(normal, &ok);
    if (!ok)
        return false;
    *value = d;
    return true;
}
