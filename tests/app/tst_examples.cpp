// The sample data files in examples/ open in the program as they are, each in
// the editor of its data type.
#include "support_app.h"

#include <QtTest>

class TestExamples : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }

    void opens_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<bool>("Computed"); // observation column C
        QTest::addColumn<QString>("Editor");
        QTest::newRow("hoejder") << "hoejder" << 2 << 24 << false << "observationer";
        QTest::newRow("terninger") << "terninger" << 3 << 60 << true << "observationer";
        QTest::newRow("karakterer") << "karakterer" << 3 << 20 << false << "observationer";
        QTest::newRow("karakterfordeling")
            << "karakterfordeling" << 2 << 7 << false << "hyppigheder";
        QTest::newRow("hoejdeklasser") << "hoejdeklasser" << 1 << 8 << false << "grupperinger";
    }

    void opens()
    {
        QFETCH(QString, File);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(bool, Computed);
        QFETCH(QString, Editor);
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral(LUMEN_SOURCE_DIR "/examples/") + File + ".lmt"});
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
        QCOMPARE(L.IsComputed(2), Computed);
        QVERIFY(!L.GetText().isEmpty());
        QVERIFY(!L.IsModified());
        QCOMPARE(F->windowTitle(), "Lumentor - " + File + " - Redigering af " + Editor);
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
