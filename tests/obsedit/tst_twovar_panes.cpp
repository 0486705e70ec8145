// The two-variable kinds in the observation editor's panes: a click on a
// cross-table cell selects the pair and the linked scatter diagram marks
// its points; a click on a marker in pane 1 picks the lines behind it; the
// picture kinds draw in every view.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "TwoVar.h"

#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <cmath>

namespace
{

const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Red(0xFF, 0x00, 0x00);

// Columns A and B from the values, both marked.
void FillPair(TEditorFixture &F, const QVector<int> &A, const QVector<int> &B)
{
    for (int I = 0; I < A.size(); ++I)
        F.L().SetCellText(I, 0, QString::number(A[I]));
    for (int I = 0; I < B.size(); ++I)
        F.L().SetCellText(I, 1, QString::number(B[I]));
    ClickHeader(F.Edit->SojleDG(), 0, 0);
    ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
}

// The centre of cross-table cell (I, J) as the pane records its layout.
QPoint CellCentre(const tDescriptor &D, int I, int J)
{
    return QPoint(D.CrossLeft + (I + 1) * D.CrossColWidth + D.CrossColWidth / 2,
                  D.CrossTop + (J + 1) * D.CrossRowHeight + D.CrossRowHeight / 2);
}

QPoint MarkerAt(const tDescriptor &D, Extended X, Extended Y)
{
    return QPoint(D.ScatterX.Origin +
                      int(std::lround(double((X - D.ScatterX.Offset) / D.ScatterX.PerPixel))),
                  D.ScatterY.Origin -
                      int(std::lround(double((Y - D.ScatterY.Offset) / D.ScatterY.PerPixel))));
}

} // namespace

class TstTwoVarPanes : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    // Cross table beside scatter diagram in the dual view: a filled cell
    // selects its two values, the markers with both turn yellow; an empty
    // cell or a header selects nothing.
    void crossTableMarksScatter_data()
    {
        QTest::addColumn<int>("I");
        QTest::addColumn<int>("J");
        QTest::addColumn<bool>("Selects");
        QTest::newRow("cell (2, 5)") << 1 << 0 << true;
        QTest::newRow("cell (1, 5)") << 0 << 0 << true;
        QTest::newRow("empty cell (1, 6)") << 0 << 1 << false;
        QTest::newRow("margin") << 2 << 0 << false;
        QTest::newRow("header") << 0 << -1 << false;
    }
    void crossTableMarksScatter()
    {
        QFETCH(int, I);
        QFETCH(int, J);
        QFETCH(bool, Selects);
        TEditorFixture F;
        FillPair(F, {1, 2, 2, 2}, {5, 5, 6, 5});
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkKrydstabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkKrydsdiagram));
        tDescriptor &D = DescriptorOf(F.L());
        QVERIFY(D.Panes23Linked());
        TDescriptionPane *Table = F.Edit->Pane(2), *Scatter = F.Edit->Pane(3);
        Scatter->PaintBox->repaint(); // records the scale

        QTest::mouseClick(Table->PaintBox, Qt::LeftButton, {}, CellCentre(D, I, J));
        QCOMPARE(D.SelectedIndex() >= 0 && D.SecondSelectedIndex() >= 0, Selects);
        Scatter->PaintBox->repaint();
        const QImage Img = Scatter->PaintBox->grab().toImage();
        const int Points[][2] = {{1, 5}, {2, 5}, {2, 6}};
        for (const auto &Pt : Points) {
            const bool Chosen = Selects && Pt[0] == I + 1 && Pt[1] == J + 5;
            // Just inside the marker's outline, clear of the axes.
            const QPoint At = MarkerAt(D, Pt[0], Pt[1]) + QPoint(1, -1);
            QCOMPARE(Img.pixelColor(At), Chosen ? Yellow : Red);
        }
        if (Selects) {
            Table->PaintBox->repaint();
            const QImage T = Table->PaintBox->grab().toImage();
            QCOMPARE(T.pixelColor(CellCentre(D, I, J) + QPoint(2 - D.CrossColWidth / 2, 0)),
                     Yellow);
        }
    }

    // In the mixed view a click on a marker picks every line behind it and
    // selects its values; a click beside the markers picks nothing.
    void pickMarkersInPane1()
    {
        TEditorFixture F;
        FillPair(F, {1, 3, 3, 2, 3}, {4, 6, 6, 5, 6});
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkKrydsdiagram));
        TDescriptionPane *Pane = F.Edit->Pane(1);
        Pane->PaintBox->repaint();
        tDescriptor &D = DescriptorOf(F.L());
        QCOMPARE(F.Edit->PointHitList.size(), 5);
        const QPoint At = MarkerAt(D, 3, 6);
        QTest::mouseClick(Pane->PaintBox, Qt::LeftButton, {}, At + QPoint(2, 2));
        for (int Line = 0; Line < 5; ++Line)
            QCOMPARE(D.IsPicked(Line), Line == 1 || Line == 2 || Line == 4);
        QCOMPARE(double(D.SelectedX()), 3.0);
        QCOMPARE(double(D.SecondSelectedX()), 6.0);
        // Picked lines show in the line header.
        const QAbstractItemModel *Header = F.Edit->LinieDG(1)->model();
        QVERIFY(Header->data(Header->index(2, 0), int(TGridRole::Picked)).toBool());
        QVERIFY(!Header->data(Header->index(3, 0), int(TGridRole::Picked)).toBool());
        // Away from every marker nothing is picked.
        QTest::mouseClick(Pane->PaintBox, Qt::LeftButton, {}, MarkerAt(D, 2, 4));
        QVERIFY(!D.AnyPicked());
        // The line header grid is repainted with the picks; a printed
        // picture leaves the markers alone.
        QImage Page(600, 600, QImage::Format_RGB32);
        QPainter P(&Page);
        tTwoVarOptions O;
        DrawTwoVariableKind(P, tDrawContext::Printer(600, 600, 300, 96), F.L(), D, bkKrydsdiagram,
                            O);
        QCOMPARE(F.Edit->PointHitList.size(), 5);
    }

    // Every new kind draws something other than the hint in each view, and
    // a faulty pair shows the error notice instead.
    void kindsInEveryView_data()
    {
        QTest::addColumn<int>("Kind");
        QTest::addColumn<int>("View");
        for (int K : {bkDatapinde, bkDatakurve, bkMaerketal, bkKrydstabel, bkKrydsdiagram})
            for (int V : {TEditorFrame::vwMixed, TEditorFrame::vwDual, TEditorFrame::vwSingle})
                QTest::newRow(qPrintable(QString("kind %1 view %2").arg(K).arg(V))) << K << V;
    }
    void kindsInEveryView()
    {
        QFETCH(int, Kind);
        QFETCH(int, View);
        TEditorFixture F;
        FillPair(F, {1, 2, 2, 4}, {5, 5, 6, 3});
        F.Edit->SetView(TEditorFrame::TView(View));
        const int N = View == TEditorFrame::vwMixed ? 1 : View == TEditorFrame::vwDual ? 3 : 4;
        F.Edit->ChooseKind(N, F.Edit->ItemOfKind(Kind));
        QCOMPARE(int(DescriptorOf(F.L()).GetPaneKind(N)), Kind);
        TDescriptionPane *Pane = F.Edit->Pane(N);
        QVERIFY(Pane->Range().width() > 100 && Pane->Range().height() > 100);
        auto Colours = [Pane] {
            Pane->PaintBox->repaint();
            const QImage Img = Pane->PaintBox->grab().toImage();
            QSet<QRgb> Seen;
            for (int Y = 0; Y < Img.height(); Y += 2)
                for (int X = 0; X < Img.width(); X += 2)
                    Seen.insert(Img.pixel(X, Y));
            return Seen;
        };
        QVERIFY(Colours().size() > 2);
        if (Kind == bkDatapinde || Kind == bkDatakurve)
            return;
        // A gap in column B: the pair is faulty; the notice's red circle shows.
        F.L().SetCellText(1, 1, QString());
        F.Edit->RefreshDescriptions();
        if (DescriptorOf(F.L()).GetPaneKind(N) == Kind)
            QVERIFY(Colours().contains(qRgb(255, 0, 0)));
    }
};

QTEST_MAIN(TstTwoVarPanes)
#include "tst_twovar_panes.moc"
