// Typing into the observation grids and the keys that move the cursor.
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace
{
// The state after a script: each column with a name or cells as the grid
// shows them ("C=;;;3,14159", "D'Navn="), the line names ("#;;Ole"), the
// cursor (a data cell "C5", a column name "S:C", a line name "N:5"; "*" and
// the editor's text while it is open) and the status.
QString StateOf(TEditorFixture &F)
{
    QStringList State;
    for (int Col = 0; Col < ObsColumns; ++Col) {
        QStringList Cells;
        for (int Line = 0; Line < F.L().CellCount(Col); ++Line)
            Cells << F.L().GetCellText(Line, Col);
        const QString Name = F.L().GetColName(Col);
        if (!Cells.isEmpty() || !Name.isEmpty())
            State << ColLetter(Col) + (Name.isEmpty() ? "" : '\'' + Name) + '=' + Cells.join(';');
    }
    if (!F.L().LineNames.isEmpty())
        State << '#' + F.L().LineNames.join(';');
    if (F.Edit == nullptr)
        return State.join(' ');
    const QWidget *Focus = QApplication::focusWidget();
    for (TGridView *G : {F.Edit->DataDG(), F.Edit->SojleDG(), F.Edit->LinieDG()}) {
        if (G != Focus && !G->isAncestorOf(Focus))
            continue;
        const auto *Editor = qobject_cast<const QLineEdit *>(Focus);
        const QString Star = G->IsEditing() ? '*' + (Editor ? Editor->text() : "?") : QString();
        if (G == F.Edit->DataDG())
            State << ColLetter(G->Col()) + QString::number(G->Row() + 1) + Star;
        else if (G == F.Edit->SojleDG())
            State << QStringLiteral("S:") + ColLetter(G->Col()) + Star;
        else
            State << QStringLiteral("N:") + QString::number(G->Row() + 1) + Star;
        if (!G->viewport()->rect().contains(G->visualRect(G->currentIndex())))
            State << QStringLiteral("(out of sight)");
    }
    if (!F.Edit->StatusPanel->text().isEmpty())
        State << F.Edit->StatusPanel->text();
    if (F.Edit->DataDG()->model()->rowCount() != TDataEdit::InitialRows)
        State << QString::number(F.Edit->DataDG()->model()->rowCount()) + " lines";
    return State.join(' ');
}

bool DatatypeEnabled(TDataEdit *Edit, const char *Item)
{
    return Edit->EditorMenuBar()->findChild<QAction *>(QLatin1String(Item))->isEnabled();
}
} // namespace

class TstObsGridTyping : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    // Scripts: "@C4" puts the cursor in C4 ("@S:F" on F's name, "@N:4" on
    // line 4's name), "<ret>", "<esc>", "<tab>", "<l>", "<r>", "<u>", "<d>"
    // press keys, "<open>" opens the editor, "<close>" closes the window;
    // "A=1,,2" and "C:A*2" set up columns, "dec:C=2" sets decimals, "dir:right"
    // and "dir:stay" the edit direction, "comp:B" makes B computed, "rand:C"
    // random; any other word is typed into the cursor's cell.
    void typing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        auto Row = [](const char *Name, const char *Script, const char *State) {
            QTest::newRow(Name) << QString(Script) << QString::fromUtf8(State);
        };
        Row("comma", "dec:C=1 @C4 3,14159 <ret>", "C=;;;3,14159 C5* Kolonne C");
        Row("point, negative", "@C4 -2.5 <ret>", "C=;;;-2,5 C5* Kolonne C");
        Row("integer keeps decimals", "C=1,,,5 dec:C=2 @C4 7 <ret>", "C=1,00;;;7,00 C5* Kolonne C");
        Row("fewer decimals never lower them", "dec:C=3 @C4 2,5 <ret>", "C=;;;2,500 C5* Kolonne C");
        Row("thirteen digits capped at 9", "@C4 0,1234567890123 <ret>",
            "C=;;;0,123456789 C5* Kolonne C");
        Row("text", "C=1,,,5 @C4 abc <ret>", "C=1;;;abc C5* Kolonne C");
        // Each keystroke is stored: on the way, "1.000" was a number with three
        // decimals, which raised the column's decimals before the comma made it text.
        Row("thousands point is text", "C=1 @C4 1.000,5 <ret>", "C=1,000;;;1.000,5 C5* Kolonne C");
        Row("trailing separator", "dec:C=3 @C4 8, <ret>", "C=;;;8,000 C5* Kolonne C");
        Row("dash empties and shortens", "C=1,,,5 @C4 - <ret>", "C=1 C5* Kolonne C");
        Row("dash on an empty cell appends nothing", "@C4 - <ret>", "C5* Kolonne C");
        Row("enter down", "@D3 1 <ret>", "D=;;1 D4* Kolonne D");
        Row("enter right", "dir:right @D3 1 <ret>", "D=;;1 E3* Kolonne D");
        Row("enter right at Z to A, same line", "dir:right @Z6 1 <ret>", "Z=;;;;;1 A6* Kolonne Z");
        Row("enter stays", "dir:stay @D3 1 <ret>", "D=;;1 D3*1 Kolonne D");
        Row("enter right before computed stays", "dir:right comp:B @A1 1 <ret>",
            "A=1 A1*1 Kolonne A");
        Row("enter right skips random", "dir:right rand:C @B1 1 <ret>", "B=1 D1* Kolonne B");
        Row("enter right at Z skips computed A", "dir:right comp:A @Z2 1 <ret>",
            "Z=;1 B2* Kolonne Z");
        Row("tab over computed", "comp:B @A3 3 <tab>", "A=;;3 C3 Kolonne C");
        Row("tab without typing", "comp:B @C3 <tab>", "D3 Kolonne D");
        Row("right at Z wraps past computed A", "comp:A @Z8 <r>", "B8* Kolonne B");
        Row("left at A to line name", "@A7 <l>", "N:7*");
        Row("up at top to column name", "@E1 <u>", "S:E*");
        Row("right stops before computed", "comp:C @B1 <r>", "B1 Kolonne B");
        Row("left stops after computed", "comp:C @D1 <l>", "D1 Kolonne D");
        Row("name down to line 1", "@S:F <d>", "F1 Kolonne F");
        Row("name down not into computed", "comp:G @S:G <d>", "S:G");
        Row("name right at Z wraps", "@S:Z <r>", "S:A");
        Row("a name entered to the right at Z wraps", "dir:right @S:Z z <ret>", "Z'z= S:A");
        Row("a name entered to the right", "dir:right @S:B b <ret>", "B'b= S:C");
        Row("line name right to A", "@N:4 <r>", "A4 Kolonne A");
        Row("line name down", "@N:4 <d>", "N:5");
        Row("line name down at the bottom", "@N:40 <d>", "N:41");
        Row("data down at the bottom", "@A40 <d>", "A41 Kolonne A");
        Row("column name right at the edge", "@S:M <r>", "S:N");
        Row("line name down at the last line", "@N:500 <d>", "N:501 501 lines");
        Row("line name right not into computed A", "comp:A @N:4 <r>", "N:4");
        Row("escape restores value and decimals", "A=,,3.14159 dec:A=2 @A3 7,12345 <esc>",
            "A=;;3,14 A3 Kolonne A");
        // The exact value comes back, not its shown text.
        Row("escape restores the exact value", "A=,,3.14159 dec:A=2 @A3 7,12345 <esc> dec:A=5",
            "A=;;3,14159 A3 Kolonne A");
        Row("escape on an empty cell leaves no trace", "A=1 @A5 9 <esc>", "A=1 A5 Kolonne A");
        Row("leaving an untyped editor keeps the precision",
            "A=,,3.14159 dec:A=2 @A3 <open> <ret> dec:A=5", "A=;;3,14159 A4* Kolonne A");
        // With the editor open and its text selected, the arrows move the cell.
        Row("enter resumes editing, arrows move on", "@A1 4 <ret> <r>", "A=4 B2 Kolonne B");
        Row("escape drops the typed text", "@A1 4 <ret> <r> 9 <esc>", "A=4 B2 Kolonne B");
        // While typing, the arrows move the caret; at its edge they move the cell.
        Row("arrows move the caret to its edge", "@B2 56 <l> <r> <l> <l> <l>",
            "B=;56 A2 Kolonne A");
        Row("closing keeps the open edit", "@D3 12 <close>", "D=;;12");
        // Each key stores the cell and recomputes the columns computed from it,
        // while the editor keeps the text as typed.
        Row("every keystroke is stored", "A=4 B:A+1 dec:A=2 @A1 12,", "A=12,00 B=13 A1*12,");
        Row("the typed decimals are shown once committed",
            "A=4 B:A+1 dec:A=2 dec:B=1 @A1 12,5 <ret>", "A=12,50 B=13,5 A2* Kolonne A");
        Row("a column name keeps 20 characters", "@S:D abcdefghijklmnopqrstuvwxy <ret>",
            "D'abcdefghijklmnopqrst= D1 Kolonne D");
        Row("a line name", "@N:5 Ole <ret>", "#;;;;Ole N:6");
        Row("back in the same cell", "@A2 @S:C @A2", "A2 Kolonne A");
    }

    void typing()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        TEditorFixture F;
        tLumen &L = F.L();
        const QHash<QString, int> Keys{{"<ret>", Qt::Key_Return}, {"<esc>", Qt::Key_Escape},
                                       {"<tab>", Qt::Key_Tab},    {"<l>", Qt::Key_Left},
                                       {"<r>", Qt::Key_Right},    {"<u>", Qt::Key_Up},
                                       {"<d>", Qt::Key_Down}};
        TGridView *G = F.Edit->DataDG();
        bool Typed = false;
        for (const QString &T : script.split(' ')) {
            QApplication::processEvents(); // shows the step before
            const int Col = T.indexOf(':') > 0 ? ColIndex(T[T.indexOf(':') + 1]) : -1;
            if (T.startsWith(QLatin1String("@S:")) || T.startsWith(QLatin1String("@N:"))) {
                G = T[1] == 'S' ? F.Edit->SojleDG() : F.Edit->LinieDG();
                G->setFocus();
                G->SetCell(T[1] == 'S' ? 1 : T.mid(3).toInt() - 1, T[1] == 'S' ? Col : 1);
            } else if (T.startsWith('@')) {
                G = F.Edit->DataDG();
                G->setFocus();
                G->SetCell(T.mid(2).toInt() - 1, ColIndex(T[1]));
            } else if (Keys.contains(T)) {
                PressKey(Keys[T]);
            } else if (T == QLatin1String("<open>")) {
                G->edit(G->currentIndex());
            } else if (T == QLatin1String("<close>")) {
                F.Host.Editor = nullptr;
                delete F.Edit;
                F.Edit = nullptr;
            } else if (T.startsWith(QLatin1String("dec:"))) {
                L.SetDecimals(Col, T.mid(6).toInt());
                F.Edit->RepaintGrids(); // as the decimals commands do
            } else if (T.startsWith(QLatin1String("dir:"))) {
                while (L.GetEditDirection() != (T.endsWith("right") ? edRight : edStay))
                    L.NextEditDirection();
            } else if (T.startsWith(QLatin1String("comp:"))) {
                L.SetComputed(Col, true);
            } else if (T.startsWith(QLatin1String("rand:"))) {
                L.SetRandomCount(Col, 5);
            } else if (T.size() > 1 && T[0].isUpper() && (T[1] == '=' || T[1] == ':')) {
                SetupSheet(L, {T});
            } else {
                TypeInto(G, T, 0);
                Typed = true;
            }
        }
        QCOMPARE(StateOf(F), state);
        QVERIFY(F.Edit == nullptr || ScreenUpToDate(F.Edit));
        // Edited data keep their type: the Datatype items are disabled.
        if (F.Edit != nullptr)
            for (const char *Item : {"FunktionObs", "FunktionHyp", "FunktionGrup"})
                QCOMPARE(DatatypeEnabled(F.Edit, Item), !Typed);
    }

    void downAtLastRowGrows()
    {
        TEditorFixture F;
        TGridView *G = F.Edit->DataDG();
        QCOMPARE(G->model()->rowCount(), 500);
        G->setFocus();
        G->SetCell(499, 0);
        PressKey(Qt::Key_Down);
        QCOMPARE(G->model()->rowCount(), 501);
        // Both blocks and the line names learn of the new line.
        QCOMPARE(F.Edit->LinieDG()->verticalHeader()->count(), 501);
        QCOMPARE(F.Edit->DataDG(1)->model()->rowCount(), 501);
        QCOMPARE(G->Row(), 500);
        // Enter downwards on the last row grows too.
        TypeInto(G, QStringLiteral("4"));
        QCOMPARE(G->model()->rowCount(), 502);
        QCOMPARE(G->Row(), 501);
        // New clears back to 500 rows.
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ToolButton(QStringLiteral("NewSpeed"))->click();
        QCOMPARE(G->model()->rowCount(), 500);
        QCOMPARE(G->Row(), 0);
        QCOMPARE(G->verticalScrollBar()->value() + G->horizontalScrollBar()->value(), 0);
    }

    // Ctrl+V with nothing marked pastes into the cells from the cursor on,
    // skipping computed columns; one undo takes it back.
    void pasteIntoCell_data()
    {
        QTest::addColumn<QString>("Setup");
        QTest::addColumn<QString>("Cell"); // row, column
        QTest::addColumn<QString>("Clipboard");
        QTest::addColumn<QString>("Expected");
        QTest::addColumn<int>("Decimals"); // of the cursor's column
        QTest::newRow("one value") << "A=1" << "2,1" << "2,75" << "A=1|B=,,2.75" << 2;
        QTest::newRow("a block") << "" << "0,0" << "1\t2\r\n3\t4\r\n" << "A=1,3|B=2,4" << 0;
        QTest::newRow("a computed column skipped")
            << "A=1 C:A+1" << "1,0" << "5\t6\t7" << "A=1,5|B=,6|C:A+1=2,6" << 0;
        QTest::newRow("text stays text") << "" << "0,3" << "abc" << "D=abc" << 0;
    }

    void pasteIntoCell()
    {
        QFETCH(QString, Setup);
        QFETCH(QString, Cell);
        QFETCH(QString, Clipboard);
        QFETCH(QString, Expected);
        QFETCH(int, Decimals);
        TEditorFixture F;
        SetupSheet(F.L(), Setup.split(' ', Qt::SkipEmptyParts));
        const QString Before = Sheet(F.L());
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(Cell.section(',', 0, 0).toInt(), Cell.section(',', 1, 1).toInt());
        QApplication::clipboard()->setText(Clipboard);
        PressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Sheet(F.L()), Expected);
        QCOMPARE(F.L().GetDecimals(G->Col()), Decimals);
        QVERIFY(ScreenUpToDate(F.Edit));
        F.Edit->UndoCommand();
        QCOMPARE(Sheet(F.L()), Before);
    }

    // A sheet pasted as a new data set is shown from its top left corner,
    // however far the grid was scrolled; a text that is no sheet is refused
    // with its reason and changes nothing.
    void replaceAllShowsTopLeft()
    {
        TEditorFixture F;
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(480, 20);
        G->scrollTo(G->model()->index(480, 20));
        QVERIFY(G->verticalScrollBar()->value() > 0 && G->horizontalScrollBar()->value() > 0);
        QApplication::clipboard()->setText(QStringLiteral("1\t2\r\n3"));
        F.Edit->ReplaceAllCommand();
        QCOMPARE(F.Host.Script.Asked.size(), 1);
        QCOMPARE(F.Host.Script.Asked[0].Text,
                 QStringLiteral("Teksten kan ikke bruges som talsæt: række 2 har 1 felt, men den "
                                "første række har 2 felter"));
        QCOMPARE(G->Row(), 480);
        QApplication::clipboard()->setText(QStringLiteral("Højde\tVægt\n1,5\t2\n3\t4"));
        F.Edit->ReplaceAllCommand();
        QCOMPARE(Sheet(F.L()), QStringLiteral("A'Højde=1.5,3|B'Vægt=2,4"));
        QCOMPARE(G->Row() + G->Col(), 0);
        QCOMPARE(G->verticalScrollBar()->value() + G->horizontalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TstObsGridTyping)
#include "tst_obsgrid_typing.moc"
