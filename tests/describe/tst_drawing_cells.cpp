// Cell text with "#" overflow, the error notice and the hint box of an empty
// pane.
#include "CellText.h"
#include "support_drawing.h"

#include <QtTest>

using namespace testdraw;

namespace
{

// The columns that hold any dark ink inside R.
QVector<int> InkColumns(const QImage &Img, const QRect &R)
{
    QVector<int> Cols;
    for (int X = R.left(); X <= R.right(); ++X)
        for (int Y = R.top(); Y <= R.bottom(); ++Y)
            if (qGray(Img.pixel(X, Y)) < 160) {
                Cols << X;
                break;
            }
    return Cols;
}

bool AllWhiteOutside(const QImage &Img, const QRect &R)
{
    for (int Y = 0; Y < Img.height(); ++Y)
        for (int X = 0; X < Img.width(); ++X)
            if (!R.contains(X, Y) && Img.pixel(X, Y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

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
        const int TextW = QFontMetrics(PaneFont()).horizontalAdvance(text);
        const QRect Cell(50, 5, TextW + slack, QFontMetrics(PaneFont()).height());
        const auto Draw = [&](QPainter &P) {
            DrawCellText(P, text, Cell, align | Qt::AlignVCenter);
        };
        const QImage Img = Drawn(200, 30, Draw);
        const tTexts T = Written(200, 30, Draw);
        QCOMPARE(T.size(), 1);
        QCOMPARE(T[0].Text, hashes ? QString(47, QLatin1Char('#')) : text);
        if (align == Qt::AlignRight)
            QCOMPARE(T[0].Right, Cell.left() + Cell.width());
        else
            QCOMPARE(T[0].At.x(), Cell.left());
        QVERIFY(AllWhiteOutside(Img, Cell));
    }

    void errorNotice_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("pairs") << QStringLiteral("Fejl i data-par");
        QTest::newRow("classes") << QStringLiteral("Fejl i intervaller");
    }

    void errorNotice()
    {
        QFETCH(QString, message);
        QImage Img = Canvas(300, 50);
        QPainter P(&Img);
        Prepare(P);
        const QFont Before = P.font();
        DrawErrorNotice(P, message);
        QCOMPARE(P.font(), Before);
        P.end();
        const QRgb Red = qRgb(255, 0, 0), White = qRgb(255, 255, 255);
        QCOMPARE(Img.pixel(8, 19), Red);    // left of the cross, inside the circle
        QCOMPARE(Img.pixel(18, 18), White); // the cross's centre
        QCOMPARE(Img.pixel(2, 2), White);   // outside the circle
        // The white cross is the same turned a quarter or mirrored.
        auto Cross = [&Img](int X, int Y) { return Img.pixel(X, Y) == qRgb(255, 255, 255); };
        for (int Y = 8; Y <= 28; ++Y)
            for (int X = 8; X <= 28; ++X)
                QVERIFY(Cross(X, Y) == Cross(36 - X, Y) && Cross(X, Y) == Cross(36 - Y, X));
        // The message stands right of the sign in doubled letters.
        const tTexts T = Written(300, 50, [&](QPainter &P) { DrawErrorNotice(P, message); });
        QCOMPARE(T.size(), 1);
        QCOMPARE(T[0].Text, message);
        QCOMPARE(T[0].At.x(), 40);
        QCOMPARE(T[0].PixelSize, 22);
    }

    void promptText_data()
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

    void promptText()
    {
        QFETCH(bool, marked);
        QFETCH(bool, lines);
        QFETCH(QString, text);
        QCOMPARE(PanePromptText(marked, lines), text);
    }

    // The box stands 8 pixels outside the text area, which is the pane less
    // 16 pixels on every side; it is cream with a black border, and the brush
    // is white afterwards.
    void promptBox()
    {
        QImage Img = Canvas(200, 200);
        QPainter P(&Img);
        Prepare(P);
        P.setBrush(Qt::blue);
        const QRect Pane(10, 20, 180, 170);
        DrawPanePrompt(P, Pane, false, true);
        QCOMPARE(P.brush().color(), QColor(Qt::white));
        P.end();
        const int L = Pane.left() + 8, T = Pane.top() + 8;
        QCOMPARE(Img.pixel(L, T), qRgb(0, 0, 0));
        QCOMPARE(Img.pixel(L + 2, T + 2), qRgb(0xFF, 0xFB, 0xF0));
        QCOMPARE(Img.pixel(L - 1, T - 1), qRgb(255, 255, 255));
        // Word-wrapped: the two sentences need several lines in this width.
        int Rows = 0;
        const int H = QFontMetrics(PaneFont()).height();
        for (int Y = T + 8; Y < Pane.bottom(); Y += H)
            Rows += !InkColumns(Img, QRect(L + 8, Y, 140, H)).isEmpty();
        QVERIFY(Rows >= 3);
    }
};

QTEST_MAIN(tst_drawing_cells)
#include "tst_drawing_cells.moc"
