// The column commands of the table editors: cut, copy, paste, clear, insert,
// remove, swap, decimals, text import and the column settings. Each runs in
// the editors' shared command frame (RunCommand), which takes the undo step
// of this editor's side.
#include "Clipboard.h"
#include "TableEdit.h"

#include <QLabel>
#include <algorithm>

void TTableEdit::ClearMarks()
{
    Side.ClearMarks(Host.Lumen());
    RepaintGrids();
}

void TTableEdit::AfterCommand()
{
    // Pasted or restored columns may be longer than the grids.
    SetRowCount(std::max(Rows, Side.MaxLines(Host.Lumen())));
    DataGridModel->AllChanged();
    ColModel->AllChanged();
    RepaintGrids();
}

void TTableEdit::CutColumn()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcCut).Enabled)
        return;
    const int K = Side.MarkedCol(L, 0);
    EndEditing();
    ClearMarks();
    SetClipboardText(Side.ColumnText(L, K));
    RunCommand(uoCut, [&] {
        Side.DeleteColumn(L, K);
        return true;
    });
}

void TTableEdit::CopyColumn()
{
    const tLumen &L = Host.Lumen();
    if (!CommandState(tcCopy).Enabled)
        return;
    EndEditing();
    SetClipboardText(Side.ColumnText(L, Side.MarkedCol(L, 0)));
}

void TTableEdit::InsertColumnFromText(const QString &Text, bool FromFile)
{
    tLumen &L = Host.Lumen();
    const int K = Side.MarkedCol(L, 0);
    EndEditing();
    ClearMarks();
    RunCommand(uoInsert, [&] {
        Side.PasteColumn(L, K, Text, FromFile);
        return true;
    });
}

void TTableEdit::PasteColumn()
{
    QString Text;
    if (!CommandState(tcPaste).Enabled || !GetClipboardText(Text))
        return;
    InsertColumnFromText(Text, false);
}

void TTableEdit::ClearColumns()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcClear).Enabled)
        return;
    RunCommand(uoDelete, [&] {
        for (int Col : Side.Marked(L))
            Side.ClearColumn(L, Col);
        ClearMarks();
        return true;
    });
}

void TTableEdit::InsertEmptyColumn()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcInsertEmpty).Enabled)
        return;
    const int K = Side.MarkedCol(L, 0);
    EndEditing();
    ClearMarks();
    RunCommand(uoAdd, [&] {
        Side.InsertColumn(L, K);
        return true;
    });
}

void TTableEdit::RemoveColumns()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcRemove).Enabled)
        return;
    RunCommand(uoRemove, [&] {
        const QVector<int32_t> Marked = Side.Marked(L);
        for (int I = Marked.size() - 1; I >= 0; --I)
            Side.DeleteColumn(L, Marked[I]);
        ClearMarks();
        return true;
    });
}

void TTableEdit::SwapColumns()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcSwap).Enabled)
        return;
    const int A = Side.MarkedCol(L, 0), B = Side.MarkedCol(L, 1);
    EndEditing();
    ClearMarks();
    RunCommand(uoSwap, [&] {
        Side.SwapColumns(L, A, B);
        return true;
    });
}

void TTableEdit::DecimalsCommand(int Delta)
{
    EndEditing();
    tLumen &L = Host.Lumen();
    bool Changed = false;
    for (int Col : Side.Marked(L)) {
        const int D = Side.Decimals(L, Col);
        if ((Delta > 0 && D < 9) || (Delta < 0 && D > 0)) {
            Side.SetDecimals(L, Col, D + Delta);
            RepaintValueColumns(Col);
            Changed = true;
        }
    }
    if (Changed)
        RefreshDescriptions();
}

void TTableEdit::ImportText()
{
    if (!CommandState(tcImport).Enabled)
        return;
    EndEditing();
    QString Text;
    if (AskTextFile(false, Text))
        InsertColumnFromText(Text, true);
}

void TTableEdit::ColumnSettingsCommand()
{
    tLumen &L = Host.Lumen();
    if (!CommandState(tcSettings).Enabled)
        return;
    const int K = Side.MarkedCol(L, 0);
    ClearMarks();
    UpdateButtons();
    RefreshDescriptions();
    OpenColumnSettings(K);
}
