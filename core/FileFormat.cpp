// The data file: a magic, the data type, the 26 observation columns, the line
// names, the 8 frequency and 8 grouped columns and (version 2) the text, all
// little-endian, strings as a 32-bit length and Windows-1252 bytes.
//
// Reading goes through one bounded reader: every length and count is checked
// against the bytes actually left in the file before anything is allocated,
// so a damaged or hostile file fails quickly and never crashes or exhausts
// memory. Writing builds the new file beside the
// old one (QSaveFile) and replaces it only when the whole file was written.
#include "Cp1252.h"
#include "Lumen.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <bit>
#include <cfloat>
#include <cstring>
#include <limits>

// Numbers are stored as the 10 bytes of the x87 80-bit format, which is
// exactly the leading part of long double here.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended format");
static_assert(std::endian::native == std::endian::little, "the data file is little-endian");

namespace
{

constexpr qsizetype MagicSize = 13;
constexpr char MagicV1[] = "\x0cLumentor0001";
constexpr char MagicV2[] = "\x0cLumentor0002";
constexpr qsizetype ExtSize = 10;

// Smallest size on file of one record of each list, used to reject counts
// that the rest of the file cannot hold.
constexpr qsizetype IntervalSize = 2 * ExtSize;
constexpr qsizetype ObsCellMin = 1 + 4 + ExtSize;
constexpr qsizetype LineNameMin = 4;
constexpr qsizetype HypCellMin = 2 + 4 + 4 + ExtSize + 4;
constexpr qsizetype GrupCellMin = 3 + 4 + 4 + 2 * ExtSize + 4 + 4;

class tReader
{
  public:
    // Reads the rest of File. A regular file is read in pieces through one
    // buffer, with its size as the bound; any other device is read whole
    // first, since its size is only known at its end.
    explicit tReader(QFileDevice &File)
    {
        if (File.isSequential()) {
            Buf = File.readAll();
            Good = File.error() == QFileDevice::NoError;
            Left = Avail = Buf.size();
        } else {
            Dev = &File;
            Left = qMax<qint64>(0, File.size() - File.pos());
            Buf.resize(qMin<qint64>(Left, ChunkSize));
        }
        Cur = Buf.constData();
    }

    bool Ok() const { return Good; }

    uint8_t Byte()
    {
        const char *P = Take(1);
        return P ? static_cast<uint8_t>(*P) : 0;
    }

    int32_t Int()
    {
        int32_t V = 0;
        if (const char *P = Take(4))
            std::memcpy(&V, P, 4);
        return V;
    }

    Extended Ext()
    {
        Extended V = 0;
        if (const char *P = Take(ExtSize))
            std::memcpy(&V, P, ExtSize);
        return V;
    }

    // A length of zero or less is the empty string.
    QString Str()
    {
        const int32_t L = Int();
        if (L <= 0)
            return QString();
        const char *P = Take(L);
        return P ? FromCp1252(P, L) : QString();
    }

    // The count of a list whose records take at least MinSize bytes each. A
    // negative count is an empty list; a count the bytes left cannot hold
    // fails the read (and gives 0).
    qsizetype Count(qsizetype MinSize)
    {
        const int32_t N = Int();
        if (!Good || N <= 0)
            return 0;
        if (qsizetype(N) > Left / MinSize) {
            Good = false;
            return 0;
        }
        return N;
    }

  private:
    static constexpr qsizetype ChunkSize = 1 << 20;

    const char *Take(qsizetype N)
    {
        if (!Good || N > Left || (N > Avail && !Fill(N))) {
            Good = false;
            return nullptr;
        }
        const char *P = Cur;
        Cur += N;
        Avail -= N;
        Left -= N;
        return P;
    }

    // Makes N bytes (no more than are left) lie together at Cur. A string
    // longer than the buffer grows it, within the file's size.
    bool Fill(qsizetype N)
    {
        if (!Dev)
            return false;
        const qsizetype Start = Cur - Buf.constData();
        if (N > Buf.size()) {
            std::memmove(Buf.data(), Buf.constData() + Start, Avail);
            Buf.resize(N);
        } else if (Start > 0) {
            std::memmove(Buf.data(), Buf.constData() + Start, Avail);
        }
        Cur = Buf.constData();
        const qsizetype Want = qMin<qsizetype>(Buf.size(), Left);
        while (Avail < N) {
            const qint64 Got = Dev->read(Buf.data() + Avail, Want - Avail);
            if (Got <= 0)
                return false;
            Avail += Got;
        }
        return true;
    }

    QFileDevice *Dev = nullptr;
    QByteArray Buf;
    const char *Cur = nullptr;
    qsizetype Avail = 0; // bytes at Cur
    qint64 Left = 0;     // bytes at Cur and still in the file
    bool Good = true;
};

void ReadObsColumn(tReader &R, tDataCol &C, int32_t Version)
{
    C.Reserved = R.Byte();
    C.Comment = R.Str();
    C.Formula = R.Str();
    C.FormulaRefs = R.Str();
    C.Name = R.Str();
    C.Computed = R.Byte() != 0;
    C.Decimals = R.Int();
    C.RandomFrom = R.Int();
    C.RandomTo = R.Int();
    C.RandomCount = R.Int();
    if (Version >= 2)
        C.RandomFlag = R.Byte();
    C.GroupKind = R.Byte();
    C.FirstLower = R.Ext();
    C.FirstUpper = R.Ext();
    C.Gap = R.Ext();
    C.GroupCount = R.Int();
    C.Reserved2 = R.Int();

    const qsizetype M = R.Count(IntervalSize);
    C.Intervals.reserve(M);
    for (qsizetype I = 0; I < M && R.Ok(); ++I) {
        tInterval Iv;
        Iv.Lower = R.Ext();
        Iv.Upper = R.Ext();
        C.Intervals.append(Iv);
    }

    // Cells are filled in place: the large columns are the bulk of a file.
    const qsizetype K = R.Count(ObsCellMin);
    C.Cells.resize(K);
    tCell *Cell = C.Cells.data();
    qsizetype I = 0;
    for (; I < K && R.Ok(); ++I, ++Cell) {
        Cell->State = R.Byte();
        Cell->Text = R.Str();
        Cell->Value = R.Ext();
    }
    if (!R.Ok())
        C.Cells.resize(I);
}

// The fields before the cells; returns the cell count.
template <typename Cell> qsizetype ReadTableHead(tReader &R, tTableCol<Cell> &C, qsizetype CellMin)
{
    C.Reserved = R.Byte();
    C.Comment = R.Str();
    C.Reserved3 = R.Byte();
    C.Reserved4 = R.Byte();
    C.Name = R.Str();
    C.Decimals = R.Int();
    const qsizetype K = R.Count(CellMin);
    C.Cells.reserve(K);
    return K;
}

// A negative frequency from a file is kept as the text a person would have
// typed for it: typing one gives a text cell too.
void NegativeFreqAsText(uint8_t &State, QString &Text, int32_t &Freq)
{
    if (State != csNumber || Freq >= 0)
        return;
    State = csText;
    Text = QString::number(Freq);
    Freq = 0;
}

void ReadHypColumn(tReader &R, tHypCol &C)
{
    const qsizetype K = ReadTableHead(R, C, HypCellMin);
    for (qsizetype I = 0; I < K && R.Ok(); ++I) {
        tHypCell Cell;
        Cell.ObsState = R.Byte();
        Cell.FreqState = R.Byte();
        Cell.ObsText = R.Str();
        Cell.FreqText = R.Str();
        Cell.ObsValue = R.Ext();
        Cell.Freq = R.Int();
        NegativeFreqAsText(Cell.FreqState, Cell.FreqText, Cell.Freq);
        C.Cells.append(std::move(Cell));
    }
}

void ReadGrupColumn(tReader &R, tGrupCol &C)
{
    const qsizetype K = ReadTableHead(R, C, GrupCellMin);
    for (qsizetype I = 0; I < K && R.Ok(); ++I) {
        tGrupCell Cell;
        Cell.LowState = R.Byte();
        Cell.HighState = R.Byte();
        Cell.FreqState = R.Byte();
        Cell.LowText = R.Str();
        Cell.HighText = R.Str();
        Cell.LowValue = R.Ext();
        Cell.HighValue = R.Ext();
        Cell.FreqText = R.Str();
        Cell.Freq = R.Int();
        NegativeFreqAsText(Cell.FreqState, Cell.FreqText, Cell.Freq);
        C.Cells.append(std::move(Cell));
    }
}

bool ReadLumen(tLumen &L, const QString &FileName)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly))
        return false;
    // The magic first, so that a large file of another kind is never read.
    const QByteArray Magic = F.read(MagicSize);
    if (Magic.size() != MagicSize)
        return false;
    if (std::memcmp(Magic.constData(), MagicV1, MagicSize) == 0)
        L.FileVersion = 1;
    else if (std::memcmp(Magic.constData(), MagicV2, MagicSize) == 0)
        L.FileVersion = 2;
    else
        return false;
    tReader R(F);
    const int32_t Type = R.Int();
    if (!R.Ok())
        return false;
    DataType = static_cast<TDataType>(Type);

    for (tDataCol &C : L.Cols)
        ReadObsColumn(R, C, L.FileVersion);
    const qsizetype N = R.Count(LineNameMin);
    L.LineNames.reserve(N);
    for (qsizetype I = 0; I < N && R.Ok(); ++I)
        L.LineNames.append(R.Str());
    for (tHypCol &C : L.HypCols)
        ReadHypColumn(R, C);
    for (tGrupCol &C : L.GrupCols)
        ReadGrupColumn(R, C);
    if (L.FileVersion >= 2) {
        L.Text = R.Str();
        L.TextShown = R.Byte() != 0;
    }
    return R.Ok();
}

// Collects the bytes in a buffer and hands them to the file in large pieces.
class tWriter
{
  public:
    explicit tWriter(QIODevice &Dev) : Dev(Dev) {}

    bool Ok() const { return Good; }

    void Bytes(const char *P, qsizetype N)
    {
        if (!Good)
            return;
        if (Used + N > BufSize) {
            Flush();
            if (N > BufSize) {
                Good = Good && Dev.write(P, N) == N;
                return;
            }
        }
        std::memcpy(Buf + Used, P, N);
        Used += N;
    }

    void Byte(uint8_t V) { Bytes(reinterpret_cast<const char *>(&V), 1); }
    void Bool(bool V) { Byte(V ? 1 : 0); }
    void Int(int32_t V) { Bytes(reinterpret_cast<const char *>(&V), 4); }
    void Ext(Extended V) { Bytes(reinterpret_cast<const char *>(&V), ExtSize); }

    void Str(const QString &S)
    {
        if (S.isEmpty()) {
            Int(0);
            return;
        }
        const QByteArray B = ToCp1252(S);
        if (B.size() > std::numeric_limits<int32_t>::max()) {
            Good = false;
            return;
        }
        Int(int32_t(B.size()));
        Bytes(B.constData(), B.size());
    }

    bool Flush()
    {
        if (Good && Used > 0)
            Good = Dev.write(Buf, Used) == Used;
        Used = 0;
        return Good;
    }

  private:
    static constexpr qsizetype BufSize = 1 << 16;
    QIODevice &Dev;
    char Buf[BufSize];
    qsizetype Used = 0;
    bool Good = true;
};

void WriteObsColumn(tWriter &W, const tDataCol &C)
{
    W.Byte(C.Reserved);
    W.Str(C.Comment);
    W.Str(C.Formula);
    W.Str(C.FormulaRefs);
    W.Str(C.Name);
    W.Bool(C.Computed);
    W.Int(C.Decimals);
    W.Int(C.RandomFrom);
    W.Int(C.RandomTo);
    W.Int(C.RandomCount);
    W.Byte(C.RandomFlag);
    W.Byte(C.GroupKind);
    W.Ext(C.FirstLower);
    W.Ext(C.FirstUpper);
    W.Ext(C.Gap);
    W.Int(C.GroupCount);
    W.Int(C.Reserved2);
    W.Int(int32_t(C.Intervals.size()));
    for (const tInterval &Iv : C.Intervals) {
        W.Ext(Iv.Lower);
        W.Ext(Iv.Upper);
    }
    W.Int(int32_t(C.Cells.size()));
    for (const tCell &Cell : C.Cells) {
        W.Byte(Cell.State);
        W.Str(Cell.Text);
        W.Ext(Cell.Value);
    }
}

template <typename Cell> void WriteTableHead(tWriter &W, const tTableCol<Cell> &C)
{
    W.Byte(C.Reserved);
    W.Str(C.Comment);
    W.Byte(C.Reserved3);
    W.Byte(C.Reserved4);
    W.Str(C.Name);
    W.Int(C.Decimals);
    W.Int(int32_t(C.Cells.size()));
}

void WriteHypColumn(tWriter &W, const tHypCol &C)
{
    WriteTableHead(W, C);
    for (const tHypCell &Cell : C.Cells) {
        W.Byte(Cell.ObsState);
        W.Byte(Cell.FreqState);
        W.Str(Cell.ObsText);
        W.Str(Cell.FreqText);
        W.Ext(Cell.ObsValue);
        W.Int(Cell.Freq);
    }
}

void WriteGrupColumn(tWriter &W, const tGrupCol &C)
{
    WriteTableHead(W, C);
    for (const tGrupCell &Cell : C.Cells) {
        W.Byte(Cell.LowState);
        W.Byte(Cell.HighState);
        W.Byte(Cell.FreqState);
        W.Str(Cell.LowText);
        W.Str(Cell.HighText);
        W.Ext(Cell.LowValue);
        W.Ext(Cell.HighValue);
        W.Str(Cell.FreqText);
        W.Int(Cell.Freq);
    }
}

// A list longer than a 32-bit count cannot be written faithfully.
bool CountsFit(const tLumen &L)
{
    constexpr qsizetype Max = std::numeric_limits<int32_t>::max();
    for (const tDataCol &C : L.Cols)
        if (C.Intervals.size() > Max || C.Cells.size() > Max)
            return false;
    for (const tHypCol &C : L.HypCols)
        if (C.Cells.size() > Max)
            return false;
    for (const tGrupCol &C : L.GrupCols)
        if (C.Cells.size() > Max)
            return false;
    return L.LineNames.size() <= Max;
}

// Read-only by its permission bits, not by what the current user may do:
// the owner's write bit is the file's read-only attribute, and a user with
// special rights must not save over a file marked read-only either.
bool IsReadOnlyFile(const QString &FileName)
{
    const QFileInfo Info(FileName);
    if (!Info.exists())
        return false;
    return !(Info.permissions() & QFileDevice::WriteOwner) || !Info.isWritable();
}

bool WriteLumen(const tLumen &L, const QString &FileName)
{
    if (IsReadOnlyFile(FileName) || !CountsFit(L))
        return false;
    QSaveFile F(FileName);
    if (!F.open(QIODevice::WriteOnly))
        return false;
    auto W = std::make_unique<tWriter>(F);
    W->Bytes(MagicV2, MagicSize);
    W->Int(DataType);
    for (const tDataCol &C : L.Cols)
        WriteObsColumn(*W, C);
    W->Int(int32_t(L.LineNames.size()));
    for (const QString &S : L.LineNames)
        W->Str(S);
    for (const tHypCol &C : L.HypCols)
        WriteHypColumn(*W, C);
    for (const tGrupCol &C : L.GrupCols)
        WriteGrupColumn(*W, C);
    W->Str(L.Text);
    W->Bool(L.TextShown);
    if (!W->Flush()) {
        F.cancelWriting();
        return false;
    }
    return F.commit();
}

} // namespace

std::unique_ptr<tLumen> tLumen::CreateFromFile(const QString &FileName)
{
    auto L = std::make_unique<tLumen>();
    L->ReadError = !ReadLumen(*L, FileName);
    return L;
}

void tLumen::SaveToFile(const QString &FileName)
{
    WriteError = !WriteLumen(*this, FileName);
}
