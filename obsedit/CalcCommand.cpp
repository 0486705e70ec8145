// "Beregnede tal...": the computed-column dialog for the marked column, and
// what the editor does with its answer.
#include "CalcDlg.h"
#include "DataEdit.h"

#include <QLabel>
#include <algorithm>

TCalcDlg *TDataEdit::CalcDialog()
{
    // One dialog for the whole run.
    if (CalcDlg == nullptr)
        CalcDlg = new TCalcDlg(Host, this);
    return CalcDlg;
}

void TDataEdit::CalcCommand()
{
    tLumen &L = Host.Lumen();
    if (!L.AnyColSelected())
        return;
    EndEditing();
    const int Col = L.SelCol(0);
    TCalcDlg *D = CalcDialog();
    const TCalcDlg::TResult Result = D->Execute(Col);
    if (Result == TCalcDlg::rsCancel)
        return;
    SetDataEdited(true);
    // The undo step holds the column as it was before the dialog: the
    // dialog itself changes nothing until StoreFormula.
    RunCommand(Result == TCalcDlg::rsOk ? uoAdd : uoDelete, [this, D, Col] {
        tLumen &L = Host.Lumen();
        D->StoreFormula();
        if (D->ComputedChanged() || D->FormulaChanged()) {
            // A column that is no longer computed loses its cells; either
            // way the columns reading it follow.
            if (!L.IsComputed(Col))
                L.Cols[Col].Cells.clear();
            L.ClearSingleLine();
            L.RecalcFrom(Col);
            // A new computed column shows its fractions, as typing would.
            if (D->ComputedChanged() && L.IsComputed(Col)) {
                int32_t Needed = L.GetDecimals(Col);
                for (const tCell &C : L.Cols[Col].Cells)
                    if (C.State == csNumber)
                        Needed = std::max(Needed, DecimalsToShow(C.Value, 9));
                L.SetDecimals(Col, Needed);
            }
        }
        return true;
    });
    ShowColumnStatus(Col);
}
