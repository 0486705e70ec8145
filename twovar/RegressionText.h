// The texts of the regression models: their numbers, their equations (as
// pieces with raised exponents for drawing, or as plain text with "^"), the
// note on left-out pairs, and the copy text of the kind "Regression".
#pragma once

#include "RegressionModels.h"

#include <QPainter>
#include <QString>
#include <QVector>

class tDescriptor;

// a and b: the general number text rounded to 6 significant digits.
QString ModelNumberText(Extended V);
// r^2 with 4 decimals, or "(udefineret)".
QString ModelR2Text(const tModelFit &F);
// a, b: the fit's numbers, or "(udefineret)".
QString ModelAText(const tModelFit &F);
QString ModelBText(const tModelFit &F);

// A piece of an equation; Raised pieces are exponents.
struct tEquationPiece {
    QString Text;
    bool Raised = false;
};
using tEquation = QVector<tEquationPiece>;

// The model's equation with its fitted numbers ("y = 2,5·x + 1",
// "y = 3·2" with "x" raised, "y = 2·x" with "3" raised); the straight line
// of a constant x is "x = 5". Empty when the fit is not defined.
tEquation FittedEquation(const tModelFit &F);
// The general form ("y = a·x + b", "y = b·a" with "x" raised, "y = b·x"
// with "a" raised).
tEquation ModelForm(int Model);
// As plain text, exponents after "^".
QString EquationText(const tEquation &E);

// Why pairs were left out ("3 par med y ≤ 0 er udeladt"); empty when none
// were.
QString LeftOutText(const tModelFit &F);

// Draws E with its top-left corner at (X, Y) in the painter's font,
// exponents smaller and raised; returns the width drawn.
int DrawEquation(QPainter &P, int X, int Y, const tEquation &E);
int EquationWidth(const QPainter &P, const tEquation &E);

// The copy text of the kind "Regression": the description title, a heading
// line, and one line per model (name, fitted equation, a, b, r^2, pairs
// used and, when pairs were left out, why); TAB between fields, CR LF line
// ends.
QString RegressionText(const tLumen &L, const tDescriptor &D);
