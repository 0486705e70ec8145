// Typing into the observation grids and the keys that move the cursor.
#include "support_host.h"

#include "DataEdit.h"
#include "Descriptor.h"

#include <QAction>
#include <QApplication>
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

    void typing_data();
    void typing();
    void decimalsNeverFall();
    void dashEmptiesAndShortens();
    void typedCellRecalculatesDependents();
    void everyKeystrokeIsStored();
    void escapeRestoresTheCell();
    void nameCells();

    void enterMoves_data();
    void enterMoves();
    void rightAtZWraps();
    void leftAtAGoesToLineName();
    void upAtTopGoesToColumnName();
    void downAtLastRowGrows();
    void arrowsStopAtComputedColumns();
    void columnNameKeys();
    void lineNameKeys();
    void directionButtonCycles();
    void bigDataSetOpens();
    void editingResumesAfterEnter();
    void closingKeepsOpenEdit();
    void tabMovesOn();
};

void TstObsGridTyping::typing_data()
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

void TstObsGridTyping::typing()
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
        QVERIFY(!F.Edit->EditorMenuBar()->findChild<QAction *>(QLatin1String(Item))->isEnabled());
    // The grid shows and edits the same text.
    QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::DisplayRole).toString(), shown);
    QCOMPARE(F.Edit->DataModel()->index(3, 2).data(Qt::EditRole).toString(), shown);
}

void TstObsGridTyping::decimalsNeverFall()
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

void TstObsGridTyping::dashEmptiesAndShortens()
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

void TstObsGridTyping::typedCellRecalculatesDependents()
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

void TstObsGridTyping::everyKeystrokeIsStored()
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

void TstObsGridTyping::escapeRestoresTheCell()
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

void TstObsGridTyping::nameCells()
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

void TstObsGridTyping::enterMoves_data()
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
    QTest::newRow("right at Z to A, same line") << int(edRight) << -1 << -1 << 5 << 25 << 5 << 0;
    QTest::newRow("stay") << int(edStay) << -1 << -1 << 2 << 3 << 2 << 3;
    QTest::newRow("right before computed stays") << int(edRight) << 1 << -1 << 0 << 0 << 0 << 0;
    QTest::newRow("right skips random") << int(edRight) << -1 << 2 << 0 << 1 << 0 << 3;
    QTest::newRow("right at Z skips computed A") << int(edRight) << 0 << -1 << 1 << 25 << 1 << 1;
}

void TstObsGridTyping::enterMoves()
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

void TstObsGridTyping::rightAtZWraps()
{
    TEditorFixture F;
    F.L().SetComputed(0, true);
    TGridView *G = F.Edit->DataDG();
    G->setFocus();
    G->SetCell(7, 25);
    F.Edit->Block(0)->ScrollToColumn(20);
    PressKey(Qt::Key_Right);
    QCOMPARE(G->Row(), 7);
    QCOMPARE(G->Col(), 1); // A is computed: the cursor goes on to B
    QCOMPARE(F.Edit->Block(0)->LeftColumn(), 0);
    QCOMPARE(F.Edit->SojleDG()->horizontalScrollBar()->value(), 0);
}

void TstObsGridTyping::leftAtAGoesToLineName()
{
    TEditorFixture F;
    TGridView *G = F.Edit->DataDG();
    G->setFocus();
    G->SetCell(6, 0);
    PressKey(Qt::Key_Left);
    TGridView *N = F.Edit->LinieDG();
    QCOMPARE(N->Row(), 6);
    QCOMPARE(N->Col(), 1);
    QVERIFY(N->IsEditing());
    // Editing in the text moves the caret, not the cell.
    TypeInto(N, QStringLiteral("ab"), 0);
    PressKey(Qt::Key_Left);
    QVERIFY(N->IsEditing());
    PressKey(Qt::Key_Return);
    QCOMPARE(F.L().GetLineName(6), QStringLiteral("ab"));
}

void TstObsGridTyping::upAtTopGoesToColumnName()
{
    TEditorFixture F;
    TGridView *G = F.Edit->DataDG();
    G->setFocus();
    G->SetCell(0, 4);
    PressKey(Qt::Key_Up);
    TGridView *S = F.Edit->SojleDG();
    QCOMPARE(S->Row(), 1);
    QCOMPARE(S->Col(), 4);
    QVERIFY(S->IsEditing());
    QVERIFY(S->isAncestorOf(QApplication::focusWidget()));
}

void TstObsGridTyping::downAtLastRowGrows()
{
    TEditorFixture F;
    TGridView *G = F.Edit->DataDG();
    QCOMPARE(G->model()->rowCount(), 500);
    G->setFocus();
    G->SetCell(499, 0);
    PressKey(Qt::Key_Down);
    QCOMPARE(G->model()->rowCount(), 501);
    QCOMPARE(F.Edit->LinieDG()->model()->rowCount(), 501);
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
    QCOMPARE(F.L().CellCount(0), 0);
    QCOMPARE(F.Edit->View(), TEditorFrame::vwEdit);
    QVERIFY(!F.Edit->DataEdited());
    QVERIFY(
        F.Edit->EditorMenuBar()->findChild<QAction *>(QStringLiteral("FunktionHyp"))->isEnabled());
}

void TstObsGridTyping::arrowsStopAtComputedColumns()
{
    TEditorFixture F;
    F.L().SetComputed(2, true);
    F.L().SetRandomCount(4, 3);
    TGridView *G = F.Edit->DataDG();
    G->setFocus();
    G->SetCell(0, 1);
    PressKey(Qt::Key_Right);
    QCOMPARE(G->Col(), 1);
    G->SetCell(0, 3);
    PressKey(Qt::Key_Left);
    QCOMPARE(G->Col(), 3);
    PressKey(Qt::Key_Right);
    QCOMPARE(G->Col(), 3);
    // A click does not enter a computed cell either.
    const QRect R = G->visualRect(G->model()->index(2, 2));
    QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, R.center());
    QCOMPARE(G->Col(), 3);
    QVERIFY(!(G->model()->index(0, 2).flags() & Qt::ItemIsEditable));
}

void TstObsGridTyping::columnNameKeys()
{
    TEditorFixture F;
    tLumen &L = F.L();
    TGridView *S = F.Edit->SojleDG();
    TGridView *G = F.Edit->DataDG();
    // Down goes to line 0 of the column, but not into a computed column.
    S->setFocus();
    S->SetCell(1, 5);
    PressKey(Qt::Key_Down);
    QCOMPARE(G->Row(), 0);
    QCOMPARE(G->Col(), 5);
    L.SetComputed(6, true);
    S->setFocus();
    S->SetCell(1, 6);
    PressKey(Qt::Key_Down);
    QVERIFY(S->hasFocus());
    // Enter to the right wraps from Z to A.
    while (L.GetEditDirection() != edRight)
        L.NextEditDirection();
    S->SetCell(1, 25);
    TypeInto(S, QStringLiteral("Z-navn"));
    QCOMPARE(L.GetColName(25), QStringLiteral("Z-navn"));
    QCOMPARE(S->Col(), 0);
    QCOMPARE(S->Row(), 1);
    // Right at Z wraps too.
    S->SetCell(1, 25);
    PressKey(Qt::Key_Right);
    QCOMPARE(S->Col(), 0);
}

void TstObsGridTyping::lineNameKeys()
{
    TEditorFixture F;
    tLumen &L = F.L();
    TGridView *N = F.Edit->LinieDG();
    TGridView *G = F.Edit->DataDG();
    // Enter downwards goes to the next name; the last row grows the grids.
    N->SetCell(499, 1);
    TypeInto(N, QStringLiteral("x"));
    QCOMPARE(N->Row(), 500);
    QCOMPARE(G->model()->rowCount(), 501);
    // Right goes to column A of the same line, unless A is computed.
    N->setFocus();
    N->SetCell(3, 1);
    PressKey(Qt::Key_Right);
    QCOMPARE(G->Row(), 3);
    QCOMPARE(G->Col(), 0);
    QVERIFY(G->hasFocus());
    L.SetComputed(0, true);
    N->setFocus();
    N->SetCell(3, 1);
    PressKey(Qt::Key_Right);
    QVERIFY(N->hasFocus());
    QCOMPARE(N->Col(), 1);
}

void TstObsGridTyping::directionButtonCycles()
{
    TEditorFixture F;
    QToolButton *B = F.Edit->Block(0)->DirectionSpeed;
    QCOMPARE(B->toolTip(), QStringLiteral("Skift redigeringsretning"));
    QCOMPARE(B->property("glyph").toString(), QStringLiteral("lodpil"));
    B->click();
    QCOMPARE(int(F.L().GetEditDirection()), int(edRight));
    QCOMPARE(B->property("glyph").toString(), QStringLiteral("vanpil"));
    // The mixed page's button shows the same and moves on the same cycle.
    QCOMPARE(F.Edit->Block(1)->DirectionSpeed->property("glyph").toString(),
             QStringLiteral("vanpil"));
    F.Edit->Block(1)->DirectionSpeed->click();
    QCOMPARE(B->property("glyph").toString(), QStringLiteral("ingenpil"));
    B->click();
    QCOMPARE(int(F.L().GetEditDirection()), int(edDown));
}

void TstObsGridTyping::bigDataSetOpens()
{
    TEditorFixture F;
    auto Big = std::make_unique<tLumen>();
    for (int Line = 0; Line < 100000; ++Line)
        Big->Cols[0].Cells.append(tCell{csNumber, QString(), Extended(Line % 97)});
    F.Host.Replace(std::move(Big), true);
    TGridView *G = F.Edit->DataDG();
    QCOMPARE(G->model()->rowCount(), 100000);
    QCOMPARE(F.Edit->LinieDG()->model()->rowCount(), 100000);
    QVERIFY(F.Edit->DataEdited());
    // The last line can be reached and typed into.
    G->setFocus();
    G->SetCell(99999, 1);
    G->scrollTo(G->currentIndex());
    TypeInto(G, QStringLiteral("5"));
    QCOMPARE(F.L().CellCount(1), 100000);
    QCOMPARE(G->model()->rowCount(), 100001);
    QCOMPARE(F.Edit->LinieDG()->verticalScrollBar()->value(), G->verticalScrollBar()->value());
}

void TstObsGridTyping::editingResumesAfterEnter()
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
}

void TstObsGridTyping::closingKeepsOpenEdit()
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

void TstObsGridTyping::tabMovesOn()
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

QTEST_MAIN(TstObsGridTyping)
#include "tst_obsgrid_typing.moc"
