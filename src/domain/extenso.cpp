#include "domain/extenso.h"

#include <QLocale>

#include <cmath>

namespace {

const char *const kUnits[] = {"", "Um", "Dois", "Três", "Quatro", "Cinco", "Seis", "Sete", "Oito", "Nove"};
const char *const kTeens[] = {"Dez",      "Onze",      "Doze",      "Treze",   "Quatorze",
                              "Quinze",   "Dezesseis", "Dezessete", "Dezoito", "Dezenove"};
const char *const kTens[] = {"",          "",         "Vinte",   "Trinta",  "Quarenta",
                             "Cinquenta", "Sessenta", "Setenta", "Oitenta", "Noventa"};
const char *const kHundreds[] = {"",           "Cem",         "Duzentos",  "Trezentos", "Quatrocentos",
                                 "Quinhentos", "Seiscentos", "Setecentos", "Oitocentos", "Novecentos"};

// Twelve integer digits: the thousands of millions, millions, thousands and units groups.
constexpr qsizetype kWholeDigits = 12;

void AppendJoined(QString &text, const char *word)
{
    if (!text.isEmpty())
        text += QLatin1String(" e ");
    text += QString::fromUtf8(word);
}

// Adds one to a text of decimal digits, carrying to the left; "99" becomes "100".
QString Increment(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return QLatin1Char('1') + digits;
}

// The magnitude in fixed notation with exactly two decimals, "1234.50"; empty when
// it is not finite. Rounding works on the shortest decimal text that reads back as
// the same double, so an amount such as 1.005 — stored as 1.00499999… — counts as
// the half it was typed as and goes up, as it would on paper.
QString RoundedToCents(double magnitude)
{
    if (!std::isfinite(magnitude))
        return QString();
    const QString exact = QString::number(magnitude, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = exact.indexOf(u'.');
    const QString whole = point < 0 ? exact : exact.left(point);
    QString decimals = point < 0 ? QString() : exact.mid(point + 1);
    decimals = decimals.leftJustified(3, u'0');
    QString digits = whole + decimals.left(2);
    if (decimals[2] >= u'5')
        digits = Increment(digits);
    digits = digits.rightJustified(3, u'0');
    return digits.left(digits.size() - 2) + u'.' + digits.right(2);
}

} // namespace

QString ExtensoCentena(const QString &group)
{
    if (group.size() != 3)
        return QString();
    for (const QChar c : group) {
        if (c < u'0' || c > u'9')
            return QString();
    }
    const int hundred = group[0].unicode() - '0';
    const int ten = group[1].unicode() - '0';
    const int unit = group[2].unicode() - '0';

    // "Cem" alone, "Cento" when tens or units follow it.
    QString text = hundred == 1 && (ten > 0 || unit > 0) ? QStringLiteral("Cento")
                                                         : QString::fromUtf8(kHundreds[hundred]);
    if (ten == 1) {
        AppendJoined(text, kTeens[unit]);
        return text;
    }
    if (ten >= 2)
        AppendJoined(text, kTens[ten]);
    if (unit >= 1)
        AppendJoined(text, kUnits[unit]);
    return text;
}

QString Extenso(double amount)
{
    QString fixed = RoundedToCents(std::fabs(amount));
    const qsizetype point = fixed.size() - 3;
    if (fixed.isEmpty() || point > kWholeDigits)
        return QString();
    // Fifteen characters: four groups of three digits, the point, two cent digits.
    fixed = fixed.rightJustified(kWholeDigits + 3, u'0');
    const QString whole = fixed.left(kWholeDigits);
    const QString billions = fixed.mid(0, 3);
    const QString millions = fixed.mid(3, 3);
    const QString thousands = fixed.mid(6, 3);
    const QString units = fixed.mid(9, 3);
    const QString cents = fixed.mid(13, 2);
    const bool wholeIsZero = whole == QLatin1String("000000000000");
    const bool wholeIsOne = whole == QLatin1String("000000000001");

    QString result = ExtensoCentena(billions);
    if (billions == QLatin1String("001"))
        result += QString::fromUtf8(" Bilhão");
    else if (!result.isEmpty())
        result += QString::fromUtf8(" Bilhões");

    QString words = ExtensoCentena(millions);
    if (!words.isEmpty()) {
        if (!result.isEmpty())
            result += QLatin1String(", ");
        words += QString::fromUtf8(millions == QLatin1String("001") ? " Milhão" : " Milhões");
        result += words;
    }

    words = ExtensoCentena(thousands);
    if (!words.isEmpty()) {
        if (!result.isEmpty())
            result += QLatin1String(", ");
        result += words + QLatin1String(" Mil");
    }

    // Before the units group: " e " closes a whole amount, a comma when cents follow.
    words = ExtensoCentena(units);
    if (!words.isEmpty()) {
        if (!result.isEmpty())
            result += cents != QLatin1String("00") ? QLatin1String(", ") : QLatin1String(" e ");
        result += words;
    }

    // A round number of millions reads "… Milhões De Euros".
    if (wholeIsOne)
        result += QLatin1String(" Euro");
    else if (fixed.mid(6, 6) == QLatin1String("000000"))
        result += QLatin1String(" De Euros");
    else
        result += QLatin1String(" Euros");

    if (wholeIsZero)
        result.clear();

    words = ExtensoCentena(QLatin1Char('0') + cents);
    if (!words.isEmpty()) {
        if (!result.isEmpty())
            result += QLatin1String(" e ");
        result += words + u' ' + QString::fromUtf8(words == QLatin1String("Um") ? "Cêntimo" : "Cêntimos");
    }

    if (wholeIsZero && cents == QLatin1String("00"))
        result = QStringLiteral("Zero");
    return result;
}
