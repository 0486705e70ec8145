// Another data set's observations added below or to the right: whether they
// fit, the values kept in full, the column settings that come along and the
// one undo step.
#include "AppendData.h"
#include "sheet_text.h"

#include <QtTest>

class TestAppend : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void append_data()
    {
        QTest::addColumn<bool>("Below");
        QTest::addColumn<QStringList>("Current");
        QTest::addColumn<QStringList>("Other");
        QTest::addColumn<bool>("Fit");
        QTest::addColumn<QString>("Expected");   // the sheet afterwards
        QTest::addColumn<QString>("Decimals");   // of A..D afterwards
        QTest::addColumn<QString>("Comments");   // of A..D afterwards
        auto Row = [](const char *Name, bool Below, const QStringList &Current,
                      const QStringList &Other, bool Fit, const char *Expected,
                      const char *Decimals, const char *Comments = "") {
            QTest::newRow(Name) << Below << Current << Other << Fit << QString::fromUtf8(Expected)
                                << QString::fromLatin1(Decimals) << QString::fromLatin1(Comments);
        };
        // The other set's columns have 2 decimals and the comment "o".
        Row("right: values in full, with decimals, name and comment", false,
            {"A'x=1,2,3", "#a,b,c"}, {"A'h=1.52,1.6,1.48", "B=t,,9", "#a,b,c"}, true,
            "A'x=1,2,3|B'h=1.52,1.6,1.48|C=t,,9|#a,b,c", "0220", "_oo_");
        Row("right: a formula stays behind, its values stay", false, {"A=1,2"},
            {"A=5,6", "B:A*2"}, true, "A=1,2|B=5,6|C=10,12", "0220", "_oo_");
        Row("right: other line names", false, {"A=1,2", "#a,b"}, {"A=1,2", "#a,B"}, false,
            "A=1,2|#a,b", "0000");
        Row("right: fewer lines", false, {"A=1,2"}, {"A=1"}, false, "A=1,2", "0000");
        Row("below: texts, gaps and names, more decimals", true, {"A'h=1,2", "B'n=x", "#a"},
            {"A'h=3.25,,4", "B'n=,y", "#,q,r"}, true,
            "A'h=1,2,3.25,,4|B'n=x,,,y|#a,,,q,r", "2200", "____");
        Row("below: other column names", true, {"A'h=1"}, {"A'H=2"}, false, "A'h=1", "0000");
        Row("below: more columns", true, {"A=1"}, {"A=2", "B=3"}, false, "A=1", "0000");
    }

    void append()
    {
        QFETCH(bool, Below);
        QFETCH(QStringList, Current);
        QFETCH(QStringList, Other);
        QFETCH(bool, Fit);
        QFETCH(QString, Expected);
        QFETCH(QString, Decimals);
        QFETCH(QString, Comments);
        tLumen L, O;
        SetupSheet(L, Current);
        SetupSheet(O, Other);
        for (int C = 0; C < O.UsedColumns(); ++C) {
            O.SetDecimals(C, 2);
            O.SetComment(C, QStringLiteral("o"));
        }
        L.SaveUndo(uoSort);
        const QString Before = Sheet(L);
        QCOMPARE(Below ? LinesFit(L, O) : ColumnsFit(L, O), Fit);
        if (Fit) {
            if (Below)
                AppendLinesOf(L, O);
            else
                AppendColumnsOf(L, O);
            RecalcAll(L);
        }
        QCOMPARE(Sheet(L), Expected);
        QString D, Cm;
        for (int C = 0; C < 4; ++C) {
            D += QString::number(L.GetDecimals(C));
            Cm += L.GetComment(C).isEmpty() ? QStringLiteral("_") : L.GetComment(C);
        }
        QCOMPARE(D, Decimals);
        if (!Comments.isEmpty())
            QCOMPARE(Cm, Comments);
        QCOMPARE(L.GetUndoOp(), uint8_t(Fit ? uoAdd : uoSort));
        L.Undo();
        QCOMPARE(Sheet(L), Fit ? Before : Expected);
    }

    // A grouped column keeps its intervals when it is added to the right.
    void groupingComesAlong()
    {
        tLumen L, O;
        SetupSheet(L, {"A=1,2"});
        SetupSheet(O, {"A=12,17"});
        O.SetGroupKind(0, gkManual);
        O.AddInterval(0, 10, 15);
        O.AddInterval(0, 15, 20);
        O.SetRandomFlag(0, 1);
        O.SetRandomCount(0, 2);
        AppendColumnsOf(L, O);
        QCOMPARE(L.GetGroupKind(1), uint8_t(gkManual));
        Extended Lower = 0, Upper = 0;
        L.GetInterval(1, 1, Lower, Upper);
        QCOMPARE(double(Lower), 15.0);
        QCOMPARE(double(Upper), 20.0);
        QCOMPARE(L.GetRandomCount(1), 0);
        QVERIFY(!L.HasRandomColumns());
    }
};

QTEST_GUILESS_MAIN(TestAppend)
#include "tst_append.moc"
