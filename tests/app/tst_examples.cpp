// The sample data files in examples/: made here through the data set itself
// and checked against the files in the source tree, so that they stay
// readable as the file format code changes. LUMEN_WRITE_EXAMPLES=1 writes
// them anew.
#include "support_app.h"

#include "Random.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// Heights (cm) and shoe sizes of a class of 24.
void MakeHoejder(tLumen &L)
{
    const char *Names[] = {"Anna",  "Bo",     "Cecilie", "David",   "Emma",  "Frederik",
                           "Freja", "Gustav", "Ida",     "Jonas",   "Karla", "Lucas",
                           "Maja",  "Magnus", "Nanna",   "Oliver",  "Sofie", "Rasmus",
                           "Tilde", "Viktor", "Asta",    "William", "Ella",  "Noah"};
    const int Heights[] = {152, 158, 149, 163, 155, 167, 151, 160, 157, 171, 148, 162,
                           154, 165, 156, 159, 150, 168, 153, 161, 147, 166, 158, 164};
    const int Shoes[] = {37, 40, 36, 42, 38, 43, 37, 41, 38, 44, 36, 41,
                         38, 42, 38, 40, 37, 43, 37, 41, 36, 42, 39, 42};
    L.SetColName(0, QStringLiteral("Højde"));
    L.SetComment(0, QStringLiteral("Højde i cm"));
    L.SetColName(1, QStringLiteral("Skostørrelse"));
    for (int I = 0; I < 24; ++I) {
        L.SetLineName(I, QString::fromUtf8(Names[I]));
        L.SetCellText(I, 0, QString::number(Heights[I]));
        L.SetCellText(I, 1, QString::number(Shoes[I]));
    }
    L.SetText(QStringLiteral("Højde (cm) og skostørrelse for de 24 elever i 7.b, målt i august.\n"
                             "Marker kolonne A for at beskrive højderne, eller A og B for at se, "
                             "om høje elever har store fødder."));
}

// Sixty throws with two dice; C is their sum, computed from A and B.
void MakeTerninger(tLumen &L)
{
    L.SetColName(0, QStringLiteral("Terning 1"));
    L.SetColName(1, QStringLiteral("Terning 2"));
    L.SetColName(2, QStringLiteral("Sum"));
    for (int C : {0, 1}) {
        L.SetRandomFrom(C, 1);
        L.SetRandomTo(C, 6);
        L.SetRandomCount(C, 60);
        L.SetRandomFlag(C, 0);
    }
    L.SetFormula(2, QStringLiteral("A+B"));
    L.Compile(QStringLiteral("A+B"));
    L.BuildFormulaRefs(2);
    L.SetComputed(2, true);
    tRandom Gen(20050101u);
    FillRandomColumns(L, Gen);
    L.SetText(QStringLiteral("60 kast med to terninger. Kolonne C er summen af de to øjne.\n"
                             "Tryk på \"Forny tilfældige tal\" for at kaste igen."));
}

// Marks on the 7-step scale in three subjects, and a frequency table of the
// marks of a whole year group.
void MakeKarakterer(tLumen &L)
{
    const char *Marks[3][20] = {{"7", "10", "4",  "12", "7", "02", "10", "7", "4", "12",
                                 "7", "10", "00", "7",  "4", "10", "12", "7", "4", "7"},
                                {"4", "12", "02", "10", "7", "4",  "12", "7", "00", "10",
                                 "4", "7",  "-3", "10", "7", "12", "10", "4", "02", "7"},
                                {"10", "7", "7",  "12", "10", "4", "7",  "10", "7", "12",
                                 "4",  "7", "02", "4",  "10", "7", "12", "10", "7", "4"}};
    const char *Subjects[] = {"Dansk", "Matematik", "Engelsk"};
    for (int C = 0; C < 3; ++C) {
        L.SetColName(C, QString::fromUtf8(Subjects[C]));
        for (int I = 0; I < 20; ++I)
            L.SetCellText(I, C, QString::fromUtf8(Marks[C][I]));
    }
    for (int I = 0; I < 20; ++I)
        L.SetLineName(I, QStringLiteral("Elev %1").arg(I + 1));
    L.SetText(QStringLiteral("Karakterer på 7-trinsskalaen for 20 elever i tre fag.\n"
                             "Karakterfordelingen i matematik og dansk for hele 9. årgang findes "
                             "som hyppighedstabel i eksemplet karakterfordeling."));
}

// The marks of a whole year group as frequency tables: mark and pupils.
void MakeKarakterfordeling(tLumen &L)
{
    const char *Scale[] = {"-3", "00", "02", "4", "7", "10", "12"};
    const char *Counts[2][7] = {{"3", "14", "21", "48", "62", "41", "19"},
                                {"1", "9", "18", "51", "70", "44", "15"}};
    const char *Subjects[] = {"Matematik 9. årgang", "Dansk 9. årgang"};
    for (int C = 0; C < 2; ++C) {
        L.SetHypName(C, QString::fromUtf8(Subjects[C]));
        L.SetHypComment(C, QStringLiteral("Antal elever med hver karakter"));
        for (int I = 0; I < 7; ++I) {
            L.SetHypObsText(I, C, QString::fromLatin1(Scale[I]));
            L.SetHypFreqText(I, C, QString::fromLatin1(Counts[C][I]));
        }
    }
    L.SetText(QStringLiteral("Karakterfordelingen i matematik og dansk for hele 9. årgang: "
                             "karakter og antal elever.\n"
                             "Marker kolonne 1 eller 2 og vælg en beskrivelse."));
}

// Heights of 120 pupils of a school's 6th forms in classes of 5 cm.
void MakeHoejdeklasser(tLumen &L)
{
    const int Lower[] = {135, 140, 145, 150, 155, 160, 165, 170};
    const int Counts[] = {3, 9, 18, 27, 30, 19, 10, 4};
    L.SetGrupName(0, QStringLiteral("Højde 6. klasse"));
    L.SetGrupComment(0, QStringLiteral("Højde i cm, 120 elever"));
    for (int I = 0; I < 8; ++I) {
        L.SetGrupLowText(I, 0, QString::number(Lower[I]));
        L.SetGrupHighText(I, 0, QString::number(Lower[I] + 5));
        L.SetGrupFreqText(I, 0, QString::number(Counts[I]));
    }
    L.SetText(QStringLiteral("Højden af 120 elever i 6. klasse, talt op i intervaller på 5 cm.\n"
                             "Marker kolonne 1 og vælg for eksempel \"Kumulerede frekvenser\"."));
}

struct tExample {
    const char *File;
    void (*Make)(tLumen &);
    TDataType Type;
};
const tExample Examples[] = {{"hoejder.lmt", MakeHoejder, dtObs},
                             {"terninger.lmt", MakeTerninger, dtObs},
                             {"karakterer.lmt", MakeKarakterer, dtObs},
                             {"karakterfordeling.lmt", MakeKarakterfordeling, dtHyp},
                             {"hoejdeklasser.lmt", MakeHoejdeklasser, dtGrup}};

QByteArray ReadAll(const QString &Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}
} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }
    void upToDate_data()
    {
        QTest::addColumn<int>("Index");
        for (int I = 0; I < int(std::size(Examples)); ++I)
            QTest::newRow(Examples[I].File) << I;
    }

    void upToDate()
    {
        QFETCH(int, Index);
        const tExample &E = Examples[Index];
        QTemporaryDir Dir;
        const QString Made =
            WriteLumenFile(Dir.filePath(QString::fromLatin1(E.File)), E.Type, E.Make);
        const QString Shipped =
            QStringLiteral(LUMEN_SOURCE_DIR "/examples/") + QString::fromLatin1(E.File);
        if (qEnvironmentVariableIsSet("LUMEN_WRITE_EXAMPLES")) {
            QFile::remove(Shipped);
            QVERIFY(QFile::copy(Made, Shipped));
        }
        QCOMPARE(ReadAll(Shipped), ReadAll(Made));
    }

    void opens_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<QString>("Caption");
        QTest::newRow("hoejder") << "hoejder.lmt" << 2 << 24
                                 << "Lumentor - hoejder - Redigering af observationer";
        QTest::newRow("karakterfordeling")
            << "karakterfordeling.lmt" << 2 << 7
            << "Lumentor - karakterfordeling - Redigering af hyppigheder";
        QTest::newRow("hoejdeklasser") << "hoejdeklasser.lmt" << 1 << 8
                                       << "Lumentor - hoejdeklasser - Redigering af grupperinger";
        QTest::newRow("terninger")
            << "terninger.lmt" << 3 << 60 << "Lumentor - terninger - Redigering af observationer";
        QTest::newRow("karakterer")
            << "karakterer.lmt" << 3 << 20 << "Lumentor - karakterer - Redigering af observationer";
    }

    void opens()
    {
        QFETCH(QString, File);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(QString, Caption);
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral(LUMEN_SOURCE_DIR "/examples/") + File});
        QTRY_VERIFY(!F->FileName().isEmpty());
        QVERIFY(D.Asked.isEmpty());
        const tLumen &L = F->Lumen();
        switch (DataType) {
        case dtHyp:
            QCOMPARE(L.UsedHypColumns(), Columns);
            QCOMPARE(L.MaxHypLines(), Lines);
            break;
        case dtGrup:
            QCOMPARE(L.UsedGrupColumns(), Columns);
            QCOMPARE(L.MaxGrupLines(), Lines);
            break;
        default:
            QCOMPARE(L.UsedColumns(), Columns);
            QCOMPARE(L.MaxLines(), Lines);
            break;
        }
        QVERIFY(!F->Lumen().GetText().isEmpty());
        QVERIFY(!F->Lumen().IsModified());
        QCOMPARE(F->windowTitle(), Caption);
    }

    void diceSumIsComputed()
    {
        std::unique_ptr<tLumen> L =
            tLumen::CreateFromFile(QStringLiteral(LUMEN_SOURCE_DIR "/examples/terninger.lmt"));
        QVERIFY(!L->ReadFailed());
        QVERIFY(L->IsComputed(2));
        int Seen[7] = {};
        for (int I = 0; I < 60; ++I) {
            TCellState Sa, Sb, Sc;
            const Extended A = L->GetCellValue(I, 0, Sa), B = L->GetCellValue(I, 1, Sb),
                           C = L->GetCellValue(I, 2, Sc);
            QVERIFY(Sa == csNumber && Sb == csNumber && Sc == csNumber);
            QVERIFY(A >= 1 && A <= 6 && B >= 1 && B <= 6);
            QCOMPARE(double(C), double(A + B));
            ++Seen[int(A)];
        }
        // Sixty throws of a fair die show every face.
        for (int Face = 1; Face <= 6; ++Face)
            QVERIFY(Seen[Face] > 0);
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
