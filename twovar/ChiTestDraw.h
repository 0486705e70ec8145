// The "χ²-test" description: the table of expected counts (of independence,
// laid out like the cross table; of goodness of fit, observed and expected
// per observation), then χ², the degrees of freedom, the p-value and the
// conclusion at the 5 % level, drawn in a pane, on paper or in a picture,
// and as the tab-separated copy text.
#pragma once

#include "ChiTest.h"
#include "DrawContext.h"

#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

// The test a pane of the given editor type shows: independence of the two
// marked observation columns, goodness of fit of the marked frequency
// column (against a second marked one when there is one).
tChiTest ChiTestFor(const tLumen &L, const tDescriptor &D, TDataType Type);

// The p-value as the drawing shows it: 4 decimals, "< 0,0001" below that,
// "(udefineret)" without degrees of freedom.
QString PValueText(const tChiTest &T);
// The conclusion at the 5 % level ("" without degrees of freedom).
QString ChiConclusion(const tChiTest &T);
// The warning when an expected count is below 5 ("" otherwise).
QString ChiWarning(const tChiTest &T);

// Draws T (computed by ChiTestFor from L and D); an error shows as the error
// notice. LineNameWidth is the cross table's cell unit.
void DrawChiTest(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                 const tChiTest &T, int LineNameWidth);

// The scroll range of a pane showing T.
QSize ChiTestPaneSize(const QPainter &P, const tLumen &L, const tDescriptor &D, const tChiTest &T,
                      int LineNameWidth);

// Where a page may end in the drawing of T (the top of each table row and
// figure line, from the drawing's top), and the drawing's whole height last.
std::vector<int> ChiTestBreaks(const QPainter &P, const tDescriptor &D, const tChiTest &T,
                               const tDrawContext &C, int LineNameWidth);

// The copy text (CR LF line ends, TAB between fields): every figure, χ² and
// the p-value in full; "" when the test cannot be made.
QString ChiTestText(const tLumen &L, const tDescriptor &D, const tChiTest &T);
