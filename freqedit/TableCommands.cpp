// The column commands of the table editors: cut, copy, paste, clear, insert,
// remove, swap, undo, decimals, text import and the column settings.
#include "Clipboard.h"
#include "TableEdit.h"

#include "TextTransfer.h"
#include <algorithm>

#include <QLabel>

void TTableEdit::AfterColumnCommand()
{
    DataGridModel->AllChanged();
    ColModel->AllChanged();
    RepaintGrids();
    UpdateButtons();
    RefreshDescriptions();
}

void TTableEdit::CutColumn()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 1)
        return;
    EndEditing();
    StatusPanel->clear();
    const int K = Side.MarkedCol(L, 0);
    Side.ClearMarks(L);
    SetClipboardText(Side.ColumnText(L, K));
    Side.SaveUndo(L, uoCut);
    Side.DeleteColumn(L, K);
    L.Modified = true;
    AfterColumnCommand();
}

void TTableEdit::CopyColumn()
{
    const tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 1)
        return;
    EndEditing();
    SetClipboardText(Side.ColumnText(L, Side.MarkedCol(L, 0)));
}

void TTableEdit::PasteColumn()
{
    tLumen &L = Host.Lumen();
    QString Text;
    if (Side.MarkedCount(L) != 1 || !GetClipboardText(Text))
        return;
    EndEditing();
    StatusPanel->clear();
    const int K = Side.MarkedCol(L, 0);
    Side.ClearMarks(L);
    Side.SaveUndo(L, uoInsert);
    Side.PasteColumn(L, K, Text, false);
    L.Modified = true;
    SetRowCount(std::max(Rows, Side.MaxLines(L)));
    AfterColumnCommand();
}

void TTableEdit::ClearColumns()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) == 0)
        return;
    EndEditing();
    StatusPanel->clear();
    Side.SaveUndo(L, uoDelete);
    for (int Col : Side.Marked(L))
        Side.ClearColumn(L, Col);
    Side.ClearMarks(L);
    L.Modified = true;
    AfterColumnCommand();
}

void TTableEdit::InsertEmptyColumn()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 1)
        return;
    EndEditing();
    StatusPanel->clear();
    const int K = Side.MarkedCol(L, 0);
    Side.ClearMarks(L);
    Side.SaveUndo(L, uoAdd);
    Side.InsertColumn(L, K);
    L.Modified = true;
    AfterColumnCommand();
}

void TTableEdit::RemoveColumns()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) == 0)
        return;
    EndEditing();
    StatusPanel->clear();
    Side.SaveUndo(L, uoRemove);
    const QVector<int32_t> Marked = Side.Marked(L);
    for (int I = Marked.size() - 1; I >= 0; --I)
        Side.DeleteColumn(L, Marked[I]);
    Side.ClearMarks(L);
    L.Modified = true;
    AfterColumnCommand();
}

void TTableEdit::SwapColumns()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 2)
        return;
    EndEditing();
    StatusPanel->clear();
    const int A = Side.MarkedCol(L, 0), B = Side.MarkedCol(L, 1);
    Side.ClearMarks(L);
    Side.SaveUndo(L, uoSwap);
    Side.SwapColumns(L, A, B);
    L.Modified = true;
    AfterColumnCommand();
}

void TTableEdit::UndoCommand()
{
    tLumen &L = Host.Lumen();
    if (L.GetUndoOp() == 0)
        return;
    EndEditing();
    StatusPanel->clear();
    Side.ClearMarks(L);
    Side.Undo(L);
    L.Modified = true;
    SetRowCount(std::max(Rows, Side.MaxLines(L)));
    AfterColumnCommand();
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
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 1)
        return;
    EndEditing();
    const QString Name =
        Host.Dialogs().OpenFileName(QStringLiteral("Import af tekst"),
                                    QStringLiteral("Tekstfiler (*.txt)"), QStringLiteral("txt"));
    if (Name.isEmpty())
        return;
    QString Text;
    if (!ReadTextFile(Name, false, Text)) {
        Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                     QStringLiteral("Kunne ikke læse filen ") + Name);
        return;
    }
    StatusPanel->clear();
    const int K = Side.MarkedCol(L, 0);
    Side.ClearMarks(L);
    Side.SaveUndo(L, uoInsert);
    Side.PasteColumn(L, K, Text, true);
    L.Modified = true;
    SetRowCount(std::max(Rows, Side.MaxLines(L)));
    AfterColumnCommand();
}

void TTableEdit::ColumnSettingsCommand()
{
    tLumen &L = Host.Lumen();
    if (Side.MarkedCount(L) != 1)
        return;
    const int K = Side.MarkedCol(L, 0);
    Side.ClearMarks(L);
    RepaintGrids();
    UpdateButtons();
    RefreshDescriptions();
    OpenColumnSettings(K);
}
