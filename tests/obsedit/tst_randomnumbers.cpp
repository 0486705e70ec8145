// Random numbers from the editor: the dialog's checks and keys, the columns
// it fills or clears, and the refill of every random column with the
// computed columns that follow them.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "Random.h"
#include "TerningDlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace
{

// The numbers of column Col, in line order.
QList<double> Numbers(const tLumen &L, int Col)
{
    QList<double> V;
    for (int I = 0; I < L.CellCount(Col); ++I) {
        TCellState S;
        const Extended X = L.GetCellValue(I, Col, S);
        if (S == csNumber)
            V << double(X);
    }
    return V;
}

// Fills the shown dialog as typed and presses a button.
void Fill(TTerningDlg *D, const QString &From, const QString &To, const QString &Count,
          bool Without, QPushButton *TTerningDlg::*Button = &TTerningDlg::OKBtn)
{
    for (auto [E, T] :
         {std::pair{D->FraEdit, From}, std::pair{D->TilEdit, To}, std::pair{D->AntalEdit, Count}}) {
        E->clear();
        QTest::keyClicks(E, T);
    }
    (Without ? D->UdenRB : D->MedRB)->setChecked(true);
    (D->*Button)->click();
}

// Marks column Col alone and runs the dice button with Act on the dialog.
void Dice(TEditorFixture &F, int Col, std::function<void(TTerningDlg *)> Act)
{
    if (!(F.L().SelColCount() == 1 && F.L().IsColSelected(Col)))
        ClickHeader(F.Edit->SojleDG(), 0, Col);
    WhenModal([Act](QWidget *W) {
        auto *D = static_cast<TTerningDlg *>(W);
        Act(D);
        if (D->isVisible())
            D->reject();
    });
    F.Edit->ToolButton(QStringLiteral("TerningSpeed"))->click();
}

} // namespace

class TstRandomNumbers : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }
    void init() { ProgramRandom().SetSeed(20240601); }

    void fill_data()
    {
        QTest::addColumn<QString>("row");
        // Fields: from, to, count, "u" for without replacement, the lines
        // made (-1: nothing changed), the message shown, the status after.
        const char *const Rows[][2] = {
            {"dice", "1;6;20;;20;;Kolonne A; tilfældige tal (1; 6; 20 med tilbagelægning)"},
            {"permutation", "1;6;6;u;6;;Kolonne A; tilfældige tal (1; 6; 6 uden tilbagelægning)"},
            {"reals without replacement",
             ";;5;u;5;;Kolonne A; tilfældige reelle tal (5 uden tilbagelægning)"},
            {"too many lines", "1;6;7;u;-1;For mange linjer: Talområdet har kun 6 tal, så uden "
                               "tilbagelægning kan der ikke udfyldes 7 linjer.;Kolonne A"},
            {"from without to", "3;;5;;-1;;Kolonne A"},
            {"to below from", "6;1;5;;-1;;Kolonne A"},
            {"no count", "1;6;;;-1;;Kolonne A"},
        };
        for (const auto &R : Rows)
            QTest::newRow(R[0]) << QString::fromUtf8(R[1]);
    }

    void fill()
    {
        QFETCH(QString, row);
        const QStringList Fl = row.split(';');
        const QStringList fields = Fl.mid(0, 3);
        const bool without = Fl[3] == "u";
        const int lines = Fl[4].toInt();
        const QString message = Fl[5];
        const QString status = Fl.mid(6).join(';');
        TEditorFixture F;
        bool StayedOpen = false;
        Dice(F, 0, [&](TTerningDlg *D) {
            Fill(D, fields[0], fields[1], fields[2], without);
            StayedOpen = D->isVisible();
        });
        QStringList Asked;
        for (const auto &A : F.Host.Script.Asked)
            Asked << A.Title + ": " + A.Text;
        QCOMPARE(Asked, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(StayedOpen, !message.isEmpty());
        QCOMPARE(F.Edit->StatusPanel->text(), status);
        const tLumen &L = F.L();
        if (lines < 0) {
            QCOMPARE(L.CellCount(0), 0);
            QCOMPARE(L.GetRandomCount(0), 0);
            return;
        }
        QVERIFY(F.Edit->DataEdited());
        QCOMPARE(L.GetRandomCount(0), lines);
        QList<double> V = Numbers(L, 0);
        QCOMPARE(V.size(), lines);
        std::sort(V.begin(), V.end());
        if (fields[0].isEmpty()) {
            QCOMPARE(L.GetDecimals(0), 10);
            QVERIFY(V.first() >= 0 && V.last() < 1);
        } else {
            QVERIFY(V.first() >= fields[0].toInt() && V.last() <= fields[1].toInt());
            QCOMPARE(L.GetDecimals(0), 0);
        }
        if (without)
            QVERIFY(std::adjacent_find(V.begin(), V.end()) == V.end());
        if (QTest::currentDataTag() == QLatin1String("permutation"))
            QCOMPARE(V, (QList<double>{1, 2, 3, 4, 5, 6}));
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());
    }

    void typedDataAreNeverDrawnOver()
    {
        TEditorFixture F;
        F.L().SetCellText(0, 0, QStringLiteral("7"));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        QVERIFY(!F.Edit->ToolButton(QStringLiteral("TerningSpeed"))->isEnabled());
        F.Edit->RandomRangeCommand(); // returns at once: no dialog to answer
        QCOMPARE(F.L().GetCellText(0, 0), QStringLiteral("7"));
        QCOMPARE(F.L().GetRandomCount(0), 0);
    }

    void keys()
    {
        TTerningDlg D;
        D.show();
        D.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&D));
        // The count is capped while typed.
        QTest::keyClicks(D.AntalEdit, "12345");
        QCOMPARE(D.AntalEdit->text(), QStringLiteral("10000"));
        // Enter goes from "Fra" to "til" to the count, and there means OK.
        D.FraEdit->setFocus();
        QTest::keyClicks(D.FraEdit, "2");
        QTest::keyClick(D.FraEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), D.TilEdit);
        QTest::keyClicks(D.TilEdit, "9");
        QTest::keyClick(D.TilEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), D.AntalEdit);
        QTest::keyClick(D.AntalEdit, Qt::Key_Return);
        QCOMPARE(D.result(), int(TTerningDlg::mrOk));
        QCOMPARE(QString("%1 %2 %3").arg(D.From()).arg(D.To()).arg(D.Count()), "2 9 10000");
    }

    void refillRecomputes()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        Dice(F, 0, [](TTerningDlg *D) { Fill(D, "1", "6", "8", false); });
        Dice(F, 2, [](TTerningDlg *D) { Fill(D, "10", "99", "8", false); });
        QVERIFY(MakeComputed(L, 1, QStringLiteral("A+C")));
        const QList<double> A = Numbers(L, 0), C = Numbers(L, 2);
        DescriptorOf(L).AddReading(1, 0.5, 1);
        F.Edit->MenuItem(QStringLiteral("TilfaeldigeUdfyld"))->trigger(); // "Nye tal", F9
        const QList<double> A2 = Numbers(L, 0), B2 = Numbers(L, 1), C2 = Numbers(L, 2);
        QVERIFY(A2 != A || C2 != C);
        QCOMPARE(B2.size(), 8);
        for (int I = 0; I < 8; ++I)
            QCOMPARE(B2[I], A2[I] + C2[I]);
        QCOMPARE(DescriptorOf(L).GetReadingCount(), 0);

        // "Slet" makes A an ordinary empty column; B follows.
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        Dice(F, 0, [](TTerningDlg *D) { D->IngenBtn->click(); });
        QVERIFY(L.CellCount(0) == 0 && L.GetRandomCount(0) == 0 && L.CellCount(1) == 0);
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled()); // C is left
        ClickHeader(F.Edit->SojleDG(), 0, 2);
        Dice(F, 2, [](TTerningDlg *D) {
            QCOMPARE(D->TilEdit->text(), QStringLiteral("99"));
            D->IngenBtn->click();
        });
        QVERIFY(!F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());
    }
};

QTEST_MAIN(TstRandomNumbers)
#include "tst_randomnumbers.moc"
