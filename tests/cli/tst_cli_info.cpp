// lumentor-cli info and convert, run as a separate program.
#include "Lumen.h"
#include "support_cli.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Little-endian fields of a hand-built version 1 file.
struct tBytes {
    QByteArray B;
    tBytes &U8(uint8_t V)
    {
        B.append(char(V));
        return *this;
    }
    tBytes &I32(int32_t V)
    {
        for (int I = 0; I < 4; ++I)
            B.append(char((uint32_t(V) >> (8 * I)) & 0xFF));
        return *this;
    }
    tBytes &Ext(const char *Hex) { return Raw(QByteArray::fromHex(Hex)); }
    tBytes &Zero(int N) { return Raw(QByteArray(N, '\0')); }
    tBytes &Str(const QByteArray &S) { return I32(int32_t(S.size())).Raw(S); }
    tBytes &Raw(const QByteArray &S)
    {
        B.append(S);
        return *this;
    }
};

} // namespace

class TestCliInfo : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Dir.isValid());
        QVERIFY(QFile::exists(QStringLiteral(LUMEN_CLI)));
        QVERIFY(MakeRuntimeDir(Dir.path()));
    }

    void infoOfKnownFile()
    {
        tLumen L;
        L.SetCellText(0, 0, "5");
        L.SetCellText(2, 0, "abc");
        L.SetDecimals(0, 2);
        L.SetColName(0, "Højde");
        L.SetComment(0, "x\ty");
        L.SetGroupKind(2, gkManual);
        L.AddInterval(2, 0, 10);
        L.AddInterval(2, 10, 20.5L);
        L.SetFirstLower(2, 1.5L);
        L.SetRandomFrom(2, 1);
        L.SetRandomTo(2, 6);
        L.SetRandomCount(2, 10);
        L.SetHypName(1, "Sko");
        L.SetHypDecimals(1, 1);
        L.SetHypObsText(0, 1, "38,5");
        L.SetHypFreqText(0, 1, "4");
        L.SetHypFreqText(1, 1, "x");
        L.SetGrupLowText(0, 0, "0");
        L.SetGrupHighText(0, 0, "100");
        L.SetGrupFreqText(0, 0, "3");
        L.SetLineName(1, "Åse");
        L.SetText("a\tb\nc\\d");
        L.SetTextShown(true);
        DataType = dtHyp;
        L.SaveToFile(Path("known.lmt"));
        QVERIFY(!L.WriteFailed());

        const tRun R = RunCli({"info", Path("known.lmt")});
        QCOMPARE(R.Err, QString());
        QCOMPARE(R.Code, 0);
        const QStringList Expected = {
            "datatype\t2\thyppigheder",
            "filversion\t2",
            "tekst\ta\\tb\\nc\\\\d",
            "tekstvindue\tåbent",
            "søjle A navn\tHøjde",
            "søjle A kommentar\tx\\ty",
            "søjle A decimaler\t2",
            "søjle A formel\t",
            "søjle A referencer\t",
            "søjle A beregnet\tnej",
            "søjle A tilfældig fra\t0",
            "søjle A tilfældig til\t0",
            "søjle A tilfældig antal\t0",
            "søjle A tilfældig valg\t0",
            "søjle A gruppering\t0\tingen",
            "søjle A første nedre\t0",
            "søjle A første øvre\t0",
            "søjle A afstand\t0",
            "søjle A antal grupper\t0",
            "søjle A intervaller\t0",
            "søjle A celler\t3",
            "søjle A linje 1\ttal\t5,00",
            "søjle A linje 2\ttom\t",
            "søjle A linje 3\ttekst\tabc",
            "søjle C navn\t",
            "søjle C kommentar\t",
            "søjle C decimaler\t0",
            "søjle C formel\t",
            "søjle C referencer\t",
            "søjle C beregnet\tnej",
            "søjle C tilfældig fra\t1",
            "søjle C tilfældig til\t6",
            "søjle C tilfældig antal\t10",
            "søjle C tilfældig valg\t0",
            "søjle C gruppering\t2\tmanuel",
            "søjle C første nedre\t1,5",
            "søjle C første øvre\t0",
            "søjle C afstand\t0",
            "søjle C antal grupper\t0",
            "søjle C intervaller\t2",
            "søjle C interval 1\t0\t10",
            "søjle C interval 2\t10\t20,5",
            "søjle C celler\t0",
            "hyppighed 2 navn\tSko",
            "hyppighed 2 kommentar\t",
            "hyppighed 2 decimaler\t1",
            "hyppighed 2 celler\t2",
            "hyppighed 2 linje 1 observation\ttal\t38,5",
            "hyppighed 2 linje 1 hyppighed\ttal\t4",
            "hyppighed 2 linje 2 observation\ttom\t",
            "hyppighed 2 linje 2 hyppighed\ttekst\tx",
            "gruppering 1 navn\t",
            "gruppering 1 kommentar\t",
            "gruppering 1 decimaler\t0",
            "gruppering 1 celler\t1",
            "gruppering 1 linje 1 nedre\ttal\t0",
            "gruppering 1 linje 1 øvre\ttal\t100",
            "gruppering 1 linje 1 hyppighed\ttal\t3",
            "linjenavne\t2",
            "linjenavn 1\t",
            "linjenavn 2\tÅse",
        };
        const QStringList Got = R.Text().split('\n');
        QCOMPARE(Got.last(), QString()); // ends with a newline
        QCOMPARE(Got.mid(0, Got.size() - 1), Expected);
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QByteArray>("Content");
        QTest::addColumn<bool>("Exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("other kind") << QByteArray("hello, world, this is text") << true;
        QTest::newRow("magic only") << QByteArray("\x0cLumentor0002") << true;
    }
    void unreadableFile()
    {
        QFETCH(QByteArray, Content);
        QFETCH(bool, Exists);
        const QString P = Path("bad.lmt");
        QFile::remove(P);
        if (Exists)
            QVERIFY(WriteAll(P, Content));
        const tRun R = RunCli({"info", P});
        QCOMPARE(R.Code, 1);
        QCOMPARE(R.Err, QString("Kunne ikke læse data\n"));
        QVERIFY(R.Out.isEmpty());
    }

    void convertVersionOne()
    {
        tBytes F;
        F.U8(12).Raw("Lumentor0001").I32(dtObs);
        // Column A: name "Vægt", decimals 1, random settings without the
        // flag of the later version, one number (2.5) and one text cell.
        F.U8(0).Str("").Str("").Str("").Str("V\xE6gt").U8(0).I32(1).I32(2).I32(9).I32(5);
        F.U8(0).Zero(30).I32(0).I32(0).I32(0);
        F.I32(2).U8(1).Str("").Ext("00000000000000A00040").U8(2).Str("?").Zero(10);
        for (int C = 1; C < 26; ++C)
            F.U8(0).Zero(16).U8(0).Zero(16).U8(0).Zero(30).Zero(16);
        F.I32(1).Str("L\xF8rdag");
        for (int C = 0; C < 16; ++C)
            F.U8(0).I32(0).U8(255).U8(255).I32(0).I32(0).I32(0);
        QVERIFY(WriteAll(Path("old.lmt"), F.B));

        const tRun Old = RunCli({"info", Path("old.lmt")});
        QCOMPARE(Old.Code, 0);
        QVERIFY(Old.Text().contains("filversion\t1\n"));
        QVERIFY(Old.Text().contains("søjle A navn\tVægt\n"));
        QVERIFY(Old.Text().contains("søjle A linje 1\ttal\t2,5\n"));
        QVERIFY(Old.Text().contains("linjenavn 1\tLørdag\n"));

        const tRun C = RunCli({"convert", Path("old.lmt"), Path("new.lmt")});
        QCOMPARE(C.Err, QString());
        QCOMPARE(C.Code, 0);
        const QByteArray New = ReadAll(Path("new.lmt"));
        QCOMPARE(New.left(13), QByteArray("\x0cLumentor0002"));
        // 26 random flags, the empty text and its window flag are added.
        QCOMPARE(New.size(), F.B.size() + 26 + 5);

        const tRun Back = RunCli({"info", Path("new.lmt")});
        QCOMPARE(Back.Code, 0);
        QString Expect = Old.Text();
        Expect.replace("filversion\t1\n", "filversion\t2\n");
        QCOMPARE(Back.Text(), Expect);
    }

    void convertFailuresLeaveTargetUntouched()
    {
        tLumen L;
        L.SetCellText(0, 0, "1");
        L.SaveToFile(Path("in.lmt"));
        const QString Target = Path("locked.lmt");
        QVERIFY(WriteAll(Target, "previous content"));
        QVERIFY(QFile::setPermissions(Target, QFile::ReadOwner | QFile::ReadGroup));

        const tRun W = RunCli({"convert", Path("in.lmt"), Target});
        QCOMPARE(W.Code, 1);
        QCOMPARE(W.Err, QString("Kunne ikke gemme data\n"));
        QCOMPARE(ReadAll(Target), QByteArray("previous content"));

        QVERIFY(WriteAll(Path("garbage.lmt"), "not a data file"));
        const tRun R = RunCli({"convert", Path("garbage.lmt"), Path("fresh.lmt")});
        QCOMPARE(R.Code, 1);
        QCOMPARE(R.Err, QString("Kunne ikke læse data\n"));
        QVERIFY(!QFile::exists(Path("fresh.lmt")));

        const tRun D = RunCli({"convert", Path("in.lmt"), Path("no/dir/out.lmt")});
        QCOMPARE(D.Code, 1);
        QCOMPARE(D.Err, QString("Kunne ikke gemme data\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliInfo)
#include "tst_cli_info.moc"
