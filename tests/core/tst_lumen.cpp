#include "Lumen.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Fills a column from texts; "" leaves a gap.
void Fill(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        if (!Texts[I].isEmpty())
            L.SetCellText(I, Col, Texts[I]);
}

QStringList Column(const tLumen &L, int Col)
{
    QStringList R;
    for (int I = 0; I < L.CellCount(Col); ++I)
        R << L.GetCellText(I, Col);
    return R;
}

} // namespace

class TestLumen : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void setCellText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << "3.5" << int(csNumber) << "3,50";
        QTest::newRow("comma") << "3,5" << int(csNumber) << "3,50";
        QTest::newRow("thousands-like is text") << "1.000,5" << int(csText) << "1.000,5";
        QTest::newRow("word") << "rød" << int(csText) << "rød";
        QTest::newRow("blank padded") << " 4,2 " << int(csNumber) << "4,20";
    }
    void setCellText()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, shown);
        tLumen L;
        L.SetDecimals(2, 2);
        L.ClearModified();
        L.SetCellText(0, 2, input);
        QVERIFY(L.IsModified());
        QString T;
        TCellState S;
        L.GetCellText(0, 2, T, S);
        QCOMPARE(int(S), state);
        QCOMPARE(T, shown);
        if (state == csText)
            QCOMPARE(L.Cols[2].Cells[0].Value, Extended(0));
        else
            QVERIFY(L.Cols[2].Cells[0].Text.isEmpty());
    }

    void gapsAndTrimming()
    {
        tLumen L;
        L.SetCellText(10, 0, "5");
        QCOMPARE(L.CellCount(0), 11);
        for (int I = 0; I < 10; ++I)
            QCOMPARE(L.GetCellState(I, 0), csEmpty);
        QCOMPARE(L.GetCellState(10, 0), csNumber);
        L.SetCellText(10, 0, "");
        QCOMPARE(L.CellCount(0), 0);

        L.SetCellText(0, 1, "1");
        L.SetCellText(3, 1, "2");
        L.SetCellText(3, 1, "-");
        QCOMPARE(L.CellCount(1), 1);
        // Clearing beyond the end appends nothing.
        L.SetCellText(50, 1, "-");
        QCOMPARE(L.CellCount(1), 1);
        // Out-of-range columns are ignored; lines past the end read empty.
        L.SetCellText(0, 26, "1");
        L.SetCellText(0, -1, "1");
        QCOMPARE(L.UsedColumns(), 2);
        TCellState S;
        QCOMPARE(L.GetCellValue(99, 1, S), Extended(0));
        QCOMPARE(S, csEmpty);
        QCOMPARE(L.GetCellValue(0, 30, S), Extended(0));
    }

    void insertDeleteLines()
    {
        tLumen L;
        Fill(L, 0, {"1", "2", "3"});
        Fill(L, 1, {"9"});
        L.SetLineName(0, "a");
        L.SetLineName(1, "b");
        L.InsertLine(1);
        QCOMPARE(Column(L, 0), QStringList({"1", "", "2", "3"}));
        QCOMPARE(Column(L, 1), QStringList({"9"})); // not longer than line 1
        QCOMPARE(L.LineNames, QStringList({"a", "", "b"}));

        // Beyond every column only the names change, and only when they reach.
        tLumen M;
        Fill(M, 0, {"1"});
        M.SetLineName(4, "e");
        M.InsertLine(3);
        QCOMPARE(M.CellCount(0), 1);
        QCOMPARE(M.LineNames.size(), 6);
        M.InsertLine(10);
        QCOMPARE(M.LineNames.size(), 6);

        // Deleting the last cell takes the empty cells above with it.
        tLumen N;
        Fill(N, 0, {"1", "", "", "4"});
        N.DeleteLine(3);
        QCOMPARE(N.CellCount(0), 1);
        // Deleting an inner line keeps inner gaps.
        Fill(N, 0, {"1", "", "3", "4"});
        N.DeleteLine(0);
        QCOMPARE(Column(N, 0), QStringList({"", "3", "4"}));
    }

    void swapLines()
    {
        tLumen L;
        Fill(L, 0, {"1", "2", "3"});
        Fill(L, 1, {"a", "b"}); // ends just before line 2
        Fill(L, 2, {"7"});      // shorter still
        L.SwapLines(0, 2);
        QCOMPARE(Column(L, 0), QStringList({"3", "2", "1"}));
        QCOMPARE(Column(L, 1), QStringList({"", "b", "a"}));
        QCOMPARE(Column(L, 2), QStringList({"7"}));
        QCOMPARE(L.LineNames.size(), 3);

        // A column ending just before the higher line whose lower cell was
        // its only content moves down and leaves nothing trailing behind.
        tLumen M;
        Fill(M, 0, {"5"});
        M.SwapLines(1, 0);
        QCOMPARE(Column(M, 0), QStringList({"", "5"}));
    }

    void columns()
    {
        tLumen L;
        Fill(L, 0, {"1"});
        Fill(L, 25, {"26"});
        L.SetColName(0, "A");
        L.SetFormula(1, "a+c");
        L.InsertColumn(0);
        QCOMPARE(L.CellCount(25), 0); // Z's data is lost
        QCOMPARE(L.GetColName(1), QString("A"));
        QCOMPARE(Column(L, 1), QStringList({"1"}));
        QCOMPARE(L.GetFormula(2), QString("A+C"));
        QVERIFY(L.GetColName(0).isEmpty());

        L.DeleteColumn(0);
        QCOMPARE(L.GetColName(0), QString("A"));
        QCOMPARE(L.CellCount(25), 0);

        L.AddInterval(0, 1, 2);
        L.SetGroupKind(0, gkManual);
        L.SwapColumns(0, 5);
        QCOMPARE(L.IntervalCount(5, 0), 1);
        QCOMPARE(L.IntervalCount(0, 0), 0);
        L.ClearColumn(5);
        QCOMPARE(L.IntervalCount(5, 0), 0);
        QVERIFY(L.GetColName(5).isEmpty());
        QCOMPARE(L.CellCount(5), 0);
    }

    void intervals()
    {
        tLumen L;
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 10);
        L.SetFirstUpper(0, 20);
        L.SetGap(0, 1);
        L.SetGroupCount(0, 4);
        QCOMPARE(L.IntervalCount(0, 7), 4);
        Extended Lo = -1, Hi = -1;
        L.GetInterval(0, 2, Lo, Hi);
        QCOMPARE(double(Lo), 32.0);
        QCOMPARE(double(Hi), 42.0);
        QVector<tInterval> All = L.GetIntervals(0, 4);
        QCOMPARE(All.size(), 4);
        QCOMPARE(double(All[3].Lower), 43.0);

        // Repeated addition, exactly as GetInterval, also for steps that are
        // not exact in binary.
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 0.1L);
        L.SetGap(0, 0);
        All = L.GetIntervals(0, 50);
        L.GetInterval(0, 49, Lo, Hi);
        QCOMPARE(All[49].Lower, Lo);
        QCOMPARE(All[49].Upper, Hi);

        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, 1, 5);
        Lo = Hi = -7;
        L.GetInterval(0, 3, Lo, Hi); // outside the list: unchanged
        QCOMPARE(double(Lo), -7.0);
        L.SetGroupKind(0, 9);
        QCOMPARE(L.IntervalCount(0, 7), 7);
        L.SetGroupKind(0, gkNone);
        QCOMPARE(L.IntervalCount(0, 7), 0);
    }

    void marks()
    {
        tLumen L;
        L.ToggleColSelected(3);
        L.ToggleColSelected(1);
        L.ToggleColSelected(26);
        QCOMPARE(L.SelCols, QVector<int32_t>({1, 3}));
        QCOMPARE(L.SelCol(5), -1);
        QCOMPARE(L.SelCol(1), 3);
        L.ToggleColSelected(1);
        QCOMPARE(L.SelColCount(), 1);

        // Column 3 has no cells yet.
        QVERIFY(!L.SelectionHasData());
        L.SetCellText(2, 3, "x");
        QVERIFY(L.SelectionHasData());
        QVERIFY(!L.PastSelectionEnd(2));
        QVERIFY(L.PastSelectionEnd(3));

        L.ClearColSelection();
        L.ToggleLineSelected(0);
        L.SetCellText(0, 0, "1");
        L.SetCellText(0, 1, "t");
        QVERIFY(L.SelectionHasData());
        QVERIFY(!L.PastSelectionEnd(0));
        QVERIFY(L.PastSelectionEnd(1)); // one number in line 0
        L.ToggleLineSelected(5);
        QVERIFY(!L.SelectionHasData());
    }

    void undoTwice()
    {
        tLumen L;
        Fill(L, 0, {"1", "2"});
        L.SetLineName(0, "n");
        L.SaveUndo(uoDelete);
        QCOMPARE(UndoCaption(L.GetUndoOp()), QString("Fortryd \"Slet\""));
        L.DeleteColumn(0);
        L.ClearLineNames();
        L.Undo();
        QCOMPARE(Column(L, 0), QStringList({"1", "2"}));
        QCOMPARE(L.GetLineName(0), QString("n"));
        QCOMPARE(UndoCaption(L.GetUndoOp()), QString("Fortryd \"Fortryd\""));
        L.Undo();
        QCOMPARE(L.CellCount(0), 0);
        QCOMPARE(L.LineNames.size(), 0);
        QCOMPARE(UndoCaption(L.GetUndoOp()), QString("Fortryd \"Slet\""));
        QCOMPARE(UndoCaption(11), QString("Fortryd \"Indsæt ark\""));
        QCOMPARE(UndoCaption(200), QString("Fortryd"));
        // The undo copy is deep: changing the data does not change it.
        L.Undo();
        L.SaveUndo(uoSort);
        L.SetCellText(0, 0, "99");
        L.Undo();
        QCOMPARE(L.GetCellText(0, 0), QString("1"));
    }

    void sortColumnsByLine()
    {
        tLumen L;
        L.SetCellText(0, 0, "3");
        L.SetCellText(0, 1, "x");
        L.SetCellText(0, 2, "1");
        L.SetCellText(0, 3, "2");
        L.SetColName(2, "one");
        L.SortColumnsByLine(0, true);
        QCOMPARE(L.GetCellText(0, 0), QString("1"));
        QCOMPARE(L.GetColName(0), QString("one"));
        QCOMPARE(L.GetCellText(0, 1), QString("2"));
        QCOMPARE(L.GetCellText(0, 2), QString("3"));
        QCOMPARE(L.GetCellText(0, 3), QString("x"));
        L.SortColumnsByLine(0, false);
        QCOMPARE(L.GetCellText(0, 0), QString("3"));
    }

    void hypSide()
    {
        tLumen L;
        L.SetHypFreqText(5, 0, "3");
        QCOMPARE(L.HypCellCount(0), 6);
        L.SetHypFreqText(5, 0, "");
        QCOMPARE(L.HypCellCount(0), 0);

        L.SetHypObsText(0, 1, "2,5");
        L.SetHypFreqText(0, 1, "2,5");
        QString T;
        TCellState S;
        L.GetHypFreqText(0, 1, T, S);
        QCOMPARE(S, csText);
        QCOMPARE(T, QString("2,5"));
        L.SetHypFreqText(0, 1, "4");
        L.GetHypFreqText(0, 1, T, S);
        QCOMPARE(T, QString("4"));
        L.SetHypObsText(0, 1, "-");
        QCOMPARE(L.HypCellCount(0 + 1), 1); // the frequency keeps the cell
        L.SetHypObsText(0, 1, "7");
        L.SetHypDecimals(1, 1);
        L.GetHypObsText(0, 1, T, S);
        QCOMPARE(T, QString("7,0"));
        QCOMPARE(L.UsedHypColumns(), 2);
        QCOMPARE(L.MaxHypLines(), 1);

        L.SetHypName(7, "last");
        L.InsertHypColumn(0);
        QVERIFY(L.GetHypName(7).isEmpty());
        L.GetHypObsText(0, 2, T, S);
        QCOMPARE(T, QString("7,0"));
        L.DeleteHypColumn(0);
        L.GetHypObsText(0, 1, T, S);
        QCOMPARE(T, QString("7,0"));
        L.GetHypObsText(0, 9, T, S);
        QCOMPARE(S, csEmpty);
    }

    void hypUndoKeepsReservedBytes()
    {
        tLumen L;
        L.SetHypName(0, "før");
        L.SetHypComment(0, "c");
        L.SetHypDecimals(0, 2);
        L.SetHypObsText(0, 0, "1");
        L.HypCols[0].Reserved3 = 7;
        L.SaveUndoHyp(uoDelete);
        QCOMPARE(L.GetUndoOp(), uint8_t(uoDelete));
        L.ClearHypColumn(0);
        L.SetHypName(0, "efter");
        L.UndoHyp();
        QCOMPARE(L.GetUndoOp(), uint8_t(1)); // undoing the undo
        QCOMPARE(L.GetHypName(0), QString("før"));
        QCOMPARE(L.GetHypComment(0), QString("c"));
        QCOMPARE(L.GetHypDecimals(0), 2);
        QCOMPARE(L.HypCellCount(0), 1);
        QCOMPARE(L.HypCols[0].Reserved3, uint8_t(7));
    }

    void grupSide()
    {
        tLumen L;
        L.SetGrupLowText(2, 0, "10");
        L.SetGrupHighText(2, 0, "20");
        L.SetGrupFreqText(2, 0, "5");
        QCOMPARE(L.GrupCellCount(0), 3);
        L.SetGrupLowText(2, 0, "");
        L.SetGrupHighText(2, 0, "");
        QCOMPARE(L.GrupCellCount(0), 3);
        L.SetGrupFreqText(2, 0, "-");
        QCOMPARE(L.GrupCellCount(0), 0);
        L.SetGrupFreqText(0, 1, "4");
        L.SaveUndoGrup(uoSort);
        QCOMPARE(L.GetUndoOp(), uint8_t(uoSort));
        L.SetGrupFreqText(0, 1, "-");
        L.UndoGrup();
        QCOMPARE(L.GrupCellCount(1), 1);
        QCOMPARE(L.GetUndoOp(), uint8_t(1));
        L.ToggleGrupColSelected(2);
        L.ToggleGrupColSelected(9);
        QCOMPARE(L.SelGrupColCount(), 1);
        QCOMPARE(L.SelGrupCol(1), -1);
    }

    // A frequency is a count: anything but a whole number from 0 up is kept
    // as typed, as text, on both sides; so is a negative count read from a
    // file.
    void frequencyText_data()
    {
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<int>("State");
        QTest::addColumn<QString>("Shown");
        QTest::newRow("count") << "13" << int(csNumber) << "13";
        QTest::newRow("zero") << "0" << int(csNumber) << "0";
        QTest::newRow("negative") << "-3" << int(csText) << "-3";
        QTest::newRow("decimal comma") << "2,5" << int(csText) << "2,5";
        QTest::newRow("word") << "mange" << int(csText) << "mange";
    }

    void frequencyText()
    {
        QFETCH(QString, Typed);
        QFETCH(int, State);
        QFETCH(QString, Shown);
        tLumen L;
        L.SetHypFreqText(1, 4, Typed);
        L.SetGrupFreqText(1, 4, Typed);
        QString T;
        TCellState S;
        L.GetHypFreqText(1, 4, T, S);
        QCOMPARE(int(S), State);
        QCOMPARE(T, Shown);
        L.GetGrupFreqText(1, 4, T, S);
        QCOMPARE(int(S), State);
        QCOMPARE(T, Shown);

        // A file holding the count as a number (an older program's) reads
        // back the same way.
        const int32_t Count = Typed.toInt();
        L.HypCols[4].Cells[1] = tHypCell{};
        L.HypCols[4].Cells[1].FreqState = csNumber;
        L.HypCols[4].Cells[1].Freq = Count;
        L.GrupCols[4].Cells[1] = tGrupCell{};
        L.GrupCols[4].Cells[1].FreqState = csNumber;
        L.GrupCols[4].Cells[1].Freq = Count;
        QTemporaryDir Dir;
        const QString Path = Dir.filePath(QStringLiteral("f.lmt"));
        L.SaveToFile(Path);
        QVERIFY(!L.WriteFailed());
        std::unique_ptr<tLumen> R = tLumen::CreateFromFile(Path);
        QVERIFY(!R->ReadFailed());
        const bool Negative = Count < 0;
        R->GetHypFreqText(1, 4, T, S);
        QCOMPARE(S, Negative ? csText : csNumber);
        QCOMPARE(T, QString::number(Count));
        R->GetGrupFreqText(1, 4, T, S);
        QCOMPARE(S, Negative ? csText : csNumber);
        QCOMPARE(T, QString::number(Count));
    }
};

QTEST_GUILESS_MAIN(TestLumen)
#include "tst_lumen.moc"
