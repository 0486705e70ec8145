// The print and copy menus of the observation editor: enabling by the kind
// rule, pictures and texts on the clipboard, and printing through the
// scripted dialogs to a PDF printer.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace
{

QAction *Item(TDataEdit *E, const QString &Name)
{
    return E->EditorMenuBar()->findChild<QAction *>(Name);
}

QMenu *Menu(TDataEdit *E, const QString &Name)
{
    return E->EditorMenuBar()->findChild<QMenu *>(Name);
}

// Opening a menu as the user does (its items are enabled then).
void Open(QMenu *M)
{
    emit M->aboutToShow();
}

// Column A with N distinct values, column B (when Pairs) with N values, and
// the given columns marked; Text puts a text cell into B.
void Fill(TEditorFixture &F, int N, const QString &Marks, bool Text = false)
{
    tLumen &L = F.L();
    for (int I = 0; I < N; ++I) {
        L.SetCellText(I, 0, QString::number(100 + I));
        L.SetCellText(I, 1, QString::number(I % 5));
    }
    if (Text)
        L.SetCellText(1, 1, QStringLiteral("x"));
    for (QChar C : Marks)
        L.ToggleColSelected(ColIndex(C));
    F.Edit->RefreshDescriptions(); // as the editor's commands end
}

QString PdfText(const QString &Pdf)
{
    QProcess P;
    P.start(QStringLiteral("pdftotext"), {Pdf, QStringLiteral("-")});
    P.waitForFinished(60000);
    return QString::fromUtf8(P.readAllStandardOutput());
}

int PdfPages(const QString &Pdf)
{
    QProcess P;
    P.start(QStringLiteral("pdfinfo"), {Pdf});
    P.waitForFinished(60000);
    const QRegularExpressionMatch M = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(QString::fromUtf8(P.readAllStandardOutput()));
    return M.hasMatch() ? M.captured(1).toInt() : -1;
}

bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

} // namespace

class TstPrintCopy : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase()
    {
        InitEditorTest();
        QVERIFY(Dir.isValid());
    }

    // Every description item is enabled exactly when its kind is allowed;
    // the data set and whole-sheet items always.
    void enabling_data()
    {
        QTest::addColumn<int>("Values");
        QTest::addColumn<QString>("Marks");
        QTest::addColumn<bool>("Text");
        QTest::addColumn<QString>("Enabled");
        QTest::newRow("nothing marked") << 5 << "" << false << "";
        QTest::newRow("one column")
            << 5 << "A" << false
            << "Datapinde Datakurve Tabel Mærketal Hyppighedsgraf Frekvensgraf Sumfrekvensgraf "
               "Cirkeldiagram";
        QTest::newRow("17 values: no pie")
            << 17 << "A" << false
            << "Datapinde Datakurve Tabel Mærketal Hyppighedsgraf Frekvensgraf Sumfrekvensgraf";
        QTest::newRow("two columns")
            << 5 << "AB" << false << "Datapinde Datakurve Mærketal Krydstabel Krydsdiagram";
    }
    void enabling()
    {
        QFETCH(int, Values);
        QFETCH(QString, Marks);
        QFETCH(bool, Text);
        QFETCH(QString, Enabled);
        TEditorFixture F;
        Fill(F, Values, Marks, Text);
        for (const QString &Name :
             {QStringLiteral("DataEditUdskriv"), QStringLiteral("RedigerBeskriv")}) {
            QMenu *M = Menu(F.Edit, Name);
            QVERIFY(M);
            for (QAction *A : M->actions())
                if (A->data().isValid())
                    A->setEnabled(!A->isEnabled()); // opening must decide, not keep
            Open(M);
            QStringList Got;
            for (QAction *A : M->actions()) {
                if (A->isSeparator())
                    continue;
                if (A->data().isValid()) {
                    QCOMPARE(A->isEnabled(), KindAvailable(F.L(), dtObs, A->data().toInt()));
                    if (A->isEnabled())
                        Got << A->text().remove('&');
                }
            }
            QCOMPARE(Got.join(' '), Enabled);
        }
        QVERIFY(Item(F.Edit, "PrintData")->isEnabled());
        QCOMPARE(Item(F.Edit, "PrintData")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    }

    // Graphs and the scatter diagram copy as 400 x 400 pictures whatever the
    // pane's size; the others as the pane's range.
    void copyPictures_data()
    {
        QTest::addColumn<QString>("ItemName");
        QTest::addColumn<QString>("Marks");
        QTest::addColumn<QSize>("Size"); // invalid: the pane range of the kind
        QTest::newRow("frequency graph") << "Kopierhyppighedsgraf"
                                         << "A" << QSize(400, 400);
        QTest::newRow("cumulative graph") << "Kopiersumfrekvensgraf"
                                          << "A" << QSize(400, 400);
        QTest::newRow("scatter diagram") << "Kopierkrydsdiagram"
                                         << "AB" << QSize(400, 400);
        QTest::newRow("pie chart") << "Kopiercirkeldiagram"
                                   << "A" << QSize();
        QTest::newRow("data sticks") << "Kopierdatapinde"
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
        QAction *A = Item(F.Edit, ItemName);
        QVERIFY(A);
        QGuiApplication::clipboard()->clear();
        A->trigger();
        const QImage Img = QGuiApplication::clipboard()->image();
        const int Kind = A->data().toInt();
        if (Kind == bkCirkeldiagram) {
            // The pane's range, made taller where the legend's 16 rows
            // reach below it: the picture's bottom rows show the last row.
            const QSize Range = F.Edit->PaneRange(Kind);
            QCOMPARE(Img.width(), Range.width());
            QVERIFY(Img.height() >= Range.height());
            bool Drawn = false;
            for (int Y = Range.height(); Y < Img.height(); ++Y)
                for (int X = Img.width() / 2; X < Img.width(); ++X)
                    Drawn = Drawn || Img.pixel(X, Y) != qRgb(255, 255, 255);
            QVERIFY(Drawn);
        } else {
            QCOMPARE(Img.size(), Size.isValid() ? Size : F.Edit->PaneRange(Kind));
        }
        // Data sticks and the scatter diagram draw with the two-variable kinds.
        if (ItemName != QLatin1String("Kopierdatapinde") && Marks.size() == 1) {
            bool Dark = false;
            for (int Y = 0; Y < Img.height() && !Dark; Y += 2)
                for (int X = 0; X < Img.width() && !Dark; X += 2)
                    Dark = qGray(Img.pixel(X, Y)) < 80;
            QVERIFY2(Dark, "the picture is blank");
        }
    }

    // Text copies: the table and key figures texts, the whole sheet; nothing
    // for key figures of a faulty pair.
    void copyTexts()
    {
        TEditorFixture F;
        Fill(F, 6, QStringLiteral("A"));
        tDescriptor &D = DescriptorOf(F.L());
        Item(F.Edit, "KopierTabel")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), TableText(D));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), KeyFiguresText(D));
        Item(F.Edit, "Kopirmednavne1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), SheetText(F.L(), true));
        Item(F.Edit, "Kopirtal1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), SheetText(F.L(), false));

        F.L().SetCellText(2, 1, QStringLiteral("x"));
        F.L().ToggleColSelected(1);
        F.Edit->RefreshDescriptions();
        QVERIFY(PairsFaulty(F.L()));
        QGuiApplication::clipboard()->setText(QStringLiteral("før"));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        Item(F.Edit, "Kopierkrydstabel")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("før"));
    }

    // Printing goes name dialog, print dialog, pages; a cancelled dialog
    // prints nothing.
    void printing_data()
    {
        QTest::addColumn<QString>("ItemName");
        QTest::addColumn<int>("Values");
        QTest::addColumn<QString>("Name");  // "-": the name dialog is cancelled
        QTest::addColumn<bool>("PrintOk");  // the print dialog's answer
        QTest::addColumn<QString>("Title"); // "": nothing printed
        QTest::addColumn<int>("MinPages");
        QTest::newRow("long table")
            << "PrintTabel" << 150 << "Klasse 7b" << true << "Tabel - Klasse 7b" << 2;
        QTest::newRow("table without a name") << "PrintTabel" << 5 << "" << true << "Tabel" << 1;
        QTest::newRow("relative graph")
            << "PrintFrekvensgraf" << 5 << "7b" << true << "Frekvensgraf - 7b" << 1;
        QTest::newRow("data set") << "PrintData" << 5 << "" << true << "Datasæt" << 1;
        QTest::newRow("name cancelled") << "PrintTabel" << 5 << "-" << true << "" << 0;
        QTest::newRow("print dialog cancelled")
            << "PrintCirkeldiagram" << 5 << "x" << false << "" << 0;
    }
    void printing()
    {
        QFETCH(QString, ItemName);
        QFETCH(int, Values);
        QFETCH(QString, Name);
        QFETCH(bool, PrintOk);
        QFETCH(QString, Title);
        QFETCH(int, MinPages);
        TEditorFixture F;
        Fill(F, Values, QStringLiteral("A"));
        const QString Pdf = Dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setResolution(300);
        Printer.setOutputFileName(Pdf);
        if (Name != QLatin1String("-"))
            F.Host.Script.PrintNames.enqueue(Name);
        F.Host.Script.PrintAnswers.enqueue(PrintOk);
        Item(F.Edit, ItemName)->trigger();
        QCOMPARE(F.Host.Script.NamesAsked, 1);
        QCOMPARE(F.Host.Script.PrintMaxPages.size(), Name == QLatin1String("-") ? 0 : 1);
        QCOMPARE(QFile::exists(Pdf), !Title.isEmpty());
        if (Title.isEmpty() || !HavePoppler())
            return;
        QVERIFY(PdfPages(Pdf) >= MinPages);
        QVERIFY(PdfText(Pdf).contains(Title));
        if (ItemName == QLatin1String("PrintFrekvensgraf"))
            GraphFillsPage(Pdf, Printer.pageLayout().paintRectPixels(300));
    }

  private:
    // A printed graph fills the page inside a half-inch margin: nothing in
    // the margin below the title line, its frame close to the margin's edges.
    void GraphFillsPage(const QString &Pdf, const QRect &Paint)
    {
        const QString Stem = Dir.filePath(QStringLiteral("graph"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-r", "100", "-singlefile", "-png", Pdf, Stem});
        const QImage Img(Stem + QStringLiteral(".png"));
        QVERIFY(!Img.isNull());
        const double k = 100.0 / 300;
        const QRect Inside(int((Paint.left() + 150) * k), int((Paint.top() + 150) * k),
                           int((Paint.width() - 300) * k), int((Paint.height() - 300) * k));
        auto DarkIn = [&Img](const QRect &R) {
            for (int Y = R.top(); Y <= R.bottom(); ++Y)
                for (int X = R.left(); X <= R.right(); ++X)
                    if (Img.rect().contains(X, Y) && qGray(Img.pixel(X, Y)) < 160)
                        return true;
            return false;
        };
        const int Band = 12; // rendered pixels, a little under an inch at 100 dpi
        // The margins: left, right and bottom bands empty (the title sits in the top one).
        QVERIFY(!DarkIn(QRect(0, Inside.top(), Inside.left() - 2, Inside.height())));
        QVERIFY(!DarkIn(QRect(Inside.right() + 3, Inside.top(), Img.width(), Inside.height())));
        QVERIFY(!DarkIn(QRect(0, Inside.bottom() + 3, Img.width(), Img.height())));
        // The drawing reaches into all four edges of the area inside them.
        QVERIFY(DarkIn(QRect(Inside.left(), Inside.top(), Band * 4, Band * 4)));
        QVERIFY(DarkIn(QRect(Inside.left(), Inside.bottom() - Band * 4, Inside.width(), Band * 4)));
        QVERIFY(DarkIn(QRect(Inside.right() - Band * 4, Inside.top(), Band * 4, Inside.height())));
    }

  private slots:

    // An empty data set is not printed; the user is told.
    void emptyDataSet()
    {
        TEditorFixture F;
        F.Host.Script.PrintNames.enqueue(QString());
        F.Host.Script.PrintAnswers.enqueue(true);
        Item(F.Edit, "PrintData")->trigger();
        QCOMPARE(F.Host.Script.PrintMaxPages.size(), 0);
        QCOMPARE(F.Host.Script.LastAsked().Icon, QMessageBox::Information);
    }

    // The regression line of a printed or copied scatter diagram follows the
    // showing view.
    void outputRegression()
    {
        TEditorFixture F;
        Fill(F, 5, QStringLiteral("AB"));
        QVERIFY(F.Edit->OutputRegression()); // edit view: always
        F.Edit->SetView(TEditorFrame::vwMixed);
        QVERIFY(!F.Edit->OutputRegression());
        F.Edit->Pane(1)->RegresButton->setChecked(true);
        QVERIFY(F.Edit->OutputRegression());
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->Pane(2)->RegresButton->setChecked(false);
        F.Edit->Pane(3)->RegresButton->setChecked(false);
        QVERIFY(!F.Edit->OutputRegression());
        F.Edit->Pane(2)->RegresButton->setChecked(true);
        QVERIFY(F.Edit->OutputRegression());
    }
};

QTEST_MAIN(TstPrintCopy)
#include "tst_printcopy.moc"
