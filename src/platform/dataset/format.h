#pragma once
// Field formats in the style the table objects were designed with: Delphi
// number formats ("0.00 €", "0.0 %"), Delphi edit masks, and the amounts
// users type.
#include <QChar>
#include <QString>

// Formats value with a Delphi-style number format: a digits part made of
// '0' (always shown) and '#' (shown when significant), an optional '.'
// (the decimal mark, written as decimalSep) and optional ',' (thousands
// grouping), with any literal text before and after it kept ("0.00 €").
// Rounds half away from zero on the value's 15 significant digits, as
// Delphi does. An empty format gives the shortest text of the value.
QString FormatFloat(const QString &format, double value, QChar decimalSep);

// Translates a Delphi edit mask ("!99/99/0000;1;_") to a Qt input mask.
// Delphi '9' (optional digit) becomes Qt '0', Delphi '0' (required digit)
// becomes Qt '9'; a leading '!' is dropped; the blank character of the
// third part (default '_') becomes Qt's blank; literals are kept, escaped
// where Qt would read them as mask characters. An empty mask stays empty.
QString DelphiMaskToQt(const QString &mask);

// Reads an amount typed by a user: may carry "€" and blanks, and use '.' or
// ',' as the decimal mark (at most one); an optional leading sign. Anything
// else is refused (false, *value untouched).
bool ParseAmount(const QString &text, double *value);
