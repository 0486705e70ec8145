// lumentor-cli info FILE.lmt: the whole content of a data file as plain text,
// one fact per line: a key, a tab, the value (or several values separated by
// tabs; a cell has its state, its shown text and its stored value). Texts are escaped so that every fact stays on its own line.
#include "Command.h"

#include "Lumen.h"
#include "NumberText.h"

namespace
{

QString Escaped(const QString &S)
{
    QString Out;
    Out.reserve(S.size());
    for (const QChar C : S) {
        switch (C.unicode()) {
        case '\\':
            Out += QLatin1String("\\\\");
            break;
        case '\n':
            Out += QLatin1String("\\n");
            break;
        case '\r':
            Out += QLatin1String("\\r");
            break;
        case '\t':
            Out += QLatin1String("\\t");
            break;
        default:
            if (C.unicode() < 0x20 || C.unicode() == 0x7F)
                Out += QStringLiteral("\\x%1").arg(C.unicode(), 2, 16, QChar('0'));
            else
                Out += C;
        }
    }
    return Out;
}

QString StateWord(uint8_t State)
{
    switch (State) {
    case csEmpty:
        return QStringLiteral("tom");
    case csNumber:
        return QStringLiteral("tal");
    case csText:
        return QStringLiteral("tekst");
    }
    return QStringLiteral("tilstand %1").arg(int(State));
}

QString DataTypeWord(int32_t Type)
{
    switch (Type) {
    case dtNone:
        return QStringLiteral("ingen");
    case dtObs:
        return QStringLiteral("observationer");
    case dtHyp:
        return QStringLiteral("hyppigheder");
    case dtGrup:
        return QStringLiteral("grupperinger");
    }
    return QStringLiteral("ukendt");
}

QString GroupKindWord(uint8_t Kind)
{
    switch (Kind) {
    case gkNone:
        return QStringLiteral("ingen");
    case gkAuto:
        return QStringLiteral("automatisk");
    case gkManual:
        return QStringLiteral("manuel");
    }
    return QStringLiteral("ukendt");
}

QString YesNo(bool B)
{
    return B ? QStringLiteral("ja") : QStringLiteral("nej");
}

void Fact(const QString &Key, const QString &Value)
{
    Out() << Key << '\t' << Value << '\n';
}

void Fact(const QString &Key, qint64 Value)
{
    Out() << Key << '\t' << Value << '\n';
}

// Settings numbers in the general form, so that nothing is hidden by a
// column's decimals.
void NumberFact(const QString &Key, Extended Value)
{
    Fact(Key, FormatGeneral(Value));
}

// A cell: its state, its text as the editor shows it (at the column's
// decimals) and, for a number, the value stored, in the general form.
void CellFact(const QString &Key, const QString &Text, TCellState State, Extended Value)
{
    Out() << Key << '\t' << StateWord(State) << '\t' << Escaped(Text) << '\t'
          << (State == csNumber ? FormatGeneral(Value) : QString()) << '\n';
}

bool HasContent(const tDataCol &C)
{
    return !C.Cells.isEmpty() || !C.Intervals.isEmpty() || !C.Name.isEmpty() ||
           !C.Comment.isEmpty() || !C.Formula.isEmpty() || !C.FormulaRefs.isEmpty() || C.Computed ||
           C.Decimals != 0 || C.RandomFrom != 0 || C.RandomTo != 0 || C.RandomCount != 0 ||
           C.RandomFlag != 0 || C.GroupKind != gkNone || C.FirstLower != 0 || C.FirstUpper != 0 ||
           C.Gap != 0 || C.GroupCount != 0;
}

template <typename Cell> bool HasContent(const tTableCol<Cell> &C)
{
    return !C.Cells.isEmpty() || !C.Name.isEmpty() || !C.Comment.isEmpty() || C.Decimals != 0;
}

void PrintObsColumn(const tLumen &L, int Col)
{
    const tDataCol &C = L.Cols[Col];
    const QString K = QStringLiteral("søjle %1 ").arg(ColLetter(Col));
    Fact(K + "navn", Escaped(C.Name));
    Fact(K + "kommentar", Escaped(C.Comment));
    Fact(K + "decimaler", qint64(C.Decimals));
    Fact(K + "formel", Escaped(C.Formula));
    Fact(K + "referencer", Escaped(C.FormulaRefs));
    Fact(K + "beregnet", YesNo(C.Computed));
    Fact(K + "tilfældig fra", qint64(C.RandomFrom));
    Fact(K + "tilfældig til", qint64(C.RandomTo));
    Fact(K + "tilfældig antal", qint64(C.RandomCount));
    Fact(K + "tilfældig valg", qint64(C.RandomFlag));
    Fact(K + "gruppering",
         QStringLiteral("%1\t%2").arg(int(C.GroupKind)).arg(GroupKindWord(C.GroupKind)));
    NumberFact(K + "første nedre", C.FirstLower);
    NumberFact(K + "første øvre", C.FirstUpper);
    NumberFact(K + "afstand", C.Gap);
    Fact(K + "antal grupper", qint64(C.GroupCount));
    Fact(K + "intervaller", C.Intervals.size());
    for (qsizetype I = 0; I < C.Intervals.size(); ++I)
        Fact(K + QStringLiteral("interval %1").arg(I + 1),
             FormatGeneral(C.Intervals[I].Lower) + '\t' + FormatGeneral(C.Intervals[I].Upper));
    Fact(K + "celler", C.Cells.size());
    for (int Line = 0; Line < C.Cells.size(); ++Line) {
        QString Text;
        TCellState State;
        L.GetCellText(Line, Col, Text, State);
        CellFact(K + QStringLiteral("linje %1").arg(Line + 1), Text, State, C.Cells[Line].Value);
    }
}

void PrintHypColumn(const tLumen &L, int Col)
{
    const tHypCol &C = L.HypCols[Col];
    const QString K = QStringLiteral("hyppighed %1 ").arg(Col + 1);
    Fact(K + "navn", Escaped(C.Name));
    Fact(K + "kommentar", Escaped(C.Comment));
    Fact(K + "decimaler", qint64(C.Decimals));
    Fact(K + "celler", C.Cells.size());
    for (int Line = 0; Line < C.Cells.size(); ++Line) {
        const QString LK = K + QStringLiteral("linje %1 ").arg(Line + 1);
        QString Text;
        TCellState State;
        L.GetHypObsText(Line, Col, Text, State);
        const tHypCell &Cell = C.Cells[Line];
        CellFact(LK + "observation", Text, State, Cell.ObsValue);
        L.GetHypFreqText(Line, Col, Text, State);
        CellFact(LK + "hyppighed", Text, State, Cell.Freq);
    }
}

void PrintGrupColumn(const tLumen &L, int Col)
{
    const tGrupCol &C = L.GrupCols[Col];
    const QString K = QStringLiteral("gruppering %1 ").arg(Col + 1);
    Fact(K + "navn", Escaped(C.Name));
    Fact(K + "kommentar", Escaped(C.Comment));
    Fact(K + "decimaler", qint64(C.Decimals));
    Fact(K + "celler", C.Cells.size());
    for (int Line = 0; Line < C.Cells.size(); ++Line) {
        const QString LK = K + QStringLiteral("linje %1 ").arg(Line + 1);
        QString Text;
        TCellState State;
        L.GetGrupLowText(Line, Col, Text, State);
        const tGrupCell &Cell = C.Cells[Line];
        CellFact(LK + "nedre", Text, State, Cell.LowValue);
        L.GetGrupHighText(Line, Col, Text, State);
        CellFact(LK + "øvre", Text, State, Cell.HighValue);
        L.GetGrupFreqText(Line, Col, Text, State);
        CellFact(LK + "hyppighed", Text, State, Cell.Freq);
    }
}

int Info(const QStringList &Args)
{
    if (Args.size() != 1) {
        return UsageError("info");
    }
    const TDataType Saved = DataType;
    const auto L = tLumen::CreateFromFile(Args.first());
    const TDataType Type = DataType;
    DataType = Saved;
    if (L->ReadFailed()) {
        Err() << "Kunne ikke læse data\n";
        return 1;
    }
    Fact(QStringLiteral("datatype"), QStringLiteral("%1\t%2").arg(Type).arg(DataTypeWord(Type)));
    Fact(QStringLiteral("filversion"), qint64(L->FileVersion));
    Fact(QStringLiteral("tekst"), Escaped(L->Text));
    Fact(QStringLiteral("tekstvindue"),
         L->TextShown ? QStringLiteral("åbent") : QStringLiteral("lukket"));
    for (int Col = 0; Col < ObsColumns; ++Col)
        if (HasContent(L->Cols[Col]))
            PrintObsColumn(*L, Col);
    for (int Col = 0; Col < HypColumns; ++Col)
        if (HasContent(L->HypCols[Col]))
            PrintHypColumn(*L, Col);
    for (int Col = 0; Col < GrupColumns; ++Col)
        if (HasContent(L->GrupCols[Col]))
            PrintGrupColumn(*L, Col);
    Fact(QStringLiteral("linjenavne"), L->LineNames.size());
    for (qsizetype I = 0; I < L->LineNames.size(); ++I)
        Fact(QStringLiteral("linjenavn %1").arg(I + 1), Escaped(L->LineNames[I]));
    return 0;
}

CommandRegistrar R("info", &Info);

} // namespace
