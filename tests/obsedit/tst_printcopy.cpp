// The print and copy menus of the observation editor: enabling by the kind
// rule, pictures and texts on the clipboard, and printing through the
// scripted dialogs to a PDF printer.
#include "support_host.h"
#include "support_pages.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace
{

QAction *Item(TDataEdit *E, const char *Name)
{
    return E->EditorMenuBar()->findChild<QAction *>(Name);
}

// Column A with N distinct values, column B with values 0..4, the given
// columns marked, as the editor's commands leave it.
void Fill(TEditorFixture &F, int N, const QString &Marks)
{
    for (int I = 0; I < N; ++I) {
        F.L().SetCellText(I, 0, QString::number(100 + I));
        F.L().SetCellText(I, 1, QString::number(I % 5));
    }
    for (QChar C : Marks)
        F.L().ToggleColSelected(ColIndex(C));
    F.Edit->RefreshDescriptions();
}

} // namespace

class TstPrintCopy : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitEditorTest(); }

    // Opening a menu enables each description item exactly when its kind is
    // allowed; "Datasæt" (Ctrl+P) always.
    void enabling_data()
    {
        QTest::addColumn<int>("Values");
        QTest::addColumn<QString>("Marks");
        QTest::addColumn<QString>("Enabled");
        QTest::newRow("nothing marked") << 5 << ""
                                        << "";
        QTest::newRow("one column")
            << 5 << "A"
            << "Datapinde Datakurve Tabel Mærketal Hyppighedsgraf Frekvensgraf "
               "Sumfrekvensgraf Cirkeldiagram";
        QTest::newRow("two columns") << 5 << "AB"
                                     << "Datapinde Datakurve Mærketal Krydstabel Krydsdiagram";
    }
    void enabling()
    {
        QFETCH(int, Values);
        QFETCH(QString, Marks);
        QFETCH(QString, Enabled);
        TEditorFixture F;
        Fill(F, Values, Marks);
        for (const char *Name : {"DataEditUdskriv", "RedigerBeskriv"}) {
            QMenu *M = F.Edit->EditorMenuBar()->findChild<QMenu *>(Name);
            QVERIFY(M);
            for (QAction *A : M->actions())
                A->setEnabled(A->data().isValid() && !A->isEnabled()); // opening must decide
            emit M->aboutToShow();
            QStringList Got;
            for (QAction *A : M->actions())
                if (A->data().isValid() && A->isEnabled())
                    Got << A->text();
            QCOMPARE(Got.join(' '), Enabled);
        }
        QCOMPARE(Item(F.Edit, "PrintData")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    }

    // Graphs and the scatter diagram copy as 400 x 400 pictures whatever the
    // pane's size; data sticks as the pane's range; the pie chart as the
    // pane's range made taller for the legend's last rows.
    void copyPictures_data()
    {
        QTest::addColumn<QString>("ItemName");
        QTest::addColumn<QString>("Marks");
        QTest::addColumn<QSize>("Size"); // invalid: the kind's pane range
        QTest::newRow("frequency graph") << "Kopierhyppighedsgraf"
                                         << "A" << QSize(400, 400);
        QTest::newRow("scatter diagram") << "Kopierkrydsdiagram"
                                         << "AB" << QSize(400, 400);
        QTest::newRow("data sticks") << "Kopierdatapinde"
                                     << "A" << QSize();
        QTest::newRow("pie chart") << "Kopiercirkeldiagram"
                                   << "A" << QSize();
    }
    void copyPictures()
    {
        QFETCH(QString, ItemName);
        QFETCH(QString, Marks);
        QFETCH(QSize, Size);
        TEditorFixture F;
        F.Edit->resize(640, 480);
        Fill(F, 6, Marks);
        QAction *A = Item(F.Edit, qPrintable(ItemName));
        QGuiApplication::clipboard()->clear();
        A->trigger();
        const QImage Img = QGuiApplication::clipboard()->image();
        const QSize Range = F.Edit->PaneRange(A->data().toInt());
        const bool White =
            !AnyPixel(Img, Img.rect(), [](const QColor &C) { return C != Qt::white; });
        if (ItemName == QLatin1String("Kopiercirkeldiagram")) {
            QCOMPARE(Img.width(), Range.width());
            QVERIFY(Img.height() > Range.height());
            QVERIFY(AnyPixel(Img, QRect(0, Range.height(), Img.width(), Img.height()),
                             [](const QColor &C) { return C != Qt::white; }));
        } else {
            QCOMPARE(Img.size(), Size.isValid() ? Size : Range);
        }
        // Data sticks and the scatter diagram draw with the two-variable kinds.
        QCOMPARE(White, ItemName == QLatin1String("Kopierdatapinde") || Marks.size() == 2);
    }

    // Text copies: table, key figures and the whole sheet; nothing for the
    // key figures and cross table of a faulty pair.
    void copyTexts()
    {
        TEditorFixture F;
        Fill(F, 6, QStringLiteral("A"));
        QClipboard *C = QGuiApplication::clipboard();
        Item(F.Edit, "KopierTabel")->trigger();
        QCOMPARE(C->text(), TableText(DescriptorOf(F.L())));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        QCOMPARE(C->text(), KeyFiguresText(DescriptorOf(F.L())));
        Item(F.Edit, "Kopirmednavne1")->trigger();
        QCOMPARE(C->text(), SheetText(F.L(), true));
        F.L().SetCellText(2, 1, QStringLiteral("x"));
        Fill(F, 0, QStringLiteral("B"));
        QVERIFY(PairsFaulty(F.L()));
        C->setText(QStringLiteral("før"));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        Item(F.Edit, "Kopierkrydstabel")->trigger();
        QCOMPARE(C->text(), QStringLiteral("før"));
    }

    // Name dialog, print dialog, pages; a cancelled dialog prints nothing.
    void printing_data()
    {
        QTest::addColumn<QString>("ItemName");
        QTest::addColumn<int>("Values");
        QTest::addColumn<QString>("Name"); // "-": the name dialog is cancelled
        QTest::addColumn<bool>("PrintOk");
        QTest::addColumn<QString>("Title"); // "": nothing printed
        QTest::addColumn<int>("Pages");
        QTest::newRow("long table")
            << "PrintTabel" << 150 << "Klasse 7b" << true << "Tabel - Klasse 7b" << 3;
        QTest::newRow("data sticks, sliced")
            << "PrintDatapinde" << 150 << "" << true << "Datapinde" << 2;
        QTest::newRow("graph") << "PrintFrekvensgraf" << 5 << "" << true << "Frekvensgraf" << 1;
        QTest::newRow("data set") << "PrintData" << 5 << "7b" << true << "Datasæt - 7b" << 1;
        QTest::newRow("name cancelled") << "PrintTabel" << 5 << "-" << true << "" << 0;
        QTest::newRow("print cancelled") << "PrintCirkeldiagram" << 5 << "x" << false << "" << 0;
        QTest::newRow("empty data set") << "PrintData" << 0 << "" << true << "" << 0;
    }
    void printing()
    {
        QFETCH(QString, ItemName);
        QFETCH(int, Values);
        QFETCH(QString, Name);
        QFETCH(bool, PrintOk);
        QFETCH(QString, Title);
        QFETCH(int, Pages);
        TEditorFixture F;
        Fill(F, Values, QStringLiteral("A"));
        const QString Pdf = Dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setResolution(300);
        Printer.setPageSize(QPageSize(QPageSize::A4));
        Printer.setOutputFileName(Pdf);
        if (Name != QLatin1String("-"))
            F.Host.Script.PrintNames.enqueue(Name);
        F.Host.Script.PrintAnswers.enqueue(PrintOk);
        Item(F.Edit, qPrintable(ItemName))->trigger();
        QCOMPARE(F.Host.Script.PrintMaxPages.size(),
                 Name != QLatin1String("-") && Values > 0 ? 1 : 0);
        QCOMPARE(QFile::exists(Pdf), !Title.isEmpty());
        if (Values == 0) // nothing to print: the user is told
            QCOMPARE(F.Host.Script.LastAsked().Icon, QMessageBox::Information);
        if (Title.isEmpty() || !HavePoppler())
            return;
        QCOMPARE(PdfPages(Pdf), Pages);
        QVERIFY(PdfTexts(Pdf).first().contains(Title));
        if (ItemName != QLatin1String("PrintFrekvensgraf"))
            return;
        // The graph fills the page inside a half-inch margin: the margin's
        // bands stay empty below the title line, the drawing reaches them.
        const QImage Img = PdfPage(Pdf, 1, 100);
        const QRect Paint = Printer.pageLayout().paintRectPixels(300);
        const QRect In((Paint.left() + 150) / 3, (Paint.top() + 150) / 3, (Paint.width() - 300) / 3,
                       (Paint.height() - 300) / 3);
        QVERIFY(!AnyPixel(Img, QRect(0, In.top(), In.left() - 2, In.height()), IsDark));
        QVERIFY(!AnyPixel(Img, QRect(In.right() + 3, In.top(), Img.width(), In.height()), IsDark));
        QVERIFY(!AnyPixel(Img, QRect(0, In.bottom() + 3, Img.width(), Img.height()), IsDark));
        QVERIFY(AnyPixel(Img, QRect(In.left(), In.top(), 40, 40), IsDark));
        QVERIFY(AnyPixel(Img, QRect(In.left(), In.bottom() - 40, In.width(), 40), IsDark));
        QVERIFY(AnyPixel(Img, QRect(In.right() - 40, In.top(), 40, In.height()), IsDark));
    }
};

QTEST_MAIN(TstPrintCopy)
#include "tst_printcopy.moc"
