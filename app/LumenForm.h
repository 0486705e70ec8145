// The main window: owns the data set and the file name, hosts one editor at a
// time and carries out the file commands for all of them.
#pragma once

#include "EditorHost.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QMenu;
class QPrinter;
class QStackedWidget;
class TAboutBox;
class THelpWindow;
class TInfoForm;
class TRecentFiles;

class TLumenForm : public QMainWindow, public TEditorHost
{
    Q_OBJECT
  public:
    using TEditorFactory = std::function<TEditorBase *(TDataType, TEditorHost &, QWidget *)>;

    // SplashWaitMs: how long the first showing waits for the splash window.
    // Factory makes the three editors (the program's own when empty).
    explicit TLumenForm(int SplashWaitMs = 0, const TEditorFactory &Factory = {});
    ~TLumenForm() override;

    // Start-up: the splash window to free after the wait (owned from now on)
    // and the command-line arguments naming a file to open.
    void SetSplash(QWidget *Splash);
    void SetArguments(const QStringList &Arguments);
    // The file named by the arguments: joined by blanks, quotation marks removed.
    static QString CommandLineFileName(const QStringList &Arguments);
    // Dialogs answered by someone else (the tests); nullptr for the real ones.
    void SetDialogs(TDialogs *Dialogs);

    // TEditorHost
    TDialogs &Dialogs() override;
    tLumen &Lumen() override { return *DataSet; }
    QString FileName() const override { return CurrentFileName; }
    QPrinter &Printer() override;
    void NewDocument(TDataType Type) override;
    void OpenDocument() override;
    void SaveDocument() override;
    void SaveDocumentAs() override;
    bool AppendLines() override;
    bool AppendColumns() override;
    QMenu *AddRecentFilesMenu(QMenu *FileMenu) override;
    void PrinterSetup() override;
    void Exit() override;
    void SetDataType(TDataType Type) override { ShowEditor(Type); }
    void UpdateCaption() override;
    void ShowHelp(int Topic) override;
    void HelpContents() override;
    void HelpSearch() override;
    void ShowAbout() override;
    void ShowTextWindow(bool Show) override;
    bool TextWindowShown() const override;
    void ZoomChosen(int Percent) override;

    void ShowEditor(TDataType Type);
    void HideEditor();
    // A data file, or a spreadsheet (.xlsx, .ods, .csv) as a new unsaved
    // observation data set.
    void OpenFile(const QString &Name);
    void OpenSheetFile(const QString &Name);
    QMessageBox::StandardButton QuerySave();
    void SaveToNamedFile();

    // A file from the recent-files list: opened after the save question; a
    // file that is gone is taken off the list with a message.
    void OpenRecentFile(const QString &Name);
    // A file dropped on the window: a data file is opened after the save
    // question; a text file shown to the observation editor is imported as a
    // new data set. False when the drop was refused or cancelled.
    bool DropFile(const QString &Name);
    // Replaces the observations by a text file's sheet, asking "Erstat alt?"
    // when data would be lost.
    bool ImportTextFile(const QString &Name);

    TEditorBase *Editor(TDataType Type) const;
    TEditorBase *ShownEditor() const { return Shown; }
    TInfoForm *InfoForm() const { return Info; }
    THelpWindow *HelpWindow() const { return Help; }
    TAboutBox *AboutBox() const { return About; }
    // The start-up work of the first showing has been done.
    bool Started() const { return FirstShowDone; }
    // The start the run command gives a newcomer: column A of the opened
    // example marked and described in the mixed view (LUMENTOR_DEMO=1).
    void ShowDemo();

  protected:
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void dragEnterEvent(QDragEnterEvent *Event) override;
    void dragMoveEvent(QDragMoveEvent *Event) override;
    void dropEvent(QDropEvent *Event) override;

  private:
    void FirstShow();
    void BuildOwnMenu();
    void UseMenusOf(QMenuBar *Bar);
    void ReplaceDataSet(std::unique_ptr<tLumen> NewSet, bool FromFile);
    bool CommitEditing();
    std::unique_ptr<tLumen> ReadForAppend(TDataType &FileType);
    // Tells why another file's data cannot be added; always false.
    bool RefuseAppend(const QString &Text);

    std::unique_ptr<tLumen> DataSet;
    QString CurrentFileName;
    QString SheetFileName; // the spreadsheet an unsaved set was read from
    std::unique_ptr<TDialogs> OwnDialogs;
    TDialogs *ActiveDialogs = nullptr;
    std::unique_ptr<QPrinter> PrinterObject;

    QStackedWidget *Stack = nullptr;
    QWidget *Logo = nullptr;
    std::array<TEditorBase *, 4> Editors{};
    TEditorBase *Shown = nullptr;
    QMenu *OwnFileMenu = nullptr;
    QMenu *OwnHelpMenu = nullptr;
    TInfoForm *Info = nullptr;
    THelpWindow *Help = nullptr;
    TAboutBox *About = nullptr;
    TRecentFiles *Recent = nullptr;

    int SplashWait;
    QWidget *Splash = nullptr;
    QStringList Arguments;
    bool FirstShowDone = false;
};
