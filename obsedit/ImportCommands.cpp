// Bringing data from files into the observation editor: another data file's
// observations below or to the right, a text file or a spreadsheet as a new
// column, line or data set.
#include "DataEdit.h"

#include "ObsCommands.h"
#include "SheetFileOpen.h"
#include "TextCommands.h"
#include "TextTransfer.h"

#include <QFileInfo>

// The file chosen in "Import af tekst": a spreadsheet's chosen sheet in
// Sheet (IsSheet true), else a text file's lines in Text. False when the
// dialog or the sheet choice was cancelled or the file could not be read
// (then told).
bool TDataEdit::AskImportFile(bool DropEmptyLines, QString &Text, tSheet &Sheet, bool &IsSheet)
{
    const QString Name = Host.Dialogs().OpenFileName(
        QStringLiteral("Import af tekst"),
        QStringLiteral("Tekstfiler (*.txt *.csv *.tsv);;") + SheetFilter + QStringLiteral(";;") +
            AllFilesFilter,
        QStringLiteral("txt"));
    if (Name.isEmpty())
        return false;
    IsSheet = IsSheetFileName(Name);
    if (IsSheet)
        return AskAndReadSheet(Host.Dialogs(), Name, Sheet);
    if (ReadTextFile(Name, DropEmptyLines, Text))
        return true;
    Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                 QStringLiteral("Kunne ikke læse ") + QFileInfo(Name).fileName(), QMessageBox::Ok,
                 QMessageBox::Ok);
    return false;
}

void TDataEdit::ImportAsCommand()
{
    if (!CommandState(ocImportAs).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    if (Column && InsertRefusedForFormula(QStringLiteral("Importér tekstfil")))
        return;
    QString Text;
    tSheet Sheet;
    bool IsSheet = false;
    if (!AskImportFile(false, Text, Sheet, IsSheet))
        return;
    // A sheet arrives as its rows of fields, read like a text file's.
    if (IsSheet)
        Text = SheetAsText(Sheet);
    const int At = Column ? L.SelCol(0) : L.SelLine(0);
    ClearMarks();
    UpdateButtons();
    RunCommand(uoInsert, [&] {
        if (Column)
            return InsertColumnText(L, At, Text, true);
        InsertLineText(L, At, Text, true);
        return true;
    });
}

void TDataEdit::ImportAsDataCommand()
{
    EndEditing();
    QString Text;
    tSheet Sheet;
    bool IsSheet = false;
    if (!AskImportFile(true, Text, Sheet, IsSheet) || !ReplaceAllAsked())
        return;
    if (!IsSheet) {
        ReplaceAllBy(Text, true);
        return;
    }
    tLumen &L = Host.Lumen();
    if (RunCommand(uoNone, [&] {
            L.SaveUndo(uoInsertSheet);
            FillSheet(L, Sheet);
            ClearMarks();
            return true;
        }))
        ShowTopLeft();
    TellSheetCut(Host.Dialogs(), Sheet);
}

void TDataEdit::AppendBelowCommand()
{
    // The data set takes the undo step once the file fits.
    RunCommand(uoNone, [this] {
        if (!Host.AppendLines())
            return false;
        RecalcAll(Host.Lumen());
        return true;
    });
}

void TDataEdit::AppendRightCommand()
{
    RunCommand(uoNone, [this] {
        if (!Host.AppendColumns())
            return false;
        RecalcAll(Host.Lumen());
        return true;
    });
}
