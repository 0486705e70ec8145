// Typing into the observation grids and the keys that move the cursor.
#include "support_host.h"

#include "DataEdit.h"
#include "Descriptor.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

class TstObsGridTyping : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void typing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("startDecimals");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("decimals");

        QTest::newRow("comma") << "3,14159" << 1 << int(csNumber) << "3,14159" << 5;
        QTest::newRow("point") << "2.5" << 0 << int(csNumber) << "2,5" << 1;
        QTest::newRow("integer keeps decimals") << "7" << 2 << int(csNumber) << "7,00" << 2;
        QTest::newRow("thirteen digits capped at 9")
            << "0,1234567890123" << 0 << int(csNumber) << "0,123456789" << 9;
        QTest::newRow("text") << "abc" << 0 << int(csText) << "abc" << 0;
        // Each keystroke is stored: on the way, "1.000" was a number with three
        // decimals, which raised the column's decimals before the comma made it text.
        QTest::newRow("thousands point is text") << "1.000,5" << 0 << int(csText) << "1.000,5" << 3;
        QTest::newRow("negative") << "-4,5" << 0 << int(csNumber) << "-4,5" << 1;
        QTest::newRow("trailing separator") << "8," << 3 << int(csNumber) << "8,000" << 3;
    }

    void typing()
    {
        QFETCH(QString, text);
        QFETCH(int, startDecimals);
        QFETCH(int, state);
        QFETCH(QString, shown);
        QFETCH(int, decimals);

        TEditorFixture F;
        F.L().SetDecimals(2, startDecimals);
        F.L().ClearModified();
        TGridView *G = F.Edit->DataDG();
        G->SetCell(3, 2);
        QVERIFY(!F.Edit->DataEdited());
        TypeInto(G, text);
        QCOMPARE(int(F.L().GetCellState(3, 2)), state);
        QCOMPARE(F.L().GetCellText(3, 2), shown);
        QCOMPARE(F.L().GetDecimals(2), decimals);
        QVERIFY(F.L().IsModified());
        QVERIFY(F.Edit->DataEdited());
        // Edited data keep their type: the Datatype items are disabled.
        for (const char *Item : {"FunktionObs", "FunktionHyp", "FunktionGrup"})
            QVERIFY(
                !F.Edit->EditorMenuBar()->findChild<QAction *>(QLatin1String(Item))->isEnabled());
        // The grid shows and edits the same text.
        QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::DisplayRole).toString(), shown);
        QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::EditRole).toString(), shown);
    }

    void decimalsNeverFall()
    {
        TEditorFixture F;
        TGridView *G = F.Edit->DataDG();
        G->SetCell(0, 0);
        TypeInto(G, QStringLiteral("3,14159"));
        TypeInto(G, QStringLiteral("2,5"));
        TypeInto(G, QStringLiteral("2"));
        QCOMPARE(F.L().GetDecimals(0), 5);
        QCOMPARE(F.L().GetCellText(2, 0), QStringLiteral("2,00000"));
    }

    void dashEmptiesAndShortens()
    {
        TEditorFixture F;
        F.L().SetCellText(0, 1, QStringLiteral("1"));
        F.L().SetCellText(4, 1, QStringLiteral("5"));
        TGridView *G = F.Edit->DataDG();
        G->SetCell(4, 1);
        TypeInto(G, QStringLiteral("-"));
        QCOMPARE(int(F.L().GetCellState(4, 1)), int(csEmpty));
        QCOMPARE(F.L().CellCount(1), 1);
        // A typed "-" on an empty cell appends nothing.
        G->SetCell(9, 3);
        TypeInto(G, QStringLiteral("-"));
        QCOMPARE(F.L().CellCount(3), 0);
    }

    void typedCellRecalculatesDependents()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        L.SetCellText(0, 0, QStringLiteral("1"));
        L.SetCellText(1, 0, QStringLiteral("2"));
        QVERIFY(MakeComputed(L, 2, QStringLiteral("A*10")));
        TCellState S;
        QCOMPARE(double(L.GetCellValue(1, 2, S)), 20.0);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(1, 0);
        TypeInto(G, QStringLiteral("7"));
        QCOMPARE(double(L.GetCellValue(1, 2, S)), 70.0);
        QCOMPARE(int(S), int(csNumber));
        // Only the typed line is recomputed; the other stays as it was.
        QCOMPARE(double(L.GetCellValue(0, 2, S)), 10.0);
        QVERIFY(!L.SingleLine);
    }

    void everyKeystrokeIsStored()
    {
        // The descriptions follow the typing: each key stores the cell, while
        // the editor keeps the text as typed.
        TEditorFixture F;
        tLumen &L = F.L();
        L.SetDecimals(0, 2);
        L.SetCellText(0, 0, QStringLiteral("4"));
        QVERIFY(MakeComputed(L, 1, QStringLiteral("A+1")));
        L.ToggleColSelected(0);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(0, 0);
        TypeInto(G, QStringLiteral("1"), 0);
        auto *Editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(Editor != nullptr);
        QCOMPARE(L.GetCellText(0, 0), QStringLiteral("1,00"));
        QTest::keyClicks(Editor, QStringLiteral("2,"));
        QCOMPARE(Editor->text(), QStringLiteral("12,"));
        QCOMPARE(L.GetCellText(0, 0), QStringLiteral("12,00"));
        TCellState S;
        QCOMPARE(double(L.GetCellValue(0, 1, S)), 13.0);
        QTest::keyClicks(Editor, QStringLiteral("5"));
        QCOMPARE(Editor->text(), QStringLiteral("12,5"));
        QCOMPARE(double(L.GetCellValue(0, 0, S)), 12.5);
        // The summary of the marked column already knows the new value.
        tDescriptor &D = DescriptorOf(L);
        D.Recompute(L);
        QCOMPARE(D.SeriesCount(), 1);
        QCOMPARE(double(D.Max(0)), 12.5);
        PressKey(Qt::Key_Return);
        QCOMPARE(L.GetCellText(0, 0), QStringLiteral("12,50"));
    }

    void escapeRestoresTheCell()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        L.SetCellText(2, 0, QStringLiteral("3,14159"));
        L.SetDecimals(0, 2);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(2, 0);
        TypeInto(G, QStringLiteral("7,12345"), 0);
        TCellState S;
        QCOMPARE(double(L.GetCellValue(2, 0, S)), 7.12345);
        QCOMPARE(L.GetDecimals(0), 5);
        PressKey(Qt::Key_Escape);
        // The exact value comes back, not its shown text, and so do the decimals.
        QCOMPARE(L.GetCellValue(2, 0, S), Extended(3.14159L));
        QCOMPARE(L.GetDecimals(0), 2);

        // An empty cell typed into and given up leaves no trace.
        G->SetCell(6, 0);
        TypeInto(G, QStringLiteral("9"), Qt::Key_Escape);
        QCOMPARE(L.CellCount(0), 3);

        // Opening the editor and leaving it without typing keeps the precision.
        G->SetCell(2, 0);
        G->setFocus();
        G->edit(G->model()->index(2, 0));
        QVERIFY(G->IsEditing());
        PressKey(Qt::Key_Return);
        QCOMPARE(L.GetCellValue(2, 0, S), Extended(3.14159L));
    }

    void nameCells()
    {
        TEditorFixture F;
        TGridView *S = F.Edit->SojleDG();
        S->SetCell(1, 3);
        TypeInto(S, QStringLiteral("abcdefghijklmnopqrstuvwxy"));
        QCOMPARE(F.L().GetColName(3), QStringLiteral("abcdefghijklmnopqrst"));
        QVERIFY(F.Edit->DataEdited());

        TGridView *N = F.Edit->LinieDG();
        N->SetCell(4, 1);
        TypeInto(N, QStringLiteral("Ole"));
        QCOMPARE(F.L().GetLineName(4), QStringLiteral("Ole"));
        QCOMPARE(F.L().LineNames.size(), 5);
        N->SetCell(4, 1);
        N->StartEdit();
        auto *E = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(E != nullptr);
        E->selectAll();
        QTest::keyClick(E, Qt::Key_Backspace);
        PressKey(Qt::Key_Return);
        QCOMPARE(F.L().LineNames.size(), 0);
    }

    void enterMoves_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("computedCol"); // -1 none
        QTest::addColumn<int>("randomCol");
        QTest::addColumn<int>("startLine");
        QTest::addColumn<int>("startCol");
        QTest::addColumn<int>("endLine");
        QTest::addColumn<int>("endCol");

        QTest::newRow("down") << int(edDown) << -1 << -1 << 2 << 3 << 3 << 3;
        QTest::newRow("right") << int(edRight) << -1 << -1 << 2 << 3 << 2 << 4;
        QTest::newRow("right at Z to A, same line")
            << int(edRight) << -1 << -1 << 5 << 25 << 5 << 0;
        QTest::newRow("stay") << int(edStay) << -1 << -1 << 2 << 3 << 2 << 3;
        QTest::newRow("right before computed stays") << int(edRight) << 1 << -1 << 0 << 0 << 0 << 0;
        QTest::newRow("right skips random") << int(edRight) << -1 << 2 << 0 << 1 << 0 << 3;
        QTest::newRow("right at Z skips computed A")
            << int(edRight) << 0 << -1 << 1 << 25 << 1 << 1;
    }

    void enterMoves()
    {
        QFETCH(int, direction);
        QFETCH(int, computedCol);
        QFETCH(int, randomCol);
        QFETCH(int, startLine);
        QFETCH(int, startCol);
        QFETCH(int, endLine);
        QFETCH(int, endCol);

        TEditorFixture F;
        tLumen &L = F.L();
        while (L.GetEditDirection() != direction)
            L.NextEditDirection();
        if (computedCol >= 0)
            L.SetComputed(computedCol, true);
        if (randomCol >= 0)
            L.SetRandomCount(randomCol, 5);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(startLine, startCol);
        TypeInto(G, QStringLiteral("1"));
        QCOMPARE(G->Row(), endLine);
        QCOMPARE(G->Col(), endCol);
        QCOMPARE(int(L.GetCellState(startLine, startCol)), int(csNumber));
        // The status names the column just edited.
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne ") + ColLetter(startCol));
    }

    void arrowKeys_data()
    {
        // Grids: D data, S column names (row 1), N line names (column 1).
        QTest::addColumn<QChar>("grid");
        QTest::addColumn<int>("computedCol"); // -1 none
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("key");
        QTest::addColumn<QChar>("toGrid");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");

        const int R = Qt::Key_Right, L = Qt::Key_Left, U = Qt::Key_Up, D = Qt::Key_Down;
        auto Row = [](const char *Name, char Grid, int Computed, int Line, int Col, int Key,
                      char ToGrid, int ToLine, int ToCol) {
            QTest::newRow(Name) << QChar(Grid) << Computed << Line << Col << Key << QChar(ToGrid)
                                << ToLine << ToCol;
        };
        Row("right at Z wraps past computed A", 'D', 0, 7, 25, R, 'D', 7, 1);
        Row("left at A to line name", 'D', -1, 6, 0, L, 'N', 6, 1);
        Row("up at top to column name", 'D', -1, 0, 4, U, 'S', 1, 4);
        Row("right stops before computed", 'D', 2, 0, 1, R, 'D', 0, 1);
        Row("left stops after computed", 'D', 2, 0, 3, L, 'D', 0, 3);
        Row("name down to line 0", 'S', -1, 1, 5, D, 'D', 0, 5);
        Row("name down not into computed", 'S', 6, 1, 6, D, 'S', 1, 6);
        Row("name right at Z wraps", 'S', -1, 1, 25, R, 'S', 1, 0);
        Row("line name right to A", 'N', -1, 3, 1, R, 'D', 3, 0);
        Row("line name right not into computed A", 'N', 0, 3, 1, R, 'N', 3, 1);
    }

    void arrowKeys()
    {
        QFETCH(QChar, grid);
        QFETCH(int, computedCol);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, key);
        QFETCH(QChar, toGrid);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        TEditorFixture F;
        auto Grid = [&F](QChar C) {
            return C == 'D' ? F.Edit->DataDG() : C == 'S' ? F.Edit->SojleDG() : F.Edit->LinieDG();
        };
        if (computedCol >= 0)
            F.L().SetComputed(computedCol, true);
        TGridView *From = Grid(grid), *To = Grid(toGrid);
        From->setFocus();
        From->SetCell(row, col);
        if (col == 25)
            F.Edit->Block(0)->ScrollToColumn(20);
        PressKey(key);
        QCOMPARE(To->Row(), toRow);
        QCOMPARE(To->Col(), toCol);
        QVERIFY(To == QApplication::focusWidget() || To->isAncestorOf(QApplication::focusWidget()));
        // Moving to another grid opens its editor on a name.
        if (To != From && toGrid != 'D')
            QVERIFY(To->IsEditing());
        if (col == 25 && toCol < 5) // wrapped: scrolled back to the start
            QCOMPARE(F.Edit->Block(0)->LeftColumn(), 0);
    }

    void computedCellsRefuseClicks()
    {
        TEditorFixture F;
        F.L().SetComputed(2, true);
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(0, 3);
        const QRect R = G->visualRect(G->model()->index(2, 2));
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, R.center());
        QCOMPARE(G->Col(), 3);
        QVERIFY(!(G->model()->index(0, 2).flags() & Qt::ItemIsEditable));
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
        QCOMPARE(F.Edit->LinieDG()->model()->rowCount(), 501);
        // The views learn of the new line.
        QCOMPARE(F.Edit->LinieDG()->verticalHeader()->count(), 501);
        QCOMPARE(G->verticalHeader()->count(), 501);
        QCOMPARE(F.Edit->DataDG(1)->model()->rowCount(), 501);
        QCOMPARE(G->Row(), 500);
        // Enter downwards on the last row grows too.
        TypeInto(G, QStringLiteral("4"));
        QCOMPARE(G->model()->rowCount(), 502);
        QCOMPARE(G->Row(), 501);
        // New clears back to 500 rows.
        F.Edit->SetView(TEditorFrame::vwMixed);
        QToolButton *New = F.Edit->ToolButton(QStringLiteral("NewSpeed"));
        New->click();
        QCOMPARE(G->model()->rowCount(), 500);
        QCOMPARE(G->Row(), 0);
        QCOMPARE(G->Col(), 0);
        QCOMPARE(F.L().CellCount(0), 0);
        QCOMPARE(F.Edit->View(), TEditorFrame::vwEdit);
        QVERIFY(!F.Edit->DataEdited());
        QVERIFY(F.Edit->EditorMenuBar()
                    ->findChild<QAction *>(QStringLiteral("FunktionHyp"))
                    ->isEnabled());
    }

    void editingResumesAfterEnter()
    {
        TEditorFixture F;
        TGridView *G = F.Edit->DataDG();
        G->SetCell(0, 0);
        TypeInto(G, QStringLiteral("4"));
        QVERIFY(G->IsEditing());
        QCOMPARE(G->Row(), 1);
        // With the editor open and its text selected, the arrows move the cell.
        PressKey(Qt::Key_Right);
        QVERIFY(!G->IsEditing());
        QCOMPARE(G->Col(), 1);
        QCOMPARE(G->Row(), 1);
        // Escape drops the typed text.
        TypeInto(G, QStringLiteral("9"), Qt::Key_Escape);
        QCOMPARE(int(F.L().GetCellState(1, 1)), int(csEmpty));
        // While typing, the arrows move the caret; at its edge they move the cell.
        TypeInto(G, QStringLiteral("56"), 0);
        PressKey(Qt::Key_Left);
        PressKey(Qt::Key_Right);
        PressKey(Qt::Key_Left);
        PressKey(Qt::Key_Left);
        QVERIFY(G->IsEditing());
        QCOMPARE(G->Col(), 1);
        PressKey(Qt::Key_Left);
        QVERIFY(!G->IsEditing());
        QCOMPARE(G->Col(), 0);
        QCOMPARE(F.L().GetCellText(1, 1), QStringLiteral("56"));
    }

    void closingKeepsOpenEdit()
    {
        TFakeHost Host;
        auto *Edit = new TDataEdit(&Host);
        Host.Editor = Edit;
        Edit->show();
        QApplication::setActiveWindow(Edit);
        QVERIFY(QTest::qWaitForWindowActive(Edit));
        Edit->ShowEditor();
        Edit->DataDG()->SetCell(2, 3);
        TypeInto(Edit->DataDG(), QStringLiteral("12"), 0);
        QVERIFY(Edit->DataDG()->IsEditing());
        Host.Editor = nullptr;
        delete Edit;
        QCOMPARE(Host.Lumen().GetCellText(2, 3), QStringLiteral("12"));
    }

    void tabMovesOn()
    {
        TEditorFixture F;
        F.L().SetComputed(1, true);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(2, 0);
        TypeInto(G, QStringLiteral("3"), Qt::Key_Tab);
        QCOMPARE(int(F.L().GetCellState(2, 0)), int(csNumber));
        QCOMPARE(G->Row(), 2);
        QCOMPARE(G->Col(), 2); // over the computed column
        PressKey(Qt::Key_Tab);
        QCOMPARE(G->Col(), 3);
        QVERIFY(G->hasFocus());
    }
};

QTEST_MAIN(TstObsGridTyping)
#include "tst_obsgrid_typing.moc"
