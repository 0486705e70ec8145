// Number text: the conversions between cell texts and numbers.
//
// The program always shows a decimal comma and accepts a point or a comma on
// input, whatever the user's locale says; nothing here reads the locale.
#pragma once

#include <QString>
#include <cstdint>

using Extended = long double;

// Fixed-point text of a cell value with Decimals digits after a decimal comma
// (at most 18 significant digits; scientific form when the integer part needs
// more than 18 digits).
QString FormatNumber(Extended Value, int32_t Decimals);

// Fixed-point text without any precision cap: the digits of Value rounded to
// Decimals places, with a decimal comma. Shared by the cell texts and every
// table or label that shows a number with a fixed number of decimals.
QString FormatFixed(Extended Value, int Decimals);

// The general 15-digit form (shortest text, up to 15 significant digits,
// decimal comma). Computed and random cells pass through it.
QString FormatGeneral(Extended Value);

// The value that the general 15-digit text of R reads back as, found
// without going through text; false where that cannot be sure (the caller
// then takes the text route).
bool RoundTo15Digits(Extended R, Extended &Out);

// Reads typed text as a number: optional blanks, optional sign, digits with
// one decimal mark (point or comma), optional exponent. "" and "-" are not
// numbers; neither are inf, nan, hexadecimal forms or values out of range.
bool ParseNumber(const QString &Text, Extended &Value);

// Reads typed text as a 32-bit integer (after the same decimal-mark
// replacements as ParseNumber, so "2,5" fails).
bool ParseInteger(const QString &Text, int32_t &Value);

// The decimals (0 to Max) a computed value needs to be shown: the fewest that
// show it exactly (to 12 significant digits), else enough for three
// significant digits, at least 2.
int32_t DecimalsToShow(Extended Value, int32_t Max);
