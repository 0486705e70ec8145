// The data set: all observation, frequency and grouped data of one document,
// the undo copies, the marks, the formula engine's tables and the text.
#pragma once

#include "NumberText.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

enum TDataType : int32_t { dtNone = 0, dtObs = 1, dtHyp = 2, dtGrup = 3 };

// The data type of the shown editor; global to the program and stored in the
// data file. Reading a file sets it.
extern TDataType DataType;

enum TCellState : uint8_t { csEmpty = 0, csNumber = 1, csText = 2 };
enum TGroupKind : uint8_t { gkNone = 0, gkAuto = 1, gkManual = 2 };
enum TEditDirection : uint8_t { edRight = 0, edDown = 1, edStay = 2 };

constexpr int ObsColumns = 26;
constexpr int HypColumns = 8;
constexpr int GrupColumns = 8;

struct tCell {
    uint8_t State = csEmpty; // TCellState; a file may hold other values
    QString Text;
    Extended Value = 0;
};

struct tInterval {
    Extended Lower = 0;
    Extended Upper = 0;
};

struct tDataCol {
    uint8_t Reserved = 0;
    QString Comment;
    QString Formula;
    QString FormulaRefs;
    QString Name;
    bool Computed = false;
    int32_t Decimals = 0;
    int32_t RandomFrom = 0;
    int32_t RandomTo = 0;
    int32_t RandomCount = 0;
    uint8_t RandomFlag = 0;
    uint8_t GroupKind = gkNone; // TGroupKind; a file may hold other values
    Extended FirstLower = 0;
    Extended FirstUpper = 0;
    Extended Gap = 0;
    int32_t GroupCount = 0;
    int32_t Reserved2 = 0;
    QVector<tInterval> Intervals;
    QVector<tCell> Cells;
};

struct tHypCell {
    uint8_t ObsState = csEmpty;
    uint8_t FreqState = csEmpty;
    QString ObsText;
    QString FreqText;
    Extended ObsValue = 0;
    int32_t Freq = 0;
    bool IsEmpty() const { return ObsState == csEmpty && FreqState == csEmpty; }
};

struct tGrupCell {
    uint8_t LowState = csEmpty;
    uint8_t HighState = csEmpty;
    uint8_t FreqState = csEmpty;
    QString LowText;
    QString HighText;
    Extended LowValue = 0;
    Extended HighValue = 0;
    QString FreqText;
    int32_t Freq = 0;
    bool IsEmpty() const
    {
        return LowState == csEmpty && HighState == csEmpty && FreqState == csEmpty;
    }
};

template <typename Cell> struct tTableCol {
    uint8_t Reserved = 0;
    QString Comment;
    uint8_t Reserved3 = 255;
    uint8_t Reserved4 = 255;
    QString Name;
    int32_t Decimals = 0;
    QVector<Cell> Cells;
};
using tHypCol = tTableCol<tHypCell>;
using tGrupCol = tTableCol<tGrupCell>;

// Formula engine records.
struct tToken {
    uint8_t Kind = 0; // 0 number, 1 operator/function, 2 variable, 3 parenthesis, 4 end
    uint8_t Code = 0;
    Extended Number = 0;
};

struct iVarRecords {
    QString Name;
    Extended Value = 0;
};

// The statistics summary lives in the description layer; the data set only
// owns it (cleared with a new object) and knows which editor owns it.
class tDescriptorBase
{
public:
    virtual ~tDescriptorBase() = default;
    TDataType Owner = dtNone;
};

// Undo operation codes.
enum TUndoOp : uint8_t {
    uoNone = 0,
    uoUndo = 1,
    uoCut = 2,
    uoInsert = 3,
    uoDelete = 4,
    uoAdd = 5,
    uoRemove = 6,
    uoSwap = 7,
    uoSort = 8,
    uoMul10 = 9,
    uoDiv10 = 10,
    uoInsertSheet = 11,
};

// "Fortryd" or Fortryd "word" for an undo operation code.
QString UndoCaption(uint8_t Op);

class tLumen
{
public:
    tLumen();
    ~tLumen();
    tLumen(const tLumen &) = delete;
    tLumen &operator=(const tLumen &) = delete;

    // Construction from and to a data file. The caller asks ReadFailed or
    // WriteFailed afterwards.
    static std::unique_ptr<tLumen> CreateFromFile(const QString &FileName);
    void SaveToFile(const QString &FileName);
    bool ReadFailed() const { return ReadError; }
    bool WriteFailed() const { return WriteError; }

    // Cells and names.
    void SetCellText(int Line, int Col, const QString &Text);
    void GetCellText(int Line, int Col, QString &Text, TCellState &State) const;
    QString GetCellText(int Line, int Col) const;
    Extended GetCellValue(int Line, int Col, TCellState &State) const;
    TCellState GetCellState(int Line, int Col) const;
    int CellCount(int Col) const;
    int UsedColumns() const;
    int MaxLines() const;
    bool HasData() const { return UsedColumns() > 0; }
    int NumbersInLine(int Line) const;
    void SetLineName(int Line, const QString &Name);
    QString GetLineName(int Line) const;
    void ClearLineNames() { LineNames.clear(); }
    void SetColName(int Col, const QString &Name);
    QString GetColName(int Col) const;
    QString GetComment(int Col) const;
    void SetComment(int Col, const QString &Text);
    int32_t GetDecimals(int Col) const;
    void SetDecimals(int Col, int32_t N);

    // Column settings.
    QString GetFormula(int Col) const;
    void SetFormula(int Col, const QString &Text);
    QString GetFormulaRefs(int Col) const;
    bool IsComputed(int Col) const;
    void SetComputed(int Col, bool Flag);
    void BuildFormulaRefs(int Col);
    void ClearFormulaRefs(int Col);
    void SetRandomFrom(int Col, int32_t Value);
    void SetRandomTo(int Col, int32_t Value);
    void SetRandomFlag(int Col, uint8_t Value);
    void SetRandomCount(int Col, int32_t N);
    int32_t GetRandomFrom(int Col) const;
    int32_t GetRandomTo(int Col) const;
    int32_t GetRandomCount(int Col) const;
    uint8_t GetRandomFlag(int Col) const;
    void ClearRandom(int Col);
    bool HasRandomColumns() const;
    uint8_t GetGroupKind(int Col) const;
    void SetGroupKind(int Col, uint8_t Kind);
    bool IsGrouped(int Col) const { return GetGroupKind(Col) > 0; }
    Extended GetFirstLower(int Col) const;
    void SetFirstLower(int Col, Extended V);
    Extended GetFirstUpper(int Col) const;
    void SetFirstUpper(int Col, Extended V);
    Extended GetGap(int Col) const;
    void SetGap(int Col, Extended V);
    int32_t GetGroupCount(int Col) const;
    void SetGroupCount(int Col, int32_t N);
    void ClearIntervals(int Col);
    void AddInterval(int Col, Extended Lower, Extended Upper);
    int32_t IntervalCount(int Col, int32_t Default) const;
    void GetInterval(int Col, int Index, Extended &Lower, Extended &Upper) const;
    // The first Count intervals at once (manual: as stored, at most Count;
    // automatic: the same bounds GetInterval gives, in one pass).
    QVector<tInterval> GetIntervals(int Col, int Count) const;

    // Lines and columns.
    void InsertLine(int Line);
    void DeleteLine(int Line);
    void ClearLine(int Line);
    void SwapLines(int A, int B);
    void InsertColumn(int Col);
    void DeleteColumn(int Col);
    void ClearColumn(int Col);
    void SwapColumns(int A, int B);
    void SortLinesByColumn(int Col, bool Ascending);
    void SortLinesByName(bool Ascending);
    void SortColumnsByLine(int Line, bool Ascending);

    // Marks (selection for description).
    void ToggleColSelected(int Col);
    void ToggleLineSelected(int Line);
    bool IsColSelected(int Col) const;
    bool IsLineSelected(int Line) const;
    int SelColCount() const { return SelCols.size(); }
    int SelLineCount() const { return SelLines.size(); }
    bool AnyColSelected() const { return !SelCols.isEmpty(); }
    bool AnyLineSelected() const { return !SelLines.isEmpty(); }
    int SelCol(int I) const;
    int SelLine(int I) const;
    void ClearColSelection() { SelCols.clear(); }
    void ClearLineSelection() { SelLines.clear(); }
    bool SelectionHasData() const;
    bool PastSelectionEnd(int Line) const;

    // Undo, flags and the text.
    void SaveUndo(uint8_t Op);
    void Undo();
    uint8_t GetUndoOp() const { return UndoOp; }
    bool IsModified() const { return Modified; }
    void SetModified() { Modified = true; }
    void ClearModified() { Modified = false; }
    uint8_t GetEditDirection() const { return EditDirection; }
    void NextEditDirection();
    QString GetText() const { return Text; }
    void SetText(const QString &S);
    bool GetTextShown() const { return TextShown; }
    void SetTextShown(bool Flag) { TextShown = Flag; }

    // Formula dependencies.
    bool DependsOn(int Col, int Other) const;
    bool IsUsedInFormula(int Col) const;
    bool HasFormulaCycle(int Col) const;
    void ShiftFormulaLetters(QChar From, int Delta);

    // Formula engine (the tables below are shared by every compile).
    bool Compile(const QString &Text);
    Extended Evaluate();
    int GetVarCount() const { return VarCount; }
    QString VarName(int I) const;
    void SetVarValue(int I, Extended Value);
    uint8_t GetCalcError() const { return CalcError; }
    void ComputeColumn(int Col);
    QString RecalcFrom(int Col);
    void SetSingleLine(int Line);
    void ClearSingleLine();
    // The formula text prepared for compiling (blanks and leading "=" removed,
    // upper case, >=, <=, <> as », «, #), without the end marker.
    static QString PrepareFormula(const QString &Text);

    // Frequency side.
    void SaveUndoHyp(uint8_t Op);
    void UndoHyp();
    void ToggleHypColSelected(int Col);
    bool IsHypColSelected(int Col) const;
    bool AnyHypColSelected() const { return !SelHypCols.isEmpty(); }
    int SelHypColCount() const { return SelHypCols.size(); }
    int SelHypCol(int I) const;
    void ClearHypColSelection() { SelHypCols.clear(); }
    int UsedHypColumns() const;
    int MaxHypLines() const;
    int HypCellCount(int Col) const;
    void InsertHypColumn(int Col);
    void DeleteHypColumn(int Col);
    void ClearHypColumn(int Col);
    void SwapHypColumns(int A, int B);
    void SetHypName(int Col, const QString &S);
    QString GetHypName(int Col) const;
    QString GetHypComment(int Col) const;
    void SetHypComment(int Col, const QString &S);
    int32_t GetHypDecimals(int Col) const;
    void SetHypDecimals(int Col, int32_t N);
    void SetHypObsText(int Line, int Col, const QString &Text);
    void SetHypFreqText(int Line, int Col, const QString &Text);
    void GetHypObsText(int Line, int Col, QString &Text, TCellState &State) const;
    void GetHypFreqText(int Line, int Col, QString &Text, TCellState &State) const;

    // Grouped side.
    void SaveUndoGrup(uint8_t Op);
    void UndoGrup();
    void ToggleGrupColSelected(int Col);
    bool IsGrupColSelected(int Col) const;
    bool AnyGrupColSelected() const { return !SelGrupCols.isEmpty(); }
    int SelGrupColCount() const { return SelGrupCols.size(); }
    int SelGrupCol(int I) const;
    void ClearGrupColSelection() { SelGrupCols.clear(); }
    int UsedGrupColumns() const;
    int MaxGrupLines() const;
    int GrupCellCount(int Col) const;
    void InsertGrupColumn(int Col);
    void DeleteGrupColumn(int Col);
    void ClearGrupColumn(int Col);
    void SwapGrupColumns(int A, int B);
    void SetGrupName(int Col, const QString &S);
    QString GetGrupName(int Col) const;
    QString GetGrupComment(int Col) const;
    void SetGrupComment(int Col, const QString &S);
    int32_t GetGrupDecimals(int Col) const;
    void SetGrupDecimals(int Col, int32_t N);
    void SetGrupLowText(int Line, int Col, const QString &Text);
    void SetGrupHighText(int Line, int Col, const QString &Text);
    void SetGrupFreqText(int Line, int Col, const QString &Text);
    void GetGrupLowText(int Line, int Col, QString &Text, TCellState &State) const;
    void GetGrupHighText(int Line, int Col, QString &Text, TCellState &State) const;
    void GetGrupFreqText(int Line, int Col, QString &Text, TCellState &State) const;

    // The description state: created by the description layer on first use.
    tDescriptorBase *Descriptor() const { return DescriptorState.get(); }
    void SetDescriptor(std::unique_ptr<tDescriptorBase> D) { DescriptorState = std::move(D); }
    TDataType DescriptorOwner() const { return DescriptorState ? DescriptorState->Owner : dtNone; }

    // Fields, public as plain records: the file codec, the descriptions and
    // the tests read them directly.
    int32_t FileVersion = 2;
    bool Modified = false;
    uint8_t EditDirection = edDown;
    bool ReadError = false;
    bool WriteError = false;
    bool SingleLine = false;
    int32_t SingleLineIndex = 0;
    uint8_t UndoOp = 0;
    uint8_t RedoOp = 1;
    QVector<int32_t> SelLines;
    QVector<int32_t> SelCols;
    std::array<tDataCol, ObsColumns> Cols;
    std::array<tDataCol, ObsColumns> UndoCols;
    QStringList LineNames;
    QStringList UndoLineNames;

    QVector<int32_t> SelHypCols;
    std::array<tHypCol, HypColumns> HypCols;
    std::array<tHypCol, HypColumns> UndoHypCols;
    QVector<int32_t> SelGrupCols;
    std::array<tGrupCol, GrupColumns> GrupCols;
    std::array<tGrupCol, GrupColumns> UndoGrupCols;

    // Formula engine tables (index 0 unused, as the compiled form counts from 1).
    uint8_t TokenCount = 0;
    uint8_t VarCount = 0;
    uint8_t CalcError = 0;
    std::array<tToken, 34> Tokens;
    std::array<iVarRecords, 27> Vars;

    QString Text;
    bool TextShown = false;

private:
    std::unique_ptr<tDescriptorBase> DescriptorState;

    static bool ValidCol(int Col) { return Col >= 0 && Col < ObsColumns; }
    static void TrimTrailingEmpty(QVector<tCell> &Cells);
    void ApplyLineOrder(const std::vector<int> &Perm); // the line sorts' reordering
    QString ExpandRefs(int Col, int Start, bool TreatStartComputed, bool &Cycle) const;
};

// Whether a column letter A..Z; letter to index.
inline int ColIndex(QChar Letter) { return Letter.unicode() - 'A'; }
inline QChar ColLetter(int Col) { return QChar('A' + Col); }
