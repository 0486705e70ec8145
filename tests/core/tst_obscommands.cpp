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
        auto Row = [](const char *Name, const QStringList &Setup, const char *Command,
                      const char *Expected) {
            QTest::newRow(Name) << Setup << QString(Command) << QString(Expected);
        };
        Row("multiply: numbers only, dependants follow", {"A=1,2.5,x,,0.1", "B:A+1"}, "mul A",
            "A=10,25,x,,1|B:A+1=11,26,,,2");
        Row("clear lines recomputes them", {"A=1,2,3", "B:A*2", "#a,b,c"}, "clearlines 0,2",
            "A=,2|B:A*2=,4|#,b");
        // Removing is refused for the last marked column another one reads.
        Row("used, tested from the last", {"A=1", "B=2", "C:A+B"}, "used AB", "B");
        Row("used, the reader itself may go", {"A=1", "C:A*2"}, "used C", "");
        Row("used through a chain", {"A=1", "B:A+1", "C:B+1"}, "used BC", "B");
        Row("a backwards chain is computed in order", {"A=1", "B:D+1", "D:A*2"}, "set A0=5",
            "A=5|B:D+1=11|D:A*2=10");
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
        if (Verb == "mul" || Verb == "div")
            ScaleColumns(L, Cols, Verb == "div");
        else if (Verb == "clearlines")
            ClearLines(L, Lines);
        else if (Verb == "used") {
            const int Col = ColumnUsedInFormula(L, Cols);
            QCOMPARE(Col < 0 ? QString() : QString(ColLetter(Col)), expected);
            return;
        } else if (Verb == "set") {
            L.SetCellText(0, 0, QStringLiteral("5"));
            RecalcAll(L);
        }
        QCOMPARE(Sheet(L), expected);
    }
};

QTEST_APPLESS_MAIN(TstObsCommands)
#include "tst_obscommands.moc"
