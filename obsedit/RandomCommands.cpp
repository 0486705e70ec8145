// Random numbers in the observation editor: the dialog that makes the marked
// columns random columns (or ordinary again), and the refill of every random
// column with the computed columns that follow them.
#include "DataEdit.h"
#include "Describe.h"
#include "Random.h"
#include "TerningDlg.h"

#include <tuple>

void TDataEdit::RandomRangeCommand()
{
    EndEditing();
    tLumen &L = Host.Lumen();
    const int Marked = L.SelColCount();
    // Only empty or random columns may be filled: typed data are never
    // drawn over, whatever path led here.
    for (int I = 0; I < Marked; ++I)
        if (L.CellCount(L.SelCol(I)) > 0 && L.GetRandomCount(L.SelCol(I)) <= 0)
            return;
    if (Marked == 0)
        return;
    auto Settings = [&L](int Col) {
        return std::make_tuple(L.GetRandomFrom(Col), L.GetRandomTo(Col), L.GetRandomCount(Col),
                               L.GetRandomFlag(Col));
    };
    const int First = L.SelCol(0);
    bool Same = true;
    for (int I = 1; I < Marked; ++I)
        Same = Same && Settings(L.SelCol(I)) == Settings(First);
    if (Same && L.GetRandomCount(First) >= 1)
        TerningDlg->Setup(L.GetRandomFrom(First), L.GetRandomTo(First), L.GetRandomCount(First),
                          L.GetRandomFlag(First) != 0);
    else
        TerningDlg->Reset();

    const int Result = TerningDlg->Run();
    if (Result == TTerningDlg::mrOk) {
        SetDataEdited(true);
        const bool Reals = TerningDlg->From() == 0 && TerningDlg->To() == 0;
        for (int I = 0; I < Marked; ++I) {
            const int Col = L.SelCol(I);
            L.SetRandomFrom(Col, TerningDlg->From());
            L.SetRandomTo(Col, TerningDlg->To());
            L.SetRandomCount(Col, TerningDlg->Count());
            L.SetRandomFlag(Col, TerningDlg->Without() ? 1 : 0);
            if (Reals)
                L.SetDecimals(Col, 10);
        }
        NewRandomNumbers();
    } else if (Result == TTerningDlg::mrNo) {
        RunCommand(uoNone, [this, &L, Marked] {
            for (int I = 0; I < Marked; ++I) {
                const int Col = L.SelCol(I);
                L.ClearRandom(Col);
                L.Cols[size_t(Col)].Cells.clear();
            }
            L.ClearSingleLine();
            for (int I = 0; I < Marked; ++I)
                L.RecalcFrom(L.SelCol(I));
            Descriptor().ClearSelection();
            return true;
        });
    }
    if (Marked == 1 && !ShowingGridBlock()->DataDG->IsEditing())
        ShowColumnStatus(First);
}

void TDataEdit::NewRandomNumbers()
{
    // The refill takes no undo step: the numbers are drawn anew at will.
    RunCommand(uoNone, [this] {
        tLumen &L = Host.Lumen();
        if (FillRandomColumns(L, ProgramRandom()).isEmpty())
            return false;
        tDescriptor &D = Descriptor();
        D.ClearSelection();
        D.ClearReadings();
        return true;
    });
}
