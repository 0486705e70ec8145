// The observation editor in the main window: "Tilføj Lumentor-fil" (the
// grids grown, the computed columns recalculated, no undo step) and the
// shortcuts of its menus.
#include "support_app.h"

#include "DataEdit.h"
#include "GridView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Column A named "Højde" with Lines numbers from First, column B computed
// from the formula.
void Fill(tLumen &L, int Lines, int First, const QString &Formula)
{
    L.SetColName(0, QStringLiteral("Højde"));
    for (int I = 0; I < Lines; ++I)
        L.SetCellText(I, 0, QString::number(First + I));
    L.SetFormula(1, Formula);
    L.SetComputed(1, true);
    if (L.Compile(Formula))
        L.BuildFormulaRefs(1);
    L.ComputeColumn(1);
}

} // namespace

class TstAppend : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase()
    {
        InitAppTest();
        QVERIFY(Dir.isValid());
    }

    void append_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("otherLines");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("col"); // a cell checked and its value
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("value");
        // The appended cells of B are computed again from this data set's
        // formula (A*2), not kept from the file's (A*3).
        QTest::newRow("600 below 450")
            << "TilfojNedenfor" << 600 << 1050 << 1 << 1049 << 2.0 * 1599;
        // Names and cells only: D holds the file's numbers, no formula.
        QTest::newRow("columns to the right")
            << "TilfojTilhojre" << 450 << 500 << 3 << 449 << 3.0 * 1449;
    }

    void append()
    {
        QFETCH(QString, item);
        QFETCH(int, otherLines);
        QFETCH(int, rows);
        QFETCH(int, col);
        QFETCH(int, line);
        QFETCH(double, value);
        const QString File =
            WriteLumenFile(Dir.filePath(QStringLiteral("flere.lmt")), dtObs,
                           [&](tLumen &L) { Fill(L, otherLines, 1000, QStringLiteral("A*3")); });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(E != nullptr);
        tLumen &L = F->Lumen();
        Fill(L, 450, 0, QStringLiteral("A*2"));
        L.SaveUndo(uoSort);
        D.FileNames.enqueue(File);
        E->MenuItem(item)->trigger();

        QCOMPARE(E->RowCount(), rows);
        TCellState S;
        QCOMPARE(double(L.GetCellValue(line, col, S)), value);
        QCOMPARE(L.CellCount(col), line + 1);
        QVERIFY(D.Asked.isEmpty());
        // No undo step of its own: undo still names the step before.
        QCOMPARE(L.GetUndoOp(), uint8_t(uoSort));
    }

    // The Rediger shortcuts while a cell is being edited: an enabled command
    // takes the key, a disabled one leaves it to the cell.
    void shortcutsWhileEditing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(E != nullptr);
        tLumen &L = F->Lumen();
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetCellText(0, 0, QStringLiteral("7"));
        E->MarkColumn(0, Qt::NoModifier);
        TGridView *G = E->DataDG();
        G->setFocus();
        G->SetCell(3, 1);
        G->StartEdit();
        auto *Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(Cell != nullptr);

        // A column is marked: Ctrl+C copies the column.
        QTest::keyClick(Cell, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Højde\r\n7\r\n"));

        // Nothing marked: Ctrl+V pastes into the cell, not a new column.
        E->MarkColumn(0, Qt::NoModifier);
        QVERIFY(!L.AnyColSelected());
        G->setFocus();
        G->StartEdit();
        Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(Cell != nullptr);
        QApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keyClick(Cell, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell->text(), QStringLiteral("42"));
        QCOMPARE(L.GetColName(0), QStringLiteral("Højde"));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoNone));
    }

  private:
    QTemporaryDir Dir;
};

QTEST_MAIN(TstAppend)
#include "tst_append.moc"
