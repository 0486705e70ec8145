// How the editors and the main window meet.
//
// The main window (TLumenForm) owns the one data set and carries out the file
// commands; the editors (TDataEdit, THypEdit, TGrupEdit) receive a TEditorHost
// and call it from their menus and tool buttons. Every message box, file
// dialog, printer dialog and the print name question goes through
// TEditorHost::Dialogs(), so that tests can answer them without a person
// (see app/ScriptedDialogs.h).
#pragma once

#include "Lumen.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

class QMenu;
class QMenuBar;
class QPrinter;

// The topics of the help the dialogs' "Hjælp" buttons open.
enum THelpTopic : int {
    htContents = 0,
    htObservations = 1,
    htCalc = 2,           // "Beregnede tal"
    htColumnSettings = 3, // "Indstillinger for kolonne"
    htRandom = 4,         // "Udfyld med tilfældige tal"
    htFrequencies = 5,
    htGroupings = 6,
    htFiles = 7,
    htText = 8,
    htDescriptions = 9,
    htTwoVariables = 10,
    htTableSettings = 11, // settings of a frequency or grouped column
};

// The dialogs of the program. The main window's own implementation runs the
// real dialogs; tests install one that answers from a script.
class TDialogs
{
  public:
    virtual ~TDialogs() = default;

    // A message box; returns the button pressed (Default when it only informs).
    virtual QMessageBox::StandardButton Message(QMessageBox::Icon Icon, const QString &Title,
                                                const QString &Text,
                                                QMessageBox::StandardButtons Buttons,
                                                QMessageBox::StandardButton Default) = 0;
    // The open dialog: "" when cancelled. Filter in Qt form, e.g.
    // "Lumentor datafiler (*.lmt)"; DefaultSuffix without the dot.
    virtual QString OpenFileName(const QString &Caption, const QString &Filter,
                                 const QString &DefaultSuffix) = 0;
    // The save dialog, filled with InitialName: "" when cancelled.
    virtual QString SaveFileName(const QString &Caption, const QString &Filter,
                                 const QString &DefaultSuffix, const QString &InitialName) = 0;
    // The print dialog. With MaxPage > 0 the pages 1..MaxPage are offered and
    // the user may choose a range (read it from Printer.fromPage()/toPage(),
    // both 0 for all pages). False when cancelled.
    virtual bool PrintDialog(QPrinter &Printer, int MaxPage) = 0;
    // The printer set-up dialog ("Indstil printer..."). False when cancelled.
    virtual bool PrinterSetupDialog(QPrinter &Printer) = 0;
    // The name dialog "Navn på udskriften": Name receives the entered text;
    // false unless confirmed with OK. The dialog shows the last name entered.
    virtual bool PrintName(QString &Name) = 0;
    // A short list to choose from ("Vælg ark" for a workbook's sheets): the
    // index chosen, -1 when cancelled. Without a window to ask in, the first.
    virtual int ChooseItem(const QString &Title, const QString &Label, const QStringList &Items)
    {
        Q_UNUSED(Title);
        Q_UNUSED(Label);
        return Items.isEmpty() ? -1 : 0;
    }
};

// What the editors may ask of the main window.
class TEditorHost
{
  public:
    virtual ~TEditorHost() = default;

    virtual TDialogs &Dialogs() = 0;

    // Shorthand for the most common dialog.
    QMessageBox::StandardButton Message(QMessageBox::Icon Icon, const QString &Title,
                                        const QString &Text,
                                        QMessageBox::StandardButtons Buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton Default = QMessageBox::NoButton)
    {
        return Dialogs().Message(Icon, Title, Text, Buttons, Default);
    }

    // The one data set. New and Open replace the object: never keep the
    // reference beyond TEditorBase::DataReplaced.
    virtual tLumen &Lumen() = 0;
    // The current data file, "" for an unsaved document.
    virtual QString FileName() const = 0;
    // The program's printer, kept for the whole run.
    virtual QPrinter &Printer() = 0;

    // File commands ("Ny", "Åbn...", "Gem", "Gem som...", "Tilføj Lumentor-fil").
    virtual void NewDocument(TDataType Type) = 0;
    virtual void OpenDocument() = 0;
    virtual void SaveDocument() = 0;
    virtual void SaveDocumentAs() = 0;
    // Another data file's observations below / to the right of the current
    // ones; true when something was added (the editor then recalculates and
    // repaints).
    virtual bool AppendLines() = 0;
    virtual bool AppendColumns() = 0;
    // Adds the submenu "Seneste filer" to the end of an editor's file menu: the
    // files used last, the one chosen opened as "Åbn..." would. A host that
    // keeps no such list adds nothing and returns nullptr.
    virtual QMenu *AddRecentFilesMenu(QMenu *FileMenu)
    {
        Q_UNUSED(FileMenu);
        return nullptr;
    }
    virtual void PrinterSetup() = 0; // "Indstil printer..."
    virtual void Exit() = 0;         // "Afslut": closes the main window

    // The "Datatype" menu: shows the editor of that type; the data stay.
    virtual void SetDataType(TDataType Type) = 0;
    virtual void UpdateCaption() = 0;

    // Help: contents (topic 0), keyword search, a numbered topic; the about box.
    virtual void ShowHelp(int Topic) = 0;
    virtual void HelpContents() = 0;
    virtual void HelpSearch() = 0;
    virtual void ShowAbout() = 0;

    // The text window "Tekst til data" (the editors' text button).
    virtual void ShowTextWindow(bool Show) = 0;
    virtual bool TextWindowShown() const = 0;

    // An editor was zoomed to Percent (a step of zoom::Steps): the host
    // zooms the other editors alike and remembers it for the next run.
    virtual void ZoomChosen(int Percent) { Q_UNUSED(Percent); }
};

// The frame every editor derives from; the main window shows one at a time in
// its client area.
class TEditorBase : public QWidget
{
  public:
    explicit TEditorBase(TEditorHost &Host, QWidget *Parent = nullptr) : QWidget(Parent), Host(Host)
    {
    }

    // dtObs, dtHyp or dtGrup.
    virtual TDataType EditorType() const = 0;
    // Called each time the editor becomes the shown one (it is already visible
    // and its menus are in the main window's menu bar).
    virtual void ShowEditor() = 0;
    // Called when another editor takes over (clears the marks).
    virtual void HideEditor() = 0;
    // The editor's menus. The bar itself is never shown: the main window puts
    // its actions (the top-level menus) into its own menu bar, so the editor
    // keeps ownership and can enable items as usual.
    virtual QMenuBar *EditorMenuBar() = 0;
    // The data set object was replaced: re-read Host.Lumen(). FromFile is true
    // after an open (also a failed one: then the set is empty), false after New.
    virtual void DataReplaced(bool FromFile) = 0;
    // Ends any in-place editing, storing the typed text; called before saving
    // and before the data set is replaced. False if the text could not be kept.
    virtual bool CommitEdit() = 0;
    // The text window was shown or hidden: put the text button up or down.
    virtual void SetTextButtonDown(bool Down) = 0;
    // Zooms the grids and description panes to Percent (100 = normal size).
    virtual void SetZoom(int Percent) { Q_UNUSED(Percent); }
    // A letter key pressed anywhere in the main window reaches the shown
    // editor first; true when the editor used it (the key then goes no further).
    virtual bool LetterKey(const QString &Text)
    {
        Q_UNUSED(Text);
        return false;
    }

  protected:
    TEditorHost &Host;
};
