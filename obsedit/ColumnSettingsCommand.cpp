// The column settings dialog opened from the editor, and the refresh that
// shows a new grouping at once.
#include "DataEdit.h"
#include "DataStilDlg.h"
#include "Describe.h"
#include "TerningDlg.h"

void TDataEdit::BuildDataTools()
{
    DataStilDlg = new TDataStilDlg(Host, this);
    TerningDlg = new TTerningDlg(this);
    TerningDlg->ShowMessage = [this](QMessageBox::Icon Icon, const QString &Title,
                                     const QString &Text) { Host.Message(Icon, Title, Text); };
    TerningDlg->ShowHelp = [this] { Host.ShowHelp(htRandom); };
    connect(this, &TDataEdit::ColumnSettingsRequested, this, &TDataEdit::ColumnSettingsCommand);
}

void TDataEdit::ColumnSettingsCommand(int Col)
{
    if (Col < 0 || Col >= ObsColumns)
        return;
    EndEditing();
    if (DataStilDlg->Execute(Col) != QDialog::Accepted) {
        ShowColumnStatus(Col);
        return;
    }
    tLumen &L = Host.Lumen();
    SetDataEdited(true);
    DataStilDlg->Apply();
    // New manual intervals regroup the column as much as new automatic
    // bounds do.
    const bool BoundsChanged = DataStilDlg->AutoTextsChanged() || DataStilDlg->IntervalsChanged();
    const bool KindChanged = DataStilDlg->GroupKindChanged();
    if (KindChanged || (L.IsGrouped(Col) && BoundsChanged) || DataStilDlg->DecimalsChanged()) {
        DataGridModel->ColumnChanged(Col);
        RepaintGrids();
        RefreshDescriptions();
    }
    const int First = L.AnyColSelected() ? L.SelCol(0) : -1;
    if (KindChanged || (First >= 0 && L.IsGrouped(First) && BoundsChanged)) {
        // Show the new grouping at once as a table of the column.
        L.ClearColSelection();
        L.ClearLineSelection();
        if (View() == vwEdit)
            SetView(vwMixed);
        L.ToggleColSelected(Col);
        // The grid beside the table shows the column it describes.
        if (View() == vwMixed)
            Blocks[1]->ScrollToGridColumn(Col);
        Descriptor().MarkStale();
        ChooseKind(1, ItemOfKind(bkTabel));
        RepaintGrids();
        Pane(1)->Repaint();
        UpdateButtons();
    }
    ShowColumnStatus(Col);
}
