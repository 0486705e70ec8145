// The computed-column dialog "Beregnede tal": the check on every keystroke,
// and what the editor does with OK, Slet and Annullér.
#include "support_host.h"

#include "CalcDlg.h"
#include "DataEdit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace
{

// "B=A+1 C=B*2": computed columns made as the dialog would make them.
void MakeFormulas(tLumen &L, const QString &Script)
{
    for (const QString &Step : Script.split(' ', Qt::SkipEmptyParts))
        QVERIFY(MakeComputed(L, ColIndex(Step[0]), Step.mid(2)));
}

QColor TextColour(const TCalcDlg &D)
{
    return D.FormelEdit->palette().color(QPalette::Text);
}

} // namespace

class TstCalcDlg : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void check_data()
    {
        QTest::addColumn<QString>("formulas");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("refs"); // the column's references while typing

        QTest::newRow("A+ unfinished") << "" << 2 << "A+" << false << "";
        QTest::newRow("A+B") << "" << 2 << "A+B" << true << "AB";
        QTest::newRow("lower case") << "" << 2 << "a*b" << true << "AB";
        QTest::newRow("own column") << "" << 0 << "A*2" << false << "";
        QTest::newRow("cycle through B") << "B=A+1" << 0 << "B*2" << false << "";
        QTest::newRow("cycle through two") << "B=A+1 C=B*2" << 0 << "C-1" << false << "";
        QTest::newRow("reads a computed column") << "B=A+1" << 2 << "B*2" << true << "B";
        QTest::newRow("blanks only") << "" << 2 << "   " << false << "";
        QTest::newRow("unbalanced") << "" << 2 << "(A+B" << false << "";
    }

    void check()
    {
        QFETCH(QString, formulas);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, refs);

        TFakeHost Host;
        MakeFormulas(Host.Lumen(), formulas);
        const QString RefsBefore = Host.Lumen().GetFormulaRefs(column);
        TCalcDlg D(Host);
        D.Open(column);
        QCOMPARE(D.CalcGB->title(), QStringLiteral(" Kolonne %1 ").arg(ColLetter(column)));
        QVERIFY(!D.Valid());
        QVERIFY(!D.OkButton->isEnabled());
        QCOMPARE(TextColour(D), QColor(Qt::red));

        QTest::keyClicks(D.FormelEdit, typed);
        QCOMPARE(D.Valid(), valid);
        QCOMPARE(D.OkButton->isEnabled(), valid);
        QCOMPARE(TextColour(D), valid ? QColor(Qt::black) : QColor(Qt::red));
        QCOMPARE(Host.Lumen().GetFormulaRefs(column), refs);

        // Given up: the column reads what its stored formula reads.
        QTest::keyClick(D.FormelEdit, Qt::Key_Escape);
        QCOMPARE(D.LastResult(), TCalcDlg::rsCancel);
        QCOMPARE(Host.Lumen().GetFormulaRefs(column), RefsBefore);
    }

    void helpButton()
    {
        TFakeHost Host;
        TCalcDlg D(Host);
        D.Open(1);
        QTest::mouseClick(D.HelpButton, Qt::LeftButton);
        QCOMPARE(Host.Calls, QStringList{QStringLiteral("Help 2")});
    }

    void editor_data()
    {
        QTest::addColumn<QString>("formulas");
        QTest::addColumn<bool>("random");      // column B has random settings
        QTest::addColumn<QString>("typed");    // replaces the edit text
        QTest::addColumn<QString>("button");   // OkButton, ClearButton, CancelButton
        QTest::addColumn<QString>("formulaB"); // B's formula afterwards
        QTest::addColumn<QString>("cellsB");   // B's cells afterwards
        QTest::addColumn<QString>("cellsC");   // C's cells afterwards
        QTest::addColumn<QString>("undoCaption");

        // Column A holds 1, 2, 3.
        const char *Add = "Fortryd \"Tilføj\"";
        const struct {
            const char *Name, *Formulas;
            bool Random;
            const char *Typed, *Button, *FormulaB, *CellsB, *CellsC, *Undo;
        } Rows[] = {
            // clang-format off
            {"new formula", "", false, "a*10", "OkButton", "A*10", "10 20 30", "", Add},
            {"changed formula, reader follows", "B=A+1 C=B*2", false, "A-1", "OkButton", "A-1",
             "0 1 2", "0 2 4", Add},
            {"OK drops random settings", "", true, "A", "OkButton", "A", "1 2 3", "", Add},
            {"Slet empties the column and its reader", "B=A+1 C=B*2", false, "", "ClearButton",
             "", "", "", "Fortryd \"Slet\""},
            {"Annullér changes nothing", "B=A+1 C=B*2", false, "A*5", "CancelButton", "A+1",
             "2 3 4", "4 6 8", "Fortryd"},
            // clang-format on
        };
        for (const auto &R : Rows)
            QTest::newRow(R.Name) << QString::fromUtf8(R.Formulas) << R.Random
                                  << QString::fromUtf8(R.Typed) << QString::fromUtf8(R.Button)
                                  << QString::fromUtf8(R.FormulaB) << QString::fromUtf8(R.CellsB)
                                  << QString::fromUtf8(R.CellsC) << QString::fromUtf8(R.Undo);
    }

    void editor()
    {
        QFETCH(QString, formulas);
        QFETCH(bool, random);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, formulaB);
        QFETCH(QString, cellsB);
        QFETCH(QString, cellsC);
        QFETCH(QString, undoCaption);

        TEditorFixture F;
        tLumen &L = F.L();
        for (int I = 0; I < 3; ++I)
            L.SetCellText(I, 0, QString::number(I + 1));
        MakeFormulas(L, formulas);
        if (random) {
            L.SetRandomFrom(1, 1);
            L.SetRandomTo(1, 6);
            L.SetRandomCount(1, 0);
        }
        auto Cells = [&L](int Col) {
            QStringList S;
            for (int I = 0; I < L.CellCount(Col); ++I)
                S << L.GetCellText(I, Col);
            return S.join(' ');
        };
        const QString CellsBefore = Cells(1);
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        QToolButton *Calc = F.Edit->ToolButton(QStringLiteral("CalcSpeed"));
        QVERIFY(Calc->isEnabled());

        TCalcDlg *D = F.Edit->CalcDialog();
        // Checked afterwards: a failed check in here would leave the dialog open.
        bool Answered = false, WasVisible = false;
        QString Shown;
        QTimer::singleShot(0, D, [&] {
            WasVisible = D->isVisible();
            Shown = D->FormelEdit->text();
            D->FormelEdit->selectAll();
            if (typed.isEmpty())
                QTest::keyClick(D->FormelEdit, Qt::Key_Delete);
            else
                QTest::keyClicks(D->FormelEdit, typed);
            QTest::mouseClick(D->findChild<QPushButton *>(button), Qt::LeftButton);
            Answered = true;
        });
        QTest::mouseClick(Calc, Qt::LeftButton);
        QVERIFY(Answered);
        QVERIFY(WasVisible);
        QVERIFY(!D->isVisible());
        QCOMPARE(Shown, formulas.section(' ', 0, 0).mid(2));

        QCOMPARE(L.GetFormula(1), formulaB);
        QCOMPARE(L.IsComputed(1), !formulaB.isEmpty());
        QCOMPARE(Cells(1), cellsB);
        QCOMPARE(Cells(2), cellsC);
        QCOMPARE(L.GetRandomTo(1), random && button == QLatin1String("CancelButton") ? 6 : 0);
        QCOMPARE(UndoCaption(L.GetUndoOp()), undoCaption);
        QCOMPARE(F.Edit->DataEdited(), button != QLatin1String("CancelButton"));

        // The formulas keep working: a typed value of A reaches B (and C).
        // (Without a window manager the editor is made active again by hand.)
        QApplication::setActiveWindow(F.Edit);
        TGridView *G = F.Edit->DataDG();
        G->SetCell(0, 0);
        TypeInto(G, QStringLiteral("7"));
        QCOMPARE(L.GetCellText(0, 0), QStringLiteral("7"));
        if (L.IsComputed(1))
            QVERIFY(L.GetCellText(0, 1) != cellsB.section(' ', 0, 0));

        // One undo gives back the column as it was before the dialog.
        if (button != QLatin1String("CancelButton")) {
            F.Edit->UndoCommand();
            QCOMPARE(L.IsComputed(1), !formulas.isEmpty());
            QCOMPARE(Cells(1), CellsBefore);
            QCOMPARE(L.GetRandomTo(1), random ? 6 : 0);
        }
    }
};

QTEST_MAIN(TstCalcDlg)
#include "tst_calcdlg.moc"
