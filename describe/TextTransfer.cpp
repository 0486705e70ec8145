#include "TextTransfer.h"

#include "Cp1252.h"
#include "KeyFigures.h"
#include "TypedCell.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <thread>
#include <cmath>

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');
const QChar Cr = QLatin1Char('\r');

// Description numbers: the fixed-point text of the tables and key figures.
QString Fixed(Extended V, int Decimals)
{
    return FigureText(V, Decimals);
}

QString TitleLine(const tDescriptor &D)
{
    return D.GetTitle().isEmpty() ? QString() : D.GetTitle() + CrLf;
}

void KeyLine(QString &S, const QString &Label, const QString &Value)
{
    S += Label + Tab + Value + CrLf;
}

bool EndsToken(QChar C, bool FromFile)
{
    return C == Tab || C == Cr || (FromFile && C == QLatin1Char(';'));
}

// Feeds every token of a column or line text to Handle(index, token, rest);
// rest is true for a token left at the end without a separator after it,
// which is always a value, never a name.
template <typename Fn> void ForEachToken(const QString &Text, bool FromFile, Fn Handle)
{
    QString Token;
    int Index = 0;
    for (QChar C : Text) {
        if (EndsToken(C, FromFile)) {
            Handle(Index++, Token, false);
            Token.clear();
        } else if (C.unicode() >= 32) {
            Token += C;
        }
    }
    if (!Token.isEmpty())
        Handle(Index, Token, true);
}

bool IsName(const QString &Token)
{
    return Token.isEmpty() || ContainsLetter(Token);
}

// Digits after the decimal mark of a number text (at most 9), so that a
// pasted 2,5 does not show as 3 in a column with no decimals; -1 without a
// mark. The same rule as typing into a cell.
int TypedDecimals(const QString &Token)
{
    const qsizetype Mark =
        std::max(Token.lastIndexOf(QLatin1Char('.')), Token.lastIndexOf(QLatin1Char(',')));
    if (Mark < 0)
        return -1;
    return int(std::min<qsizetype>(Token.size() - Mark - 1, 9));
}

// Whether a stored value shows in full with D decimals: its 15 significant
// digits (all a spreadsheet keeps) end at or before the D-th decimal, so that
// a spreadsheet's 0.30000000000000004 shows as 0,3 and its 1.52 as 1,52.
bool ShowsWithDecimals(Extended Value, int D)
{
    static const double Scale[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double S = std::fabs(double(Value)) * Scale[D];
    return std::fabs(S - std::nearbyint(S)) <= S * 1e-14;
}

// The decimals D raised so that a number read from Token shows: a typed
// number's own decimals; a stored value's fewest (at most 9) that show it.
int RaisedDecimals(int D, Extended V, const QString &Token, bool Stored)
{
    if (Stored) {
        if (D >= 9 || ShowsWithDecimals(V, std::max(D, 0)))
            return D;
        while (++D < 9 && !ShowsWithDecimals(V, D)) {
        }
        return D;
    }
    return std::max(D, TypedDecimals(Token));
}

void SetObsCell(tLumen &Lumen, int Line, int Col, const QString &Token, bool Stored = false)
{
    Lumen.SetCellText(Line, Col, Token);
    TCellState St = csEmpty;
    const Extended V = Lumen.GetCellValue(Line, Col, St);
    if (St != csNumber)
        return;
    const int D = Lumen.GetDecimals(Col);
    const int Raised = RaisedDecimals(D, V, Token, Stored);
    if (Raised != D)
        Lumen.SetDecimals(Col, Raised);
}

// Data column C of a sheet from field Left + C of the rows from Top on, as
// SetObsCell fills it cell by cell; Decimals raised as it raises them.
// Touches nothing but the column's cells, so columns can be filled at once.
void FillColumn(tLumen &Lumen, const tSheet &Sheet, int C, int Top, int Left, int &Decimals)
{
    const int F = Left + C;
    int End = Sheet.Rows.size();
    while (End > Top && (Sheet.Rows[End - 1].size() <= F || Sheet.Rows[End - 1][F].isEmpty()))
        --End;
    QVector<tCell> &Cells = Lumen.Cols[size_t(C)].Cells;
    Cells.clear();
    if (End <= Top)
        return;
    Cells.resize(End - Top);
    for (int R = Top; R < End; ++R) {
        const QStringList &Row = Sheet.Rows[R];
        if (F >= Row.size() || Row[F].isEmpty())
            continue;
        tCell &Cell = Cells[R - Top];
        Cell = CellOfText(Row[F]);
        if (Cell.State == csNumber)
            Decimals = RaisedDecimals(Decimals, Cell.Value, Row[F], Sheet.StoredNumbers);
    }
    // "-" on the last rows leaves them empty: none trails.
    while (!Cells.isEmpty() && Cells.last().State == csEmpty)
        Cells.removeLast();
}

} // namespace

// ---------------------------------------------------------------- writers

QString ColumnText(const tLumen &Lumen, int Col)
{
    QString S = Lumen.GetColName(Col) + CrLf;
    const int N = Lumen.CellCount(Col);
    for (int Line = 0; Line < N; ++Line)
        S += Lumen.GetCellText(Line, Col) + CrLf;
    return S;
}

QString LineText(const tLumen &Lumen, int Line)
{
    QString S = Lumen.GetLineName(Line) + CrLf;
    int Last = -1;
    for (int C = 0; C < ObsColumns; ++C)
        if (Lumen.CellCount(C) > Line)
            Last = C;
    for (int C = 0; C <= Last; ++C)
        S += Lumen.GetCellText(Line, C) + CrLf;
    return S;
}

QString SheetText(const tLumen &Lumen, bool WithNames, const QString &RowEnd)
{
    const int Cols = Lumen.UsedColumns();
    const int Lines = Lumen.MaxLines();
    QString S;
    if (WithNames) {
        S += Tab;
        for (int C = 0; C < Cols; ++C) {
            S += Lumen.GetColName(C);
            S += C + 1 < Cols ? Tab : RowEnd;
        }
        // No column in use: the name row still ends.
        if (Cols == 0)
            S += RowEnd;
    }
    for (int Line = 0; Line < Lines; ++Line) {
        if (WithNames)
            S += Lumen.GetLineName(Line) + Tab;
        for (int C = 0; C < Cols; ++C) {
            S += Lumen.GetCellText(Line, C);
            S += C + 1 < Cols ? Tab : RowEnd;
        }
    }
    return S;
}

QString HypColumnText(const tLumen &Lumen, int Col)
{
    QString S = Lumen.GetHypName(Col) + CrLf;
    const int N = Lumen.HypCellCount(Col);
    QString Obs, Freq;
    TCellState St;
    for (int Line = 0; Line < N; ++Line) {
        Lumen.GetHypObsText(Line, Col, Obs, St);
        Lumen.GetHypFreqText(Line, Col, Freq, St);
        S += Obs + Tab + Freq + CrLf;
    }
    return S;
}

QString GrupColumnText(const tLumen &Lumen, int Col)
{
    QString S = Lumen.GetGrupName(Col) + CrLf;
    const int N = Lumen.GrupCellCount(Col);
    QString Lo, Hi, Freq;
    TCellState St;
    for (int Line = 0; Line < N; ++Line) {
        Lumen.GetGrupLowText(Line, Col, Lo, St);
        Lumen.GetGrupHighText(Line, Col, Hi, St);
        Lumen.GetGrupFreqText(Line, Col, Freq, St);
        S += Lo + Tab + Hi + Tab + Freq + CrLf;
    }
    return S;
}

QString UngroupedTableText(const tDescriptor &D)
{
    const int d = D.GetDecimals();
    QString S = TitleLine(D);
    S += QStringLiteral("Observation\th\tH\tf\tF") + CrLf;
    for (const TFreqRecord &R : D.GetSeries(0).List) {
        S += Fixed(R.Value, d) + Tab + QString::number(R.h) + Tab + QString::number(R.H) + Tab +
             Fixed(R.f, 3) + Tab + Fixed(R.F, 3) + CrLf;
    }
    return S;
}

QString GroupedTableText(const tDescriptor &D)
{
    const int d = D.GetDecimals();
    QString S = TitleLine(D);
    S += QStringLiteral("Nedre\tØvre\tMidt-") + CrLf;
    S += QStringLiteral("grænse\tgrænse\tpunkt\th\tH\tf\tF") + CrLf;
    for (const TFreqRecord &R : D.GetSeries(0).List) {
        S += Fixed(R.Lower, d) + Tab + Fixed(R.Upper, d) + Tab + Fixed(R.Value, d + 2) + Tab +
             QString::number(R.h) + Tab + QString::number(R.H) + Tab + Fixed(R.f, 3) + Tab +
             Fixed(R.F, 3) + CrLf;
    }
    return S;
}

QString UngroupedKeyFiguresText(const tDescriptor &D)
{
    const int d = D.GetDecimals();
    QString S = TitleLine(D);
    Extended Mode = 0;
    const bool ModeUnique = D.Mode(Mode);
    KeyLine(S, QStringLiteral("Antal observationer"), QString::number(D.N()));
    KeyLine(S, QStringLiteral("Mindsteværdi"), Fixed(D.Min(), d));
    KeyLine(S, QStringLiteral("Størsteværdi"), Fixed(D.Max(), d));
    KeyLine(S, QStringLiteral("Variationsbredde"), Fixed(D.Range(), d));
    KeyLine(S, QStringLiteral("Typetal"), ModeUnique ? Fixed(Mode, d) : QString());
    KeyLine(S, QStringLiteral("Nedre kvartil"), Fixed(D.LowerQuartile(), d + 2));
    KeyLine(S, QStringLiteral("Median"), Fixed(D.Median(), d + 2));
    KeyLine(S, QStringLiteral("Øvre kvartil"), Fixed(D.UpperQuartile(), d + 2));
    KeyLine(S, QStringLiteral("Middeltal"), Fixed(D.Mean(), d + 2));
    KeyLine(S, QStringLiteral("Varians"), Fixed(D.Variance(), d + 2));
    KeyLine(S, QStringLiteral("Standardafvigelse"), Fixed(D.StdDev(), d + 2));
    return S;
}

QString GroupedKeyFiguresText(const tDescriptor &D)
{
    const int d = D.GetDecimals();
    QString S = TitleLine(D);
    Extended Lo = 0, Hi = 0;
    const bool Unique = D.ModalClass(Lo, Hi);
    KeyLine(S, QStringLiteral("Antal observationer"), QString::number(D.N()));
    KeyLine(S, QStringLiteral("Variationsbredde"), Fixed(D.Range(), d));
    KeyLine(S, QStringLiteral("Typeinterval"),
            Unique ? Fixed(Lo, d) + QStringLiteral(" - ") + Fixed(Hi, d) : QString());
    KeyLine(S, QStringLiteral("Nedre kvartil"), Fixed(D.LowerQuartile(), d + 2));
    KeyLine(S, QStringLiteral("Median"), Fixed(D.Median(), d + 2));
    KeyLine(S, QStringLiteral("Øvre kvartil"), Fixed(D.UpperQuartile(), d + 2));
    KeyLine(S, QStringLiteral("Middeltal"), Fixed(D.Mean(), d + 2));
    KeyLine(S, QStringLiteral("Varians"), Fixed(D.Variance(), d + 2));
    KeyLine(S, QStringLiteral("Standardafvigelse"), Fixed(D.StdDev(), d + 2));
    return S;
}

QString TableText(const tDescriptor &D)
{
    return D.IsGrouped() ? GroupedTableText(D) : UngroupedTableText(D);
}

QString KeyFiguresText(const tDescriptor &D)
{
    return D.IsGrouped() ? GroupedKeyFiguresText(D) : UngroupedKeyFiguresText(D);
}

// ---------------------------------------------------------------- readers

bool ContainsLetter(const QString &Token)
{
    for (QChar C : Token)
        if (C.isLetter())
            return true;
    return false;
}

QStringList TextTokens(const QString &Text, bool FromFile)
{
    QStringList Out;
    ForEachToken(Text, FromFile, [&Out](int, const QString &T, bool) { Out.append(T); });
    return Out;
}

void PasteColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile)
{
    Lumen.InsertColumn(Col);
    int Line = 0;
    ForEachToken(Text, FromFile, [&](int Index, const QString &T, bool Rest) {
        if (Index == 0 && !Rest && IsName(T))
            Lumen.SetColName(Col, T);
        else
            SetObsCell(Lumen, Line++, Col, T);
    });
}

void PasteLine(tLumen &Lumen, int Line, const QString &Text, bool FromFile)
{
    Lumen.InsertLine(Line);
    int Col = 0;
    ForEachToken(Text, FromFile, [&](int Index, const QString &T, bool Rest) {
        if (Index == 0 && !Rest && IsName(T))
            Lumen.SetLineName(Line, T);
        else if (Col < ObsColumns)
            SetObsCell(Lumen, Line, Col++, T);
    });
}

void PasteHypColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile)
{
    Lumen.InsertHypColumn(Col);
    int Value = 0;
    ForEachToken(Text, FromFile, [&](int Index, const QString &T, bool Rest) {
        if (Index == 0 && !Rest && IsName(T)) {
            Lumen.SetHypName(Col, T);
            return;
        }
        if (Value % 2 == 0) {
            Lumen.SetHypObsText(Value / 2, Col, T);
            QString Shown;
            TCellState St;
            Lumen.GetHypObsText(Value / 2, Col, Shown, St);
            if (St == csNumber && TypedDecimals(T) > Lumen.GetHypDecimals(Col))
                Lumen.SetHypDecimals(Col, TypedDecimals(T));
        } else
            Lumen.SetHypFreqText(Value / 2, Col, T);
        ++Value;
    });
}

void PasteGrupColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile)
{
    Lumen.InsertGrupColumn(Col);
    int Value = 0;
    ForEachToken(Text, FromFile, [&](int Index, const QString &T, bool Rest) {
        if (Index == 0 && !Rest && IsName(T)) {
            Lumen.SetGrupName(Col, T);
            return;
        }
        QString Shown;
        TCellState St = csEmpty;
        switch (Value % 3) {
        case 0:
            Lumen.SetGrupLowText(Value / 3, Col, T);
            Lumen.GetGrupLowText(Value / 3, Col, Shown, St);
            break;
        case 1:
            Lumen.SetGrupHighText(Value / 3, Col, T);
            Lumen.GetGrupHighText(Value / 3, Col, Shown, St);
            break;
        default:
            Lumen.SetGrupFreqText(Value / 3, Col, T);
            break;
        }
        if (St == csNumber && TypedDecimals(T) > Lumen.GetGrupDecimals(Col))
            Lumen.SetGrupDecimals(Col, TypedDecimals(T));
        ++Value;
    });
}

bool ReadSheet(const QString &Text, bool FromFile, tSheet &Sheet)
{
    Sheet = tSheet();
    QStringList Row;
    QString Token;
    auto EndRow = [&] {
        if (Sheet.Rows.isEmpty())
            Sheet.Columns = int(Row.size());
        else if (Row.size() != Sheet.Columns) {
            Sheet.FaultRow = int(Sheet.Rows.size()) + 1;
            Sheet.FaultFields = int(Row.size());
            return false;
        }
        Sheet.Rows.append(Row);
        Row.clear();
        return true;
    };
    for (QChar C : Text) {
        if (EndsToken(C, FromFile)) {
            Row.append(Token);
            Token.clear();
            if (C == Cr && !EndRow())
                return false;
        } else if (C.unicode() >= 32) {
            Token += C;
        }
    }
    // A last row without a line end still counts.
    if (!Token.isEmpty() || !Row.isEmpty()) {
        Row.append(Token);
        if (!EndRow())
            return false;
    }
    if (Sheet.Columns * Sheet.Rows.size() <= 0)
        return false;
    FindSheetNames(Sheet);
    return true;
}

void FindSheetNames(tSheet &Sheet)
{
    Sheet.HeaderRow = !Sheet.Rows.isEmpty();
    if (Sheet.HeaderRow)
        for (const QString &T : Sheet.Rows.first())
            if (!T.isEmpty() && !ContainsLetter(T))
                Sheet.HeaderRow = false;
    Sheet.NameColumn = !Sheet.Rows.isEmpty();
    for (const QStringList &R : Sheet.Rows)
        if (!R.isEmpty() && !R.first().isEmpty() && !ContainsLetter(R.first()))
            Sheet.NameColumn = false;
}

bool SheetColumnsCut(const tSheet &Sheet)
{
    return Sheet.Columns - (Sheet.NameColumn ? 1 : 0) > ObsColumns;
}

bool PasteSheet(tLumen &Lumen, const QString &Text, bool FromFile, QString *Fault)
{
    tSheet Sheet;
    if (!ReadSheet(Text, FromFile, Sheet)) {
        if (Fault)
            *Fault = SheetFaultText(Sheet);
        return false;
    }
    Lumen.SaveUndo(uoInsertSheet);
    FillSheet(Lumen, Sheet);
    return true;
}

void FillSheet(tLumen &Lumen, const tSheet &Sheet)
{
    for (int C = 0; C < ObsColumns; ++C)
        Lumen.ClearColumn(C);
    Lumen.ClearLineNames();
    Lumen.SetModified();

    const int Top = Sheet.HeaderRow ? 1 : 0;
    const int Left = Sheet.NameColumn ? 1 : 0;
    if (Sheet.HeaderRow) {
        const QStringList &Names = Sheet.Rows.first();
        for (int C = Left; C < Names.size(); ++C)
            Lumen.SetColName(C - Left, Names[C]);
    }
    if (Sheet.NameColumn)
        for (int R = Top; R < Sheet.Rows.size(); ++R)
            if (!Sheet.Rows[R].isEmpty())
                Lumen.SetLineName(R - Top, Sheet.Rows[R].first());
    // The columns in two halves at once when the sheet is large.
    int Used = 0;
    for (const QStringList &Row : Sheet.Rows)
        Used = std::max<int>(Used, std::min<int>(Row.size() - Left, ObsColumns));
    std::array<int, ObsColumns> Decimals{};
    for (int C = 0; C < Used; ++C)
        Decimals[size_t(C)] = Lumen.GetDecimals(C);
    auto Fill = [&](int From, int To) {
        for (int C = From; C < To; ++C)
            FillColumn(Lumen, Sheet, C, Top, Left, Decimals[size_t(C)]);
    };
    const int Half = Used / 2;
    if (qint64(Sheet.Rows.size()) * Used >= 50000) {
        std::thread Other(Fill, Half, Used);
        Fill(0, Half);
        Other.join();
    } else
        Fill(0, Used);
    for (int C = 0; C < Used; ++C)
        if (Decimals[size_t(C)] != Lumen.GetDecimals(C))
            Lumen.SetDecimals(C, Decimals[size_t(C)]);
}

int PasteCells(tLumen &Lumen, int Line, int Col, const QString &Text)
{
    if (Line < 0 || Col < 0)
        return 0;
    QString Plain = Text;
    Plain.remove(QLatin1Char('\n'));
    QStringList Rows = Plain.split(Cr);
    if (Rows.size() > 1 && Rows.last().isEmpty())
        Rows.removeLast(); // the line end of the last row
    int Written = 0;
    for (int R = 0; R < Rows.size(); ++R) {
        const QStringList Fields = Rows[R].split(Tab);
        for (int F = 0; F < Fields.size(); ++F) {
            const int C = Col + F;
            if (C >= ObsColumns)
                break;
            if (Lumen.IsComputed(C) || Lumen.GetRandomCount(C) > 0)
                continue;
            QString Token;
            for (QChar Ch : Fields[F])
                if (Ch.unicode() >= 32)
                    Token += Ch;
            SetObsCell(Lumen, Line + R, C, Token.trimmed());
            ++Written;
        }
    }
    return Written;
}

// ---------------------------------------------------------------- files

QString DecodeTextFile(const QByteArray &Bytes)
{
    QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString Text = Utf8.decode(Bytes);
    if (Utf8.hasError())
        Text = FromCp1252(Bytes);
    else if (Text.startsWith(QChar(0xFEFF)))
        Text.remove(0, 1);
    return Text;
}

QString TextFileLines(const QByteArray &Bytes, bool DropEmptyLines)
{
    const QString Text = DecodeTextFile(Bytes);

    QString Out;
    Out.reserve(Text.size() + Text.size() / 8);
    QString Line;
    auto EndLine = [&] {
        if (!(DropEmptyLines && Line.isEmpty()))
            Out += Line + CrLf;
        Line.clear();
    };
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C == Cr) {
            if (I + 1 < Text.size() && Text[I + 1] == QLatin1Char('\n'))
                ++I;
            EndLine();
        } else if (C == QLatin1Char('\n')) {
            EndLine();
        } else {
            Line += C;
        }
    }
    if (!Line.isEmpty())
        EndLine();
    return Out;
}

bool ReadTextFile(const QString &FileName, bool DropEmptyLines, QString &Text)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly))
        return false;
    const QByteArray Bytes = F.readAll();
    if (F.error() != QFileDevice::NoError)
        return false;
    Text = TextFileLines(Bytes, DropEmptyLines);
    return true;
}

QString SheetFaultText(const tSheet &Sheet)
{
    auto Fields = [](int N) {
        return N == 1 ? QStringLiteral("1 felt") : QStringLiteral("%1 felter").arg(N);
    };
    if (Sheet.FaultRow > 0)
        return QStringLiteral("Teksten kan ikke bruges som talsæt: række %1 har %2, men den "
                              "første række har %3")
            .arg(Sheet.FaultRow)
            .arg(Fields(Sheet.FaultFields), Fields(Sheet.Columns));
    return QStringLiteral("Teksten kan ikke bruges som talsæt: den er tom");
}

QString NormaliseLineEnds(const QString &Text)
{
    QString Out;
    Out.reserve(Text.size() + Text.size() / 8);
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C == QLatin1Char('\n') && (I == 0 || Text[I - 1] != Cr))
            Out += Cr;
        Out += C;
    }
    return Out;
}
