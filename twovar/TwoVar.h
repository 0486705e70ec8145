// Everything the two-variable layer offers, for the editors and the CLI.
#pragma once

#include "CrossCount.h"
#include "ChiTest.h"
#include "ChiTestDraw.h"
#include "CrossTable.h"
#include "DataSticks.h"
#include "PairFigures.h"
#include "PairKeyFigures.h"
#include "RegressionDraw.h"
#include "RegressionModels.h"
#include "RegressionText.h"
#include "ScatterDiagram.h"
#include "TwoVarKind.h"
