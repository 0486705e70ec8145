// The editors' small pictures (tool-bar glyphs, edit direction arrows, the
// description kind icons) against a reference sheet kept beside this test.
// LUMEN_WRITE_GLYPHS=1 writes the sheet anew after a deliberate change; look
// at it before keeping it.
#include "EditorGlyphs.h"
#include "support_host.h"

#include <QPainter>
#include <QtTest>

class TstGlyphs : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void sheet()
    {
        const QStringList Tools{"NewSpeed",       "OpenSpeed",   "SaveSpeed",     "InfoSpeed",
                                "EditSpeed",      "MixetSpeed",  "DualSpeed",     "SingleSpeed",
                                "CutSpeed",       "CopySpeed",   "PasteSpeed",    "DelSpeed",
                                "UndoSpeed",      "SortUpSpeed", "SortDownSpeed", "DeciPlusSpeed",
                                "DeciMinusSpeed", "Mul10Speed",  "Div10Speed",    "TerningSpeed",
                                "CupSpeed",       "CalcSpeed",   "PaneCalcSpeed", "RegresSpeed"};
        QImage Sheet(Tools.size() * 22, 22 + 16 + 180, QImage::Format_ARGB32);
        Sheet.fill(Qt::transparent);
        {
            QPainter P(&Sheet);
            for (int I = 0; I < Tools.size(); ++I) {
                const QList<QSize> Sizes = ToolGlyph(Tools[I]).availableSizes();
                QCOMPARE(Sizes.size(), 1);
                P.drawPixmap(I * 22, 0, ToolGlyph(Tools[I]).pixmap(Sizes[0]));
            }
            for (int D = 0; D < 3; ++D)
                P.drawPixmap(D * 20, 22, DirectionGlyph(DirectionResource(D)));
            P.drawPixmap(0, 38, KindIconStrip());
            for (int Row = 0; Row < 10; ++Row)
                for (int State = 0; State < 4; ++State)
                    QCOMPARE(KindIcon(Row, State).toImage(),
                             KindIconStrip().copy(State * 18, Row * 18, 18, 18).toImage());
        }
        QVERIFY(KindIcon(10, 0).isNull() && KindIcon(0, 4).isNull() && KindIcon(-1, 0).isNull());
        const QString Reference = QStringLiteral(LUMEN_SOURCE_DIR "/tests/obsedit/glyphs.png");
        if (qEnvironmentVariableIsSet("LUMEN_WRITE_GLYPHS"))
            QVERIFY(Sheet.save(Reference));
        QCOMPARE(Sheet, QImage(Reference).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TstGlyphs)
#include "tst_glyphs.moc"
