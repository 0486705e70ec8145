// The observation editor's column and line commands: each works on the
// marked columns when a column is marked, else on the marked lines. The
// changes themselves are on the data set (ObsCommands.h); RunCommand gives
// them the shared frame of editing, undo and refresh.
#include "DataEdit.h"

#include "Clipboard.h"
#include "ObsCommands.h"
#include "TextCommands.h"
#include "TextTransfer.h"

#include <QLabel>

namespace
{

void ShowUsedInFormula(TEditorHost &Host, const QString &Caption, int Col)
{
    Host.Message(QMessageBox::Information, Caption,
                 QStringLiteral("Kolonne ") + ColLetter(Col) +
                     QStringLiteral(" er med i et regneudtryk og kan ikke fjernes"));
}

// Removing (or cutting) a column that another column's formula reads is
// refused with a message; true when refused.
bool RefusedForFormula(TEditorHost &Host, const QVector<int32_t> &Cols)
{
    const int Used = ColumnUsedInFormula(Host.Lumen(), Cols);
    if (Used < 0)
        return false;
    ShowUsedInFormula(Host, QStringLiteral("Fjern kolonne"), Used);
    return true;
}

} // namespace

bool TDataEdit::InsertRefusedForFormula(const QString &Caption)
{
    // A new column pushes Z out of the sheet; a formula reading Z would be
    // left without its column.
    const int Used = ColumnPushedOutOfFormula(Host.Lumen());
    if (Used < 0)
        return false;
    ShowUsedInFormula(Host, Caption, Used);
    return true;
}

// The editor's side of the command frame.

void TDataEdit::ClearMarks()
{
    tLumen &L = Host.Lumen();
    L.ClearColSelection();
    L.ClearLineSelection();
}

void TDataEdit::AfterCommand()
{
    const tLumen &L = Host.Lumen();
    RaiseRowCount(L.MaxLines());
    DataGridModel->AllChanged();
    ColModel->AllChanged();
    LineModel->AllChanged();
    RepaintGrids();
    // The cursor leaves a column that became computed or random.
    for (TGridBlock *B : Blocks) {
        const int Col = B->DataDG->Col();
        if (Col >= 0 && !CanEnter(Col))
            B->DataDG->SetCell(std::max(0, B->DataDG->Row()), SkipFrom(Col));
    }
}

void TDataEdit::ColumnsChanged(const QVector<int32_t> &Cols)
{
    for (int Col : Cols) {
        DataGridModel->ColumnChanged(Col);
        ColModel->ColumnChanged(Col);
    }
}

// Commands.

void TDataEdit::CutCommand()
{
    if (!CommandState(ocCut).Enabled)
        return;
    tLumen &L = Host.Lumen();
    if (L.AnyColSelected()) {
        const int K = L.SelCol(0);
        // Cutting moves the columns on its right as removing does, so a
        // column read by a formula stays, and the formulas follow the move.
        if (RefusedForFormula(Host, {K}))
            return;
        EndEditing();
        L.ClearColSelection();
        UpdateButtons();
        SetClipboardText(ColumnText(L, K));
        RunCommand(uoCut, [&] {
            RemoveColumns(L, {K});
            return true;
        });
    } else {
        const int R = L.SelLine(0);
        EndEditing();
        L.ClearLineSelection();
        SetClipboardText(LineText(L, R));
        RunCommand(uoCut, [&] {
            L.DeleteLine(R);
            return true;
        });
    }
}

void TDataEdit::CopyCommand()
{
    if (!CommandState(ocCopy).Enabled)
        return;
    EndEditing();
    const tLumen &L = Host.Lumen();
    if (L.AnyColSelected()) {
        const int K = L.SelCol(0);
        if (L.IsComputed(K))
            Host.Message(QMessageBox::Information, QStringLiteral("Kopiering af beregnet kolonne"),
                         QStringLiteral("Bemærk: Det er de beregnede tal i cellerne, der bliver "
                                        "kopieret, ikke den formel der har frembragt tallene."));
        SetClipboardText(ColumnText(L, K));
    } else {
        SetClipboardText(LineText(L, L.SelLine(0)));
    }
}

void TDataEdit::PasteCommand()
{
    if (!CommandState(ocPaste).Enabled)
        return;
    QString Text;
    if (!GetClipboardText(Text))
        return;
    tLumen &L = Host.Lumen();
    EndEditing();
    if (L.AnyColSelected()) {
        if (InsertRefusedForFormula(QStringLiteral("Indsæt kolonne")))
            return;
        const int K = L.SelCol(0);
        L.ClearColSelection();
        UpdateButtons();
        RunCommand(uoInsert, [&] { return InsertColumnText(L, K, Text, false); });
    } else {
        const int R = L.SelLine(0);
        L.ClearLineSelection();
        RunCommand(uoInsert, [&] {
            InsertLineText(L, R, Text, false);
            return true;
        });
    }
}

void TDataEdit::ClearCommand()
{
    if (!CommandState(ocClear).Enabled)
        return;
    tLumen &L = Host.Lumen();
    if (L.AnyColSelected()) {
        const QVector<int32_t> Cols = L.SelCols;
        RunCommand(uoDelete, [&] {
            ClearColumns(L, Cols);
            L.ClearColSelection();
            return true;
        });
    } else {
        const QVector<int32_t> Lines = L.SelLines;
        RunCommand(uoDelete, [&] {
            ClearLines(L, Lines);
            L.ClearLineSelection();
            return true;
        });
    }
}

void TDataEdit::InsertEmptyCommand()
{
    if (!CommandState(ocInsertEmpty).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    const int At = Column ? L.SelCol(0) : L.SelLine(0);
    if (Column && InsertRefusedForFormula(QStringLiteral("Indsæt en tom kolonne")))
        return;
    EndEditing();
    ClearMarks();
    RunCommand(uoAdd, [&] {
        if (Column)
            return InsertEmptyColumn(L, At);
        InsertEmptyLine(L, At);
        return true;
    });
}

void TDataEdit::RemoveCommand()
{
    if (!CommandState(ocRemove).Enabled)
        return;
    tLumen &L = Host.Lumen();
    if (L.AnyColSelected()) {
        const QVector<int32_t> Cols = L.SelCols;
        if (RefusedForFormula(Host, Cols))
            return;
        RunCommand(uoRemove, [&] {
            RemoveColumns(L, Cols);
            L.ClearColSelection();
            return true;
        });
    } else {
        const QVector<int32_t> Lines = L.SelLines;
        RunCommand(uoRemove, [&] {
            RemoveLines(L, Lines);
            L.ClearLineSelection();
            return true;
        });
    }
}

void TDataEdit::SwapCommand()
{
    if (!CommandState(ocSwap).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    const int A = Column ? L.SelCol(0) : L.SelLine(0);
    const int B = Column ? L.SelCol(1) : L.SelLine(1);
    ClearMarks();
    RunCommand(uoSwap, [&] {
        if (Column)
            SwapTwoColumns(L, A, B);
        else
            SwapTwoLines(L, A, B);
        return true;
    });
}

void TDataEdit::SortCommand(bool Ascending)
{
    if (!CommandState(ocSortUp).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    const int At = Column ? L.SelCol(0) : L.SelLine(0);
    RunCommand(uoSort, [&] {
        if (Column) {
            L.SortLinesByColumn(At, Ascending);
            RecalcAll(L);
        } else {
            // Whole columns move, so every line of a computed column changes.
            L.SortColumnsByLine(At, Ascending);
            RecalcAll(L);
        }
        return true;
    });
}

void TDataEdit::SortByNamesCommand(bool Ascending)
{
    if (!CommandState(ocSortNames).Enabled)
        return;
    tLumen &L = Host.Lumen();
    RunCommand(uoSort, [&] {
        L.SortLinesByName(Ascending);
        return true;
    });
}

void TDataEdit::DecimalsCommand(int Delta)
{
    if (!CommandState(ocDecimals).Enabled)
        return;
    EndEditing();
    tLumen &L = Host.Lumen();
    const QVector<int32_t> Changed = StepDecimals(L, L.SelCols, Delta);
    ColumnsChanged(Changed);
    if (!Changed.isEmpty())
        RefreshDescriptions();
}

void TDataEdit::ScaleCommand(bool Divide)
{
    if (!CommandState(ocMul10).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const QVector<int32_t> Cols = L.SelCols;
    RunCommand(Divide ? uoDiv10 : uoMul10,
               [&] { return !ScaleColumns(L, Cols, Divide).isEmpty(); });
    // A tenth shows one decimal more.
    if (Divide)
        DecimalsCommand(+1);
}
