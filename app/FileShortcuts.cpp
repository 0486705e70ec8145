// The ways to a file besides "Åbn...": the list of recent files in the file
// menus and files dropped on the main window.
#include "LumenForm.h"
#include "RecentFiles.h"
#include "SheetFile.h"
#include "TextTransfer.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>

namespace
{
const QString ErrorTitle = QStringLiteral("Fejl");

// A file that opens as a data set: a data file or a spreadsheet.
bool IsDataFile(const QString &Name)
{
    return QFileInfo(Name).suffix().compare(QLatin1String("lmt"), Qt::CaseInsensitive) == 0 ||
           IsSheetFileName(Name);
}

bool IsTextFile(const QString &Name)
{
    return QMimeDatabase().mimeTypeForFile(Name).inherits(QStringLiteral("text/plain"));
}

// The first local file of a drag, "" when it carries none.
QString DraggedFile(const QMimeData *Data)
{
    if (!Data || !Data->hasUrls())
        return QString();
    for (const QUrl &Url : Data->urls())
        if (Url.isLocalFile())
            return Url.toLocalFile();
    return QString();
}
} // namespace

QMenu *TLumenForm::AddRecentFilesMenu(QMenu *FileMenu)
{
    QMenu *Sub = FileMenu->addMenu(QStringLiteral("Seneste filer"));
    Sub->setObjectName(QStringLiteral("SenesteFiler"));
    // Filled as it opens, so that every editor's menu shows the same list.
    connect(Sub, &QMenu::aboutToShow, this, [this, Sub] {
        Recent->FillMenu(Sub, [this](const QString &Name) { OpenRecentFile(Name); });
    });
    return Sub;
}

void TLumenForm::OpenRecentFile(const QString &Name)
{
    CommitEditing();
    if (!QFileInfo(Name).isFile()) {
        Recent->Remove(Name);
        Dialogs().Message(QMessageBox::Critical, ErrorTitle,
                          QStringLiteral("Filen %1 findes ikke længere. Den er fjernet fra "
                                         "listen over seneste filer.")
                              .arg(QDir::toNativeSeparators(Name)),
                          QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (QuerySave() == QMessageBox::Cancel)
        return;
    OpenFile(Name);
}

bool TLumenForm::DropFile(const QString &Name)
{
    if (IsDataFile(Name)) {
        CommitEditing();
        if (QuerySave() == QMessageBox::Cancel)
            return false;
        OpenFile(Name);
        return true;
    }
    if (Shown && Shown->EditorType() == dtObs && IsTextFile(Name))
        return ImportTextFile(Name);
    return false;
}

bool TLumenForm::ImportTextFile(const QString &Name)
{
    CommitEditing();
    tLumen &L = *DataSet;
    if (L.HasData() && Dialogs().Message(QMessageBox::Information, QStringLiteral("Erstat alt?"),
                                         QStringLiteral("Det nuværende indhold mistes"),
                                         QMessageBox::Ok | QMessageBox::Cancel,
                                         QMessageBox::Ok) != QMessageBox::Ok)
        return false;
    QString Text;
    if (!ReadTextFile(Name, true, Text)) {
        Dialogs().Message(QMessageBox::Critical, ErrorTitle,
                          QStringLiteral("Kunne ikke læse tekstfilen"), QMessageBox::Ok,
                          QMessageBox::Ok);
        return false;
    }
    L.ClearColSelection();
    L.ClearLineSelection();
    // The reader takes the undo step "Indsæt ark" and changes nothing when
    // the text is no sheet.
    QString Fault;
    if (!PasteSheet(L, Text, true, &Fault)) {
        Dialogs().Message(QMessageBox::Critical, ErrorTitle, Fault, QMessageBox::Ok,
                          QMessageBox::Ok);
        return false;
    }
    // The observation editor reads the changed set again and shows it.
    Editors[dtObs]->DataReplaced(true);
    ShowEditor(dtObs);
    return true;
}

void TLumenForm::dragEnterEvent(QDragEnterEvent *Event)
{
    const QString Name = DraggedFile(Event->mimeData());
    const bool Wanted =
        !Name.isEmpty() &&
        (IsDataFile(Name) || (Shown && Shown->EditorType() == dtObs && IsTextFile(Name)));
    if (Wanted && !QApplication::activeModalWidget())
        Event->acceptProposedAction();
}

void TLumenForm::dragMoveEvent(QDragMoveEvent *Event)
{
    Event->acceptProposedAction();
}

void TLumenForm::dropEvent(QDropEvent *Event)
{
    const QString Name = DraggedFile(Event->mimeData());
    if (Name.isEmpty())
        return;
    Event->acceptProposedAction();
    // The questions and messages run after the drag has ended, so that the
    // program that started it is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, Name] { DropFile(Name); }, Qt::QueuedConnection);
}
