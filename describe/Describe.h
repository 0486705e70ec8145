// Everything the description layer offers, for the editors and the CLI.
#pragma once

#include "CellText.h"
#include "ChartFrame.h"
#include "Clipboard.h"
#include "DataSetPrint.h"
#include "Descriptor.h"
#include "DrawContext.h"
#include "DrawKind.h"
#include "FreqGraph.h"
#include "FreqTableDraw.h"
#include "KeyFigureDraw.h"
#include "KeyFigures.h"
#include "NormalPlot.h"
#include "NormalPlotDraw.h"
#include "PieChart.h"
#include "Printing.h"
#include "TextTransfer.h"
