#include "TwoVarPages.h"

#include "ChiTestDraw.h"
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

tPagedDrawing ChiTestPages(const tLumen &L, const tDescriptor &D, int LineNameWidth,
                           TDataType Type)
{
    return [&L, &D, LineNameWidth, Type](QPainter &P, const tDrawContext &C, int PageLimit) {
        // The document y is the drawing's own y: a page shows the part from
        // its top (where the previous page stopped) half an inch down.
        const int Top = std::max(0, PageTopOf(C, PageLimit));
        const int m = C.PrinterPpi / 2;
        const tChiTest T = ChiTestFor(L, D, Type);
        const std::vector<int> Breaks = ChiTestBreaks(P, D, T, C, LineNameWidth);
        const int Height = Breaks.empty() ? 0 : Breaks.back();
        int Cut = std::min(Height, PageLimit);
        if (Height > PageLimit)
            for (int B : Breaks)
                if (B > Top && B <= PageLimit)
                    Cut = B;
        tDrawContext Whole = C;
        Whole.Width = std::max(0, C.Width - 2 * m);
        Whole.Height = Height;
        P.save();
        P.setClipRect(QRect(0, m + Top, C.Width, std::max(0, Cut - Top)), Qt::IntersectClip);
        P.translate(m, m);
        DrawChiTest(P, Whole, L, D, T, LineNameWidth);
        P.restore();
        return Height <= PageLimit || Cut <= Top ? 0 : Cut;
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
