// The table editors in the main window: switching between the three editors
// through "Datatype" keeps every kind of data, and a data set typed in the
// frequency or grouped editor survives saving and reopening.
#include "app/support_app.h"
#include "obsedit/support_host.h"

#include "TableEdit.h"

#include <QAction>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

void Trigger(TLumenForm &F, const char *Name)
{
    QAction *A = F.ShownEditor()->EditorMenuBar()->findChild<QAction *>(QString::fromLatin1(Name));
    QVERIFY(A != nullptr);
    QVERIFY(A->isEnabled());
    A->trigger();
}

// One cell of every side, and what the three sides hold.
QString Sides(const tLumen &L)
{
    QString Obs, Hyp, Grup;
    TCellState S;
    QString T;
    Obs = L.GetCellText(0, 2);
    L.GetHypObsText(1, 3, T, S);
    Hyp = T;
    L.GetHypFreqText(1, 3, T, S);
    Hyp += QLatin1Char('/') + T;
    L.GetGrupHighText(2, 7, T, S);
    Grup = T;
    return Obs + QLatin1Char(' ') + Hyp + QLatin1Char(' ') + Grup;
}

} // namespace

class TestTableShell : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }

    void switchingKeepsEverySide()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QTRY_VERIFY(F->ShownEditor() != nullptr);
        tLumen &L = F->Lumen();
        L.SetCellText(0, 2, QStringLiteral("12"));
        L.SetHypObsText(1, 3, QStringLiteral("7"));
        L.SetHypFreqText(1, 3, QStringLiteral("13"));
        L.SetGrupHighText(2, 7, QStringLiteral("170"));
        const QString Before = Sides(L);
        QCOMPARE(Before, QStringLiteral("12 7/13 170"));

        const struct {
            const char *Item;
            TDataType Type;
            const char *Caption;
        } Steps[] = {{"FunktionHyp", dtHyp, "Lumentor - Redigering af hyppigheder"},
                     {"FunktionGrup", dtGrup, "Lumentor - Redigering af grupperinger"},
                     {"FunktionObs", dtObs, "Lumentor - Redigering af observationer"},
                     {"FunktionGrup", dtGrup, "Lumentor - Redigering af grupperinger"},
                     {"FunktionHyp", dtHyp, "Lumentor - Redigering af hyppigheder"},
                     {"FunktionObs", dtObs, "Lumentor - Redigering af observationer"}};
        for (const auto &S : Steps) {
            Trigger(*F, S.Item);
            QCOMPARE(DataType, S.Type);
            QCOMPARE(F->ShownEditor(), F->Editor(S.Type));
            QCOMPARE(F->windowTitle(), QString::fromUtf8(S.Caption));
            QCOMPARE(F->menuBar()->actions(), F->ShownEditor()->EditorMenuBar()->actions());
            QCOMPARE(Sides(F->Lumen()), Before);
        }
    }

    void typedTablesSurviveSaving_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QStringList>("Typed");
        QTest::addColumn<QString>("Last"); // the last part as shown, with its state
        QTest::newRow("frequencies")
            << int(dtHyp) << QStringList{"02", "4", "7", "13", "x", "-1"} << "-1:2";
        QTest::newRow("classes") << int(dtGrup)
                                 << QStringList{"150", "160", "4", "160", "170,5", "9"} << "9:1";
    }

    void typedTablesSurviveSaving()
    {
        QFETCH(int, Type);
        QFETCH(QStringList, Typed);
        QFETCH(QString, Last);
        QTemporaryDir Dir;
        const QString Path = Dir.filePath(QStringLiteral("tabel.lmt"));
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QTRY_VERIFY(F->ShownEditor() != nullptr);
        Trigger(*F, Type == dtHyp ? "FunktionHyp" : "FunktionGrup");
        auto *E = static_cast<TTableEdit *>(F->ShownEditor());
        QApplication::setActiveWindow(F.get());
        F->Lumen().EditDirection = edRight;
        TGridView *G = E->DataDG();
        G->setFocus();
        G->SetCell(0, E->DataModel()->GridCol(2, 0));
        for (const QString &T : Typed)
            TypeInto(G, T);
        // Each part as shown, with its state.
        const int Lines = Typed.size() / E->TableSide().Parts();
        auto Shown = [E, Lines](const tLumen &L) {
            QStringList Out;
            for (int Line = 0; Line < Lines; ++Line)
                for (int P = 0; P < E->TableSide().Parts(); ++P) {
                    QString T;
                    TCellState S;
                    E->TableSide().GetPart(L, Line, 2, P, T, S);
                    Out << T + QLatin1Char(':') + QString::number(S);
                }
            return Out;
        };
        const QStringList Before = Shown(F->Lumen());
        QCOMPARE(Before.size(), Typed.size());
        QCOMPARE(Before.last(), Last);

        D.FileNames.enqueue(Path);
        F->SaveDocumentAs();
        QVERIFY(!F->Lumen().IsModified());
        F->OpenFile(Path);
        QCOMPARE(F->ShownEditor(), F->Editor(TDataType(Type)));
        QCOMPARE(Shown(F->Lumen()), Before);
        // A file keeps its type: the other editors are not offered.
        QAction *Obs =
            F->ShownEditor()->EditorMenuBar()->findChild<QAction *>(QStringLiteral("FunktionObs"));
        QVERIFY(!Obs->isEnabled());
    }
};

QTEST_MAIN(TestTableShell)
#include "tst_tableshell.moc"
