// The data set: typed cell texts on all three sides, intervals, marks, undo
// and the frequency and grouped tables.
#include "Lumen.h"

#include <QLocale>
#include <QtTest>
#include <functional>

namespace
{

// A typed part as "state:shown" (n number, t text, e empty); the getter must
// replace whatever its text held before.
QString Part(void (tLumen::*Get)(int, int, QString &, TCellState &) const, const tLumen &L,
             int Line, int Col)
{
    QString T = "old";
    TCellState S = csText;
    (L.*Get)(Line, Col, T, S);
    return QString("ent"[S]) + ':' + T;
}

} // namespace

class TestLumen : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The same text typed as a value (2 decimals) and as a frequency, on every
    // side of the data set.
    void typedText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("count");
        auto Row = [](const char *Name, const char *Input, const char *Value, const char *Count) {
            QTest::newRow(Name) << QString::fromUtf8(Input) << QString::fromUtf8(Value)
                                << QString::fromUtf8(Count);
        };
        Row("point", "3.5", "n:3,50", "t:3.5");
        Row("comma", "2,5", "n:2,50", "t:2,5");
        Row("count", "13", "n:13,00", "n:13");
        Row("zero", "0", "n:0,00", "n:0");
        Row("negative", "-3", "n:-3,00", "t:-3");
        Row("word", "rød", "t:rød", "t:rød");
        Row("blank padded", " 4,2 ", "n:4,20", "t: 4,2 ");
        Row("dash clears", "-", "e:", "e:");
    }
    void typedText()
    {
        QFETCH(QString, input);
        QFETCH(QString, value);
        QFETCH(QString, count);
        tLumen L;
        L.SetDecimals(2, 2);
        L.SetHypDecimals(2, 2);
        L.SetGrupDecimals(2, 2);
        // Line 1 keeps line 3 from being trimmed when it is cleared.
        L.SetCellText(1, 2, "1");
        L.SetCellText(3, 2, "9");
        L.ClearModified();
        L.SetCellText(3, 2, input);
        QVERIFY(L.IsModified());
        QCOMPARE(Part(&tLumen::GetCellText, L, 3, 2), value);
        QCOMPARE(L.CellCount(2), value == "e:" ? 2 : 4);
        L.SetHypObsText(3, 2, input);
        L.SetHypFreqText(3, 2, input);
        QCOMPARE(Part(&tLumen::GetHypObsText, L, 3, 2), value);
        QCOMPARE(Part(&tLumen::GetHypFreqText, L, 3, 2), count);
        L.SetGrupLowText(3, 2, input);
        L.SetGrupHighText(3, 2, input);
        L.SetGrupFreqText(3, 2, input);
        QCOMPARE(Part(&tLumen::GetGrupLowText, L, 3, 2), value);
        QCOMPARE(Part(&tLumen::GetGrupHighText, L, 3, 2), value);
        QCOMPARE(Part(&tLumen::GetGrupFreqText, L, 3, 2), count);
        QCOMPARE(L.HypCellCount(2) + L.GrupCellCount(2), input == "-" ? 0 : 8);
    }

    void cellsOutsideTheSheet()
    {
        tLumen L;
        L.SetCellText(0, 26, "1");
        L.SetCellText(0, -1, "1");
        L.SetCellText(-1, 0, "1");
        L.SetHypFreqText(0, 8, "1");
        L.SetGrupFreqText(-1, 0, "1");
        QCOMPARE(L.UsedColumns() + L.UsedHypColumns() + L.UsedGrupColumns(), 0);
        L.SetCellText(4, 1, "x");
        QCOMPARE(L.UsedColumns(), 2);
        TCellState S = csNumber;
        QCOMPARE(L.GetCellValue(99, 1, S), Extended(0));
        QCOMPARE(S, csEmpty);
        for (int Col : {-1, 26, 1000}) {
            QCOMPARE(L.GetCellState(0, Col), csEmpty);
            QCOMPARE(L.GetDecimals(Col), 0);
            L.SwapColumns(1, Col);
            L.SwapColumns(Col, 1);
        }
        QCOMPARE(L.GetCellText(4, 1), QStringLiteral("x"));
    }

    // Intervals as "count: lower-upper ...".
    void intervals()
    {
        tLumen L;
        auto Text = [&](int Count) {
            QStringList S;
            for (const tInterval &I : L.GetIntervals(0, Count))
                S << FormatGeneral(I.Lower) + '-' + FormatGeneral(I.Upper);
            return QString::number(L.IntervalCount(0, 7)) + ':' + S.join(' ');
        };
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 10);
        L.SetFirstUpper(0, 20.5L);
        L.SetGap(0, 1);
        L.SetGroupCount(0, 4);
        QCOMPARE(Text(4), QString("4:10-20,5 21,5-32 33-43,5 44,5-55"));
        Extended Lo = -1, Hi = -1;
        L.GetInterval(0, 2, Lo, Hi);
        QCOMPARE(FormatGeneral(Lo) + '-' + FormatGeneral(Hi), QString("33-43,5"));

        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, 1, 5);
        L.AddInterval(0, 5, 8);
        QCOMPARE(Text(9), QString("2:1-5 5-8"));
        Lo = Hi = -7;
        L.GetInterval(0, 2, Lo, Hi); // outside the list: unchanged
        L.GetInterval(0, -1, Lo, Hi);
        QCOMPARE(double(Lo + Hi), -14.0);
        L.SetGroupKind(0, 9);
        QCOMPARE(Text(1), QString("7:"));
        L.SetGroupKind(0, gkNone);
        QCOMPARE(Text(1), QString("0:"));
    }

    void marks()
    {
        tLumen L;
        for (int C : {3, 1, 26, 5})
            L.ToggleColSelected(C);
        QCOMPARE(L.SelCols, QVector<int32_t>({1, 3, 5}));
        QCOMPARE(L.SelCol(3), -1);
        QCOMPARE(L.SelCol(1), 3);
        L.ToggleColSelected(1);
        L.ToggleColSelected(5);
        QVERIFY(!L.SelectionHasData()); // column 3 has no cells yet
        L.SetCellText(2, 3, "x");
        QVERIFY(L.SelectionHasData());
        QVERIFY(!L.PastSelectionEnd(2));
        QVERIFY(L.PastSelectionEnd(3));

        L.ClearColSelection();
        QVERIFY(!L.SelectionHasData());
        L.ToggleLineSelected(0);
        L.SetCellText(0, 0, "1");
        L.SetCellText(0, 1, "t");
        QVERIFY(L.SelectionHasData());
        QVERIFY(!L.PastSelectionEnd(0));
        QVERIFY(L.PastSelectionEnd(1)); // one number in line 0
        L.ToggleLineSelected(5);
        QVERIFY(!L.SelectionHasData());
    }

    void undoCaptions()
    {
        const QStringList Words{"Fortryd",    "Fortryd",    "Klip",   "Indsæt", "Slet",
                                "Tilføj",     "Fjern",      "Ombyt",  "Sortér", "Gang med 10",
                                "Del med 10", "Indsæt ark", "Fortryd"};
        for (int Op = 0; Op < Words.size(); ++Op)
            QCOMPARE(UndoCaption(Op),
                     Op == 0 || Op == 12 ? Words[Op] : "Fortryd \"" + Words[Op] + '"');
    }

    // Every change of the document marks it modified.
    void modified()
    {
        using tCell = void (tLumen::*)(int, int, const QString &);
        using tText = void (tLumen::*)(int, const QString &);
        using tNumber = void (tLumen::*)(int, int32_t);
        std::vector<std::function<void(tLumen &)>> Changes{
            [](tLumen &L) { L.SetRandomFlag(0, 1); }, [](tLumen &L) { L.ClearRandom(0); },
            [](tLumen &L) { L.SetText("t"); },
            // A computed column filled for the first time.
            [](tLumen &L) {
                L.SetCellText(0, 0, "2");
                L.SetFormula(1, "A*2");
                L.SetComputed(1, true);
                L.ClearModified();
                L.ComputeColumn(1);
            }};
        for (tCell F : {&tLumen::SetCellText, &tLumen::SetHypObsText, &tLumen::SetHypFreqText,
                        &tLumen::SetGrupLowText, &tLumen::SetGrupHighText, &tLumen::SetGrupFreqText})
            Changes.push_back([F](tLumen &L) { (L.*F)(0, 0, "1"); });
        for (tText F : {&tLumen::SetLineName, &tLumen::SetColName, &tLumen::SetComment,
                        &tLumen::SetFormula, &tLumen::SetHypName, &tLumen::SetHypComment,
                        &tLumen::SetGrupName, &tLumen::SetGrupComment})
            Changes.push_back([F](tLumen &L) { (L.*F)(0, "A"); });
        for (tNumber F : {&tLumen::SetDecimals, &tLumen::SetHypDecimals, &tLumen::SetGrupDecimals,
                          &tLumen::SetRandomFrom, &tLumen::SetRandomTo, &tLumen::SetRandomCount})
            Changes.push_back([F](tLumen &L) { (L.*F)(0, 3); });
        for (const auto &Change : Changes) {
            tLumen L;
            L.ClearModified();
            Change(L);
            QVERIFY(L.IsModified());
        }
    }

    // The frequency and grouped tables: cells, columns and undo, where the
    // reserved bytes stay with the column and all else returns.
    void tables()
    {
        tLumen L;
        L.SetHypFreqText(5, 0, "3");
        L.SetHypObsText(5, 0, "2");
        L.SetHypFreqText(5, 0, "");
        QCOMPARE(L.HypCellCount(0), 6); // the value keeps the cell
        L.SetHypObsText(5, 0, "-");
        QCOMPARE(L.HypCellCount(0), 0);
        L.SetHypObsText(0, 1, "7");
        L.SetHypName(7, "last");
        L.SetHypComment(7, "k");
        L.SetHypName(1, "abcdefghijklmnopqrstuvwxyz");
        L.SetHypComment(1, "c");
        L.SaveUndoHyp(uoDelete);
        L.InsertHypColumn(0);
        QCOMPARE(L.GetHypName(0) + L.GetHypComment(0) + Part(&tLumen::GetHypFreqText, L, 9, 0),
                 QString("e:"));
        QCOMPARE(L.GetHypName(2) + L.GetHypComment(2), QString("abcdefghijklmnopqrstc"));
        L.SwapHypColumns(2, 6);
        L.DeleteHypColumn(0);
        QCOMPARE(Part(&tLumen::GetHypObsText, L, 0, 5), QString("n:7"));
        QCOMPARE(L.UsedHypColumns(), 6);
        L.HypCols[1].Reserved3 = 7;
        L.UndoHyp();
        QCOMPARE(L.GetUndoOp(), uint8_t(1)); // undoing the undo
        QCOMPARE(L.GetHypName(7) + L.GetHypComment(7), QString("lastk"));
        QCOMPARE(Part(&tLumen::GetHypObsText, L, 0, 1), QString("n:7"));
        QCOMPARE(L.HypCols[1].Reserved3, uint8_t(7));

        L.SetGrupLowText(2, 0, "10");
        L.SetGrupHighText(2, 0, "20");
        L.SetGrupFreqText(2, 0, "5");
        L.SetGrupLowText(2, 0, "");
        L.SetGrupHighText(2, 0, "");
        QCOMPARE(L.MaxGrupLines(), 3);
        L.SetGrupName(0, "g");
        L.SetGrupDecimals(0, 3);
        L.SaveUndoGrup(uoSort);
        QCOMPARE(L.GetUndoOp(), uint8_t(uoSort));
        L.InsertGrupColumn(0);
        L.SwapGrupColumns(1, 4);
        QCOMPARE(Part(&tLumen::GetGrupFreqText, L, 2, 4), QString("n:5"));
        L.ClearGrupColumn(4);
        QCOMPARE(L.UsedGrupColumns(), 0);
        L.GrupCols[0].Reserved4 = 5;
        L.UndoGrup();
        QCOMPARE(L.GetUndoOp(), uint8_t(1));
        QCOMPARE(L.GetGrupName(0), QString("g"));
        QCOMPARE(L.GetGrupDecimals(0), 3);
        QCOMPARE(Part(&tLumen::GetGrupFreqText, L, 2, 0), QString("n:5"));
        QCOMPARE(L.GrupCols[0].Reserved4, uint8_t(5));
    }

    // Every part of both sides: what a typed text is kept as, and a column
    // outside the side changes nothing and reads empty.
    void tableParts_data()
    {
        QTest::addColumn<int>("PartIndex");
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Kept");
        const char *Names[] = {"hyp obs", "hyp freq", "grup low", "grup high", "grup freq"};
        const bool Count[] = {false, true, false, false, true};
        for (int P = 0; P < 5; ++P) {
            const QByteArray N = Names[P];
            QTest::newRow(N + " number") << P << "4" << "n:4";
            QTest::newRow(N + " text") << P << "x" << "t:x";
            QTest::newRow(N + " negative")
                << P << "-2" << (Count[P] ? QString("t:-2") : QString("n:-2"));
            QTest::newRow(N + " decimals")
                << P << "2.25" << (Count[P] ? QString("t:2.25") : QString("n:2"));
        }
    }

    void tableParts()
    {
        QFETCH(int, PartIndex);
        QFETCH(QString, Typed);
        QFETCH(QString, Kept);
        using tSet = void (tLumen::*)(int, int, const QString &);
        using tGet = void (tLumen::*)(int, int, QString &, TCellState &) const;
        const tSet Sets[] = {&tLumen::SetHypObsText, &tLumen::SetHypFreqText,
                             &tLumen::SetGrupLowText, &tLumen::SetGrupHighText,
                             &tLumen::SetGrupFreqText};
        const tGet Gets[] = {&tLumen::GetHypObsText, &tLumen::GetHypFreqText,
                             &tLumen::GetGrupLowText, &tLumen::GetGrupHighText,
                             &tLumen::GetGrupFreqText};
        tLumen L;
        // A number shows with its column's decimals (none here).
        (L.*Sets[PartIndex])(1, 7, Typed);
        QCOMPARE(Part(Gets[PartIndex], L, 1, 7), Kept);
        QCOMPARE(Part(Gets[PartIndex], L, 0, 7), QString("e:"));
        for (int Col : {-1, 8}) {
            L.ClearModified();
            (L.*Sets[PartIndex])(1, Col, Typed);
            QVERIFY(!L.IsModified());
            QCOMPARE(Part(Gets[PartIndex], L, 1, Col), QString("e:"));
        }
        QCOMPARE(L.MaxHypLines() + L.MaxGrupLines(), 2);
    }
};

QTEST_GUILESS_MAIN(TestLumen)
#include "tst_lumen.moc"
