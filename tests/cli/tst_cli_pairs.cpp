// lumentor-cli with two columns: the cross table and pair key figures as
// copy texts, the refusals, and the pictures of the two-variable kinds.
#include "Lumen.h"
#include "support_cli.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class tst_cli_pairs : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Data;

  private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        QVERIFY(MakeRuntimeDir(Dir.path()));
        tLumen L;
        const char *Cols[][4] = {{"1", "2", "2", nullptr},     // A
                                 {"5", "5", "6", nullptr},     // B
                                 {"1", "2", nullptr, nullptr}, // C: one short
                                 {"3", "14", "7", nullptr}};   // D: grouped
        for (int C = 0; C < 4; ++C)
            for (int I = 0; Cols[C][I]; ++I)
                L.SetCellText(I, C, QString::fromLatin1(Cols[C][I]));
        L.SetGroupKind(3, gkAuto);
        L.SetFirstLower(3, 0);
        L.SetFirstUpper(3, 10);
        L.SetGroupCount(3, 2);
        Data = Dir.filePath("pair.lmt");
        DataType = dtObs;
        L.SaveToFile(Data);
        QVERIFY(!L.WriteFailed());
    }

    void describe_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<int>("Code");
        QTest::addColumn<QString>("Out"); // standard output, or a part of the error
        const QString Table = "\"Kolonne A\" krydset med \"Kolonne B\"\r\n\t1\t2\tHyppighed\r\n"
                              "5\t1\t1\t2\r\n6\t0\t1\t1\r\nHyppighed\t1\t2\t3\r\n";
        QTest::newRow("cross table") << QStringList{"A", "B", "--crosstable"} << 0 << Table;
        QTest::newRow("either order") << QStringList{"B", "A", "--crosstable"} << 0 << Table;
        QTest::newRow("key figures")
            << QStringList{"A", "B", "--pairkeys"} << 0
            << "Søjle A og Søjle B\r\nAntal tabellinjer\t3\r\n"
               "Krydstabelstørrelse\t2 x 2\r\nKovarians\t0,11\r\n"
               "Korrelationskoefficient\t0,50\r\nRegressionslinje: Y = aX "
               "+ b , hvor\r\na =\t0,50\r\nb =\t4,50\r\nChi-kvadrat værdi\t0,75\r\n";
        QTest::newRow("faulty pair")
            << QStringList{"A", "C", "--pairkeys"} << 1 << "Fejl i data-par";
        QTest::newRow("faulty, table")
            << QStringList{"B", "C", "--crosstable"} << 1 << "Fejl i data-par";
        QTest::newRow("grouped beside ungrouped")
            << QStringList{"A", "D", "--crosstable"} << 1 << "Begge kolonner skal være grupperede";
        QTest::newRow("one column") << QStringList{"A", "--crosstable"} << 2 << "Brug:";
    }
    void describe()
    {
        QFETCH(QStringList, Args);
        QFETCH(int, Code);
        QFETCH(QString, Out);
        QStringList Cols;
        for (const QString &A : Args)
            Cols << (A.startsWith("--") ? QStringList{A} : QStringList{"--col", A});
        const tRun R = RunCli(QStringList{"describe", Data} + Cols);
        QCOMPARE(R.Code, Code);
        if (Code == 0)
            QCOMPARE(R.Text(), Out);
        else
            QVERIFY2(R.Err.contains(Out) && R.Out.isEmpty(), qPrintable(R.Err));
    }

    void render_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<int>("Code");
        QTest::addColumn<QSize>("Size");
        const QStringList AB{"--col", "A", "--col", "B"};
        QTest::newRow("data sticks") << (AB + QStringList{"--kind", "datapinde"}) << 0 << QSize();
        QTest::newRow("data curve") << (AB + QStringList{"--kind", "datakurve"}) << 0 << QSize();
        QTest::newRow("cross table") << (AB + QStringList{"--kind", "krydstabel"}) << 0 << QSize();
        QTest::newRow("scatter") << (AB + QStringList{"--kind", "krydsdiagram", "--regression"})
                                 << 0 << QSize(400, 400);
        QTest::newRow("pair key figures")
            << (AB + QStringList{"--kind", "maerketal"}) << 0 << QSize();
        QTest::newRow("scatter of a grouped column")
            << QStringList{"--col", "A", "--col", "D", "--kind", "krydsdiagram"} << 1 << QSize();
        QTest::newRow("cross table of one column")
            << QStringList{"--col", "A", "--kind", "krydstabel"} << 1 << QSize();
    }
    void render()
    {
        QFETCH(QStringList, Args);
        QFETCH(int, Code);
        QFETCH(QSize, Size);
        const QString Png = Dir.filePath("out.png");
        QFile::remove(Png);
        const tRun R = RunCli(QStringList{"render", Data} + Args + QStringList{"-o", Png});
        QCOMPARE(R.Code, Code);
        const QImage Img(Png);
        QCOMPARE(Img.isNull(), Code != 0);
        if (Code != 0)
            return;
        if (Size.isValid())
            QCOMPARE(Img.size(), Size);
        // Something besides white and black was drawn (colours, grey frames).
        QSet<QRgb> Seen;
        for (int Y = 0; Y < Img.height(); Y += 3)
            for (int X = 0; X < Img.width(); X += 3)
                Seen.insert(Img.pixel(X, Y));
        QVERIFY(Seen.size() > 2);
    }
};

QTEST_MAIN(tst_cli_pairs)
#include "tst_cli_pairs.moc"
