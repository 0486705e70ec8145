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

namespace
{

// Column A with the values; Intervals "lower|upper ..." groups it by hand.
void Describe(tLumen &L, const QStringList &Values, const QString &Intervals)
{
    for (int I = 0; I < Values.size(); ++I)
        L.SetCellText(I, 0, Values[I]);
    if (!Intervals.isEmpty()) {
        L.SetGroupKind(0, gkManual);
        for (const QString &R : Intervals.split(' ')) {
            const QStringList B = R.split('|');
            L.AddInterval(0, B[0].toDouble(), B[1].toDouble());
        }
    }
    L.ToggleColSelected(0);
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(dtObs);
    D.MarkStale();
    D.Recompute(L);
}

} // namespace

class TstCalculator : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void reading_data()
    {
        QTest::addColumn<QString>("intervals");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("result"); // the computed edit; empty: failure form
        // Plain values 1, 2, 2, 3: F = 0,25, 0,75, 1.
        QTest::newRow("x on a value") << ""
                                      << "2"
                                      << ""
                                      << "0,750";
        QTest::newRow("x between values") << ""
                                          << "2.5"
                                          << ""
                                          << "0,750";
        QTest::newRow("x below the first") << ""
                                           << "0,5"
                                           << ""
                                           << "";
        QTest::newRow("x beyond the last") << ""
                                           << "7"
                                           << ""
                                           << "1,000";
        QTest::newRow("y to a value") << ""
                                      << ""
                                      << "0,5"
                                      << "2,000";
        QTest::newRow("y on a step") << ""
                                     << ""
                                     << "0.25"
                                     << "1,000";
        QTest::newRow("y above one") << ""
                                     << ""
                                     << "1,2"
                                     << "";
        QTest::newRow("y of zero: the first value") << ""
                                                    << ""
                                                    << "0"
                                                    << "1,000";
        QTest::newRow("both given") << ""
                                    << "2"
                                    << "0,5"
                                    << "";
        QTest::newRow("unreadable") << ""
                                    << "to"
                                    << ""
                                    << "";
        QTest::newRow("neither") << ""
                                 << ""
                                 << ""
                                 << "";
        // Classes (0; 10] and (10; 20] with F 0,4 and 1.
        QTest::newRow("grouped x in the first") << "0|10 10|20"
                                                << "5"
                                                << ""
                                                << "0,200";
        QTest::newRow("grouped x in the second") << "0|10 10|20"
                                                 << "15"
                                                 << ""
                                                 << "0,700";
        QTest::newRow("grouped x on the touching bound") << "0|10 10|20"
                                                         << "10"
                                                         << ""
                                                         << "0,400";
        QTest::newRow("grouped x on the open lower bound") << "0|10 10|20"
                                                           << "0"
                                                           << ""
                                                           << "";
        QTest::newRow("grouped x above") << "0|10 10|20"
                                         << "21"
                                         << ""
                                         << "";
        QTest::newRow("grouped y") << "0|10 10|20"
                                   << ""
                                   << "0,7"
                                   << "15,000";
        QTest::newRow("grouped y of zero") << "0|10 10|20"
                                           << ""
                                           << "0"
                                           << "";
        QTest::newRow("grouped y of one") << "0|10 10|20"
                                          << ""
                                          << "1"
                                          << "20,000";
    }

    void reading()
    {
        QFETCH(QString, intervals);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, result);
        tLumen L;
        const QStringList Values = intervals.isEmpty() ? QStringList{"1", "2", "2", "3"}
                                                       : QStringList{"5", "5", "15", "15", "15"};
        Describe(L, Values, intervals);
        tDescriptor &D = DescriptorOf(L);
        TArrowDlg Dlg;
        QSignalSpy Spy(&Dlg, &TArrowDlg::ReadingsChanged);
        Dlg.Prepare(D, 3, !intervals.isEmpty());
        Dlg.XEdit->setText(x);
        Dlg.YEdit->setText(y);
        Dlg.CalcButton->click();
        QLineEdit *Computed = x.isEmpty() ? Dlg.XEdit : Dlg.YEdit;
        QCOMPARE(Computed->text(), result);
        QCOMPARE(D.GetReadingCount(), result.isEmpty() ? 0 : 1);
        QCOMPARE(Spy.count(), result.isEmpty() ? 0 : 1);
        if (result.isEmpty()) {
            QVERIFY(Dlg.XEdit->text().isEmpty() && Dlg.YEdit->text().isEmpty());
            return;
        }
        QCOMPARE(Spy.at(0).at(0).toInt(), 3);
        TReading R;
        QVERIFY(D.GetReading(0, R));
        QCOMPARE(int(R.FromX), x.isEmpty() ? 0 : 1);
        QCOMPARE(FormatFixed(x.isEmpty() ? R.x : R.y, 3), result);
    }

    void readingsAreKept()
    {
        tLumen L;
        Describe(L, {"1", "2", "2", "3"}, QString());
        tDescriptor &D = DescriptorOf(L);
        TArrowDlg Dlg;
        Dlg.Prepare(D, 1, false);
        for (int I = 1; I <= 32; ++I) {
            Dlg.YEdit->clear(); // as entering "X:" does
            Dlg.XEdit->setText(QString::number(I));
            Dlg.CalcButton->click();
        }
        // The 32nd pushed out the first.
        QCOMPARE(D.GetReadingCount(), MaxReadings);
        TReading R;
        QVERIFY(D.GetReading(0, R));
        QCOMPARE(double(R.x), 2.0);
        QVERIFY(D.GetReading(MaxReadings - 1, R));
        QCOMPARE(double(R.x), 32.0);
        // "Rens" empties the edits and the readings.
        QSignalSpy Spy(&Dlg, &TArrowDlg::ReadingsChanged);
        Dlg.ClearButton->click();
        QCOMPARE(D.GetReadingCount(), 0);
        QVERIFY(Dlg.XEdit->text().isEmpty() && Dlg.YEdit->text().isEmpty());
        QCOMPARE(Spy.count(), 1);
    }

    void openedFromPane()
    {
        TEditorFixture F;
        for (const char *V : {"1", "2", "2", "3"})
            F.L().SetCellText(F.L().CellCount(0), 0, QString::fromLatin1(V));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkSumfrekvensgraf));
        QToolButton *Calc = F.Edit->Pane(1)->CalcButton;
        QVERIFY(Calc->isVisible());
        QString Opened, Answer, AfterEntering;
        WhenModal(
            [&](QWidget *W) {
                auto *Dlg = static_cast<TArrowDlg *>(W);
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
        Calc->click();
        QCOMPARE(Opened, QStringLiteral("ArrowDlg"));
        QCOMPARE(Answer, QStringLiteral("2,000"));
        QCOMPARE(AfterEntering, QString());
        tDescriptor &D = F.Edit->Descriptor();
        QCOMPARE(D.GetReadingCount(), 1);
        TReading R;
        QVERIFY(D.GetReading(0, R));
        QCOMPARE(double(R.x), 2.0);
        QCOMPARE(int(R.FromX), 0);
    }
};

QTEST_MAIN(TstCalculator)
#include "tst_calculator.moc"
