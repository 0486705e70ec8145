// The zoom for a projector: the steps, the grids' sizes derived from one
// factor and back, a pane's description enlarged as a whole (text, rows,
// scroll range and the points a click picks), and Ctrl with the wheel.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "Zoom.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QWheelEvent>

namespace
{

const QColor Yellow(0xFF, 0xFF, 0x00);

// The bands of picture rows holding dark pixels (text, rules) left of
// Right: their tops and heights.
QVector<QPair<int, int>> InkBands(const QImage &Image, int Right)
{
    QVector<QPair<int, int>> Bands;
    int Start = -1;
    for (int Y = 0; Y <= Image.height(); ++Y) {
        bool Ink = false;
        for (int X = 0; Y < Image.height() && X < std::min(Right, Image.width()) && !Ink; ++X)
            Ink = qGray(Image.pixel(X, Y)) < 100;
        if (Ink && Start < 0)
            Start = Y;
        if (!Ink && Start >= 0) {
            Bands.append({Start, Y - Start});
            Start = -1;
        }
    }
    return Bands;
}

QImage Shown(TDescriptionPane *P)
{
    QApplication::processEvents();
    P->PaintBox->repaint();
    return P->PaintBox->grab().toImage();
}

// Ctrl and the wheel turned by Delta over Target.
void CtrlWheel(QWidget *Target, int Delta)
{
    const QPointF At(Target->width() / 2.0, Target->height() / 2.0);
    QWheelEvent E(At, Target->mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton,
                  Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Target, &E);
}

// Column A holding 1..Count, marked, described in pane 2 of the two-pane view
// as a table beside its graph (the panes that pick in each other).
struct TTableBesideGraph : TEditorFixture {
    explicit TTableBesideGraph(int Count)
    {
        for (int I = 0; I < Count; ++I)
            L().SetCellText(I, 0, QString::number(I + 1));
        ClickHeader(Edit->SojleDG(), 0, 0);
        Edit->SetView(TEditorFrame::vwDual);
        Edit->ChooseKind(2, Edit->ItemOfKind(bkTabel));
        Edit->ChooseKind(3, Edit->ItemOfKind(bkHyppighedsgraf));
    }
};

} // namespace

class TstZoom : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void steps_data()
    {
        QTest::addColumn<int>("From");
        QTest::addColumn<int>("Direction");
        QTest::addColumn<int>("To");
        QTest::newRow("in from normal") << 100 << 1 << 125;
        QTest::newRow("in to the largest") << 250 << 1 << 300;
        QTest::newRow("in at the largest") << 300 << 1 << 300;
        QTest::newRow("out from 200") << 200 << -1 << 150;
        QTest::newRow("out to normal") << 125 << -1 << 100;
        QTest::newRow("out at normal") << 100 << -1 << 100;
        QTest::newRow("in between steps") << 175 << 1 << 200;
        QTest::newRow("out between steps") << 175 << -1 << 150;
        QTest::newRow("in below the steps") << 50 << 1 << 100;
    }
    void steps()
    {
        QFETCH(int, From);
        QFETCH(int, Direction);
        QFETCH(int, To);
        QCOMPARE(zoom::Next(From, Direction), To);
    }

    // A stored zoom edited by hand becomes the nearest step.
    void validZoom_data()
    {
        QTest::addColumn<int>("Stored");
        QTest::addColumn<int>("Used");
        QTest::newRow("a step") << 250 << 250;
        QTest::newRow("near a step") << 140 << 150;
        QTest::newRow("nearer normal") << 112 << 100;
        QTest::newRow("too small") << 0 << 100;
        QTest::newRow("negative") << -300 << 100;
        QTest::newRow("too large") << 1000 << 300;
    }
    void validZoom()
    {
        QFETCH(int, Stored);
        QFETCH(int, Used);
        QCOMPARE(zoom::Valid(Stored), Used);
    }

    // Every size of the grids follows the one factor, and going back to
    // 100 % gives exactly the sizes of the start.
    void gridSizesFollowZoom_data()
    {
        QTest::addColumn<int>("Percent");
        for (int P : {125, 150, 200, 300})
            QTest::newRow(qPrintable(QString::number(P))) << P;
    }
    void gridSizesFollowZoom()
    {
        QFETCH(int, Percent);
        TEditorFixture F;
        const double Z = zoom::Factor(Percent);
        TGridView *Data = F.Edit->DataDG(), *Cols = F.Edit->SojleDG(), *Lines = F.Edit->LinieDG();
        auto Sizes = [&] {
            return QVector<int>{Data->rowHeight(5),
                                Data->columnWidth(3),
                                Data->font().pixelSize(),
                                Cols->columnWidth(2),
                                Cols->rowHeight(0),
                                Cols->rowHeight(1),
                                Cols->height(),
                                Lines->columnWidth(0),
                                Lines->columnWidth(1),
                                Lines->rowHeight(7),
                                Lines->width(),
                                Lines->font().pixelSize(),
                                F.Edit->Block(0)->NavneLabel->height()};
        };
        const QVector<int> Normal = Sizes();
        QCOMPARE(Normal.mid(0, 3), QVector<int>({24, 96, 12}));
        F.Edit->SetZoom(Percent);
        QApplication::processEvents();
        const QVector<int> Zoomed = Sizes();
        for (int I = 0; I < Normal.size() - 1; ++I)
            QVERIFY2(std::abs(Zoomed[I] - Normal[I] * Z) <= 1,
                     qPrintable(
                         QStringLiteral("size %1: %2 -> %3").arg(I).arg(Normal[I]).arg(Zoomed[I])));
        // The corner's label grows with the header it stands beside.
        QVERIFY(Zoomed.last() > Normal.last());
        // Both copies of the grid (the edit and the mixed view) zoom.
        QCOMPARE(F.Edit->DataDG(1)->rowHeight(0), Data->rowHeight(0));
        F.Edit->SetZoom(100);
        QApplication::processEvents();
        QCOMPARE(Sizes(), Normal);
    }

    // At 200 % a table is the same drawing twice as large: as many rows of
    // text, each twice as tall and twice as far apart, and a scroll range
    // twice as large; a click picks the row it falls on.
    void tableTwiceAsLargeAt200()
    {
        TTableBesideGraph F(6);
        TDescriptionPane *P = F.Edit->Pane(2);
        const QSize Range = P->Range();
        const QVector<QPair<int, int>> Normal = InkBands(Shown(P), Range.width());
        QVERIFY(Normal.size() >= 8); // title rows, headings, rule, six rows
        F.Edit->SetZoom(200);
        QCOMPARE(P->PaintBox->minimumSize(), Range * 2);
        QCOMPARE(P->Range(), Range);
        const QVector<QPair<int, int>> Zoomed = InkBands(Shown(P), 2 * Range.width());
        QCOMPARE(Zoomed.size(), Normal.size());
        for (int I = 0; I < Normal.size(); ++I) {
            QVERIFY2(std::abs(Zoomed[I].first - 2 * Normal[I].first) <= 2,
                     qPrintable(QString::number(I)));
            QVERIFY2(std::abs(Zoomed[I].second - 2 * Normal[I].second) <= 2,
                     qPrintable(QStringLiteral("band %1: %2 -> %3")
                                    .arg(I)
                                    .arg(Normal[I].second)
                                    .arg(Zoomed[I].second)));
        }

        tDescriptor &D = DescriptorOf(F.L());
        const QPoint Row3(40, D.TableTop + 3 * D.TableLineHeight + D.TableLineHeight / 2);
        QTest::mouseClick(P->PaintBox, Qt::LeftButton, {}, Row3 * 2);
        QCOMPARE(D.SelectedIndex(), 3);
        QCOMPARE(Shown(P).pixelColor(Row3 * 2), Yellow);
    }

    // The mixed view's grid side grows with the zoom so that its column stays
    // in sight, never beyond half the view, and is back at 100 %.
    void mixedGridWidens()
    {
        TEditorFixture F;
        F.Edit->SetView(TEditorFrame::vwMixed);
        QApplication::processEvents();
        auto *Splitter = F.Edit->findChild<QWidget *>("MixedPage")->findChild<QSplitter *>();
        QVERIFY(Splitter != nullptr && Splitter->isVisible());
        const QList<int> Normal = Splitter->sizes();
        const int Total = Normal[0] + Normal[1];
        F.Edit->SetZoom(150);
        QCOMPARE(Splitter->sizes()[0], std::min(zoom::Scaled(Normal[0], 1.5), Total / 2));
        F.Edit->SetZoom(300);
        QCOMPARE(Splitter->sizes()[0], Total / 2);
        F.Edit->SetZoom(100);
        QCOMPARE(Splitter->sizes(), Normal);
    }

    // Ctrl and the wheel over a grid or a pane step the zoom, shown in the
    // status line; the wheel alone still scrolls.
    void ctrlWheelSteps()
    {
        TTableBesideGraph F(40);
        F.Edit->SetView(TEditorFrame::vwEdit);
        QWidget *Grid = F.Edit->DataDG()->viewport();
        CtrlWheel(Grid, 120);
        QCOMPARE(F.Edit->Zoom(), 125);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Zoom 125 %"));
        CtrlWheel(Grid, 60); // half a notch of a touch pad: not yet
        QCOMPARE(F.Edit->Zoom(), 125);
        CtrlWheel(Grid, 60);
        QCOMPARE(F.Edit->Zoom(), 150);
        CtrlWheel(Grid, -3 * 120);
        QCOMPARE(F.Edit->Zoom(), 100);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Zoom 100 %"));
        QCOMPARE(F.Edit->DataDG()->verticalScrollBar()->value(), 0);

        F.Edit->SetView(TEditorFrame::vwDual);
        QApplication::processEvents();
        CtrlWheel(F.Edit->Pane(3)->ScrollBox->viewport(), 240);
        QCOMPARE(F.Edit->Zoom(), 150);
        QCOMPARE(F.Edit->Pane(3)->Zoom(), 1.5);
        QCOMPARE(F.Edit->DataDG()->Zoom(), 1.5);

        // The menu items follow: nothing to zoom out of at 100 %.
        auto *Out = F.Edit->EditorMenuBar()->findChild<QAction *>("DataEditZoomUd");
        auto *Normal = F.Edit->EditorMenuBar()->findChild<QAction *>("DataEditNormalStoerrelse");
        QVERIFY(Out && Normal);
        QVERIFY(Out->isEnabled());
        Normal->trigger();
        QCOMPARE(F.Edit->Zoom(), 100);
        QVERIFY(!Out->isEnabled());
        QVERIFY(!Normal->isEnabled());
    }
};

QTEST_MAIN(TstZoom)
#include "tst_zoom.moc"
