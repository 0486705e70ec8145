// Character classes of the formula language, shared by the compiler and the
// re-lettering of formulas after column moves.
#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// "A" to "Z", "Æ", "Ø", "Å" (upper case; formulas are upper-cased first).
bool IsFormulaLetter(QChar C);

// Letters, digits and both decimal marks.
bool IsFormulaIdentChar(QChar C);

// The operator code of a function name (SIN 14 ... EXP 22), or 0.
int FormulaFunctionCode(const QString &Name);

// Why a formula did not compile, by the compiler's error code, in a short
// Danish phrase ("" for no error).
QString FormulaErrorText(uint8_t Code);
