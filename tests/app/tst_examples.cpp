// The sample data files in examples/ open in the program as they are.
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
        QTest::addColumn<bool>("Computed"); // column C
        QTest::newRow("hoejder") << "hoejder" << 2 << 24 << false;
        QTest::newRow("terninger") << "terninger" << 3 << 60 << true;
        QTest::newRow("karakterer") << "karakterer" << 3 << 20 << false;
    }

    void opens()
    {
        QFETCH(QString, File);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(bool, Computed);
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral(LUMEN_SOURCE_DIR "/examples/") + File + ".lmt"});
        QTRY_VERIFY(!F->FileName().isEmpty());
        QVERIFY(D.Asked.isEmpty());
        QCOMPARE(F->Lumen().UsedColumns(), Columns);
        QCOMPARE(F->Lumen().MaxLines(), Lines);
        QCOMPARE(F->Lumen().IsComputed(2), Computed);
        QVERIFY(!F->Lumen().GetText().isEmpty());
        QVERIFY(!F->Lumen().IsModified());
        QCOMPARE(F->windowTitle(), "Lumentor - " + File + " - Redigering af observationer");
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
