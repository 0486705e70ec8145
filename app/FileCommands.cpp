// The file commands of the main window: new, open, save, save as, the save
// question, and appending another data file's observations.
#include "AppendData.h"
#include "InfoForm.h"
#include "LumenForm.h"
#include "RecentFiles.h"
#include "SheetFileOpen.h"

#include <QDir>
#include <QFileInfo>

namespace
{
const QString DataFilter = QStringLiteral("Lumentor datafiler (*.lmt)");
const QString DataSuffix = QStringLiteral("lmt");
const QString ErrorTitle = QStringLiteral("Fejl");

// A read-only file: no write permission for us, or none for anyone (the
// second counts also for an administrator, who may write everything).
bool IsReadOnlyFile(const QFileInfo &Info)
{
    const QFileDevice::Permissions Write =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !Info.isWritable() || !(Info.permissions() & Write);
}
} // namespace

bool TLumenForm::CommitEditing()
{
    return Shown ? Shown->CommitEdit() : true;
}

void TLumenForm::ReplaceDataSet(std::unique_ptr<tLumen> NewSet, bool FromFile)
{
    // The editors hear of the new set before the old one goes away.
    std::unique_ptr<tLumen> Old = std::move(DataSet);
    DataSet = std::move(NewSet);
    for (TEditorBase *E : Editors)
        if (E)
            E->DataReplaced(FromFile);
    Old.reset();
}

QMessageBox::StandardButton TLumenForm::QuerySave()
{
    if (!DataSet->IsModified())
        return QMessageBox::No;
    const QMessageBox::StandardButton Answer = Dialogs().Message(
        QMessageBox::Question, QStringLiteral("Data er ændret"),
        QStringLiteral("Skal ændringerne gemmes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (Answer == QMessageBox::Yes) {
        SaveDocumentAs();
        // The user wanted the data kept: unless they are saved now (the save
        // dialog cancelled, a read-only target, a failed write), the caller
        // stops rather than letting them go.
        if (DataSet->IsModified())
            return QMessageBox::Cancel;
    }
    return Answer;
}

void TLumenForm::NewDocument(TDataType Type)
{
    CommitEditing();
    if (QuerySave() == QMessageBox::Cancel)
        return;
    CurrentFileName.clear();
    SheetFileName.clear();
    ReplaceDataSet(std::make_unique<tLumen>(), false);
    Info->ResetText();
    ShowEditor(Type);
}

void TLumenForm::OpenDocument()
{
    CommitEditing();
    if (QuerySave() == QMessageBox::Cancel)
        return;
    const QString Name = Dialogs().OpenFileName(
        QStringLiteral("Åbn"),
        DataFilter + QStringLiteral(";;") + SheetFilter + QStringLiteral(";;") + AllFilesFilter,
        DataSuffix);
    if (!Name.isEmpty())
        OpenFile(Name);
}

void TLumenForm::OpenFile(const QString &Name)
{
    if (IsSheetFileName(Name)) {
        OpenSheetFile(Name);
        return;
    }
    SheetFileName.clear();
    // Kept with its folder: a name given relative to the start folder must
    // still lead "Gem" and "Gem som" there.
    CurrentFileName = Name.isEmpty() ? Name : QFileInfo(Name).absoluteFilePath();
    std::unique_ptr<tLumen> NewSet = tLumen::CreateFromFile(Name);
    if (!NewSet || NewSet->ReadFailed()) {
        CurrentFileName.clear();
        ReplaceDataSet(std::make_unique<tLumen>(), true);
        Info->ResetText();
        ShowEditor(dtObs);
        Dialogs().Message(QMessageBox::Critical, ErrorTitle, QStringLiteral("Kunne ikke læse data"),
                          QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    // Reading set the data type; a file without a valid one shows observations.
    TDataType Type = DataType;
    if (Type != dtObs && Type != dtHyp && Type != dtGrup)
        Type = dtObs;
    ReplaceDataSet(std::move(NewSet), true);
    Info->LoadText();
    ShowEditor(Type);
    Recent->Add(Name);
}

// A spreadsheet as a new, unsaved observation data set named after the file;
// the open data set stays when the file cannot be read or the sheet choice
// is cancelled.
void TLumenForm::OpenSheetFile(const QString &Name)
{
    tSheet Sheet;
    if (!AskAndReadSheet(Dialogs(), Name, Sheet))
        return;
    auto NewSet = std::make_unique<tLumen>();
    FillSheet(*NewSet, Sheet);
    NewSet->ClearModified();
    CurrentFileName.clear();
    SheetFileName = Name;
    DataType = dtObs;
    ReplaceDataSet(std::move(NewSet), true);
    Info->ResetText();
    ShowEditor(dtObs);
    Recent->Add(Name);
    TellSheetCut(Dialogs(), Sheet);
}

void TLumenForm::SaveDocument()
{
    CommitEditing();
    if (CurrentFileName.isEmpty())
        SaveDocumentAs();
    else
        SaveToNamedFile();
}

void TLumenForm::SaveDocumentAs()
{
    CommitEditing();
    // A set read from a spreadsheet is offered a data file beside it, so that
    // the spreadsheet is never written over.
    QString Initial = CurrentFileName;
    if (Initial.isEmpty() && !SheetFileName.isEmpty()) {
        const QFileInfo Sheet(SheetFileName);
        Initial = Sheet.dir().filePath(Sheet.completeBaseName() + QStringLiteral(".") + DataSuffix);
    }
    QString Name =
        Dialogs().SaveFileName(QStringLiteral("Gem som"), DataFilter, DataSuffix, Initial);
    if (Name.isEmpty())
        return;
    if (IsSheetFileName(Name)) {
        const QFileInfo Typed(Name);
        Name = Typed.dir().filePath(Typed.completeBaseName() + QStringLiteral(".") + DataSuffix);
    }
    CurrentFileName = Name;
    SheetFileName.clear();
    SaveToNamedFile();
    UpdateCaption();
}

void TLumenForm::SaveToNamedFile()
{
    const QFileInfo Target(CurrentFileName);
    if (Target.exists() && IsReadOnlyFile(Target)) {
        Dialogs().Message(QMessageBox::Information, QStringLiteral("Skrivebeskyttet fil"),
                          QStringLiteral("Gem filen med et andet navn"), QMessageBox::Ok,
                          QMessageBox::Ok);
        CurrentFileName.clear();
        UpdateCaption();
        return;
    }
    DataSet->SaveToFile(CurrentFileName);
    if (DataSet->WriteFailed())
        Dialogs().Message(QMessageBox::Critical, ErrorTitle,
                          QStringLiteral("Kunne ikke gemme data"), QMessageBox::Ok,
                          QMessageBox::Ok);
    else {
        DataSet->ClearModified();
        Recent->Add(CurrentFileName);
    }
}

// Asks for the file to add and reads it; nullptr after a cancel or a read
// error (reported). FileType is the data type the file holds; the program's
// own data type stays as it was.
std::unique_ptr<tLumen> TLumenForm::ReadForAppend(TDataType &FileType)
{
    const QString Name = Dialogs().OpenFileName(QStringLiteral("Tilføj"), DataFilter, DataSuffix);
    if (Name.isEmpty())
        return nullptr;
    const TDataType Saved = DataType;
    std::unique_ptr<tLumen> Other = tLumen::CreateFromFile(Name);
    FileType = DataType;
    DataType = Saved;
    if (!Other || Other->ReadFailed()) {
        Dialogs().Message(QMessageBox::Critical, ErrorTitle, QStringLiteral("Kunne ikke læse data"),
                          QMessageBox::Ok, QMessageBox::Ok);
        return nullptr;
    }
    return Other;
}

bool TLumenForm::RefuseAppend(const QString &Text)
{
    Dialogs().Message(QMessageBox::Critical, ErrorTitle, Text, QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

bool TLumenForm::AppendLines()
{
    TDataType FileType = dtNone;
    std::unique_ptr<tLumen> Other = ReadForAppend(FileType);
    if (!Other)
        return false;
    if (FileType != dtObs || !LinesFit(*DataSet, *Other))
        return RefuseAppend(QStringLiteral("De nye data passer ikke til søjlerne"));
    AppendLinesOf(*DataSet, *Other);
    return true;
}

bool TLumenForm::AppendColumns()
{
    TDataType FileType = dtNone;
    std::unique_ptr<tLumen> Other = ReadForAppend(FileType);
    if (!Other)
        return false;
    if (FileType != dtObs || !ColumnsFit(*DataSet, *Other))
        return RefuseAppend(QStringLiteral("De nye data passer ikke til linjerne"));
    AppendColumnsOf(*DataSet, *Other);
    return true;
}
