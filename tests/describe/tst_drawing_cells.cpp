// Cell text with "#" overflow, the error notice and the hint box of an empty
// pane.
#include "CellText.h"
#include "support_drawing.h"

#include <QtTest>

using namespace testdraw;

class tst_drawing_cells : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Text fits exactly, or is one pixel too wide; left and right alignment.
    // A text too wide shows as a row of "#" over the whole cell, whatever it
    // was, and nothing is drawn outside the cell.
    void overflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slack"); // cell width minus text width
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("hashes");
        const int R = Qt::AlignRight, L = Qt::AlignLeft;
        QTest::newRow("fits right") << "123456,789" << 0 << R << false;
        QTest::newRow("one pixel short right") << "123456,789" << -1 << R << true;
        QTest::newRow("roomy right") << "42" << 20 << R << false;
        QTest::newRow("roomy left") << "42" << 20 << L << false;
        QTest::newRow("one pixel short left") << "123456,789" << -1 << L << true;
        QTest::newRow("far too wide left") << "12345678901234567890" << -60 << L << true;
    }

    void overflow()
    {
        QFETCH(QString, text);
        QFETCH(int, slack);
        QFETCH(int, align);
        QFETCH(bool, hashes);
        const QFontMetrics Fm(PaneFont());
        const QRect Cell(50, 5, Fm.horizontalAdvance(text) + slack, Fm.height());
        const auto Draw = [&](QPainter &P) {
            DrawCellText(P, text, Cell, align | Qt::AlignVCenter);
        };
        const tTexts T = Written(200, 30, Draw);
        QCOMPARE(T.size(), 1);
        QCOMPARE(T[0].Text, hashes ? QString(47, QLatin1Char('#')) : text);
        QCOMPARE(align == Qt::AlignRight ? T[0].Right : T[0].At.x(),
                 align == Qt::AlignRight ? Cell.left() + Cell.width() : Cell.left());
        const QImage Img = Drawn(200, 30, Draw);
        for (int Y = 0; Y < Img.height(); ++Y)
            for (int X = 0; X < Img.width(); ++X)
                if (!Cell.contains(X, Y))
                    QCOMPARE(Img.pixel(X, Y), qRgb(255, 255, 255));
    }

    // A white cross on a red circle, the same turned a quarter or mirrored,
    // and the message right of it in doubled letters; the font given back.
    void errorNotice()
    {
        for (const QString &Message : QStringList{"Fejl i data-par", "Fejl i intervaller"}) {
            QFont After;
            const QImage Img = Drawn(300, 50, [&](QPainter &P) {
                DrawErrorNotice(P, Message);
                After = P.font();
            });
            QCOMPARE(After, PaneFont());
            QCOMPARE(Img.pixel(8, 19), qRgb(255, 0, 0));      // left of the cross
            QCOMPARE(Img.pixel(18, 18), qRgb(255, 255, 255)); // the cross's centre
            QCOMPARE(Img.pixel(2, 2), qRgb(255, 255, 255));   // outside the circle
            auto Cross = [&Img](int X, int Y) { return Img.pixel(X, Y) == qRgb(255, 255, 255); };
            for (int Y = 8; Y <= 28; ++Y)
                for (int X = 8; X <= 28; ++X)
                    QVERIFY(Cross(X, Y) == Cross(36 - X, Y) && Cross(X, Y) == Cross(36 - Y, X));
            const tTexts T = Written(300, 50, [&](QPainter &P) { DrawErrorNotice(P, Message); });
            QCOMPARE(T.size(), 1);
            QCOMPARE(T[0].Text, Message);
            QCOMPARE(T[0].At.x(), 40);
            QCOMPARE(T[0].PixelSize, 22);
        }
    }

    // The hint's words, wrapped in the pane less 16 pixels on every side, in
    // a cream box with a black border 8 pixels outside them; the brush is
    // white afterwards.
    void prompt_data()
    {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<QString>("text");
        const QString Choose = QStringLiteral("Vælg beskrivelse i listen herover");
        QTest::newRow("observations")
            << false << true << "Afmærk kolonne(r) eller linje(r) der skal beskrives. \n" + Choose;
        QTest::newRow("tables") << false << false
                                << "Afmærk kolonne(r) der skal beskrives. \n" + Choose;
        QTest::newRow("marked") << true << true << Choose;
    }

    void prompt()
    {
        QFETCH(bool, marked);
        QFETCH(bool, lines);
        QFETCH(QString, text);
        QCOMPARE(PanePromptText(marked, lines), text);
        const QRect Pane(10, 20, 180, 170);
        QColor Brush;
        const auto Draw = [&](QPainter &P) {
            P.setBrush(Qt::blue);
            DrawPanePrompt(P, Pane, marked, lines);
            Brush = P.brush().color();
        };
        const QImage Img = Drawn(200, 200, Draw);
        QCOMPARE(Brush, QColor(Qt::white));
        const int L = Pane.left() + 8, T = Pane.top() + 8;
        QCOMPARE(Img.pixel(L, T), qRgb(0, 0, 0));
        QCOMPARE(Img.pixel(L + 2, T + 2), qRgb(0xFF, 0xFB, 0xF0));
        QCOMPARE(Img.pixel(L - 1, T - 1), qRgb(255, 255, 255));
        QString Words;
        for (const tTextItem &I : Written(200, 200, Draw)) {
            QVERIFY(I.At.x() >= Pane.left() + 16 && I.Right <= Pane.right() - 15);
            Words += I.Text;
        }
        QCOMPARE(Words.remove(' '), QString(text).remove(' ').remove('\n'));
    }
};

QTEST_MAIN(tst_drawing_cells)
#include "tst_drawing_cells.moc"
