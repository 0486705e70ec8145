// Text transfer byte by byte: the writers of columns, lines, sheets and
// tables (key figures: see tst_keyfigures); the token readers; the sheet reader with its header row
// and name column and its refusal of uneven rows; text files.
#include "Clipboard.h"
#include "Descriptor.h"
#include "TextTransfer.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

void FillColumn(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        L.SetCellText(I, Col, Texts[I]);
}

const tDescriptor &DescribeColumn(tLumen &L, int Col)
{
    L.ClearColSelection();
    L.ToggleColSelected(Col);
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(dtObs);
    D.MarkStale();
    D.Recompute(L);
    return D;
}

QStringList Column(const tLumen &L, int Col)
{
    QStringList Out;
    for (int I = 0; I < L.CellCount(Col); ++I)
        Out.append(L.GetCellText(I, Col));
    return Out;
}

} // namespace

class tst_texttransfer : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        DataType = dtObs;
    }

    // ------------------------------------------------------------ writers

    void columnText()
    {
        tLumen L;
        L.SetColName(1, QStringLiteral("Vægt"));
        L.SetDecimals(1, 1);
        FillColumn(L, 1, {"1,5", "", "3"});
        QCOMPARE(ColumnText(L, 1), QStringLiteral("Vægt\r\n1,5\r\n\r\n3,0\r\n"));
        QCOMPARE(ColumnText(L, 5), QStringLiteral("\r\n"));
    }

    void lineText()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2"});
        FillColumn(L, 2, {"", "x"});
        FillColumn(L, 3, {"4"}); // ends before line 1
        L.SetLineName(1, QStringLiteral("Bo"));
        QCOMPARE(LineText(L, 1), QStringLiteral("Bo\r\n2\r\n\r\nx\r\n"));
        QCOMPARE(LineText(L, 0), QStringLiteral("\r\n1\r\n\r\n\r\n4\r\n"));
    }

    void sheetText()
    {
        tLumen L;
        L.SetColName(0, QStringLiteral("X"));
        FillColumn(L, 0, {"1", "2", "3"});
        FillColumn(L, 1, {"", "5"});
        L.SetLineName(1, QStringLiteral("Bo"));
        QCOMPARE(SheetText(L, false), QStringLiteral("1\t\r2\t5\r3\t\r"));
        QCOMPARE(SheetText(L, true), QStringLiteral("\tX\t\r\t1\t\rBo\t2\t5\r\t3\t\r"));
        tLumen Empty;
        QCOMPARE(SheetText(Empty, false), QString());
    }

    void frequencyAndGroupedColumnText()
    {
        tLumen L;
        L.SetHypName(0, QStringLiteral("Sko"));
        L.SetHypDecimals(0, 1);
        L.SetHypObsText(0, 0, "38");
        L.SetHypFreqText(0, 0, "4");
        L.SetHypFreqText(1, 0, "2");
        QCOMPARE(HypColumnText(L, 0), QStringLiteral("Sko\r\n38,0\t4\r\n\t2\r\n"));

        L.SetGrupLowText(0, 2, "0");
        L.SetGrupHighText(0, 2, "10");
        L.SetGrupFreqText(0, 2, "3");
        L.SetGrupLowText(1, 2, "10");
        L.SetGrupHighText(1, 2, "ti");
        QCOMPARE(GrupColumnText(L, 2), QStringLiteral("\r\n0\t10\t3\r\n10\tti\t\r\n"));
    }

    void ungroupedTableText()
    {
        tLumen L;
        L.SetColName(0, QStringLiteral("Mål"));
        FillColumn(L, 0, {"2", "1", "2", "3"});
        const tDescriptor &D = DescribeColumn(L, 0);
        QCOMPARE(TableText(D), QStringLiteral("Mål\r\n"
                                              "Observation\th\tH\tf\tF\r\n"
                                              "1\t1\t1\t0,250\t0,250\r\n"
                                              "2\t2\t3\t0,500\t0,750\r\n"
                                              "3\t1\t4\t0,250\t1,000\r\n"));
    }

    void groupedTableText()
    {
        // Without a name there is a title all the same ("Søjle A"); the table
        // text of classes has two heading lines.
        tLumen L;
        FillColumn(L, 0, {"5", "15", "12", "18"});
        L.SetDecimals(0, 1);
        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, 0, 10);
        L.AddInterval(0, 10, 20);
        const tDescriptor &D = DescribeColumn(L, 0);
        QCOMPARE(TableText(D), QStringLiteral("Søjle A\r\n"
                                              "Nedre\tØvre\tMidt-\r\n"
                                              "grænse\tgrænse\tpunkt\th\tH\tf\tF\r\n"
                                              "0,0\t10,0\t5,000\t1\t1\t0,250\t0,250\r\n"
                                              "10,0\t20,0\t15,000\t3\t4\t0,750\t1,000\r\n"));
    }

    // ------------------------------------------------------------ readers

    void tokens_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QStringList>("Tokens");
        QTest::newRow("tab and cr")
            << QStringLiteral("12\t13\r\n14") << false << QStringList{"12", "13", "14"};
        QTest::newRow("empty tokens")
            << QStringLiteral("a\r\r\n\tb\r") << false << QStringList{"a", "", "", "b"};
        QTest::newRow("lf alone joins") << QStringLiteral("1\n2\r") << false << QStringList{"12"};
        QTest::newRow("semicolon in paste")
            << QStringLiteral("1;2\r") << false << QStringList{"1;2"};
        QTest::newRow("semicolon in file")
            << QStringLiteral("1;2\r") << true << QStringList{"1", "2"};
        QTest::newRow("empty rest dropped") << QStringLiteral("1\t") << false << QStringList{"1"};
    }

    void tokens()
    {
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(QStringList, Tokens);
        QCOMPARE(TextTokens(Text, FromFile), Tokens);
    }

    void pasteColumn_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QStringList>("Cells");
        QTest::newRow("no name") << QStringLiteral("12\t13\r\n14") << QString()
                                 << QStringList{"12", "13", "14"};
        QTest::newRow("name") << QStringLiteral("Højde\r\n1,5\r\n\r\n3\r\n")
                              << QStringLiteral("Højde") << QStringList{"1,5", "", "3,0"};
        QTest::newRow("empty name") << QStringLiteral("\r\n7\r\n") << QString() << QStringList{"7"};
        QTest::newRow("text later")
            << QStringLiteral("1\r\nabc\r\n") << QString() << QStringList{"1", "abc"};
        QTest::newRow("nothing") << QString() << QString() << QStringList{};
    }

    void pasteColumn()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Name);
        QFETCH(QStringList, Cells);
        tLumen L;
        L.SetColName(1, QStringLiteral("Gammel"));
        FillColumn(L, 1, {"99"});
        PasteColumn(L, 1, Text, false);
        QCOMPARE(L.GetColName(1), Name);
        QCOMPARE(Column(L, 1), Cells);
        // The old column moved one place right.
        QCOMPARE(L.GetColName(2), QStringLiteral("Gammel"));
        QCOMPARE(Column(L, 2), QStringList{"99"});
    }

    void pasteRoundTrip()
    {
        tLumen L;
        L.SetColName(0, QStringLiteral("Ål"));
        L.SetDecimals(0, 2);
        FillColumn(L, 0, {"1,25", "", "-3", "tekst"});
        tLumen M;
        PasteColumn(M, 4, ColumnText(L, 0), false);
        QCOMPARE(ColumnText(M, 4), ColumnText(L, 0));
    }

    void pasteLine()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2"});
        L.SetLineName(1, QStringLiteral("Gammel"));
        PasteLine(L, 1, QStringLiteral("Ny\r\n5\r\n\r\n6,5\r\n"), false);
        QCOMPARE(L.GetLineName(1), QStringLiteral("Ny"));
        QCOMPARE(L.GetLineName(2), QStringLiteral("Gammel"));
        QCOMPARE(L.GetCellText(1, 0), QStringLiteral("5"));
        QCOMPARE(L.GetCellState(1, 1), csEmpty);
        QCOMPARE(L.GetCellText(1, 2), QStringLiteral("6,5"));
        QCOMPARE(L.GetCellText(2, 0), QStringLiteral("2"));
    }

    void pasteFrequencyAndGroupedColumns()
    {
        tLumen L;
        PasteHypColumn(L, 0, QStringLiteral("Sko\r\n38\t4\r\n39,5\t2\r\n"), false);
        QCOMPARE(L.GetHypName(0), QStringLiteral("Sko"));
        QCOMPARE(HypColumnText(L, 0), QStringLiteral("Sko\r\n38,0\t4\r\n39,5\t2\r\n"));

        PasteGrupColumn(L, 3, QStringLiteral("0;10;3\r\n10;20;1\r\n"), true);
        QCOMPARE(L.GetGrupName(3), QString());
        QCOMPARE(GrupColumnText(L, 3), QStringLiteral("\r\n0\t10\t3\r\n10\t20\t1\r\n"));
    }

    void readSheet_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<bool>("Ok");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Rows");
        QTest::addColumn<bool>("Header");
        QTest::addColumn<bool>("Names");
        auto Row = [](const char *Name, const char *Text, bool FromFile, bool Ok, int Columns,
                      int Rows, bool Header, bool Names) {
            QTest::newRow(Name) << QString::fromUtf8(Text) << FromFile << Ok << Columns << Rows
                                << Header << Names;
        };
        Row("header and names", "\tA\tB\rAnna\t1\t2\rBo\t3\t4\r", false, true, 3, 3, true, true);
        Row("header only", "X\tY\r1\t2\r", false, true, 2, 2, true, false);
        Row("numbers only", "1\t2\r3\t4\r", false, true, 2, 2, false, false);
        Row("last row unended", "1\t2\r3\t4", false, true, 2, 1, false, false);
        Row("uneven rows", "1\t2\r3\r", false, false, 0, 0, false, false);
        Row("empty", "", false, false, 0, 0, false, false);
        Row("semicolons from file", "1;2\r\n3;4\r\n", true, true, 2, 2, false, false);
        Row("semicolons pasted", "1;2\r\n3;4\r\n", false, true, 1, 2, false, false);
    }

    void readSheet()
    {
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(bool, Ok);
        QFETCH(int, Columns);
        QFETCH(int, Rows);
        QFETCH(bool, Header);
        QFETCH(bool, Names);
        tSheet S;
        QCOMPARE(ReadSheet(Text, FromFile, S), Ok);
        if (!Ok)
            return;
        QCOMPARE(S.Columns, Columns);
        QCOMPARE(S.Rows.size(), Rows);
        QCOMPARE(S.HeaderRow, Header);
        QCOMPARE(S.NameColumn, Names);
    }

    void pasteSheetWithHeaderAndNames()
    {
        tLumen L;
        FillColumn(L, 5, {"old"});
        L.SetLineName(4, QStringLiteral("old"));
        QVERIFY(PasteSheet(L, QStringLiteral("\tA\tÆble\rAnna\t1\t2,5\rBo\t3\t\r"), false));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoInsertSheet));
        QCOMPARE(L.UsedColumns(), 2);
        QCOMPARE(L.GetColName(0), QStringLiteral("A"));
        QCOMPARE(L.GetColName(1), QStringLiteral("Æble"));
        QCOMPARE(L.GetLineName(0), QStringLiteral("Anna"));
        QCOMPARE(L.GetLineName(1), QStringLiteral("Bo"));
        QCOMPARE(L.GetLineName(4), QString());
        QCOMPARE(Column(L, 0), (QStringList{"1", "3"}));
        // 2,5 raised the shown decimals of its column.
        QCOMPARE(Column(L, 1), (QStringList{"2,5"}));
        L.Undo();
        QCOMPARE(Column(L, 5), QStringList{"old"});
    }

    void sheetRoundTrip()
    {
        tLumen L;
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetColName(2, QStringLiteral("Vægt"));
        L.SetDecimals(2, 1);
        FillColumn(L, 0, {"150", "162", "171"});
        FillColumn(L, 2, {"40,5", "", "61,0"});
        L.SetLineName(0, QStringLiteral("Anna"));
        L.SetLineName(2, QStringLiteral("Ceci"));
        tLumen M;
        // The empty line name in the middle does not spoil the name column.
        QVERIFY(PasteSheet(M, SheetText(L, true), false));
        QCOMPARE(SheetText(M, true), SheetText(L, true));
    }

    // ------------------------------------------------------------ files

    void fileLines_data()
    {
        QTest::addColumn<QByteArray>("Bytes");
        QTest::addColumn<bool>("Drop");
        QTest::addColumn<QString>("Text");
        QTest::newRow("lf") << QByteArray("a\tb\n1\t2\n") << true
                            << QStringLiteral("a\tb\r\n1\t2\r\n");
        QTest::newRow("crlf and empty lines")
            << QByteArray("1\r\n\r\n2\r\n") << true << QStringLiteral("1\r\n2\r\n");
        QTest::newRow("keep empty lines")
            << QByteArray("1\n\n2") << false << QStringLiteral("1\r\n\r\n2\r\n");
        QTest::newRow("cr") << QByteArray("1\r2\r") << true << QStringLiteral("1\r\n2\r\n");
        QTest::newRow("utf-8 with bom")
            << QByteArray("\xEF\xBB\xBFV\xC3\xA6gt\n") << true << QStringLiteral("Vægt\r\n");
        QTest::newRow("windows-1252")
            << QByteArray("V\xE6gt\n") << true << QStringLiteral("Vægt\r\n");
    }

    void fileLines()
    {
        QFETCH(QByteArray, Bytes);
        QFETCH(bool, Drop);
        QFETCH(QString, Text);
        QCOMPARE(TextFileLines(Bytes, Drop), Text);
    }

    void readTextFile()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.filePath("data.txt");
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write("X;Y\n1;2\n\n3;4\n");
        F.close();
        QString Text;
        QVERIFY(ReadTextFile(Name, true, Text));
        tLumen L;
        QVERIFY(PasteSheet(L, Text, true));
        QCOMPARE(L.GetColName(1), QStringLiteral("Y"));
        QCOMPARE(Column(L, 1), (QStringList{"2", "4"}));
        QVERIFY(!ReadTextFile(Dir.filePath("missing.txt"), true, Text));
    }

    void clipboardAdapter()
    {
        // The offscreen platform keeps an in-process clipboard.
        SetClipboardText(QStringLiteral("Navn\n1\n2"));
        QString Text;
        QVERIFY(GetClipboardText(Text));
        QCOMPARE(Text, QStringLiteral("Navn\r\n1\r\n2"));
        tLumen L;
        PasteColumn(L, 0, Text, false);
        QCOMPARE(Column(L, 0), (QStringList{"1", "2"}));
        // An empty text clears the clipboard, and then there is nothing to paste.
        SetClipboardText(QString());
        QVERIFY(!GetClipboardText(Text));
        QVERIFY(Text.isEmpty());
    }
};

QTEST_MAIN(tst_texttransfer)
#include "tst_texttransfer.moc"
