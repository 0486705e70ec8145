#include "Series.h"

#include "CellText.h"
#include "DrawKind.h"

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

TBeskrivKind ParseKindName(const QString &Text)
{
    static const struct {
        const char *Name;
        TBeskrivKind Kind;
    } Names[] = {
        {"tabel", bkTabel},
        {"maerketal", bkMaerketal},
        {"hyppighedsgraf", bkHyppighedsgraf},
        {"frekvensgraf", bkFrekvensgraf},
        {"sumfrekvensgraf", bkSumfrekvensgraf},
        {"cirkeldiagram", bkCirkeldiagram},
    };
    for (const auto &K : Names)
        if (Text == QLatin1String(K.Name))
            return K.Kind;
    return bkIngen;
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
    return D.HasClassFault() && Kind != bkTabel ? QStringLiteral("Fejl i intervaller") : QString();
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
