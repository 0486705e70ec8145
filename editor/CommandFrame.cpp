// The command frame shared by the three editors: every data-changing command
// runs through RunCommand, and menu items and tool buttons take their
// captions and enabling from the editor's CommandState.
#include "EditorFrame.h"

#include "TextTransfer.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

bool TEditorFrame::RunCommand(uint8_t Op, const std::function<bool()> &Change)
{
    EndEditing();
    StatusPanel->clear();
    if (Op != uoNone) {
        SaveUndoStep(Op);
        if (QToolButton *Undo = ToolButton(QStringLiteral("UndoSpeed")))
            Undo->setEnabled(true);
    }
    const bool Changed = Change();
    if (Changed) {
        Lumen().SetModified();
        AfterCommand();
        RefreshDescriptions();
    }
    UpdateButtons();
    return Changed;
}

void TEditorFrame::UndoCommand()
{
    if (UndoStepOp() == uoNone)
        return;
    EndEditing();
    StatusPanel->clear();
    ClearMarks();
    UndoStep();
    Lumen().SetModified();
    AfterCommand();
    UpdateButtons();
    RefreshDescriptions();
}

void TEditorFrame::BindCommand(int Id, QAction *Item)
{
    CommandItems.insert(Id, Item);
}

void TEditorFrame::BindCommand(int Id, QToolButton *Button)
{
    CommandButtons.insert(Id, Button);
}

void TEditorFrame::ApplyCommandStates()
{
    QList<QAction *> Items;
    for (auto It = CommandItems.cbegin(); It != CommandItems.cend(); ++It)
        Items << It.value();
    ApplyCommandStates(Items);
    QHash<int, TCommandState> Known;
    for (auto It = CommandButtons.cbegin(); It != CommandButtons.cend(); ++It) {
        if (!Known.contains(It.key()))
            Known.insert(It.key(), CommandState(It.key()));
        It.value()->setEnabled(Known.value(It.key()).Enabled);
    }
}

void TEditorFrame::ApplyCommandStates(const QList<QAction *> &Items)
{
    for (auto It = CommandItems.cbegin(); It != CommandItems.cend(); ++It) {
        if (!Items.contains(It.value()))
            continue;
        const TCommandState S = CommandState(It.key());
        if (!S.Caption.isEmpty())
            It.value()->setText(S.Caption);
        It.value()->setEnabled(S.Enabled);
    }
}

// The text file chosen in "Import af tekst" and its lines; false when the
// dialog was cancelled or the file could not be read (then told).
bool TEditorFrame::AskTextFile(bool DropEmptyLines, QString &Text)
{
    const QString Name =
        Host.Dialogs().OpenFileName(QStringLiteral("Import af tekst"),
                                    QStringLiteral("Tekstfiler (*.txt *.csv *.tsv);;Alle filer (*)"),
                                    QStringLiteral("txt"));
    if (Name.isEmpty())
        return false;
    if (ReadTextFile(Name, DropEmptyLines, Text))
        return true;
    Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                 QStringLiteral("Kunne ikke læse ") + QFileInfo(Name).fileName(), QMessageBox::Ok,
                 QMessageBox::Ok);
    return false;
}
