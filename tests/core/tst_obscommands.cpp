// The data set side of the observation editor's column, line and sheet
// commands: re-lettering of formulas, recalculation, scaling by 10.
#include "sheet_text.h"

#include <QTest>

class TstObsCommands : public QObject
{
    Q_OBJECT
  private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("remove three adjacent, E's reader follows")
            << QStringList{"A=1", "B=2", "C=3", "D=4", "E=5", "F:E*2"} << "remove BCD"
            << "A=1|B=5|C:B*2=10";
        QTest::newRow("remove left of a chain")
            << QStringList{"A=1", "B=2,3", "C:B+1", "D:C*B"} << "remove A"
            << "A=2,3|B:A+1=3,4|C:B*A=6,12";
        QTest::newRow("insert empty moves readers and read")
            << QStringList{"A=1", "B=2", "C:A+B"} << "insert B"
            << "A=1|C=2|D:A+C=3";
        QTest::newRow("insert empty loses Z, a reader of Z names no column")
            << QStringList{"A=1", "B:A*2", "D:Z+1", "Z=9"} << "insert A"
            << "B=1|C:B*2=2|E:?+1";
        QTest::newRow("clear columns resets formula and name")
            << QStringList{"A'x=1", "B:A*2", "C=3"} << "clear AB"
            << "C=3";
        QTest::newRow("clear all number cells keeps names, not formulas")
            << QStringList{"A'Højde=1,2", "B'Dobbelt:A*2", "#p,q"} << "clearall"
            << "A'Højde|B'Dobbelt|#p,q";
        QTest::newRow("multiply: numbers only, dependants follow")
            << QStringList{"A=1,2.5,x,,0.1", "B:A+1"} << "mul A"
            << "A=10,25,x,,1|B:A+1=11,26,,,2";
        QTest::newRow("divide keeps 15 digits") << QStringList{"A=1,-25,123456789012345"} << "div A"
                                                << "A=0.1,-2.5,12345678901234.5";
        QTest::newRow("a tenfold out of range stays") << QStringList{"A=9e4931,2"} << "mul A"
                                                      << "A=9E4931,20";
        QTest::newRow("a computed column is not scaled") << QStringList{"A=1", "B:A*3"} << "mul AB"
                                                         << "A=10|B:A*3=30";
        QTest::newRow("clear lines recomputes them")
            << QStringList{"A=1,2,3", "B:A*2", "#a,b,c"} << "clearlines 0,2"
            << "A=,2|B:A*2=,4|#,b";
        QTest::newRow("remove lines from the last")
            << QStringList{"A=1,2,3,4", "#a,b,c,d"} << "removelines 0,2"
            << "A=2,4|#b,d";
        QTest::newRow("empty line gets its computed cell")
            << QStringList{"A=1,2", "B:A+1"} << "insertline 1"
            << "A=1,,2|B:A+1=2,,3";
        QTest::newRow("a backwards chain is computed in order")
            << QStringList{"A=1", "B:D+1", "D:A*2"} << "set A0=5"
            << "A=5|B:D+1=11|D:A*2=10";
    }

    void commands()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, command);
        QFETCH(QString, expected);
        tLumen L;
        SetupSheet(L, setup);
        const QString Verb = command.section(' ', 0, 0);
        const QString Arg = command.section(' ', 1);
        QVector<int32_t> Cols, Lines;
        for (QChar C : Arg)
            if (C.isUpper())
                Cols << ColIndex(C);
        for (const QString &N : Arg.split(',', Qt::SkipEmptyParts))
            if (N[0].isDigit())
                Lines << N.toInt();
        if (Verb == "remove")
            RemoveColumns(L, Cols);
        else if (Verb == "insert")
            InsertEmptyColumn(L, Cols[0]);
        else if (Verb == "clear")
            ClearColumns(L, Cols);
        else if (Verb == "clearall")
            ClearNumberCells(L);
        else if (Verb == "mul" || Verb == "div")
            ScaleColumns(L, Cols, Verb == "div");
        else if (Verb == "clearlines")
            ClearLines(L, Lines);
        else if (Verb == "removelines")
            RemoveLines(L, Lines);
        else if (Verb == "insertline")
            InsertEmptyLine(L, Lines[0]);
        else if (Verb == "set") {
            L.SetCellText(0, 0, QStringLiteral("5"));
            RecalcAll(L);
        }
        QCOMPARE(Sheet(L), expected);
    }

    void usedInFormula_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("refused"); // the column named in the refusal, -1 none
        QTest::newRow("read directly") << QStringList{"A=1", "C:A*2"} << "A" << 0;
        QTest::newRow("tested from the last") << QStringList{"A=1", "B=2", "C:A+B"} << "AB" << 1;
        QTest::newRow("the reader itself may go") << QStringList{"A=1", "C:A*2"} << "C" << -1;
        QTest::newRow("read through a chain only")
            << QStringList{"A=1", "B:A+1", "C:B+1"} << "BC" << 1;
    }

    void usedInFormula()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, marked);
        QFETCH(int, refused);
        tLumen L;
        SetupSheet(L, setup);
        QVector<int32_t> Cols;
        for (QChar C : marked)
            Cols << ColIndex(C);
        QCOMPARE(ColumnUsedInFormula(L, Cols), refused);
    }

    void stepDecimals()
    {
        tLumen L;
        L.SetDecimals(0, 9);
        L.SetDecimals(1, 0);
        L.SetDecimals(2, 4);
        QCOMPARE(StepDecimals(L, {0, 1, 2}, +1), (QVector<int32_t>{1, 2}));
        QCOMPARE(StepDecimals(L, {0, 1, 2}, -1), (QVector<int32_t>{0, 1, 2}));
        QCOMPARE(StepDecimals(L, {1}, -1), QVector<int32_t>{});
        QCOMPARE(L.GetDecimals(0), 8);
        QCOMPARE(L.GetDecimals(2), 4);
    }
};

QTEST_APPLESS_MAIN(TstObsCommands)
#include "tst_obscommands.moc"
