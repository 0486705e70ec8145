#include "Series.h"
#include "Command.h"
#include "TwoVar.h"

#include "CellText.h"
#include "Command.h"
#include "DrawKind.h"
#include "Printing.h"
#include "ShapeFigures.h"

#include <algorithm>

namespace
{

bool Fail(QString &Error, int *ExitCode, int Code, const QString &Message)
{
    Error = Message;
    if (ExitCode)
        *ExitCode = Code;
    return false;
}

// A number from 1 to Max, as typed on the command line.
bool ReadIndex(const QString &Text, int Max, int &Index)
{
    bool Ok = false;
    const int N = Text.toInt(&Ok);
    if (!Ok || N < 1 || N > Max)
        return false;
    Index = N - 1;
    return true;
}

void AddSorted(QVector<int32_t> &List, int Index)
{
    if (!List.contains(Index)) {
        List.append(Index);
        std::sort(List.begin(), List.end());
    }
}

} // namespace

bool LoadSeries(const QStringList &Args, std::unique_ptr<tLumen> &Lumen, QString &Error,
                int *ExitCode)
{
    QString FileName;
    TDataType Type = dtNone;
    bool ByLine = false;
    QVector<int32_t> Marks;
    for (int I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        const bool IsSeries = A == QLatin1String("--col") || A == QLatin1String("--line") ||
                              A == QLatin1String("--hyp") || A == QLatin1String("--grup");
        if (IsSeries) {
            if (I + 1 >= Args.size())
                return Fail(Error, ExitCode, 2, QStringLiteral("Mangler værdi efter %1").arg(A));
            const QString V = Args[++I];
            TDataType T = dtObs;
            bool Line = false;
            int Index = -1;
            bool Ok = false;
            if (A == QLatin1String("--col")) {
                const QString L = V.toUpper();
                Ok = L.size() == 1 && L[0] >= QLatin1Char('A') && L[0] <= QLatin1Char('Z');
                Index = Ok ? ColIndex(L[0]) : -1;
            } else if (A == QLatin1String("--line")) {
                Line = true;
                Ok = ReadIndex(V, 1 << 30, Index);
            } else if (A == QLatin1String("--hyp")) {
                T = dtHyp;
                Ok = ReadIndex(V, HypColumns, Index);
            } else {
                T = dtGrup;
                Ok = ReadIndex(V, GrupColumns, Index);
            }
            if (!Ok)
                return Fail(Error, ExitCode, 2, QStringLiteral("Ugyldig serie: %1 %2").arg(A, V));
            if (Type != dtNone && (Type != T || ByLine != Line))
                return Fail(Error, ExitCode, 2,
                            QStringLiteral("Serierne skal være af samme slags"));
            Type = T;
            ByLine = Line;
            AddSorted(Marks, Index);
        } else if (FileName.isEmpty() && !A.startsWith(QLatin1String("--"))) {
            FileName = A;
        }
    }
    if (FileName.isEmpty() || Type == dtNone)
        return Fail(Error, ExitCode, 2, QStringLiteral("Brug: %1").arg(QLatin1String(SeriesUsage)));

    Lumen = tLumen::CreateFromFile(FileName);
    if (!Lumen || Lumen->ReadFailed())
        return Fail(Error, ExitCode, 1, QStringLiteral("Kunne ikke læse data"));

    DataType = Type;
    Lumen->SelCols.clear();
    Lumen->SelLines.clear();
    Lumen->SelHypCols.clear();
    Lumen->SelGrupCols.clear();
    switch (Type) {
    case dtObs:
        (ByLine ? Lumen->SelLines : Lumen->SelCols) = Marks;
        break;
    case dtHyp:
        Lumen->SelHypCols = Marks;
        break;
    default:
        Lumen->SelGrupCols = Marks;
        break;
    }

    tDescriptor &D = DescriptorOf(*Lumen);
    D.SetOwner(Type);
    D.MarkStale();
    D.Recompute(*Lumen);

    // Frequency rows with frequency 0 still give the table its entries; any
    // other series needs at least one number.
    const bool Empty = D.ListCount(0) == 0 || (Type == dtObs && D.N(0) == 0);
    if (Empty && D.HasClassFault())
        return Fail(Error, ExitCode, 1, QStringLiteral("Fejl i intervaller"));
    if (Empty)
        return Fail(Error, ExitCode, 1, QStringLiteral("Serien indeholder ingen tal"));
    return true;
}

namespace
{
struct tKindName {
    const char *Name;
    TBeskrivKind Kind;
};
// The one table of kinds by their command-line names.
const tKindName KindNames[] = {
    {"tabel", bkTabel},
    {"maerketal", bkMaerketal},
    {"hyppighedsgraf", bkHyppighedsgraf},
    {"frekvensgraf", bkFrekvensgraf},
    {"sumfrekvensgraf", bkSumfrekvensgraf},
    {"cirkeldiagram", bkCirkeldiagram},
    {"datapinde", bkDatapinde},
    {"datakurve", bkDatakurve},
    {"krydstabel", bkKrydstabel},
    {"krydsdiagram", bkKrydsdiagram},
    {"boksplot", bkBoksplot},
    {"histogram", bkHistogram},
    {"regression", bkRegression},
    {"residualplot", bkResidualplot},
    {"chitest", bkChiTest},
    {"normalfordelingsplot", bkNormalplot},
};
} // namespace

TBeskrivKind ParseKindName(const QString &Text)
{
    for (const auto &K : KindNames)
        if (Text == QLatin1String(K.Name))
            return K.Kind;
    return bkIngen;
}

bool TakesRegression(TBeskrivKind Kind)
{
    return Kind == bkKrydsdiagram || Kind == bkRegression || Kind == bkResidualplot;
}

int RegressionRefused()
{
    Err() << "--regression kan kun bruges med --kind krydsdiagram, regression eller "
             "residualplot\n";
    return 2;
}

QFont PaneFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(11);
    return F;
}

bool KindOffered(const tDescriptor &D, TBeskrivKind Kind, QString &Error)
{
    // Grouped data have no such limits.
    const bool GrupData = DataType == dtGrup;
    if (Kind == bkTabel && D.ListCount(0) > 1000 && !GrupData) {
        Error = QStringLiteral("Tabel (max. 1000 forskellige værdier)");
        return false;
    }
    if (Kind == bkCirkeldiagram && D.ListCount(0) > 16 && !GrupData) {
        Error = QStringLiteral("Cirkeldiagram (max. 16 forskellige værdier)");
        return false;
    }
    return true;
}

QString SeriesKindError(const tDescriptor &D, TBeskrivKind Kind)
{
    if (D.HasClassFault())
        return ClassFaultNotice();
    // Also numbers left outside an observation column's classes, and (the
    // histogram) a class without width.
    if (Kind == bkBoksplot)
        return BoxPlotRefusal(D);
    if (Kind == bkHistogram)
        return HistogramRefusal(D);
    return QString();
}

QString DescriptionNotice(const tLumen &L, const tDescriptor &D, TBeskrivKind Kind)
{
    // A test that cannot be made says why (faulty classes, unmatched pairs).
    if (Kind == bkChiTest) {
        if (D.HasClassFault())
            return SeriesKindError(D, Kind);
        return ChiTestFor(L, D, DataType).Error;
    }
    if (!IsTwoVariableKind(L, Kind))
        return SeriesKindError(D, Kind);
    const bool PairKind = Kind == bkKrydstabel || Kind == bkKrydsdiagram || Kind == bkMaerketal ||
                          Kind == bkRegression || Kind == bkResidualplot;
    return PairKind && MarkedPairFaulty(L) ? QStringLiteral("Fejl i data-par") : QString();
}

void DrawSeriesKind(QPainter &P, const tDrawContext &C, tDescriptor &D, TBeskrivKind Kind)
{
    const QString Error = SeriesKindError(D, Kind);
    if (!Error.isEmpty()) {
        DrawErrorNotice(P, Error);
        return;
    }
    DrawOneVariableKind(P, C, D, Kind, D.IsGrouped());
}

void DrawKind(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
              TBeskrivKind Kind, bool Regression, int Model)
{
    tTwoVarOptions O;
    O.LineNameWidth = LineNameWidth;
    O.Regression = Regression;
    O.Model = Model;
    if (DrawTwoVariableKind(P, C, L, D, Kind, O))
        return;
    // Goodness of fit of frequency columns.
    if (Kind == bkChiTest) {
        DrawChiTest(P, C, L, D, ChiTestFor(L, D, DataType), LineNameWidth);
        return;
    }
    DrawSeriesKind(P, C, D, Kind);
}

bool ReadModelOption(const QString &Name, TBeskrivKind Kind, bool Regression, int &Model)
{
    Model = rmLineaer;
    if (Name.isNull())
        return true;
    Model = ModelOfCommandName(Name);
    if (Model < 0) {
        Err() << "Ukendt model: " << Name << " (lineaer, eksponentiel eller potens)\n";
        return false;
    }
    const bool Used = Kind == bkRegression || Kind == bkResidualplot ||
                      (Kind == bkKrydsdiagram && Regression);
    if (!Used) {
        Err() << "--model bruges med --kind regression, --kind residualplot eller "
                 "--kind krydsdiagram --regression\n";
        return false;
    }
    return true;
}

QString ShapeRefusal(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D)
{
    // The kind lists' rules: boxes for one to six observation columns or one
    // line, or the one marked frequency or grouped column; a histogram for
    // one grouped column.
    const int Cols = L.SelColCount();
    const int Marked =
        DataType == dtObs ? Cols + L.SelLineCount()
                          : (DataType == dtHyp ? L.SelHypColCount() : L.SelGrupColCount());
    if (Kind == bkBoksplot) {
        if (Cols > MaxSeries)
            return QStringLiteral("Højst 6 serier");
        if (Marked > 1 && !(DataType == dtObs && Cols > 1))
            return QStringLiteral("Boksplot tegnes for én linje eller kolonne ad gangen");
        for (int I = 0; I < D.SeriesCount(); ++I)
            if (D.N(I) <= 0)
                return QStringLiteral("Serien indeholder ingen tal");
        return QString();
    }
    if (Marked != 1 || !D.IsGrouped())
        return QStringLiteral("Histogram kræver én grupperet kolonne");
    if (D.N(0) <= 0)
        return QStringLiteral("Serien indeholder ingen tal");
    return QString();
}

QString PairRefusal(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D)
{
    const int Cols = L.SelColCount();
    const bool FirstGrouped = Cols > 0 && L.IsGrouped(L.SelCol(0));
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve:
        if (Cols > MaxSeries || L.SelLineCount() > MaxSeries)
            return QStringLiteral("Højst 6 serier");
        if (FirstGrouped)
            return QStringLiteral("Den første kolonne er grupperet");
        if (!L.PastSelectionEnd(1000))
            return QString::fromUtf8(Kind == bkDatapinde ? "Datapinde (max. 1000)"
                                                         : "Datakurve (max. 1000)");
        return QString();
    case bkKrydstabel:
    case bkKrydsdiagram:
    case bkRegression:
    case bkResidualplot:
        if (Cols != 2)
            return QStringLiteral("Angiv to kolonner med --col");
        if (D.ListCount(1) == 0)
            return QStringLiteral("Serien indeholder ingen tal");
        if (Kind != bkKrydstabel && (FirstGrouped || L.IsGrouped(L.SelCol(1))))
            return KindPrintTitle(Kind) + QStringLiteral(" kræver ugrupperede kolonner");
        if (FirstGrouped != L.IsGrouped(L.SelCol(1)))
            return QStringLiteral("Begge kolonner skal være grupperede, eller ingen af dem");
        if (Kind == bkKrydstabel && (D.ListCount(0) > 100 || D.ListCount(1) > 100))
            return QStringLiteral("Krydstabel (max. 100 x 100)");
        return QString();
    case bkChiTest:
        if (DataType == dtHyp)
            return L.SelHypColCount() <= 2 ? QString()
                                           : QStringLiteral("Angiv en eller to kolonner med --hyp");
        if (DataType != dtObs || Cols != 2)
            return QStringLiteral("Angiv to kolonner med --col, eller en eller to med --hyp");
        if (D.ListCount(1) == 0)
            return QStringLiteral("Serien indeholder ingen tal");
        if (FirstGrouped != L.IsGrouped(L.SelCol(1)))
            return QStringLiteral("Begge kolonner skal være grupperede, eller ingen af dem");
        if (D.ListCount(0) > 100 || D.ListCount(1) > 100)
            return QStringLiteral("Krydstabel (max. 100 x 100)");
        return QString();
    case bkBoksplot:
    case bkHistogram:
        return ShapeRefusal(Kind, L, D);
    case bkMaerketal:
        if (Cols == 2 && FirstGrouped != L.IsGrouped(L.SelCol(1)))
            return QStringLiteral("Begge kolonner skal være grupperede, eller ingen af dem");
        if (Cols == 2 && D.ListCount(1) == 0)
            return QStringLiteral("Serien indeholder ingen tal");
        return QString();
    default:
        return QString();
    }
}
