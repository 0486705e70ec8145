// The print and copy menus of the observation editor: enabling by the kind
// rule, pictures and texts on the clipboard, and printing through the
// scripted dialogs to a PDF printer.
#include "support_host.h"
#include "support_pages.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"
#include "TwoVar.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
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
    // pane's size; data sticks and the pie chart (legend included) as the
    // pane's range. Every picture shows a drawing.
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
        QCOMPARE(Img.size(), Size.isValid() ? Size : Range);
        QVERIFY(AnyPixel(Img, Img.rect(), IsDark));
        if (ItemName == QLatin1String("Kopiercirkeldiagram")) // the legend's last row
            QVERIFY(AnyPixel(Img, QRect(0, Img.height() * 3 / 4, Img.width(), Img.height() / 4),
                             [](const QColor &C) { return C != Qt::white; }));
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
        Fill(F, 0, QStringLiteral("B")); // A and B
        Item(F.Edit, "Kopierkrydstabel")->trigger();
        QCOMPARE(C->text(), CrossTableText(F.L(), DescriptorOf(F.L())));
        QVERIFY(C->text().contains(QStringLiteral("105")));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        QCOMPARE(C->text(), PairKeyFiguresText(F.L(), DescriptorOf(F.L())));
        F.L().SetCellText(2, 1, QStringLiteral("x"));
        F.Edit->RefreshDescriptions();
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
        QTest::newRow("data sticks, paged")
            << "PrintDatapinde" << 150 << "" << true << "Datapinde" << 6;
        QTest::newRow("data curve, paged")
            << "PrintDatagraf" << 150 << "" << true << "Datagraf" << 6;
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
        if (ItemName.startsWith(QLatin1String("PrintDat")) && ItemName != "PrintData") {
            // Every line's row is printed once, in order.
            const QString All = PdfTexts(Pdf).join(' ');
            int At = 0;
            for (int I = 1; I <= Values; ++I) {
                const QRegularExpression Row(QStringLiteral("Linje %1\\b").arg(I));
                QCOMPARE(All.count(Row), 1);
                const int Here = int(All.indexOf(Row));
                QVERIFY(Here > At);
                At = Here;
            }
        }
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

    // A cross table wider and taller than a page goes across the columns of
    // a band of rows, then down: each column heading is printed once in every
    // band, each row heading once on every page of its band.
    void crossTablePages_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<bool>("OnePage");
        QTest::newRow("90 x 90") << 90 << false;
        QTest::newRow("6 x 6") << 6 << true;
    }
    void crossTablePages()
    {
        QFETCH(int, Lines);
        QFETCH(bool, OnePage);
        if (!HavePoppler())
            QSKIP("pdftotext is missing");
        TEditorFixture F;
        // Every line its own column (A) and its own row (B).
        for (int I = 0; I < Lines; ++I) {
            F.L().SetCellText(I, 0, QString::number(1000 + I));
            F.L().SetCellText(I, 1, QString::number(5000 + (I * 37) % Lines));
        }
        Fill(F, 0, QStringLiteral("AB"));
        const QString Pdf = Dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setResolution(300);
        Printer.setPageSize(QPageSize(QPageSize::A4));
        Printer.setOutputFileName(Pdf);
        F.Host.Script.PrintNames.enqueue(QString());
        F.Host.Script.PrintAnswers.enqueue(true);
        Item(F.Edit, "PrintKrydstabel")->trigger();
        const int Pages = PdfPages(Pdf);
        QStringList Texts = PdfTexts(Pdf).mid(0, Pages);
        QCOMPARE(Texts.size(), Pages);
        auto Count = [](const QString &Text, const QString &Word) {
            return int(Text.count(
                QRegularExpression(QStringLiteral("\\b") + Word + QStringLiteral("\\b"))));
        };
        const int Bands = Count(Texts.join(' '), QStringLiteral("1000"));
        QVERIFY(Bands >= 1);
        QCOMPARE(Pages % Bands, 0);
        const int ColumnPages = Pages / Bands;
        QCOMPARE(Pages == 1, OnePage);
        QCOMPARE(Bands > 1, !OnePage);
        QCOMPARE(ColumnPages > 1, !OnePage);
        for (int I = 0; I < Lines; ++I) {
            const QString All = Texts.join(' ');
            QCOMPARE(Count(All, QString::number(1000 + I)), Bands);
            QCOMPARE(Count(All, QString::number(5000 + I)), ColumnPages);
        }
        for (const QString &Text : Texts)
            QVERIFY(Text.contains(QStringLiteral("Krydstabel")));
    }
};

QTEST_MAIN(TstPrintCopy)
#include "tst_printcopy.moc"
