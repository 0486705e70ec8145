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
#include <QTest>
#include <QToolButton>

namespace
{
struct TTyped {
    const char *Name, *Text;
    bool Filled;
    int StartDecimals, State;
    const char *Shown;
    int Decimals, Cells;
};

struct TMove {
    const char *Name;
    char Grid;
    int Direction, Computed, Random, Line, Col; // -1: as it starts, none, none
    const char *Typed;                          // typed into the start cell before the key
    int Key;
    char ToGrid; // D data, S column names (row 1), N line names (column 1)
    int ToLine, ToCol;
};

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

    void typing_data()
    {
        // The text is typed into C4 and ended with Enter; "filled" puts 1 in C1
        // and 5 in C4 beforehand. Cells: column C's cell count afterwards.
        const TTyped Rows[] = {
            {"comma", "3,14159", false, 1, csNumber, "3,14159", 5, 4},
            {"point", "2.5", false, 0, csNumber, "2,5", 1, 4},
            {"integer keeps decimals", "7", true, 2, csNumber, "7,00", 2, 4},
            {"fewer decimals never lower them", "2,5", false, 3, csNumber, "2,500", 3, 4},
            {"thirteen digits capped at 9", "0,1234567890123", false, 0, csNumber, "0,123456789", 9,
             4},
            {"text", "abc", true, 0, csText, "abc", 0, 4},
            // Each keystroke is stored: on the way, "1.000" was a number with three
            // decimals, which raised the column's decimals before the comma made it text.
            {"thousands point is text", "1.000,5", false, 0, csText, "1.000,5", 3, 4},
            {"negative", "-4,5", false, 0, csNumber, "-4,5", 1, 4},
            {"trailing separator", "8,", false, 3, csNumber, "8,000", 3, 4},
            {"dash empties and shortens", "-", true, 0, csEmpty, "", 0, 1},
            {"dash on an empty cell appends nothing", "-", false, 0, csEmpty, "", 0, 0},
        };
        AddRows(Rows);
    }

    void typing()
    {
        QFETCH(TTyped, row);
        TEditorFixture F;
        if (row.Filled) {
            F.L().SetCellText(0, 2, QStringLiteral("1"));
            F.L().SetCellText(3, 2, QStringLiteral("5"));
        }
        F.L().SetDecimals(2, row.StartDecimals);
        F.L().ClearModified();
        TGridView *G = F.Edit->DataDG();
        G->SetCell(3, 2);
        QVERIFY(DatatypeEnabled(F.Edit, "FunktionGrup"));
        TypeInto(G, row.Text);
        QCOMPARE(int(F.L().GetCellState(3, 2)), row.State);
        QCOMPARE(F.L().GetCellText(3, 2), QString(row.Shown));
        QCOMPARE(F.L().GetDecimals(2), row.Decimals);
        QCOMPARE(F.L().CellCount(2), row.Cells);
        QVERIFY(F.L().IsModified());
        // Edited data keep their type: the Datatype items are disabled.
        for (const char *Item : {"FunktionObs", "FunktionHyp", "FunktionGrup"})
            QVERIFY(!DatatypeEnabled(F.Edit, Item));
        // The grid shows and edits the same text.
        QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::DisplayRole).toString(), row.Shown);
        QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::EditRole).toString(), row.Shown);
    }

    void everyKeystrokeIsStored()
    {
        // Each key stores the cell and recomputes the columns computed from it,
        // while the editor keeps the text as typed.
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
        QCOMPARE(int(S), int(csNumber));
        QVERIFY(!L.SingleLine);
        QTest::keyClicks(Editor, QStringLiteral("5"));
        QCOMPARE(Editor->text(), QStringLiteral("12,5"));
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

    void moves_data()
    {
        const int R = Qt::Key_Right, L = Qt::Key_Left, U = Qt::Key_Up, D = Qt::Key_Down;
        const int Enter = Qt::Key_Return, Tab = Qt::Key_Tab;
        const TMove Rows[] = {
            {"enter down", 'D', edDown, -1, -1, 2, 3, "1", Enter, 'D', 3, 3},
            {"enter right", 'D', edRight, -1, -1, 2, 3, "1", Enter, 'D', 2, 4},
            {"enter right at Z to A, same line", 'D', edRight, -1, -1, 5, 25, "1", Enter, 'D', 5,
             0},
            {"enter stays", 'D', edStay, -1, -1, 2, 3, "1", Enter, 'D', 2, 3},
            {"enter right before computed stays", 'D', edRight, 1, -1, 0, 0, "1", Enter, 'D', 0, 0},
            {"enter right skips random", 'D', edRight, -1, 2, 0, 1, "1", Enter, 'D', 0, 3},
            {"enter right at Z skips computed A", 'D', edRight, 0, -1, 1, 25, "1", Enter, 'D', 1,
             1},
            {"tab over computed", 'D', -1, 1, -1, 2, 0, "3", Tab, 'D', 2, 2},
            {"tab without typing", 'D', -1, 1, -1, 2, 2, "", Tab, 'D', 2, 3},
            {"right at Z wraps past computed A", 'D', -1, 0, -1, 7, 25, "", R, 'D', 7, 1},
            {"left at A to line name", 'D', -1, -1, -1, 6, 0, "", L, 'N', 6, 1},
            {"up at top to column name", 'D', -1, -1, -1, 0, 4, "", U, 'S', 1, 4},
            {"right stops before computed", 'D', -1, 2, -1, 0, 1, "", R, 'D', 0, 1},
            {"left stops after computed", 'D', -1, 2, -1, 0, 3, "", L, 'D', 0, 3},
            {"name down to line 0", 'S', -1, -1, -1, 1, 5, "", D, 'D', 0, 5},
            {"name down not into computed", 'S', -1, 6, -1, 1, 6, "", D, 'S', 1, 6},
            {"name right at Z wraps", 'S', -1, -1, -1, 1, 25, "", R, 'S', 1, 0},
            {"line name right to A", 'N', -1, -1, -1, 3, 1, "", R, 'D', 3, 0},
            {"line name right not into computed A", 'N', -1, 0, -1, 3, 1, "", R, 'N', 3, 1},
        };
        AddRows(Rows);
    }

    void moves()
    {
        QFETCH(TMove, row);
        TEditorFixture F;
        tLumen &L = F.L();
        while (row.Direction >= 0 && L.GetEditDirection() != row.Direction)
            L.NextEditDirection();
        if (row.Computed >= 0)
            L.SetComputed(row.Computed, true);
        if (row.Random >= 0)
            L.SetRandomCount(row.Random, 5);
        auto Grid = [&F](char C) {
            return C == 'D' ? F.Edit->DataDG() : C == 'S' ? F.Edit->SojleDG() : F.Edit->LinieDG();
        };
        TGridView *From = Grid(row.Grid), *To = Grid(row.ToGrid);
        From->setFocus();
        From->SetCell(row.Line, row.Col);
        if (row.Col == 25)
            F.Edit->Block(0)->ScrollToColumn(20);
        if (*row.Typed != 0)
            TypeInto(From, row.Typed, 0);
        PressKey(row.Key);
        QCOMPARE(To->Row(), row.ToLine);
        QCOMPARE(To->Col(), row.ToCol);
        QVERIFY(To == QApplication::focusWidget() || To->isAncestorOf(QApplication::focusWidget()));
        // Enter opens the next cell's editor; moving to a name grid opens a name's.
        if (row.Key == Qt::Key_Return || (To != From && row.ToGrid != 'D'))
            QVERIFY(To->IsEditing());
        if (row.Col == 25 && row.ToCol < 5) // wrapped: scrolled back to the start
            QVERIFY(F.Edit->Block(0)->LeftColumn() <= row.ToCol);
        QCOMPARE(L.GetCellText(row.Line, row.Col), QString(row.Typed));
        if (row.Key == Qt::Key_Return) // the status names the column just edited
            QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne ") + ColLetter(row.Col));
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
        QCOMPARE(G->Col(), 0);
        QCOMPARE(F.Edit->View(), TEditorFrame::vwEdit);
        QVERIFY(DatatypeEnabled(F.Edit, "FunktionHyp"));
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
        for (int Key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left})
            PressKey(Key);
        QVERIFY(G->IsEditing());
        QCOMPARE(G->Col(), 1);
        PressKey(Qt::Key_Left);
        QVERIFY(!G->IsEditing());
        QCOMPARE(G->Col(), 0);
        QCOMPARE(F.L().GetCellText(1, 1), QStringLiteral("56"));
        // Closing the editor while a cell is being typed keeps the text.
        G->SetCell(2, 3);
        TypeInto(G, QStringLiteral("12"), 0);
        QVERIFY(G->IsEditing());
        F.Host.Editor = nullptr;
        delete F.Edit;
        F.Edit = nullptr;
        QCOMPARE(F.L().GetCellText(2, 3), QStringLiteral("12"));
    }
};

QTEST_MAIN(TstObsGridTyping)
#include "tst_obsgrid_typing.moc"
