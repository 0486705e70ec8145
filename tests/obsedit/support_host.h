// A small stand-in for the main window: owns the data set, answers dialogs
// from a script and records the commands the editor asks for.
#pragma once

#include "EditorHost.h"
#include "ScriptedDialogs.h"
#include "support_rows.h"

#include <QPrinter>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>

class TFakeHost : public TEditorHost
{
  public:
    TFakeHost();
    ~TFakeHost() override;

    TDialogs &Dialogs() override { return Script; }
    tLumen &Lumen() override { return *Data; }
    QString FileName() const override { return QString(); }
    QPrinter &Printer() override;

    void NewDocument(TDataType Type) override;
    void OpenDocument() override { Calls << QStringLiteral("Open"); }
    void SaveDocument() override { Calls << QStringLiteral("Save"); }
    void SaveDocumentAs() override { Calls << QStringLiteral("SaveAs"); }
    bool AppendLines() override { return false; }
    bool AppendColumns() override { return false; }
    void PrinterSetup() override { Calls << QStringLiteral("PrinterSetup"); }
    void Exit() override { Calls << QStringLiteral("Exit"); }
    void SetDataType(TDataType Type) override { Calls << QStringLiteral("Type %1").arg(Type); }
    void UpdateCaption() override {}
    void ShowHelp(int Topic) override { Calls << QStringLiteral("Help %1").arg(Topic); }
    void HelpContents() override { Calls << QStringLiteral("HelpContents"); }
    void HelpSearch() override { Calls << QStringLiteral("HelpSearch"); }
    void ShowAbout() override { Calls << QStringLiteral("About"); }
    void ShowTextWindow(bool Show) override { TextShown = Show; }
    bool TextWindowShown() const override { return TextShown; }

    TScriptedDialogs Script;
    QStringList Calls;
    TEditorBase *Editor = nullptr;
    bool TextShown = false;

  private:
    std::unique_ptr<tLumen> Data;
    std::unique_ptr<QPrinter> ThePrinter;
};

// Fixes locale and font for the editor tests.
void InitEditorTest();

class TDataEdit;
class TGridView;

// An observation editor in a shown, active window, with its fake host.
struct TEditorFixture {
    TEditorFixture();
    ~TEditorFixture();
    TFakeHost Host;
    TDataEdit *Edit = nullptr;
    tLumen &L() { return Host.Lumen(); }
};

// Types Text into the grid's current cell as a person does (the first key
// opens the in-place editor) and ends with Key (0: no key).
void TypeInto(TGridView *View, const QString &Text, int Key = Qt::Key_Return);
// Sends a key to whatever has the focus.
void PressKey(int Key, Qt::KeyboardModifiers Mods = Qt::NoModifier);
// A mouse click on a header cell's letter part (or drop button).
void ClickHeader(TGridView *View, int Row, int Col, Qt::KeyboardModifiers Mods = Qt::NoModifier,
                 bool Drop = false);
// A column made computed from a formula the way the formula dialog does.
bool MakeComputed(tLumen &L, int Col, const QString &Formula);

// Whether the window shows, once pending repaints are done, what it would
// paint afresh: a change that forgets a repaint leaves stale pixels behind.
bool ScreenUpToDate(QWidget *Window);

// Runs Act on the next modal dialog once it is shown (for commands that open
// one and wait); Act must close it. The dialog's object name is recorded in
// Seen.
void WhenModal(std::function<void(QWidget *)> Act, QString *Seen = nullptr);
