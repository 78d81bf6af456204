#pragma once
// Check-digit rules of the Portuguese tax, identity-card and bank account numbers.
// Each takes the text as stored (no trimming) and answers false for anything that
// is not a valid number; none of them fails for any input.
#include <QString>

// True when every character is one of "0" … "9"; the empty text passes.
bool IsDigitsOnly(const QString &text);
// Tax number (NIF): 9 digits, first digit 1, 2, 5, 6, 8 or 9, modulo-11 check digit.
bool CheckNIF(const QString &text);
// Identity-card or citizen-card number (B.I/C.C): 7 to 10 digits whose weighted sum,
// weights 1, 2, … from the right, leaves remainder 0 or 10 modulo 11.
bool CheckBICC(const QString &text);
// Bank account number (NIB): 19 digits and two check digits, 98 - (number × 100 mod 97).
bool CheckNIB(const QString &text);
