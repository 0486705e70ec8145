// The observation editor's commands as a person uses them: column, line and
// sheet commands (mark, press a tool button or choose a menu item, undo
// twice), and the print and copy menus (enabling by the kind rule, pictures
// and texts on the clipboard, printing through the scripted dialogs to a PDF
// printer).
#include "sheet_text.h"
#include "support_host.h"
#include "support_pages.h"
#include "support_rows.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"
#include "TwoVar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{

// Marks "BCD" (columns) or "1,3" (lines) as clicks do: the first plain, the
// others with Ctrl.
void Mark(TDataEdit *E, const QString &Marks)
{
    const bool Lines = !Marks.isEmpty() && Marks[0].isDigit();
    const QStringList Items =
        Marks.split(Lines ? QStringLiteral(",") : QString(), Qt::SkipEmptyParts);
    for (int I = 0; I < Items.size(); ++I) {
        const Qt::KeyboardModifiers Mods = I > 0 ? Qt::ControlModifier : Qt::NoModifier;
        if (Lines)
            E->MarkLine(Items[I].toInt(), Mods);
        else
            E->MarkColumn(ColIndex(Items[I][0]), Mods);
    }
}

// A tool button (name ends in "Speed") or a menu item, as a click does.
void Use(TDataEdit *E, const QString &Name)
{
    if (Name.endsWith(QLatin1String("Speed")))
        E->ToolButton(Name)->click();
    else
        E->MenuItem(Name)->trigger();
}

QString UndoText(TDataEdit *E)
{
    E->UpdateButtons();
    return E->MenuItem(QStringLiteral("RedigerFortryd"))->text();
}

// Setup: entries as in sheet_text.h, split at blanks. In: the clipboard
// before (for imports the file, see Give). Expected: the sheet after (null:
// nothing changes, no undo step). Word: the undo caption's. Message: the one
// shown, "title: text" (Ok: answered with OK). Out: the clipboard after.
// Decimals: column A's after, if given.
const char *const Refusal = "Fjern kolonne: Kolonne A er med i et regneudtryk og kan ikke fjernes";
const char *const ZRefusal =
    "Indsæt en tom kolonne: Kolonne Z er med i et regneudtryk og kan ikke fjernes";
const char *const Lost = "Erstat alt?: Det nuværende indhold mistes";
const struct {
    const char *Name, *Setup, *Marks, *Use, *In, *Expected, *Word;
    const char *Message = "", *Out = nullptr;
    bool Ok = true;
    int Decimals = -1;
} Rows[] = {
    // clang-format off
    {"cut column", "A=1 B=2 C=3 D:C*2", "B", "CutSpeed", "", "A=1|B=3|C:B*2=6", "Klip", "",
     "\r\n2\r\n"},
    {"cut line", "A=1,2,3 B=4,5,6 #a,b,c", "1", "RedigerKlip", "", "A=1,3|B=4,6|#a,c", "Klip", "",
     "b\r\n2\r\n5\r\n"},
    {"paste a column, LF, point", "A=1 B=2 C:A+B", "B", "PasteSpeed", "Højde\n1.5\n2,5\n3",
     "A=1|B'Højde=1.5,2.5,3|C=2|D:A+C=3", "Indsæt"},
    {"paste a row, CR LF", "A=1,2 B=3,4", "1", "RedigerIndsaet", "7\t8,5\r\n", "A=1,7,2|B=3,8.5,4",
     "Indsæt"},
    {"a lone word pasted is a value", "A=1", "A", "PasteSpeed", "høj", "A=høj|B=1", "Indsæt"},
    {"clear columns", "A=1 B'n=2 C=3 D=4", "BD", "RedigerSlet", "", "A=1|C=3", "Slet"},
    {"insert empty line", "A=1,2 #a,b", "0", "RedigerTilfoej", "", "A=,1,2|#,a,b", "Tilføj"},
    {"insert loses Z", "A=1 B:A*2 D:Y+1 Z=9", "A", "RedigerTilfoej", "", "B=1|C:B*2=2|E:Z+1",
     "Tilføj"},
    {"insert refused while a formula reads Z", "A=1 D:Z+1 Z=9", "A", "RedigerTilfoej", "",
     nullptr, "", ZRefusal},
    {"paste refused while a formula reads Z", "A=1 D:Z+1 Z=9", "B", "PasteSpeed", "5", nullptr,
     "", "Indsæt kolonne: Kolonne Z er med i et regneudtryk og kan ikke fjernes"},
    {"import refused while a formula reads Z", "A=1 D:Z+1 Z=9", "B", "ImportSom", "", nullptr,
     "", "Importér tekstfil: Kolonne Z er med i et regneudtryk og kan ikke fjernes"},
    {"remove columns", "A=1 B=2 C=3 D=4 E=5 F:E*2", "BCD", "RedigerFjern", "", "A=1|B=5|C:B*2=10",
     "Fjern"},
    {"remove lines", "A=1,2,3,4", "0,2", "RedigerFjern", "", "A=2,4", "Fjern"},
    {"swap keeps letters", "A=1 B:A*2 C=5", "AC", "RedigerOmbyt", "", "A=5|B:A*2=10|C=1", "Ombyt"},
    {"swap lines past a short column", "A=1,2 B=1,2,3,4,5,6 C:A+B", "0,5", "RedigerOmbyt", "",
     "A=,2,,,,1|B=6,2,3,4,5,1|C:A+B=,4,,,,2", "Ombyt"},
    {"swap a line into a gap", "A=,5 B=1", "0,1", "RedigerOmbyt", "", "A=5|B=,1", "Ombyt"},
    {"sort column down", "A=1,3,2 B=5,6,7 #a,b,c", "A", "SortDownSpeed", "",
     "A=3,2,1|B=6,7,5|#b,c,a", "Sortér"},
    {"sort a line up, computed column follows", "A'x=5,1 B:A*2 C'z=3,7", "0", "SortUpSpeed", "",
     "A'z=3,7|B'x=5,1|C:A*2=6,14",
     "Sortér"},
    {"sort line names", "A=1,2,3 #b,c,a", "", "LinjeNavneFaldende", "", "A=2,1,3|#c,b,a", "Sortér"},
    {"clear all number cells", "A'H=1 B=2 #p", "B", "RedigerSletCeller", "", "A'H|#p", "Slet"},
    {"multiply", "A=1.5 B:A*2", "A", "Mul10Speed", "", "A=15|B:A*2=30", "Gang med 10", "", nullptr,
     true, 0},
    {"multiply: out of range stays", "A=9e4931,2.5", "A", "Mul10Speed", "", "A=9E4931,25",
     "Gang med 10"},
    {"divide: 15 digits, texts stay", "A=-25,123456789012345,x", "A", "SojleDivider", "",
     "A=-2.5,12345678901234.5,x", "Del med 10", "", nullptr, true, 1},
    {"more decimals: no undo step", "A=1.25", "A", "DeciPlusSpeed", "", nullptr, "", "", nullptr,
     true, 1},
    {"import into B, Z lost", "A=1 B=2 C:B*2 Y=8 Z=9", "B", "ImportSom", "Vægt\r\n60\n70,5",
     "A=1|B'Vægt=60,70.5|C=2|D:C*2=4|Z=8", "Indsæt"},
    {"import a line, ;, unended", "A=1,2 B=3,4", "1", "ImportSom", "Per;5;6.5",
     "A=1,5,2|B=3,6.5,4|#,Per", "Indsæt"},
    {"import a data set, empty lines left out", "A=1", "", "ImportSomData",
     "\tX;Y\r\n\r\np\t1;2\nq\t3;4\n", "A'X=1,3|B'Y=2,4|#p,q", "Indsæt ark", Lost},
    {"replace all from a spreadsheet sheet", "A=9", "", "ObsErstat",
     "\tX\tY\np\t1\t2,5\nq\t3\t4\n", "A'X=1,3|B'Y=2.5,4|#p,q", "Indsæt ark", Lost},
    {"remove a column a formula reads", "A=1 C:A*2", "A", "RedigerFjern", "", nullptr, "", Refusal},
    {"cut a column a formula reads", "A=1 C:A*2", "A", "CutSpeed", "", nullptr, "", Refusal},
    {"replace all cancelled", "A=1", "", "ObsErstat", "\tX\n1\t2\n", nullptr, "", Lost, nullptr,
     false},
    {"a sheet with ragged rows", "A=1", "", "ObsErstat", "1\t2\r3\r", nullptr, "", Lost},
    {"import cancelled", "A=1", "A", "ImportSom", "", nullptr, ""},
    {"import of a file that cannot be read", "A=1", "A", "ImportSom", "mangler.txt", nullptr, "",
     "Fejl: Kunne ikke læse mangler.txt"},
    {"import a data set, replacing refused", "A=1", "", "ImportSomData", "1;2\n", nullptr, "", Lost,
     nullptr, false},
    {"copy a computed column warns", "A=1 B:A*2", "B", "CopySpeed", "", nullptr, "",
     "Kopiering af beregnet kolonne: Bemærk: Det er de beregnede tal i cellerne, der bliver "
     "kopieret, ikke den formel der har frembragt tallene.", "\r\n2\r\n"},
    // clang-format on
};

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
// allowed (its shortcuts are the menus test's part).
const struct {
    const char *Name, *Marks, *Enabled;
} MenuRows[] = {
    {"nothing marked", "", ""},
    {"one column", "A",
     "Datapinde Datakurve Tabel Mærketal Hyppighedsgraf Frekvensgraf Sumfrekvensgraf "
     "Cirkeldiagram Boksplot Normalfordelingsplot"},
    {"two columns", "AB",
     "Datapinde Datakurve Mærketal Krydstabel Krydsdiagram Boksplot Regression Residualplot "
     "χ²-test"},
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
    const char *Name, *Item, *Marks, *Typed, *Title;
    int Values, Pages;
    bool PrintOk = true;
    const char *Each = nullptr;
} PrintRows[] = {
    // clang-format off
    {"long table", "PrintTabel", "A", "Klasse 7b", "Tabel - Klasse 7b", 150, 3},
    {"data sticks, paged", "PrintDatapinde", "A", "", "Datapinde", 150, 6, true, "Linje %1"},
    {"data curve, paged", "PrintDatagraf", "A", "", "Datagraf", 150, 6, true, "Linje %1"},
    {"cross table, columns across pages", "PrintKrydstabel", "AB", "", "Krydstabel", 90, 0, true,
     "%1"},
    {"graph inside the margins", "PrintFrekvensgraf", "A", "", "Frekvensgraf", 5, 1},
    {"data set", "PrintData", "A", "7b", "Datasæt - 7b", 5, 1},
    {"name cancelled", "PrintTabel", "A", "-", "", 5, 0},
    {"print cancelled", "PrintCirkeldiagram", "A", "x", "", 5, 0, false},
    {"empty data set", "PrintData", "A", "", "", 0, 0},
    // clang-format on
};

} // namespace

class TstCommands : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

    // Puts In on the clipboard, or for an import in the file dialog's
    // answers: a file holding In, or a name ending in ".txt" of no file.
    void Give(TEditorFixture &F, const char *Use, const QString &In)
    {
        if (!QLatin1String(Use).startsWith(QLatin1String("Import")))
            return QGuiApplication::clipboard()->setText(In);
        const bool Missing = In.endsWith(QLatin1String(".txt"));
        QFile Out(Dir.filePath(Missing ? In : QStringLiteral("data.txt")));
        if (!Missing && Out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Out.write(In.toUtf8());
        if (!In.isEmpty())
            F.Host.Script.FileNames.enqueue(Out.fileName());
    }

  private slots:
    void initTestCase() { InitEditorTest(); }

    void command_data() { AddRows(Rows); }
    void command()
    {
        const auto &R = CurrentRow(Rows);
        const QString Caption = QStringLiteral("Fortryd \"%1\"").arg(QString::fromUtf8(R.Word));
        TEditorFixture F;
        SetupSheet(F.L(), QString(R.Setup).split(' '));
        F.Edit->RepaintGrids();
        const QString Before = Sheet(F.L());
        const QString Expected = R.Expected ? QString::fromUtf8(R.Expected) : Before;
        Give(F, R.Use, QString::fromUtf8(R.In));
        if (R.Ok)
            F.Host.Script.Answers.enqueue(QMessageBox::Ok);
        Mark(F.Edit, R.Marks);
        const QVector<int32_t> MarksBefore = F.L().SelCols;
        QApplication::processEvents();
        Use(F.Edit, R.Use);
        QCOMPARE(Sheet(F.L()), Expected);
        QVERIFY(ScreenUpToDate(F.Edit));
        const auto Asked = F.Host.Script.LastAsked();
        QCOMPARE(Asked.Text.isEmpty() ? QString() : Asked.Title + ": " + Asked.Text,
                 QString::fromUtf8(R.Message));
        // A refused import asks for no file.
        if (QLatin1String(R.Use).startsWith(QLatin1String("Import")) &&
            !QLatin1String(R.Message).endsWith(QLatin1String("kan ikke fjernes"))) {
            QCOMPARE(F.Host.Script.FilesAsked.value(0).Caption, QStringLiteral("Import af tekst"));
            QVERIFY(!R.Expected || (!F.L().AnyColSelected() && !F.L().AnyLineSelected()));
        }
        if (R.Out)
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(R.Out));
        if (R.Decimals >= 0)
            QCOMPARE(F.L().GetDecimals(0), R.Decimals);
        if (!R.Expected) {
            QCOMPARE(F.L().SelCols, MarksBefore);
            QCOMPARE(F.L().GetUndoOp(), uint8_t(uoNone));
            return;
        }
        QCOMPARE(UndoText(F.Edit), Caption);
        F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->click();
        QCOMPARE(Sheet(F.L()), Before);
        QVERIFY(ScreenUpToDate(F.Edit));
        QVERIFY(!F.L().AnyColSelected() && !F.L().AnyLineSelected());
        QCOMPARE(UndoText(F.Edit), QStringLiteral("Fortryd \"Fortryd\""));
        Use(F.Edit, QStringLiteral("RedigerFortryd"));
        QCOMPARE(Sheet(F.L()), Expected);
        QCOMPARE(UndoText(F.Edit), Caption);
    }

    void enabling_data() { AddRows(MenuRows); }
    void enabling()
    {
        const auto &R = CurrentRow(MenuRows);
        TEditorFixture F;
        Fill(F, 5, R.Marks);
        for (const char *Name : {"DataEditUdskriv", "RedigerBeskriv"}) {
            QMenu *M = F.Edit->EditorMenuBar()->findChild<QMenu *>(Name);
            for (QAction *A : M->actions())
                A->setEnabled(A->data().isValid() && !A->isEnabled()); // opening must decide
            emit M->aboutToShow();
            QStringList Got;
            for (QAction *A : M->actions())
                if (A->data().isValid() && A->isEnabled())
                    Got << A->text();
            QCOMPARE(Got.join(' '), QString::fromUtf8(R.Enabled));
        }
    }

    void copyPictures_data() { AddRows(PictureRows); }
    void copyPictures()
    {
        const auto &R = CurrentRow(PictureRows);
        TEditorFixture F;
        F.Edit->resize(640, 480);
        Fill(F, 6, R.Marks);
        QAction *A = F.Edit->MenuItem(R.Item);
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
        F.Edit->MenuItem("KopierTabel")->trigger();
        QCOMPARE(C->text(), TableText(DescriptorOf(F.L())));
        F.Edit->MenuItem("Kopiermaerketal")->trigger();
        QCOMPARE(C->text(), KeyFiguresText(DescriptorOf(F.L())));
        F.Edit->MenuItem("Kopirmednavne1")->trigger();
        QCOMPARE(C->text(), SheetText(F.L(), true));
        Fill(F, 0, QStringLiteral("B")); // A and B
        F.Edit->MenuItem("Kopierkrydstabel")->trigger();
        QCOMPARE(C->text(), CrossTableText(F.L(), DescriptorOf(F.L())));
        F.Edit->MenuItem("Kopiermaerketal")->trigger();
        QCOMPARE(C->text(), PairKeyFiguresText(F.L(), DescriptorOf(F.L())));
        F.L().SetCellText(2, 1, QStringLiteral("x"));
        F.Edit->RefreshDescriptions();
        C->setText(QStringLiteral("før"));
        F.Edit->MenuItem("Kopiermaerketal")->trigger();
        F.Edit->MenuItem("Kopierkrydstabel")->trigger();
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
        F.Edit->MenuItem(R.Item)->trigger();
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

    // One print path: the program's Udskriv items (on its own printer, at
    // 1200 dpi) and lumentor-cli print (at 300 dpi) give the same pages with
    // the same words.
    void samePrintBothWays_data()
    {
        QTest::addColumn<QString>("Item");
        QTest::addColumn<QString>("Marks");
        QTest::addColumn<QString>("Cli");
        QTest::addColumn<int>("Values");
        QTest::newRow("table") << "PrintTabel" << "A" << "--col A --kind tabel" << 150;
        QTest::newRow("data sticks") << "PrintDatapinde" << "A" << "--col A --kind datapinde" << 150;
        QTest::newRow("cross table") << "PrintKrydstabel" << "AB"
                                     << "--col A --col B --kind krydstabel" << 90;
        QTest::newRow("data set") << "PrintData" << "A" << "--data" << 150;
    }
    void samePrintBothWays()
    {
        QFETCH(QString, Item);
        QFETCH(QString, Marks);
        QFETCH(QString, Cli);
        QFETCH(int, Values);
        if (!HavePoppler())
            QSKIP("poppler-utils are not installed");
        TEditorFixture F;
        Fill(F, Values, Marks);
        const QString File = Dir.filePath(QStringLiteral("both.lmt"));
        F.L().SaveToFile(File);
        QVERIFY(!F.L().WriteFailed());
        const QString Program = Dir.filePath(QStringLiteral("program.pdf"));
        const QString Script = Dir.filePath(QStringLiteral("script.pdf"));
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(Program);
        QCOMPARE(Printer.resolution(), 1200);
        QCOMPARE(Printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        F.Host.Script.PrintNames.enqueue(QStringLiteral("7b"));
        F.Host.Script.PrintAnswers.enqueue(true);
        F.Edit->MenuItem(Item)->trigger();
        QProcess P;
        P.start(QStringLiteral(LUMEN_CLI), QStringList{"print", File} + Cli.split(' ') +
                                               QStringList{"--name", "7b", "-o", Script});
        QVERIFY(P.waitForFinished(60000));
        QCOMPARE(P.exitCode(), 0);
        const int Pages = PdfPages(Program);
        QVERIFY(Pages >= 1);
        QCOMPARE(PdfPages(Script), Pages);
        const QStringList A = PdfTexts(Program), B = PdfTexts(Script);
        for (int Page = 0; Page < Pages; ++Page)
            QCOMPARE(A[Page].simplified(), B[Page].simplified());
    }
};

QTEST_MAIN(TstCommands)
#include "tst_commands.moc"
