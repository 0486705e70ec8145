// The (x,y) calculator: values read off the cumulative graph of plain and
// grouped columns, its failure form, the readings it keeps, and its opening
// from a pane showing the cumulative graph.
#include "sheet_text.h"
#include "support_host.h"
#include "support_rows.h"

#include "ArrowDlg.h"
#include "DataEdit.h"
#include "Describe.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace
{

// Plain values 1, 2, 2, 3 (F 0,25, 0,75, 1), or grouped the values 5, 5, 15,
// 15, 15 in the classes (0; 10] and (10; 20] (F 0,4 and 1). Shown: the
// computed edit ("": the failure form, both edits emptied).
const struct {
    const char *Name;
    bool Grouped;
    const char *X, *Y, *Shown;
} Rows[] = {
    {"x on a value", false, "2", "", "0,750"},
    {"x between values", false, "2.5", "", "0,750"},
    {"x below the first", false, "0,5", "", ""},
    {"x beyond the last", false, "7", "", "1,000"},
    {"y to a value", false, "", "0,5", "2,000"},
    {"y on a step", false, "", "0.25", "1,000"},
    {"y above one", false, "", "1,2", ""},
    {"y of zero", false, "", "0", "1,000"},
    {"both given", false, "2", "0,5", ""},
    {"unreadable", false, "to", "", ""},
    {"neither", false, "", "", ""},
    {"grouped x", true, "5", "", "0,200"},
    {"grouped x, second class", true, "15", "", "0,700"},
    {"grouped x on a shared bound", true, "10", "", "0,400"},
    {"grouped x on the open bound", true, "0", "", ""},
    {"grouped x above", true, "21", "", ""},
    {"grouped y", true, "", "0,7", "15,000"},
    {"grouped y of zero", true, "", "0", ""},
};

} // namespace

class TstCalculator : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void reading_data() { AddRows(Rows); }
    void reading()
    {
        const auto &R = CurrentRow(Rows);
        const QString Shown = QString::fromLatin1(R.Shown);
        tLumen L;
        SetupSheet(L, {R.Grouped ? "A=5,5,15,15,15" : "A=1,2,2,3"});
        if (R.Grouped) {
            L.SetGroupKind(0, gkManual);
            L.AddInterval(0, 0, 10);
            L.AddInterval(0, 10, 20);
        }
        L.ToggleColSelected(0);
        tDescriptor &D = DescriptorOf(L);
        D.SetOwner(dtObs);
        D.MarkStale();
        D.Recompute(L);

        TArrowDlg Dlg;
        QSignalSpy Spy(&Dlg, &TArrowDlg::ReadingsChanged);
        Dlg.Prepare(D, 3, R.Grouped);
        Dlg.XEdit->setText(R.X);
        Dlg.YEdit->setText(R.Y);
        Dlg.CalcButton->click();
        const bool FromX = *R.X != 0;
        QCOMPARE((FromX ? Dlg.YEdit : Dlg.XEdit)->text(), Shown);
        const int Kept = Shown.isEmpty() ? 0 : 1;
        QCOMPARE(D.GetReadingCount(), Kept);
        QCOMPARE(Spy.count(), Kept);
        if (Kept == 0) {
            QCOMPARE(Dlg.XEdit->text() + Dlg.YEdit->text(), QString());
            return;
        }
        QCOMPARE(Spy.at(0).at(0).toInt(), 3);
        TReading Got;
        QVERIFY(D.GetReading(0, Got));
        QCOMPARE(int(Got.FromX), int(FromX));
        QCOMPARE(FormatFixed(FromX ? Got.y : Got.x, 3), Shown);
    }

    void openedFromPane()
    {
        TEditorFixture F;
        SetupSheet(F.L(), {"A=1,2,2,3"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkSumfrekvensgraf));
        QString Opened, Answer, AfterEntering;
        WhenModal(
            [&](QWidget *W) {
                auto *Dlg = static_cast<TArrowDlg *>(W);
                // 32 readings: the last pushes out the first.
                for (int I = 1; I <= 32; ++I) {
                    Dlg->YEdit->clear();
                    Dlg->XEdit->setText(QString::number(I));
                    Dlg->CalcButton->click();
                }
                Dlg->XEdit->clear();
                Dlg->YEdit->setText(QStringLiteral("0,5"));
                Dlg->CalcButton->click();
                Answer = Dlg->XEdit->text();
                // Entering one edit empties the other.
                QFocusEvent In(QEvent::FocusIn, Qt::TabFocusReason);
                QApplication::sendEvent(Dlg->YEdit, &In);
                AfterEntering = Dlg->XEdit->text();
                Dlg->CloseButton->click();
            },
            &Opened);
        F.Edit->Pane(1)->CalcButton->click();
        QCOMPARE(Opened + ' ' + Answer + ' ' + AfterEntering, QStringLiteral("ArrowDlg 2,000 "));
        tDescriptor &D = F.Edit->Descriptor();
        QCOMPARE(D.GetReadingCount(), MaxReadings);
        TReading First, Last;
        QVERIFY(D.GetReading(0, First) && D.GetReading(MaxReadings - 1, Last));
        QCOMPARE(double(First.x), 3.0); // readings of x = 1 and 2 pushed out
        QCOMPARE(double(Last.x), 2.0);
        QCOMPARE(int(Last.FromX), 0);

        // "Rens" empties the readings.
        WhenModal([](QWidget *W) {
            static_cast<TArrowDlg *>(W)->ClearButton->click();
            static_cast<TArrowDlg *>(W)->accept();
        });
        F.Edit->Pane(1)->CalcButton->click();
        QCOMPARE(D.GetReadingCount(), 0);
    }
};

QTEST_MAIN(TstCalculator)
#include "tst_calculator.moc"
