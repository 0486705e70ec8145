// Text transfer byte by byte: the writers of columns, lines and sheets
// (tables and key figures: see the panes and CLI tests); pasting a column,
// line, frequency or class column in front of the old one; the sheet reader
// with its header row and name column and its refusal of uneven rows; text
// files and the clipboard.
#include "Clipboard.h"
#include "TextTransfer.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

enum tKind { kColumn, kLine, kHyp, kGrup };

void FillColumn(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        L.SetCellText(I, Col, Texts[I]);
}

// Columns X (1 2 3), Vægt (1,5 _ 3 with one decimal), C (4) and D (_ x);
// line 2 named Bo; frequency column B named Sko; class column B.
void Fill(tLumen &L)
{
    L.SetColName(0, QStringLiteral("X"));
    L.SetColName(1, QStringLiteral("Vægt"));
    L.SetDecimals(1, 1);
    FillColumn(L, 0, {"1", "2", "3"});
    FillColumn(L, 1, {"1,5", "", "3"});
    FillColumn(L, 2, {"4"});
    FillColumn(L, 3, {"", "x"});
    L.SetLineName(1, QStringLiteral("Bo"));
    L.SetHypName(1, QStringLiteral("Sko"));
    L.SetHypDecimals(1, 1);
    L.SetHypObsText(0, 1, "38");
    L.SetHypFreqText(0, 1, "4");
    L.SetHypFreqText(1, 1, "2");
    L.SetGrupLowText(0, 1, "0");
    L.SetGrupHighText(0, 1, "10");
    L.SetGrupFreqText(0, 1, "3");
    L.SetGrupLowText(1, 1, "10");
    L.SetGrupHighText(1, 1, "ti");
}

// The writer and the paste of each kind.
QString (*const Write[])(const tLumen &, int) = {ColumnText, LineText, HypColumnText,
                                                 GrupColumnText};
void (*const Paste[])(tLumen &, int, const QString &, bool) = {PasteColumn, PasteLine,
                                                               PasteHypColumn, PasteGrupColumn};

} // namespace

class tst_texttransfer : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A sheet pasted over the old data replaces all of it (undoably); its
    // empty line names do not spoil the name column.
    void sheetText()
    {
        tLumen L;
        QCOMPARE(SheetText(L, false), QString());
        QCOMPARE(SheetText(L, true), QStringLiteral("\t\r")); // the name row still ends
        Fill(L);
        // A line runs to the last column reaching it.
        QCOMPARE(LineText(L, 0), QStringLiteral("\r\n1\r\n1,5\r\n4\r\n\r\n"));
        QCOMPARE(ColumnText(L, 5), QStringLiteral("\r\n"));
        QCOMPARE(SheetText(L, false), QStringLiteral("1\t1,5\t4\t\r2\t\t\tx\r3\t3,0\t\t\r"));
        const QString Named = SheetText(L, true);
        QCOMPARE(Named,
                 QStringLiteral("\tX\tVægt\t\t\r\t1\t1,5\t4\t\rBo\t2\t\t\tx\r\t3\t3,0\t\t\r"));
        tLumen M;
        FillColumn(M, 5, {"old"});
        M.SetLineName(4, QStringLiteral("old"));
        QVERIFY(PasteSheet(M, Named, false));
        QCOMPARE(M.GetUndoOp(), uint8_t(uoInsertSheet));
        QCOMPARE(SheetText(M, true), Named);
        M.Undo();
        QCOMPARE(SheetText(M, true), QStringLiteral("\t\t\t\t\t\t\r\t\t\t\t\t\told\r"));
        QCOMPARE(M.GetLineName(4), QStringLiteral("old"));
    }

    // Pasted as column, line or table column 2; read back through the writer.
    // The first token names it when it is empty or holds a letter and is not
    // the text's last; a pasted decimal raises the shown decimals.
    void paste_data()
    {
        QTest::addColumn<int>("Kind");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QString>("Written");
        QTest::newRow("column") << int(kColumn) << "12\t13\r\n14" << false
                                << "\r\n12\r\n13\r\n14\r\n";
        QTest::newRow("column with name") << int(kColumn) << "Højde\r\n1,5\r\n\r\n3\r\n"
                                          << false << "Højde\r\n1,5\r\n\r\n3,0\r\n";
        QTest::newRow("empty name") << int(kColumn) << "\r\n7\r\n" << false << "\r\n7\r\n";
        // A line feed alone is no separator; a semicolon is one in files only.
        QTest::newRow("lf alone joins") << int(kColumn) << "1\n2\r" << false << "\r\n12\r\n";
        QTest::newRow("semicolon pasted") << int(kColumn) << "1;2\r" << false << "\r\n1;2\r\n";
        QTest::newRow("empty tokens")
            << int(kColumn) << "a\r\r\n\t4\t" << false << "a\r\n\r\n\r\n4\r\n";
        QTest::newRow("text later") << int(kColumn) << "1\r\nabc\r\n"
                                    << false << "\r\n1\r\nabc\r\n";
        QTest::newRow("a last token is a value") << int(kColumn) << "abc" << false << "\r\nabc\r\n";
        QTest::newRow("nothing") << int(kColumn) << "" << false << "\r\n";
        QTest::newRow("column from file") << int(kColumn) << "1;2,25\r\n"
                                          << true << "\r\n1,00\r\n2,25\r\n";
        QTest::newRow("line") << int(kLine) << "Ny\r\n5\r\n\r\n6,5\r\n"
                              << false << "Ny\r\n5\r\n\r\n6,5\r\n\r\n";
        QTest::newRow("frequencies") << int(kHyp) << "Sko\r\n38\t4\r\n39,5\t2\r\n"
                                     << false << "Sko\r\n38,0\t4\r\n39,5\t2\r\n";
        QTest::newRow("classes from file") << int(kGrup) << "0;10;3\r\n10;20,5;1\r\n"
                                           << true << "\r\n0,0\t10,0\t3\r\n10,0\t20,5\t1\r\n";
    }

    void paste()
    {
        QFETCH(int, Kind);
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(QString, Written);
        tLumen L;
        Fill(L);
        const QString Old[] = {"Vægt\r\n1,5\r\n\r\n3,0\r\n", "Bo\r\n2\r\n\r\n\r\nx\r\n",
                               "Sko\r\n38,0\t4\r\n\t2\r\n", "\r\n0\t10\t3\r\n10\tti\t\r\n"};
        QCOMPARE(Write[Kind](L, 1), Old[Kind]);
        Paste[Kind](L, 1, Text, FromFile);
        QCOMPARE(Write[Kind](L, 1), Written);
        QCOMPARE(Write[Kind](L, 2), Old[Kind]); // moved on by one place
    }

    void readSheet_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QString>("Shape"); // columns x rows, header row, name column
        QTest::newRow("header and names") << "\tA\tB\rAnna\t1\t2\rBo\t3\t4\r" << false << "3x3 HN";
        QTest::newRow("header only") << "X\tY\r1\t2\r" << false << "2x2 H";
        QTest::newRow("numbers only") << "1\t2\r3\t4\r" << false << "2x2 ";
        QTest::newRow("last row unended") << "1\t2\r3\t4" << false << "2x1 ";
        QTest::newRow("uneven rows") << "1\t2\r3\r" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("semicolons from file") << "1;2\r\n3;4\r\n" << true << "2x2 ";
        QTest::newRow("semicolons pasted") << "1;2\r\n3;4\r\n" << false << "1x2 ";
    }

    void readSheet()
    {
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(QString, Shape);
        tSheet S;
        QCOMPARE(ReadSheet(Text, FromFile, S), !Shape.isEmpty());
        if (!Shape.isEmpty())
            QCOMPARE(QStringLiteral("%1x%2 %3%4")
                         .arg(S.Columns)
                         .arg(S.Rows.size())
                         .arg(S.HeaderRow ? "H" : "")
                         .arg(S.NameColumn ? "N" : ""),
                     Shape);
    }

    void fileLines_data()
    {
        QTest::addColumn<QByteArray>("Bytes");
        QTest::addColumn<bool>("Drop");
        QTest::addColumn<QString>("Text");
        QTest::newRow("lf") << QByteArray("a\tb\n1\t2\n") << true << "a\tb\r\n1\t2\r\n";
        QTest::newRow("crlf and empty lines")
            << QByteArray("1\r\n\r\n2\r\n") << true << "1\r\n2\r\n";
        QTest::newRow("keep empty lines") << QByteArray("1\n\n2") << false << "1\r\n\r\n2\r\n";
        QTest::newRow("cr") << QByteArray("1\r2\r") << true << "1\r\n2\r\n";
        QTest::newRow("utf-8 with bom")
            << QByteArray("\xEF\xBB\xBFV\xC3\xA6gt\n") << true << "Vægt\r\n";
        QTest::newRow("windows-1252") << QByteArray("V\xE6gt \x80\n") << true << "Vægt €\r\n";
    }

    void fileLines()
    {
        QFETCH(QByteArray, Bytes);
        QFETCH(bool, Drop);
        QFETCH(QString, Text);
        QCOMPARE(TextFileLines(Bytes, Drop), Text);
        QTemporaryDir Dir;
        QFile F(Dir.filePath("data.txt"));
        QVERIFY(F.open(QIODevice::WriteOnly) && F.write(Bytes) == Bytes.size());
        F.close();
        QString Read;
        QVERIFY(ReadTextFile(F.fileName(), Drop, Read));
        QCOMPARE(Read, Text);
        QVERIFY(!ReadTextFile(Dir.filePath("missing.txt"), Drop, Read));
    }

    void clipboardAdapter()
    {
        // The offscreen platform keeps an in-process clipboard.
        SetClipboardText(QStringLiteral("Navn\n1\n2"));
        QString Text;
        QVERIFY(GetClipboardText(Text));
        QCOMPARE(Text, QStringLiteral("Navn\r\n1\r\n2"));
        // An empty text clears the clipboard, and then there is nothing to paste.
        SetClipboardText(QString());
        QVERIFY(!GetClipboardText(Text));
        QVERIFY(Text.isEmpty());
    }
};

QTEST_MAIN(tst_texttransfer)
#include "tst_texttransfer.moc"
