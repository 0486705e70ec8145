// Description panes while cells are typed, and panes that scroll to the whole
// drawing.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"

#include <QComboBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class TstPaneTyping : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void typingKeepsKind_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("endKey"); // 0: the edit stays open
        QTest::addColumn<int>("kindAfter");
        QTest::addColumn<QString>("cellAfter");

        // Column A holds 2..17: sixteen distinct values, 13 among them.
        QTest::newRow("13 passes through a 17th value")
            << "13" << int(Qt::Key_Return) << int(bkCirkeldiagram) << "13";
        QTest::newRow("1 while typing") << "1" << 0 << int(bkCirkeldiagram) << "1";
        QTest::newRow("1 committed") << "1" << int(Qt::Key_Return) << int(bkIngen) << "1";
        QTest::newRow("1 committed by a move") << "1" << int(Qt::Key_Up) << int(bkIngen) << "1";
        QTest::newRow("1 given up") << "1" << int(Qt::Key_Escape) << int(bkCirkeldiagram) << "";
    }

    void typingKeepsKind()
    {
        QFETCH(QString, text);
        QFETCH(int, endKey);
        QFETCH(int, kindAfter);
        QFETCH(QString, cellAfter);

        TEditorFixture F;
        tLumen &L = F.L();
        for (int I = 0; I < 16; ++I)
            L.SetCellText(I, 0, QString::number(I + 2));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkCirkeldiagram));
        tDescriptor &D = DescriptorOf(L);
        QCOMPARE(int(D.GetPaneKind(1)), int(bkCirkeldiagram));

        // While the data of the moment break the kind's rule, the pane tells
        // the kind's limit instead of drawing a wrong picture.
        TDescriptionPane *P = F.Edit->Pane(1);
        auto Render = [&](bool Notice) {
            QImage Img(P->PaintBox->size(), QImage::Format_RGB32);
            Img.fill(Qt::white);
            QPainter Painter(&Img);
            Painter.setFont(P->PaintBox->font());
            if (Notice)
                DrawErrorNotice(Painter, KindItemText(bkCirkeldiagram));
            else
                F.Edit->PaintPane(P, Painter, Img.size());
            return Img;
        };

        TGridView *G = F.Edit->DataDG(1);
        G->SetCell(16, 0);
        TypeInto(G, text, 0);
        QVERIFY(G->IsEditing());
        // Every keystroke is stored and described, and no kind is lost.
        QCOMPARE(L.GetCellText(16, 0), text);
        const bool TooMany = text == QLatin1String("1");
        QCOMPARE(D.ListCount(0), TooMany ? 17 : 16);
        QCOMPARE(Render(false) == Render(true), TooMany);
        for (int N : {1, 3, 4})
            QCOMPARE(int(D.GetPaneKind(N)), int(bkCirkeldiagram));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkCirkeldiagram));

        if (endKey != 0)
            PressKey(endKey);
        QCOMPARE(G->IsEditing(), endKey == 0 || endKey == Qt::Key_Return);
        QCOMPARE(L.GetCellText(16, 0), cellAfter);
        for (int N : {1, 3, 4})
            QCOMPARE(int(D.GetPaneKind(N)), kindAfter);
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(kindAfter));
    }

    void paneScrollsToWholeDrawing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<bool>("scrolls"); // the pane is too small for the drawing
        QTest::newRow("key figures") << int(bkMaerketal) << false << true;
        QTest::newRow("grouped key figures") << int(bkMaerketal) << true << false;
        QTest::newRow("pie chart") << int(bkCirkeldiagram) << false << true;
        QTest::newRow("grouped pie chart") << int(bkCirkeldiagram) << true << true;
    }

    // At 1024 x 350 the bottom row of the key figures and the last legend
    // entry of a pie chart can be scrolled into view.
    void paneScrollsToWholeDrawing()
    {
        QFETCH(int, kind);
        QFETCH(bool, grouped);
        QFETCH(bool, scrolls);
        TEditorFixture F;
        tLumen &L = F.L();
        for (int I = 0; I < 40; ++I)
            L.SetCellText(I, 0, QString::number(1000 + (I % 16) * 37) + QStringLiteral(",5"));
        if (grouped) {
            L.SetGroupKind(0, gkAuto);
            L.SetFirstLower(0, 1000);
            L.SetFirstUpper(0, 1100);
            L.SetGap(0, 0);
            L.SetGroupCount(0, 6);
        }
        F.Edit->resize(1024, 350);
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(kind));
        QCOMPARE(int(DescriptorOf(L).GetPaneKind(1)), kind);
        QApplication::processEvents();

        TDescriptionPane *P = F.Edit->Pane(1);
        QImage Probe(1, 1, QImage::Format_RGB32);
        QPainter Painter(&Probe);
        Painter.setFont(P->PaintBox->font());
        const int h = draw::TextHeight(Painter);
        QRect Last;
        if (kind == bkMaerketal) {
            // "Standardafvigelse" is row 21 (18 grouped); its value ends at
            // twice the widest label and three text heights.
            const int Row = grouped ? 18 : 21;
            const QString Widest = grouped ? QStringLiteral("Antal observationer")
                                           : QStringLiteral("Sum af observationer");
            Last = QRect(h, Row * h, 2 * draw::TextWidth(Painter, Widest) + 2 * h, h);
        } else {
            const QRect Box = PieLegendBox(Painter, PieColourCount - 1);
            Last = Box.adjusted(0, 0, grouped ? 128 : 96, 0);
        }
        QScrollArea *S = P->ScrollBox;
        QCOMPARE(S->viewport()->height() <= Last.bottom(), scrolls);
        S->verticalScrollBar()->setValue(S->verticalScrollBar()->maximum());
        S->horizontalScrollBar()->setValue(S->horizontalScrollBar()->maximum());
        const QRect Seen(P->PaintBox->mapFrom(S->viewport(), QPoint(0, 0)), S->viewport()->size());
        QCOMPARE(Seen.united(Last), Seen); // the last item can be seen whole
    }
};

QTEST_MAIN(TstPaneTyping)
#include "tst_pane_typing.moc"
