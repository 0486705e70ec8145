// The ungrouped table's value column widens to its widest value text; the
// widths are remembered between repaints, so a change of font, resolution,
// decimals or values must still give the width measured afresh.
#include "Describe.h"
#include "support_drawing.h"

#include <QtTest>

namespace
{

// A painter on a small picture of the given resolution and font size.
struct tProbe {
    QImage Img{10, 10, QImage::Format_RGB32};
    QPainter P;
    tProbe(int Pixels, int Dpm)
    {
        Img.setDotsPerMeterX(Dpm);
        Img.setDotsPerMeterY(Dpm);
        P.begin(&Img);
        QFont F = testdraw::PaneFont();
        F.setPixelSize(Pixels);
        P.setFont(F);
    }
};

} // namespace

class TstTableWidths : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void widthFollowsItsContext_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("dpm"); // dots per metre of the picture
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("extra"); // a value added after the first sizing

        QTest::newRow("same") << 11 << 3780 << 0 << "";
        QTest::newRow("larger font") << 22 << 3780 << 0 << "";
        QTest::newRow("other resolution") << 11 << 11811 << 0 << "";
        QTest::newRow("more decimals") << 11 << 3780 << 6 << "";
        QTest::newRow("wider value") << 11 << 3780 << 0 << "-88888888888888";
    }

    void widthFollowsItsContext()
    {
        QFETCH(int, pixelSize);
        QFETCH(int, dpm);
        QFETCH(int, decimals);
        QFETCH(QString, extra);

        const QStringList Values = {"1", "-2222222222222", "3,5", "4444"};
        auto First = testdraw::ObsColumn(Values);
        {
            tProbe Probe(11, 3780); // the widths of this context are remembered
            FreqTablePaneSize(Probe.P, testdraw::Recomputed(*First), false);
        }
        QStringList Changed = Values;
        if (!extra.isEmpty())
            Changed << extra;
        auto Second = testdraw::ObsColumn(Changed, decimals);
        tDescriptor &D = testdraw::Recomputed(*Second);
        tProbe Probe(pixelSize, dpm);
        const int Width = FreqTablePaneSize(Probe.P, D, false).width();

        // The width by the layout rule, every text measured here afresh.
        const QFontMetrics Fm = Probe.P.fontMetrics();
        int Widest = 0;
        for (const TFreqRecord &R : D.GetSeries(0).List)
            Widest = std::max(Widest, Fm.horizontalAdvance(FormatNumber(R.Value, decimals)));
        const int c = (Fm.horizontalAdvance(QStringLiteral("Observation")) + 1) / 2;
        const int h = draw::TextHeight(Probe.P);
        QCOMPARE(Width, 8 * c + 6 * h + std::max(0, Widest - 2 * c));
    }
};

QTEST_MAIN(TstTableWidths)
#include "tst_table_widths.moc"
