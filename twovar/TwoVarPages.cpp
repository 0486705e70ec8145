#include "TwoVarPages.h"

#include "CrossCount.h"
#include "CrossTable.h"
#include "DataSticks.h"

namespace
{

// The document y PrintPages gives the page: its limit less the printable
// height less the bottom margin.
int PageTopOf(const tDrawContext &C, int PageLimit)
{
    return PageLimit - (C.Height - C.PrinterPpi);
}

} // namespace

tPagedDrawing CrossTablePages(const tLumen &L, const tDescriptor &D, int LineNameWidth,
                              bool Grouped)
{
    return [&L, &D, LineNameWidth, Grouped](QPainter &P, const tDrawContext &C, int PageLimit) {
        const int Top = std::max(0, PageTopOf(C, PageLimit));
        const int Columns = CountCrossTable(L, D).k0 + 1;
        tCrossTablePart From;
        From.FirstRow = Top / Columns;
        From.FirstColumn = Top % Columns;
        P.save();
        P.translate(0, Top);
        const tCrossTableRest Rest = Grouped
                                         ? DrawGroupedCrossTable(P, C, L, D, LineNameWidth, From)
                                         : DrawCrossTable(P, C, L, D, LineNameWidth, From);
        P.restore();
        int NextRow = From.FirstRow, NextColumn = Rest.NextColumn;
        if (!Rest.ColumnsLeft()) {
            NextRow = Rest.NextRow;
            NextColumn = 0;
        }
        if (NextRow >= Rest.Rows)
            return 0;
        return NextRow * Columns + NextColumn;
    };
}

tPagedDrawing DataSticksPages(const tLumen &L, const tDescriptor &D, int LineNameWidth, bool Curve)
{
    return [&L, &D, LineNameWidth, Curve](QPainter &P, const tDrawContext &C, int PageLimit) {
        const int FirstRow = std::max(0, PageTopOf(C, PageLimit));
        P.save();
        P.translate(0, FirstRow);
        const int Next = Curve ? DrawDataCurve(P, C, L, D, LineNameWidth, FirstRow)
                               : DrawDataSticks(P, C, L, D, LineNameWidth, FirstRow);
        P.restore();
        return Next >= DataStickRows(D) ? 0 : Next;
    };
}
