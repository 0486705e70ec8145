// The data file byte by byte, both versions, damaged and hostile files, round
// trips of long lists and texts, and saving that never destroys the old file.
#include "Cp1252.h"
#include "Lumen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <thread>

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
        for (int I = 0; I < 4; ++I)
            B.append(char((uint32_t(V) >> (8 * I)) & 0xFF));
        return *this;
    }
    // The 10 bytes of the x87 80-bit format (5 is pinned in hex below).
    tBytes &Ext(long double V)
    {
        char Raw[10];
        std::memcpy(Raw, &V, 10);
        B.append(Raw, 10);
        return *this;
    }
    tBytes &Str(const QByteArray &S)
    {
        I32(int32_t(S.size()));
        B.append(S);
        return *this;
    }
    tBytes &Magic(int Version)
    {
        B.append(Version == 1 ? "\x0cLumentor0001" : "\x0cLumentor0002");
        return *this;
    }
    // An observation column without intervals, up to its cell count.
    tBytes &ObsHead(int Version, const QByteArray &Comment = "")
    {
        U8(0).Str(Comment).I32(0).I32(0).I32(0).U8(0).I32(0).I32(0).I32(0).I32(0);
        if (Version >= 2)
            U8(0);
        return U8(0).Ext(0).Ext(0).Ext(0).I32(0).I32(0).I32(0);
    }
    tBytes &EmptyObs(int Version) { return ObsHead(Version).I32(0); }
    tBytes &EmptyTable() { return U8(0).I32(0).U8(255).U8(255).I32(0).I32(0).I32(0); }
    // Everything after column A of an otherwise empty version 2 file.
    tBytes &EmptyRest()
    {
        for (int C = 1; C < 26; ++C)
            EmptyObs(2);
        I32(0);
        for (int C = 0; C < 16; ++C)
            EmptyTable();
        return I32(0).U8(0);
    }
};

// A file of version Source with something in every field, as written
// (Written = false) or as the program writes it back: always version 2, with
// a negative count read as the text a person would have typed.
QByteArray Sample(int Source, bool Written)
{
    const int V = Written ? 2 : Source;
    tBytes F;
    F.Magic(V).I32(dtGrup);
    F.U8(9).Str("kom").Str("A+1").Str("A").Str("N\xE6vn").U8(1).I32(3).I32(-1).I32(6).I32(10);
    if (V >= 2)
        F.U8(Source >= 2 ? 1 : 0);
    F.U8(2).Ext(1.5L).Ext(2.5L).Ext(0.25L).I32(4).I32(77);
    F.I32(2).Ext(0).Ext(10).Ext(10).Ext(1.0L / 3);
    F.I32(3).U8(1).Str("").Ext(-5).U8(0).Str("").Ext(0).U8(2).Str("t\xF8j").Ext(0);
    for (int C = 1; C < 26; ++C)
        F.EmptyObs(V);
    F.I32(2).Str("").Str("Ole");
    F.U8(3).Str("h").U8(4).U8(5).Str("H").I32(1).I32(2);
    F.U8(1).U8(2).Str("").Str("x").Ext(38.5L).I32(0);
    F.U8(1).U8(Written ? 2 : 1).Str("").Str(Written ? "-3" : "").Ext(40).I32(Written ? 0 : -3);
    for (int C = 1; C < 8; ++C)
        F.EmptyTable();
    F.U8(0).Str("").U8(1).U8(0).Str("G").I32(2).I32(1);
    F.U8(1).U8(2).U8(Written ? 2 : 1).Str("").Str("y").Ext(0).Ext(100);
    F.Str(Written ? "-7" : "").I32(Written ? 0 : -7);
    for (int C = 1; C < 8; ++C)
        F.EmptyTable();
    if (Source >= 2)
        F.Str("F\xF8rste\r\nanden").U8(1);
    else if (V >= 2)
        F.I32(0).U8(0);
    return F.B;
}

QByteArray ReadAll(const QString &Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

bool WriteAll(const QString &Path, const QByteArray &Data)
{
    QFile F(Path);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Data) == Data.size();
}

// Offsets in an empty version 2 file.
constexpr int ObsStart = 17;
constexpr int EmptyObsSize = 82;
constexpr int NamesStart = ObsStart + 26 * EmptyObsSize;
constexpr int EmptySize = 2462;

} // namespace

class TestFileFormat : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }

    // The bytes a document saves as.
    QByteArray Saved(tLumen &L)
    {
        L.SaveToFile(Path("saved.lmt"));
        return L.WriteFailed() ? QByteArray("write failed") : ReadAll(Path("saved.lmt"));
    }

    std::unique_ptr<tLumen> Read(const QByteArray &Bytes)
    {
        [&] { QVERIFY(WriteAll(Path("read.lmt"), Bytes)); }();
        return tLumen::CreateFromFile(Path("read.lmt"));
    }

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Dir.isValid());
    }
    void init() { DataType = dtObs; }

    // Column A's comment and first cell in a file that is otherwise empty.
    void writtenBytes_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QByteArray>("commentBytes");
        QTest::addColumn<QByteArray>("cellsHex");
        auto Row = [](const char *Name, const char *Comment, const char *Cell,
                      const QByteArray &CommentBytes, const char *CellsHex) {
            QTest::newRow(Name) << QString::fromUtf8(Comment) << QString::fromUtf8(Cell)
                                << CommentBytes << QByteArray(CellsHex);
        };
        Row("empty", "", "", "", "00000000");
        Row("five", "", "5", "", "01000000 01 00000000 00000000000000A00140");
        Row("danish", "æøåÆØÅ", "€5", "\xE6\xF8\xE5\xC6\xD8\xC5",
            "01000000 02 02000000 8035 00000000000000000000");
    }
    void writtenBytes()
    {
        QFETCH(QString, comment);
        QFETCH(QString, cell);
        QFETCH(QByteArray, commentBytes);
        QFETCH(QByteArray, cellsHex);
        tLumen L;
        DataType = dtHyp;
        L.SetComment(0, comment);
        L.SetCellText(0, 0, cell);
        tBytes E;
        E.Magic(2).I32(dtHyp).ObsHead(2, commentBytes).B += QByteArray::fromHex(cellsHex);
        E.EmptyRest();
        QCOMPARE(Saved(L).toHex(' '), E.B.toHex(' '));
        QCOMPARE(Saved(*Read(E.B)), E.B); // the comment read back as written
    }

    // Every byte reads as the character Windows-1252 gives it (the five
    // undefined bytes as the control characters of the same number) and
    // writes back as itself.
    void windows1252AllBytes()
    {
        QStringDecoder Reference("windows-1252");
        QVERIFY(Reference.isValid());
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
        // A character outside the code page, even a pair of surrogates, is one "?".
        QCOMPARE(ToCp1252(QString("x\U0001F600y") + QChar(0xD800)), QByteArray("x?y?"));
    }

    // Both versions read every field; saving writes version 2.
    void sampleFiles_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
    }
    void sampleFiles()
    {
        QFETCH(int, version);
        auto L = Read(Sample(version, false));
        QVERIFY(!L->ReadFailed());
        QCOMPARE(L->FileVersion, version);
        QCOMPARE(DataType, dtGrup);
        QVERIFY(!L->IsModified());
        QCOMPARE(L->GetColName(0) + L->GetCellText(2, 0) + L->GetLineName(1),
                 QString("NævntøjOle"));
        QCOMPARE(Saved(*L).toHex(' '), Sample(version, true).toHex(' '));
    }

    void damagedFilesFail()
    {
        const QByteArray Whole = Sample(2, true);
        for (int Pos = 0; Pos < 13; ++Pos) {
            for (char Byte : {'x', '0', '3', 'l', '\x0d'}) {
                QByteArray B = Whole;
                if (B[Pos] == Byte)
                    continue;
                B[Pos] = Byte;
                DataType = dtHyp;
                QVERIFY2(Read(B)->ReadFailed(), qPrintable(QString::number(Pos)));
                QCOMPARE(DataType, dtHyp); // nothing read past the magic
            }
        }
        QVERIFY(tLumen::CreateFromFile(Path("does-not-exist.lmt"))->ReadFailed());
        QVERIFY(tLumen::CreateFromFile(Dir.path())->ReadFailed());

        // Cut anywhere, the file fails; whole, and with bytes after the end, it
        // reads. Shrinking one file in place is cheaper than rewriting it.
        QVERIFY(WriteAll(Path("cut.lmt"), Whole));
        for (int N = Whole.size() - 1; N >= 0; --N) {
            QVERIFY(QFile::resize(Path("cut.lmt"), N));
            if (!tLumen::CreateFromFile(Path("cut.lmt"))->ReadFailed())
                QFAIL(qPrintable(QString("a file cut to %1 bytes was read").arg(N)));
        }
        auto R = Read(Whole + QByteArray(100, '\xFF'));
        QVERIFY(!R->ReadFailed());
        QCOMPARE(Saved(*R), Whole);
    }

    // One 32-bit length or count of an empty file replaced: counts the rest
    // of the file cannot hold fail at once; negative ones mean empty.
    void patchedCounts_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("reads");
        const int Big = 2000000000;
        const int Max = std::numeric_limits<int32_t>::max();
        const int Cells = ObsStart + EmptyObsSize - 4;
        QTest::newRow("comment length") << ObsStart + 1 << Max << false;
        QTest::newRow("interval count") << Cells - 4 << Big << false;
        QTest::newRow("cell count just too big") << Cells << 160 << false;
        QTest::newRow("line names") << NamesStart << Big << false;
        QTest::newRow("frequency cells") << NamesStart + 4 + 15 << Big << false;
        QTest::newRow("grouped cells") << NamesStart + 4 + 8 * 19 + 15 << Big << false;
        QTest::newRow("text length") << EmptySize - 5 << Big << false;
        QTest::newRow("negative comment length") << ObsStart + 1 << -5 << true;
        QTest::newRow("negative interval count") << Cells - 4 << -1 << true;
        QTest::newRow("negative cell count") << Cells << -3 << true;
        QTest::newRow("negative line names")
            << NamesStart << std::numeric_limits<int>::min() << true;
        QTest::newRow("negative text length") << EmptySize - 5 << -1 << true;
    }
    void patchedCounts()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(bool, reads);
        tBytes Empty;
        Empty.Magic(2).I32(dtObs).EmptyObs(2).EmptyRest();
        QByteArray B = Empty.B;
        QCOMPARE(B.mid(offset, 4), QByteArray(4, '\0')); // a zero field
        B.replace(offset, 4, tBytes().I32(value).B);
        QElapsedTimer T;
        T.start();
        auto R = Read(B);
        QCOMPARE(!R->ReadFailed(), reads);
        QVERIFY2(T.elapsed() < 2000, "a hostile count was followed too long");
        if (reads)
            QCOMPARE(Saved(*R).toHex(' '), Empty.B.toHex(' '));
    }

    // Saved, read and saved again, the bytes are the same: long texts beyond
    // the reader's and writer's pieces, and long lists near the end of the
    // file, whose smallest entries leave few bytes after them.
    void roundTrip_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("size");
        QTest::newRow("very long text") << 0 << 1500000;
        QTest::newRow("intervals of Z") << 1 << 60;
        QTest::newRow("cells of Z") << 2 << 600;
        QTest::newRow("cells beyond the reader's first piece") << 2 << 120000;
        QTest::newRow("line names") << 3 << 600;
        QTest::newRow("last frequency column") << 4 << 300;
        QTest::newRow("last grouped column") << 5 << 10;
    }
    void roundTrip()
    {
        QFETCH(int, list);
        QFETCH(int, size);
        tLumen L;
        QString T;
        for (int I = 0; I < size; ++I) {
            if (list == 0)
                T += QChar(I % 80 == 79 ? u'\n' : (I % 7 == 0 ? u'æ' : u'a' + I % 26));
            else if (list == 1)
                L.AddInterval(25, I, I + 1);
            else if (list == 2)
                L.SetCellText(I, 25, "1");
            else if (list == 3)
                L.SetLineName(I, I == size - 1 ? "x" : "");
            else if (list == 4)
                L.SetHypFreqText(I, 7, "1");
            else
                L.SetGrupFreqText(I, 7, "1");
        }
        L.SetText(T);
        const QByteArray Bytes = Saved(L);
        auto R = Read(Bytes);
        QVERIFY(!R->ReadFailed());
        QCOMPARE(R->Text, T);
        QCOMPARE(Saved(*R), Bytes);
    }

    // A file that is no regular file (a named pipe, as a shell's process
    // substitution gives) is read whole and reads as the same data set.
    void readFromPipe()
    {
        tLumen L;
        for (int I = 0; I < 3000; ++I)
            L.SetCellText(I, I % 26, QString::number(I));
        L.SetText(QStringLiteral("målinger"));
        const QByteArray Bytes = Saved(L);
        const QString Pipe = Path("pipe.lmt");
        QVERIFY(mkfifo(QFile::encodeName(Pipe).constData(), 0600) == 0);
        std::signal(SIGPIPE, SIG_IGN); // a reader that stops early fails the test, not the run
        std::thread Writer([&] {
            QFile Out(Pipe);
            if (Out.open(QIODevice::WriteOnly))
                Out.write(Bytes);
        });
        auto R = tLumen::CreateFromFile(Pipe);
        Writer.join();
        QVERIFY(!R->ReadFailed());
        QCOMPARE(Saved(*R), Bytes);
    }

    void readOnlyTargetUntouched()
    {
        const QString P = Path("ro.lmt");
        tLumen L;
        L.SetCellText(0, 0, "1");
        L.SaveToFile(P);
        const QByteArray Before = ReadAll(P);
        QVERIFY(QFile::setPermissions(P, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        L.SetCellText(0, 0, "2");
        L.SaveToFile(P);
        QVERIFY(L.WriteFailed());
        QCOMPARE(ReadAll(P), Before);
        // Writable again: the save succeeds and the flag clears.
        QVERIFY(QFile::setPermissions(P, QFile::ReadOwner | QFile::WriteOwner));
        L.SaveToFile(P);
        QVERIFY(!L.WriteFailed());
        QCOMPARE(tLumen::CreateFromFile(P)->GetCellText(0, 0), QString("2"));
    }
};

QTEST_GUILESS_MAIN(TestFileFormat)
#include "tst_fileformat.moc"
