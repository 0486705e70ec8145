// The data file byte by byte, both versions, damaged and hostile files, round
// trips of every kind of data, and saving that never destroys the old file.
#include "Cp1252.h"
#include "Lumen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

namespace
{

// Builds file bytes by hand, independent of the program's writer.
struct tBytes {
    QByteArray B;
    tBytes &U8(uint8_t V)
    {
        B.append(char(V));
        return *this;
    }
    tBytes &I32(int32_t V)
    {
        const auto U = uint32_t(V);
        for (int I = 0; I < 4; ++I)
            B.append(char((U >> (8 * I)) & 0xFF));
        return *this;
    }
    // 80-bit extended: 64-bit significand with explicit integer bit, then
    // sign and 15-bit biased exponent. Built by hand for the simple values
    // used here (zero and exact binary fractions).
    tBytes &Ext(long double V)
    {
        char Raw[10] = {};
        if (V != 0) {
            const bool Neg = V < 0;
            if (Neg)
                V = -V;
            int E = 0;
            while (V >= 2) {
                V /= 2;
                ++E;
            }
            while (V < 1) {
                V *= 2;
                --E;
            }
            // V in [1, 2): the significand is V * 2^63.
            uint64_t M = 0;
            for (int Bit = 63; Bit >= 0; --Bit) {
                if (V >= 1) {
                    M |= uint64_t(1) << Bit;
                    V -= 1;
                }
                V *= 2;
            }
            for (int I = 0; I < 8; ++I)
                Raw[I] = char((M >> (8 * I)) & 0xFF);
            const uint16_t SE = uint16_t((E + 16383) | (Neg ? 0x8000 : 0));
            Raw[8] = char(SE & 0xFF);
            Raw[9] = char(SE >> 8);
        }
        B.append(Raw, 10);
        return *this;
    }
    tBytes &Str(const QByteArray &S)
    {
        I32(int32_t(S.size()));
        B.append(S);
        return *this;
    }
    tBytes &Raw(const QByteArray &S)
    {
        B.append(S);
        return *this;
    }
    tBytes &Magic(int Version)
    {
        return U8(12).Raw(Version == 1 ? "Lumentor0001" : "Lumentor0002");
    }
    // An empty observation column up to (not including) its interval count.
    tBytes &EmptyObsHead(int Version)
    {
        U8(0).I32(0).I32(0).I32(0).I32(0).U8(0).I32(0).I32(0).I32(0).I32(0);
        if (Version >= 2)
            U8(0);
        return U8(0).Ext(0).Ext(0).Ext(0).I32(0).I32(0);
    }
    tBytes &EmptyObs(int Version) { return EmptyObsHead(Version).I32(0).I32(0); }
    tBytes &EmptyTable() { return U8(0).I32(0).U8(255).U8(255).I32(0).I32(0).I32(0); }
};

QByteArray ReadAll(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return QByteArray();
    return F.readAll();
}

bool WriteAll(const QString &Path, const QByteArray &Data)
{
    QFile F(Path);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Data) == Data.size();
}

// A document with something in every part of the file.
void FillDocument(tLumen &L)
{
    L.SetCellText(0, 0, "5");
    L.SetCellText(2, 0, "Ærø");
    L.SetCellText(3, 0, "-1,25");
    L.Cols[0].Cells[0].Value = 1.0L / 3; // full 80-bit precision
    L.SetColName(0, "Højde å");
    L.SetComment(0, "målt i cm\tog\nmere");
    L.SetDecimals(0, 2);
    L.Cols[0].Reserved = 7;
    L.Cols[0].Reserved2 = -123456;
    L.SetCellText(1, 2, "1e300");
    L.SetFormula(2, "a+b*2");
    L.Cols[2].FormulaRefs = "AB";
    L.SetComputed(2, true);
    L.SetRandomFrom(3, -5);
    L.SetRandomTo(3, 17);
    L.SetRandomCount(3, 40);
    L.SetRandomFlag(3, 1);
    L.SetGroupKind(4, gkManual);
    L.AddInterval(4, 0, 10);
    L.AddInterval(4, 10, 20.5L);
    L.SetGroupKind(5, gkAuto);
    L.SetFirstLower(5, -2.5L);
    L.SetFirstUpper(5, 7.75L);
    L.SetGap(5, 0.125L);
    L.SetGroupCount(5, 6);
    L.SetCellText(0, 25, "z");
    L.SetLineName(0, "Åse");
    L.SetLineName(3, "Søren");
    L.SetHypName(0, "Skostørrelse");
    L.SetHypComment(0, "æ");
    L.SetHypDecimals(0, 1);
    L.SetHypObsText(0, 0, "38,5");
    L.SetHypFreqText(0, 0, "4");
    L.SetHypObsText(2, 0, "stor");
    L.SetHypFreqText(2, 0, "2,5");
    L.HypCols[7].Reserved3 = 3;
    L.SetHypFreqText(1, 7, "9");
    L.SetGrupName(1, "Løn");
    L.SetGrupDecimals(1, 2);
    L.SetGrupLowText(0, 1, "0");
    L.SetGrupHighText(0, 1, "100,5");
    L.SetGrupFreqText(0, 1, "12");
    L.SetGrupLowText(1, 1, "x");
    L.SetGrupHighText(1, 1, "");
    L.SetGrupFreqText(1, 1, "y");
    L.GrupCols[6].Reserved = 1;
    L.GrupCols[6].Reserved4 = 0;
    L.SetText("Første linje\r\nanden linje");
    L.SetTextShown(true);
}

// The bytes a document saves as. The writer is pinned byte for byte below, so
// equal bytes mean every field (80-bit numbers bit for bit) arrived intact.
QByteArray SavedBytes(tLumen &L, const QString &Path)
{
    L.SaveToFile(Path);
    return L.WriteFailed() ? QByteArray("write failed") : ReadAll(Path);
}

// Offsets in an empty version 2 file.
constexpr int ObsStart = 17;
constexpr int EmptyObsSize = 82;
constexpr int NamesStart = ObsStart + 26 * EmptyObsSize;

} // namespace

class TestFileFormat : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Dir.isValid());
    }
    void init() { DataType = dtObs; }

    void emptyDocumentBytes()
    {
        tLumen L;
        DataType = dtHyp;
        L.SaveToFile(Path("empty.lmt"));
        QVERIFY(!L.WriteFailed());
        const QByteArray Got = ReadAll(Path("empty.lmt"));
        QCOMPARE(Got.size(), 2462);

        tBytes E;
        E.Magic(2).I32(dtHyp);
        for (int C = 0; C < 26; ++C)
            E.EmptyObs(2);
        E.I32(0);
        for (int C = 0; C < 16; ++C)
            E.EmptyTable();
        E.I32(0).U8(0);
        QCOMPARE(Got.toHex(), E.B.toHex());
    }

    void numberFiveEndsColumnA()
    {
        tLumen L;
        L.SetCellText(0, 0, "5");
        L.SaveToFile(Path("five.lmt"));
        const QByteArray Got = ReadAll(Path("five.lmt"));
        QCOMPARE(Got.size(), 2462 + 15);
        const int ColAEnd = ObsStart + EmptyObsSize + 15;
        const QByteArray Tail = QByteArray::fromHex("00000000"
                                                    "01000000"
                                                    "01"
                                                    "00000000"
                                                    "00000000000000A00140");
        QCOMPARE(Got.mid(ColAEnd - Tail.size(), Tail.size()).toHex(), Tail.toHex());
        // Column B starts right after as an empty column.
        tBytes B;
        B.EmptyObs(2);
        QCOMPARE(Got.mid(ColAEnd, EmptyObsSize).toHex(), B.B.toHex());
    }

    void windows1252OnDisk_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QByteArray>("Bytes");
        QTest::newRow("danish") << QString("æøåÆØÅ") << QByteArray("\xE6\xF8\xE5\xC6\xD8\xC5");
        QTest::newRow("unmappable") << QString("a→bł") << QByteArray("a?b?");
        QTest::newRow("surrogate pair") << QString("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void windows1252OnDisk()
    {
        QFETCH(QString, Name);
        QFETCH(QByteArray, Bytes);
        tLumen L;
        L.Cols[0].Comment = Name;
        L.SaveToFile(Path("cp.lmt"));
        const QByteArray Got = ReadAll(Path("cp.lmt"));
        // Comment of column A follows its reserved byte.
        tBytes Expect;
        Expect.Str(Bytes);
        QCOMPARE(Got.mid(ObsStart + 1, Expect.B.size()).toHex(), Expect.B.toHex());
    }

    // Every byte reads as the character Windows-1252 gives it (the five
    // undefined bytes as the control characters of the same number) and
    // writes back as itself.
    void windows1252AllBytes()
    {
        QStringDecoder Reference("windows-1252");
        if (!Reference.isValid())
            QSKIP("Qt has no Windows-1252 codec here");
        QByteArray All;
        for (int B = 0; B < 256; ++B)
            All.append(char(B));
        QString Expected = Reference(All);
        for (int B : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            Expected[B] = QChar(B);
        const QString Read = FromCp1252(All.constData(), All.size());
        for (int B = 0; B < 256; ++B)
            QVERIFY2(Read[B] == Expected[B], qPrintable(QString::number(B, 16)));
        QCOMPARE(ToCp1252(Read).toHex(), All.toHex());
    }

    void versionOneFile()
    {
        tBytes F;
        F.Magic(1).I32(dtGrup);
        // Column A: settings, two intervals, cells of all states; no random flag.
        F.U8(9).Str("kom").Str("A+1").Str("A").Str("N\xE6vn").U8(1).I32(3).I32(1).I32(6).I32(10);
        F.U8(2).Ext(1.5L).Ext(2.5L).Ext(0.25L).I32(4).I32(77);
        F.I32(2).Ext(0).Ext(10).Ext(10).Ext(20);
        F.I32(3).U8(1).Str("").Ext(-5).U8(0).Str("").Ext(0).U8(2).Str("t\xF8j").Ext(0);
        for (int C = 1; C < 26; ++C)
            F.EmptyObs(1);
        F.I32(2).Str("").Str("Ole");
        // Frequency column 1 with one cell.
        F.U8(0).Str("").U8(255).U8(255).Str("H").I32(1).I32(1);
        F.U8(1).U8(2).Str("").Str("x").Ext(38.5L).I32(0);
        for (int C = 1; C < 8; ++C)
            F.EmptyTable();
        // Grouped column 1 with one cell.
        F.U8(0).Str("").U8(255).U8(255).Str("G").I32(2).I32(1);
        F.U8(1).U8(1).U8(1).Str("").Str("").Ext(0).Ext(100).Str("").I32(12);
        for (int C = 1; C < 8; ++C)
            F.EmptyTable();
        QVERIFY(WriteAll(Path("v1.lmt"), F.B));

        auto L = tLumen::CreateFromFile(Path("v1.lmt"));
        QVERIFY(!L->ReadFailed());
        QCOMPARE(L->FileVersion, 1);
        QCOMPARE(DataType, dtGrup);
        QVERIFY(!L->IsModified());
        const tDataCol &A = L->Cols[0];
        QCOMPARE(A.Reserved, uint8_t(9));
        QCOMPARE(A.Comment, QString("kom"));
        QCOMPARE(A.FormulaRefs, QString("A"));
        QCOMPARE(A.Name, QString("Nævn"));
        QVERIFY(A.Computed);
        QCOMPARE(A.RandomCount, 10);
        QCOMPARE(A.RandomFlag, uint8_t(0));
        QCOMPARE(A.FirstUpper, 2.5L);
        QCOMPARE(A.Gap, 0.25L);
        QCOMPARE(A.Reserved2, 77);
        QCOMPARE(A.Intervals.size(), 2);
        QCOMPARE(A.Intervals[1].Upper, 20.0L);
        QCOMPARE(A.Cells.size(), 3);
        QCOMPARE(A.Cells[0].Value, -5.0L);
        QCOMPARE(A.Cells[2].Text, QString("tøj"));
        QCOMPARE(L->LineNames, QStringList({"", "Ole"}));
        QCOMPARE(L->HypCols[0].Name, QString("H"));
        QCOMPARE(L->HypCols[0].Cells[0].ObsValue, 38.5L);
        QCOMPARE(L->HypCols[0].Cells[0].FreqText, QString("x"));
        QCOMPARE(L->GrupCols[0].Cells[0].HighValue, 100.0L);
        QVERIFY(L->Text.isEmpty());

        // Written back as version 2: the random flag and the text appear.
        L->SaveToFile(Path("v1to2.lmt"));
        QVERIFY(!L->WriteFailed());
        const QByteArray Out = ReadAll(Path("v1to2.lmt"));
        QCOMPARE(Out.left(13), QByteArray("\x0cLumentor0002"));
        QCOMPARE(Out.size(), F.B.size() + 26 + 5);
        DataType = dtObs;
        auto M = tLumen::CreateFromFile(Path("v1to2.lmt"));
        QVERIFY(!M->ReadFailed());
        QCOMPARE(M->FileVersion, 2);
        QCOMPARE(DataType, dtGrup);
        QCOMPARE(SavedBytes(*M, Path("m.lmt")), SavedBytes(*L, Path("l.lmt")));
    }

    void wrongMagic_data()
    {
        QTest::addColumn<int>("Pos");
        QTest::addColumn<char>("Byte");
        for (int I = 0; I < 13; ++I)
            QTest::addRow("byte %d", I) << I << char(I == 0 ? 13 : 'x');
        QTest::newRow("version 3") << 12 << '3';
        QTest::newRow("version 0") << 12 << '0';
        QTest::newRow("lower case") << 1 << 'l';
    }
    void wrongMagic()
    {
        QFETCH(int, Pos);
        QFETCH(char, Byte);
        tLumen L;
        L.SaveToFile(Path("magic.lmt"));
        QByteArray B = ReadAll(Path("magic.lmt"));
        B[Pos] = Byte;
        QVERIFY(WriteAll(Path("magic.lmt"), B));
        DataType = dtHyp;
        auto R = tLumen::CreateFromFile(Path("magic.lmt"));
        QVERIFY(R->ReadFailed());
        QCOMPARE(DataType, dtHyp); // nothing read past the magic
    }

    void missingFileOrFolderFails()
    {
        QVERIFY(tLumen::CreateFromFile(Path("does-not-exist.lmt"))->ReadFailed());
        QVERIFY(tLumen::CreateFromFile(Dir.path())->ReadFailed());
        tLumen L;
        L.SaveToFile(Path("no/such/dir/x.lmt"));
        QVERIFY(L.WriteFailed());
    }

    void cutAtEveryByteFails()
    {
        tLumen L;
        L.SetCellText(0, 0, "1");
        L.SetCellText(1, 0, "tekst");
        L.AddInterval(1, 1, 2);
        L.SetLineName(1, "n");
        L.SetHypFreqText(0, 2, "3");
        L.SetGrupLowText(0, 4, "a");
        L.SetText("t");
        L.SaveToFile(Path("whole.lmt"));
        const QByteArray Whole = ReadAll(Path("whole.lmt"));
        QVERIFY(Whole.size() > 2462);
        // Shrinking one file in place is much cheaper for the file system
        // than rewriting it thousands of times.
        QVERIFY(WriteAll(Path("cut.lmt"), Whole));
        for (int N = Whole.size() - 1; N >= 0; --N) {
            QVERIFY(QFile::resize(Path("cut.lmt"), N));
            auto R = tLumen::CreateFromFile(Path("cut.lmt"));
            if (!R->ReadFailed())
                QFAIL(qPrintable(QString("a file cut to %1 bytes was read").arg(N)));
        }
        // Whole, and with extra bytes after the end, it reads.
        QVERIFY(WriteAll(Path("cut.lmt"), Whole + QByteArray(100, '\xFF')));
        auto R = tLumen::CreateFromFile(Path("cut.lmt"));
        QVERIFY(!R->ReadFailed());
        QCOMPARE(SavedBytes(*R, Path("r.lmt")), Whole);
    }

    void hostileCountsFailFast_data()
    {
        QTest::addColumn<int>("Offset");
        QTest::addColumn<int>("Value");
        const int Big = 2000000000;
        const int Max = std::numeric_limits<int32_t>::max();
        // Offsets into an empty version 2 file.
        QTest::newRow("comment length") << ObsStart + 1 << Big;
        QTest::newRow("name length, last column") << NamesStart - EmptyObsSize + 13 << Max;
        QTest::newRow("interval count") << ObsStart + EmptyObsSize - 8 << Big;
        QTest::newRow("cell count") << ObsStart + EmptyObsSize - 4 << Big;
        QTest::newRow("cell count max") << ObsStart + 25 * EmptyObsSize + EmptyObsSize - 4 << Max;
        QTest::newRow("cell count just too big") << ObsStart + EmptyObsSize - 4 << 160;
        QTest::newRow("line names") << NamesStart << Big;
        QTest::newRow("frequency cells") << NamesStart + 4 + 15 << Big;
        QTest::newRow("grouped cells") << NamesStart + 4 + 8 * 19 + 15 << Big;
        QTest::newRow("text length") << 2462 - 5 << Big;
    }
    void hostileCountsFailFast()
    {
        QFETCH(int, Offset);
        QFETCH(int, Value);
        tLumen L;
        L.SaveToFile(Path("hostile.lmt"));
        QByteArray B = ReadAll(Path("hostile.lmt"));
        QCOMPARE(B.size(), 2462);
        const QByteArray V = tBytes().I32(Value).B;
        // The field to replace holds zero in an empty document.
        QCOMPARE(B.mid(Offset, 4), QByteArray(4, '\0'));
        B.replace(Offset, 4, V);
        QVERIFY(WriteAll(Path("hostile.lmt"), B));
        QElapsedTimer T;
        T.start();
        auto R = tLumen::CreateFromFile(Path("hostile.lmt"));
        QVERIFY(R->ReadFailed());
        QVERIFY2(T.elapsed() < 2000, "a hostile count was followed too long");
    }

    void negativeLengthsAndCounts()
    {
        tBytes F;
        F.Magic(2).I32(dtObs);
        // Column A: comment length -5 (empty, nothing more consumed), name
        // "N"; interval count -1 and cell count -3 mean empty lists.
        F.U8(0).I32(-5).I32(0).I32(0).Str("N").U8(0).I32(0).I32(0).I32(0).I32(0).U8(0).U8(0);
        F.Ext(0).Ext(0).Ext(0).I32(0).I32(0).I32(-1).I32(-3);
        for (int C = 1; C < 26; ++C)
            F.EmptyObs(2);
        F.I32(std::numeric_limits<int32_t>::min());
        for (int C = 0; C < 16; ++C)
            F.EmptyTable();
        F.I32(-1).U8(1);
        QVERIFY(WriteAll(Path("neg.lmt"), F.B));
        auto L = tLumen::CreateFromFile(Path("neg.lmt"));
        QVERIFY(!L->ReadFailed());
        QVERIFY(L->Cols[0].Comment.isEmpty());
        QCOMPARE(L->Cols[0].Name, QString("N"));
        QVERIFY(L->Cols[0].Intervals.isEmpty());
        QVERIFY(L->Cols[0].Cells.isEmpty());
        QVERIFY(L->LineNames.isEmpty());
        QVERIFY(L->Text.isEmpty());
        QVERIFY(L->TextShown);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("TextLength");
        QTest::newRow("observations") << int(dtObs) << 0;
        QTest::newRow("frequencies") << int(dtHyp) << 65535;
        QTest::newRow("groupings, long text") << int(dtGrup) << 65536 + 1000;
        // Longer than one of the reader's pieces: it must still arrive whole.
        QTest::newRow("no type, very long text") << int(dtNone) << 1500000;
    }
    void roundTrip()
    {
        QFETCH(int, Type);
        QFETCH(int, TextLength);
        tLumen L;
        FillDocument(L);
        if (TextLength > 0) {
            QString T;
            T.reserve(TextLength);
            for (int I = 0; I < TextLength; ++I)
                T += QChar(I % 80 == 79 ? u'\n' : (I % 7 == 0 ? u'æ' : u'a' + I % 26));
            L.SetText(T);
        }
        DataType = TDataType(Type);
        L.SaveToFile(Path("round.lmt"));
        QVERIFY(!L.WriteFailed());
        DataType = dtObs;
        auto R = tLumen::CreateFromFile(Path("round.lmt"));
        QVERIFY(!R->ReadFailed());
        QCOMPARE(int(DataType), Type);
        QCOMPARE(R->FileVersion, 2);
        QVERIFY(!R->IsModified());
        // The cells read back show as they did.
        QCOMPARE(R->GetCellText(0, 0), L.GetCellText(0, 0));
        QCOMPARE(R->GetCellText(2, 0), QString("Ærø"));
        // Saving what was read gives the same bytes.
        R->SaveToFile(Path("round2.lmt"));
        QVERIFY(!R->WriteFailed());
        QCOMPARE(ReadAll(Path("round2.lmt")), ReadAll(Path("round.lmt")));
    }

    // A list near the end of the file leaves few bytes after it: a list of
    // the smallest entries still reads.
    void longListNearTheEnd_data()
    {
        QTest::addColumn<int>("List");
        QTest::newRow("intervals of Z") << 0;
        QTest::newRow("cells of Z") << 1;
        QTest::newRow("line names") << 2;
        QTest::newRow("last frequency column") << 3;
        QTest::newRow("last grouped column") << 4;
    }
    void longListNearTheEnd()
    {
        QFETCH(int, List);
        tLumen L;
        for (int I = 0; I < 600; ++I) {
            if (List == 0 && I < 60)
                L.AddInterval(25, I, I + 1);
            else if (List == 1)
                L.SetCellText(I, 25, "1");
            else if (List == 2)
                L.SetLineName(I, I == 599 ? "x" : "");
            else if (List == 3 && I < 300)
                L.SetHypFreqText(I, 7, "1");
            else if (List == 4 && I < 10)
                L.SetGrupFreqText(I, 7, "1");
        }
        const QByteArray Bytes = SavedBytes(L, Path("long.lmt"));
        auto R = tLumen::CreateFromFile(Path("long.lmt"));
        QVERIFY(!R->ReadFailed());
        QCOMPARE(SavedBytes(*R, Path("long2.lmt")), Bytes);
    }

    void readOnlyTargetUntouched()
    {
        tLumen Old;
        Old.SetCellText(0, 0, "1");
        const QString P = Path("ro.lmt");
        Old.SaveToFile(P);
        const QByteArray Before = ReadAll(P);
        QVERIFY(QFile::setPermissions(P, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        tLumen New;
        FillDocument(New);
        New.SaveToFile(P);
        QVERIFY(New.WriteFailed());
        QCOMPARE(ReadAll(P), Before);

        // Writable again: the save succeeds and the flag clears.
        QVERIFY(QFile::setPermissions(P, QFile::ReadOwner | QFile::WriteOwner));
        New.SaveToFile(P);
        QVERIFY(!New.WriteFailed());
        QVERIFY(ReadAll(P) != Before);
    }
};

QTEST_GUILESS_MAIN(TestFileFormat)
#include "tst_fileformat.moc"
