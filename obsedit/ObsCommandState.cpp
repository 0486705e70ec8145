#include "ObsCommandState.h"

#include "Lumen.h"
#include "ObsCommands.h"

namespace
{

// Column form when a column is marked, else line form, else neither.
TCommandState Pick(const tLumen &L, const char *ColCaption, bool ColOn, const char *LineCaption,
                   bool LineOn, const char *NoneCaption)
{
    if (L.SelColCount() >= 1)
        return {QString::fromUtf8(ColCaption), ColOn};
    if (L.SelLineCount() >= 1)
        return {QString::fromUtf8(LineCaption), LineOn};
    return {QString::fromUtf8(NoneCaption), false};
}

} // namespace

TCommandState ObsCommandState(int Id, const tLumen &L, const TObsCommandContext &C)
{
    const int Cols = L.SelColCount(), Lines = L.SelLineCount();
    const int First = L.SelCol(0);
    const bool OneCol = Cols == 1, OneLine = Cols == 0 && Lines == 1;
    switch (Id) {
    case ocUndo:
        return {UndoCaption(L.GetUndoOp()), L.GetUndoOp() != uoNone};
    case ocCut:
        return Pick(L, "Klip kolonne", OneCol, "Klip linje", OneLine, "Klip");
    case ocCopy:
        return Pick(L, "Kopiér kolonne", OneCol, "Kopiér linje", OneLine, "Kopiér");
    case ocPaste:
        return Pick(L, "Indsæt kolonne", OneCol && C.ClipboardHasText, "Indsæt linje",
                    OneLine && C.ClipboardHasText, "Indsæt");
    case ocClear:
        return Pick(L, "Rens kolonne(r)", true, "Rens linje(r)", true, "Rens");
    case ocClearAll:
        return {QString(), true};
    case ocInsertEmpty:
        return Pick(L, "Indsæt en tom kolonne", OneCol, "Indsæt en tom linje", OneLine,
                    "Indsæt tom");
    case ocRemove:
        return Pick(L, "&Fjern kolonne(r)", ColumnsAdjacent(L.SelCols), "&Fjern linje(r)", true,
                    "Fjern");
    case ocSwap:
        return Pick(L, "Ombyt to kolonner",
                    Cols == 2 && !L.IsComputed(L.SelCol(0)) && !L.IsComputed(L.SelCol(1)),
                    "Ombyt to linjer", Lines == 2, "Ombyt to");
    case ocSortUp:
        return {QString(), (OneCol && L.CellCount(First) > 0) ||
                               (OneLine && L.NumbersInLine(L.SelLine(0)) > 0)};
    case ocSortNames:
        return {QString(), L.MaxLines() >= 2};
    case ocCopyAll:
        return {QString(), true};
    case ocReplaceAll:
        return {QString(), C.ClipboardHasText};
    case ocSettings:
        return {QString(), OneCol};
    case ocDecimals:
        return {QString(), Cols >= 1};
    case ocDeciButtons:
        return {QString(), C.ColumnsShown && Cols >= 1};
    case ocMul10:
        return {QString(), OneCol && !L.IsComputed(First)};
    case ocRandomRange: {
        bool AllEmptyOrRandom = true;
        for (int I = 0; I < Cols; ++I) {
            const int Col = L.SelCol(I);
            AllEmptyOrRandom =
                AllEmptyOrRandom && (L.CellCount(Col) == 0 || L.GetRandomCount(Col) > 0);
        }
        return {QString(), C.ColumnsShown && Cols > 0 && AllEmptyOrRandom};
    }
    case ocNewRandom:
        return {QString(), C.ColumnsShown && L.HasRandomColumns()};
    case ocRandomMenu:
        return {QString(), ObsCommandState(ocRandomRange, L, C).Enabled ||
                               ObsCommandState(ocNewRandom, L, C).Enabled};
    case ocCalc:
        return {QString(),
                C.ColumnsShown && OneCol && (L.IsComputed(First) || L.CellCount(First) == 0)};
    case ocImportAs:
        return Pick(L, "Som ny kolonne...", OneCol, "Som ny linje...", OneLine,
                    "Som ny kolonne/linje...");
    default:
        return {};
    }
}
