// The editors' small pictures (tool-bar glyphs, edit direction arrows, the
// description kind icons and list), the corner of the observation grids and
// the observation editor's menus, against reference files kept beside this
// test.
#include "DataEdit.h"
#include "DataStilDlg.h"
#include "EditorGlyphs.h"
#include "ObsGridBlock.h"
#include "PaneKinds.h"
#include "sheet_text.h"
#include "support_host.h"
#include "support_pictures.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace
{
const QString Folder = QStringLiteral(LUMEN_SOURCE_DIR "/tests/obsedit/");

void Check(const QImage &Picture, const QString &Name) { CompareWithReference(Picture, Folder, Name); }


// Each item of Menu and its submenus: name, caption and shortcut, indented.
void ListMenu(QMenu *Menu, const QString &Indent, QStringList &Lines)
{
    emit Menu->aboutToShow(); // the menu takes its commands' states
    for (const QAction *A : Menu->actions()) {
        const QString Item = A->objectName() + ' ' + A->text() + ' ' + A->shortcut().toString();
        Lines << Indent + (A->isSeparator() ? QStringLiteral("-")
                                            : Item.trimmed() + (A->isEnabled() ? "" : " (off)"));
        if (A->menu() != nullptr)
            ListMenu(A->menu(), Indent + "  ", Lines);
    }
}
} // namespace

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
                const QIcon Glyph = ToolGlyph(Tools[I]);
                P.drawPixmap(I * 22, 0, Glyph.pixmap(Glyph.availableSizes().value(0)));
            }
            for (int D = 0; D < 3; ++D)
                P.drawPixmap(D * 20, 22, DirectionGlyph(DirectionResource(D)));
            P.drawPixmap(0, 38, KindIconStrip());
        }
        QVERIFY(!KindIcon(KindCount - 1, 0).isNull() && KindIcon(LastKind, 0).isNull() && KindIcon(0, 4).isNull() && KindIcon(-1, 0).isNull());
        Check(Sheet, QStringLiteral("glyphs.png"));
    }

    // Headers (a marked column, a named one, the cursor's column and line in
    // bold, its cell framed heavier while the grid has the focus), line names
    // and cells as the grids paint them; the tool bar.
    void gridCorner()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        L.SetCellText(0, 0, QStringLiteral("1"));
        L.SetCellText(1, 0, QStringLiteral("12,5"));
        L.SetCellText(0, 2, QStringLiteral("tekst"));
        L.SetColName(2, QStringLiteral("Højde"));
        L.SetLineName(2, QStringLiteral("Ole"));
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(1, 0);
        Check(F.Edit->Block(0)->grab(QRect(0, 0, 440, 110)).toImage(),
                             QStringLiteral("grid.png"));
        auto *Tools = F.Edit->findChild<QWidget *>(QStringLiteral("ToolBar"));
        QVERIFY(Tools);
        Check(Tools->grab(QRect(0, 0, 360, 37)).toImage(),
                             QStringLiteral("toolbar.png"));
    }

    // The editor as a whole, small: a cell being typed in the edit view, the
    // mixed, the dual and the single view with their panes; the column settings dialog.
    void views()
    {
        TEditorFixture F;
        F.Edit->resize(640, 420);
        SetupSheet(F.L(), {"A=1,2,2,3,5", "B=4,5"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->DataDG(1)->SetCell(1, 1);
        TypeInto(F.Edit->DataDG(1), QStringLiteral("7"), 0);
        Check(F.Edit->grab().toImage(), QStringLiteral("view_edit.png"));
        PressKey(Qt::Key_Escape);
        // Mixed: key figures in pane 1; dual: the table beside the cumulative graph.
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkMaerketal));
        Check(F.Edit->grab().toImage(), QStringLiteral("view_mixed.png"));
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkSumfrekvensgraf));
        Check(F.Edit->grab().toImage(), QStringLiteral("view_dual.png"));
        F.Edit->SetView(TEditorFrame::vwSingle);
        F.Edit->ChooseKind(4, F.Edit->ItemOfKind(bkCirkeldiagram));
        Check(F.Edit->grab().toImage(), QStringLiteral("view_single.png"));
        TDataStilDlg Dlg(F.Host);
        Dlg.Prepare(0);
        Dlg.show();
        Dlg.findChild<QTabWidget *>()->setCurrentIndex(1);
        Dlg.GrupRB->setChecked(true);
        Check(Dlg.grab().toImage(), QStringLiteral("settings.png"));
    }

    // The kind list of a pane with twenty values in column A marked: the pie
    // chart and the cross kinds refused in silver, the table selected.
    void kindList()
    {
        TEditorFixture F;
        for (int I = 0; I < 20; ++I)
            F.L().SetCellText(I, 0, QString::number(I));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        QImage Img(400, KindCount * 21, QImage::Format_RGB32);
        Img.fill(Qt::white);
        QPainter P(&Img);
        for (int K = 1; K <= KindCount; ++K)
            F.Edit->Pane(1)->DrawItem(P, QRect(0, (K - 1) * 21, 400, 21), F.Edit->ItemOfKind(K),
                                      K == bkTabel);
        P.end();
        Check(Img, QStringLiteral("kinds.png"));
        // The closed list shows the chosen kind, the first one too.
        QComboBox *Box = F.Edit->Pane(1)->ComboBox;
        Box->setCurrentIndex(-1);
        const QImage None = Box->grab().toImage();
        Box->setCurrentIndex(0);
        QVERIFY(Box->grab().toImage() != None);
    }

    void menus()
    {
        TEditorFixture F;
        QStringList Lines;
        for (const char *Marks : {"nothing marked", "A marked", "line 2 marked"}) {
            Lines << QString::fromUtf8(Marks);
            if (Marks[0] == 'A') {
                SetupSheet(F.L(), {"A=1,2"});
                ClickHeader(F.Edit->SojleDG(), 0, 0);
            } else if (Marks[0] == 'l') {
                ClickHeader(F.Edit->LinieDG(), 2, 0);
            }
            for (const QAction *A : F.Edit->EditorMenuBar()->actions()) {
                Lines << A->menu()->objectName() + ' ' + A->text();
                ListMenu(A->menu(), QStringLiteral("  "), Lines);
            }
        }
        QFile File(Folder + QStringLiteral("menus.txt"));
        if (qEnvironmentVariableIsSet("LUMEN_WRITE_GLYPHS"))
            QVERIFY(File.open(QIODevice::WriteOnly) && File.write(Lines.join('\n').toUtf8()) > 0);
        File.close();
        QVERIFY(File.open(QIODevice::ReadOnly));
        QCOMPARE(Lines, QString::fromUtf8(File.readAll()).split('\n'));
    }
};

QTEST_MAIN(TstGlyphs)
#include "tst_glyphs.moc"
