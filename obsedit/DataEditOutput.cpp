// The observation editor's printing and copying of the kinds of several
// columns: the cross table and the data sticks and curve page by page, the
// cross table and the key figures of two columns as text.
#include "DataEdit.h"

#include "Describe.h"
#include "TwoVar.h"
#include "TwoVarPages.h"

int TDataEdit::PrintKindPages(QPainter &P, const tDrawContext &C, int Kind, int PageLimit)
{
    const tLumen &L = Host.Lumen();
    const tDescriptor &D = Descriptor();
    switch (Kind) {
    case bkKrydstabel:
        return CrossTablePages(L, D, LineNameWidth(), DescribesGrouped())(P, C, PageLimit);
    case bkDatapinde:
    case bkDatakurve:
        return DataSticksPages(L, D, LineNameWidth(), Kind == bkDatakurve)(P, C, PageLimit);
    default:
        return TEditorFrame::PrintKindPages(P, C, Kind, PageLimit);
    }
}

QString TDataEdit::KindText(int Kind)
{
    const tLumen &L = Host.Lumen();
    const tDescriptor &D = Descriptor();
    if (Kind == bkKrydstabel)
        return DescribesGrouped() ? GroupedCrossTableText(L, D) : CrossTableText(L, D);
    if (Kind == bkMaerketal && L.SelColCount() == 2)
        return PairKeyFiguresText(L, D);
    if (Kind == bkRegression)
        return RegressionText(L, D);
    return TEditorFrame::KindText(Kind);
}
