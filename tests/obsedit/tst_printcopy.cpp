// The print and copy menus of the observation editor: enabling by the kind
// rule, pictures and texts on the clipboard, and printing through the
// scripted dialogs to a PDF printer.
#include "support_host.h"
#include "support_pages.h"
#include "support_rows.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"
#include "TwoVar.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{

QAction *Item(TDataEdit *E, const char *Name)
{
    return E->EditorMenuBar()->findChild<QAction *>(Name);
}

// Column A with N distinct values from 1000, column B with values 0..4, the
// given columns marked, as the editor's commands leave it.
void Fill(TEditorFixture &F, int N, const QString &Marks)
{
    for (int I = 0; I < N; ++I) {
        F.L().SetCellText(I, 0, QString::number(1000 + I));
        F.L().SetCellText(I, 1, QString::number(I % 5));
    }
    for (QChar C : Marks)
        F.L().ToggleColSelected(ColIndex(C));
    F.Edit->RefreshDescriptions();
}

// Opening a menu enables each description item exactly when its kind is
// allowed; "Datasæt" (Ctrl+P) always.
const struct {
    const char *Name, *Marks, *Enabled;
} MenuRows[] = {
    {"nothing marked", "", ""},
    {"one column", "A",
     "Datapinde Datakurve Tabel Mærketal Hyppighedsgraf Frekvensgraf Sumfrekvensgraf "
     "Cirkeldiagram"},
    {"two columns", "AB", "Datapinde Datakurve Mærketal Krydstabel Krydsdiagram"},
};

// Graphs and the scatter diagram copy as 400 x 400 pictures whatever the
// pane's size; data sticks and the pie chart (legend included) as the
// pane's range (Side 0). Every picture shows a drawing.
const struct {
    const char *Name, *Item, *Marks;
    int Side;
} PictureRows[] = {
    {"frequency graph", "Kopierhyppighedsgraf", "A", 400},
    {"scatter diagram", "Kopierkrydsdiagram", "AB", 400},
    {"data sticks", "Kopierdatapinde", "A", 0},
    {"pie chart", "Kopiercirkeldiagram", "A", 0},
};

// Typed: the name typed ("-": the name dialog is cancelled). Title: on the
// first page ("": nothing printed), its first word on every page. Pages: 0
// as many as the lines need. Each: a text printed once for every
// line, in line order ("%1": the line's number, or A's value with Marks AB).
const struct {
    const char *Name, *Item;
    int Values;
    const char *Marks, *Typed;
    bool PrintOk;
    const char *Title;
    int Pages;
    const char *Each;
} PrintRows[] = {
    // clang-format off
    {"long table", "PrintTabel", 150, "A", "Klasse 7b", true, "Tabel - Klasse 7b", 3, nullptr},
    {"data sticks, paged", "PrintDatapinde", 150, "A", "", true, "Datapinde", 6, "Linje %1"},
    {"data curve, paged", "PrintDatagraf", 150, "A", "", true, "Datagraf", 6, "Linje %1"},
    {"cross table, columns across pages", "PrintKrydstabel", 90, "AB", "", true, "Krydstabel", 0,
     "%1"},
    {"graph inside the margins", "PrintFrekvensgraf", 5, "A", "", true, "Frekvensgraf", 1, nullptr},
    {"data set", "PrintData", 5, "A", "7b", true, "Datasæt - 7b", 1, nullptr},
    {"name cancelled", "PrintTabel", 5, "A", "-", true, "", 0, nullptr},
    {"print cancelled", "PrintCirkeldiagram", 5, "A", "x", false, "", 0, nullptr},
    {"empty data set", "PrintData", 0, "A", "", true, "", 0, nullptr},
    // clang-format on
};

} // namespace

class TstPrintCopy : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitEditorTest(); }

    void enabling_data() { AddRows(MenuRows); }
    void enabling()
    {
        const auto &R = CurrentRow(MenuRows);
        TEditorFixture F;
        Fill(F, 5, R.Marks);
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
            QCOMPARE(Got.join(' '), QString::fromUtf8(R.Enabled));
        }
        QCOMPARE(Item(F.Edit, "PrintData")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    }

    void copyPictures_data() { AddRows(PictureRows); }
    void copyPictures()
    {
        const auto &R = CurrentRow(PictureRows);
        TEditorFixture F;
        F.Edit->resize(640, 480);
        Fill(F, 6, R.Marks);
        QAction *A = Item(F.Edit, R.Item);
        QGuiApplication::clipboard()->clear();
        A->trigger();
        const QImage Img = QGuiApplication::clipboard()->image();
        QCOMPARE(Img.size(), R.Side ? QSize(R.Side, R.Side) : F.Edit->PaneRange(A->data().toInt()));
        QVERIFY(AnyPixel(Img, Img.rect(), IsDark));
        if (QLatin1String(R.Item) == QLatin1String("Kopiercirkeldiagram")) // the legend's last row
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
        Item(F.Edit, "Kopiermaerketal")->trigger();
        QCOMPARE(C->text(), PairKeyFiguresText(F.L(), DescriptorOf(F.L())));
        F.L().SetCellText(2, 1, QStringLiteral("x"));
        F.Edit->RefreshDescriptions();
        C->setText(QStringLiteral("før"));
        Item(F.Edit, "Kopiermaerketal")->trigger();
        Item(F.Edit, "Kopierkrydstabel")->trigger();
        QCOMPARE(C->text(), QStringLiteral("før"));
    }

    // Name dialog, print dialog, pages; a cancelled dialog prints nothing.
    void printing_data() { AddRows(PrintRows); }
    void printing()
    {
        const auto &R = CurrentRow(PrintRows);
        const bool Named = QLatin1String(R.Typed) != QLatin1String("-");
        TEditorFixture F;
        Fill(F, R.Values, R.Marks);
        const QString Pdf = Dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setResolution(300);
        Printer.setPageSize(QPageSize(QPageSize::A4));
        Printer.setOutputFileName(Pdf);
        if (Named)
            F.Host.Script.PrintNames.enqueue(QString::fromUtf8(R.Typed));
        F.Host.Script.PrintAnswers.enqueue(R.PrintOk);
        Item(F.Edit, R.Item)->trigger();
        QCOMPARE(F.Host.Script.PrintMaxPages.size(), Named && R.Values > 0 ? 1 : 0);
        QCOMPARE(F.Host.Script.LastAsked().Text,
                 R.Values ? QString() : QStringLiteral("Der er ingen data at udskrive."));
        QCOMPARE(QFile::exists(Pdf), *R.Title != 0);
        if (!*R.Title || !HavePoppler())
            return;
        const QStringList Texts = PdfTexts(Pdf).mid(0, PdfPages(Pdf));
        if (R.Pages > 0)
            QCOMPARE(Texts.size(), R.Pages);
        QVERIFY(Texts.first().contains(QString::fromUtf8(R.Title)));
        for (const QString &Page : Texts)
            QVERIFY(Page.contains(QString::fromUtf8(R.Title).section(' ', 0, 0)));
        const QString All = Texts.join(' ');
        int At = -1, OnFirst = 0;
        for (int I = 1; R.Each && I <= R.Values; ++I) {
            const int Number = R.Marks[1] ? 999 + I : I;
            const QRegularExpression Text(QStringLiteral("\\b%1\\b").arg(R.Each).arg(Number));
            QCOMPARE(All.count(Text), 1);
            QVERIFY(All.indexOf(Text) > At);
            At = int(All.indexOf(Text));
            OnFirst += Texts.first().contains(Text);
        }
        // Every page but the last is full.
        if (R.Each)
            QCOMPARE(Texts.size(), (R.Values + OnFirst - 1) / OnFirst);
        if (QLatin1String(R.Item) != QLatin1String("PrintFrekvensgraf"))
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
