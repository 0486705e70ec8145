// The (x,y) calculator: values read off the cumulative graph of plain and
// grouped columns, its failure form, the readings it keeps, and its opening
// from a pane showing the cumulative graph.
#include "support_host.h"

#include "ArrowDlg.h"
#include "DataEdit.h"
#include "Describe.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TstCalculator : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void reading_data()
    {
        QTest::addColumn<QString>("row");
        // Plain values 1, 2, 2, 3 (F 0,25, 0,75, 1), or with "g" the values
        // 5, 5, 15, 15, 15 in the classes (0; 10] and (10; 20] (F 0,4 and 1).
        // Fields: grouped, x, y, the computed edit (empty: the failure form).
        const char *const Rows[][2] = {
            {"x on a value", ";2;;0,750"},
            {"x between values", ";2.5;;0,750"},
            {"x below the first", ";0,5;;"},
            {"x beyond the last", ";7;;1,000"},
            {"y to a value", ";;0,5;2,000"},
            {"y on a step", ";;0.25;1,000"},
            {"y above one", ";;1,2;"},
            {"y of zero", ";;0;1,000"},
            {"both given", ";2;0,5;"},
            {"unreadable", ";to;;"},
            {"neither", ";;;"},
            {"grouped x", "g;5;;0,200"},
            {"grouped x, second class", "g;15;;0,700"},
            {"grouped x on a shared bound", "g;10;;0,400"},
            {"grouped x on the open bound", "g;0;;"},
            {"grouped x above", "g;21;;"},
            {"grouped y", "g;;0,7;15,000"},
            {"grouped y of zero", "g;;0;"},
        };
        for (const auto &R : Rows)
            QTest::newRow(R[0]) << QString::fromLatin1(R[1]);
    }

    void reading()
    {
        QFETCH(QString, row);
        const QStringList F = row.split(';');
        const bool Grouped = F[0] == "g";
        tLumen L;
        const QStringList Values =
            Grouped ? QStringList{"5", "5", "15", "15", "15"} : QStringList{"1", "2", "2", "3"};
        for (int I = 0; I < Values.size(); ++I)
            L.SetCellText(I, 0, Values[I]);
        if (Grouped) {
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
        Dlg.Prepare(D, 3, Grouped);
        Dlg.XEdit->setText(F[1]);
        Dlg.YEdit->setText(F[2]);
        Dlg.CalcButton->click();
        const bool FromX = !F[1].isEmpty();
        QCOMPARE((FromX ? Dlg.YEdit : Dlg.XEdit)->text(), F[3]);
        QCOMPARE(D.GetReadingCount(), F[3].isEmpty() ? 0 : 1);
        QCOMPARE(Spy.count(), D.GetReadingCount());
        if (F[3].isEmpty()) {
            QVERIFY(Dlg.XEdit->text().isEmpty() && Dlg.YEdit->text().isEmpty());
            return;
        }
        QCOMPARE(Spy.at(0).at(0).toInt(), 3);
        TReading R;
        QVERIFY(D.GetReading(0, R));
        QCOMPARE(int(R.FromX), FromX ? 1 : 0);
        QCOMPARE(FormatFixed(FromX ? R.y : R.x, 3), F[3]);
    }

    void openedFromPane()
    {
        TEditorFixture F;
        for (const char *V : {"1", "2", "2", "3"})
            F.L().SetCellText(F.L().CellCount(0), 0, QString::fromLatin1(V));
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
        QCOMPARE(Opened, QStringLiteral("ArrowDlg"));
        QCOMPARE(Answer, QStringLiteral("2,000"));
        QCOMPARE(AfterEntering, QString());
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
