// One drawing routine for the description kinds of two variables and the
// data sticks and curve, chosen by kind: the panes, the pictures and the
// command line all draw through here.
#pragma once

#include "ScatterDiagram.h"

struct tTwoVarOptions {
    int LineNameWidth = 74;        // the line grid's name column
    bool Regression = false;       // the scatter diagram's regression line
    tPointHitList *Hits = nullptr; // pane 1's marker list
    bool RecordScale = false;      // keep the scatter scale for picking
    int Model = 0;                 // the regression model (tRegressionModel)
};

// Whether Kind is drawn here for the marks of L: data sticks and curve,
// cross table, scatter diagram, regression models, residual plot, and the
// key figures and the chi-square test of two marked columns.
bool IsTwoVariableKind(const tLumen &L, int Kind);

// Draws such a kind (a faulty pair shows "Fejl i data-par" instead of key
// figures, cross table, test, scatter diagram, regression or residual
// plot); false, drawing nothing, for any other kind.
bool DrawTwoVariableKind(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                         int Kind, const tTwoVarOptions &O);

// Whether the two marked columns are faulty as a pair.
bool MarkedPairFaulty(const tLumen &L);
