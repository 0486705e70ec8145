// "Tilføj Lumentor-fil" in the observation editor: another data file's
// observations below or to the right, the grids grown, the computed columns
// recalculated, and no undo step.
#include "support_app.h"

#include "DataEdit.h"

#include <QAction>
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

  private:
    QTemporaryDir Dir;
};

QTEST_MAIN(TstAppend)
#include "tst_append.moc"
