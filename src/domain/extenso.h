#pragma once
// A euro amount written out in Portuguese words, as receipts state it
// ("Trinta e Cinco Euros e Cinquenta Cêntimos").
#include <QString>

// The amount rounded to cents (halves away from zero) and written in words on one
// line; "Zero" when it rounds to nothing. A negative amount is written as its
// absolute value. Amounts that cannot be written in full — a rounded value of
// 10^12 euros or more, infinity, NaN — give the empty text rather than wrong words.
QString Extenso(double amount);

// Words of a group of exactly three digit characters ("000" … "999"): "021" gives
// "Vinte e Um", "100" gives "Cem"; "000" and anything that is not three digits give
// the empty text.
QString ExtensoCentena(const QString &group);
