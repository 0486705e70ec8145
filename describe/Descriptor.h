// The statistics summary shared by every description: the frequency lists of
// up to six described series with their counts, the key figures of the first
// series, and the small pieces of pane state that live with the statistics
// (pane kinds, linked selection, readings, the scales recorded by the drawings
// for mouse picking).
//
// Recompute is plain computation; drawing routines only read what was last
// computed.
#pragma once

#include "Lumen.h"

#include <QSet>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

// The description kind of a pane; the kind lists show them in this order.
enum TBeskrivKind : uint8_t {
    bkIngen = 0,
    bkDatapinde = 1,
    bkDatakurve = 2,
    bkTabel = 3,
    bkMaerketal = 4,
    bkHyppighedsgraf = 5,
    bkFrekvensgraf = 6,
    bkSumfrekvensgraf = 7,
    bkCirkeldiagram = 8,
    bkKrydstabel = 9,
    bkKrydsdiagram = 10,
    bkBoksplot = 11,
    bkHistogram = 12,
    bkRegression = 13,
    bkResidualplot = 14,
    bkChiTest = 15,    // "χ²-test": independence, or goodness of fit
    bkNormalplot = 16, // "Normalfordelingsplot"
};

constexpr int MaxSeries = 6;
constexpr int MaxReadings = 31;
// A grouping never gets more classes than this (a damaged file may ask for
// billions).
constexpr int32_t MaxClasses = 100000;

// One entry of a frequency list: a distinct value, or a class with its bounds
// and midpoint. Counts are 64-bit so that summed frequencies cannot overflow.
struct TFreqRecord {
    Extended Value = 0; // the value; for a class its midpoint
    Extended Lower = 0; // class bounds (classes only)
    Extended Upper = 0;
    int64_t h = 0;  // absolute frequency
    int64_t H = 0;  // cumulative frequency
    Extended f = 0; // h / n
    Extended F = 0; // H / n
};

// A value read off the cumulative graph by the (x,y) calculator.
struct TReading {
    Extended x = 0;
    Extended y = 0;
    uint8_t FromX = 0; // 1: y computed from a given x; 0: x computed from a given y
};

// One described series (a marked column, line, frequency or grouped column).
struct tSeries {
    QVector<TFreqRecord> List; // ascending
    int64_t n = 0;
    int64_t MaxH = 0;
    Extended Min = 0;
    Extended Max = 0;
    Extended Mean = 0;
    bool Grouped = false;   // the list holds classes
    bool ClassGaps = false; // automatic grouping with a positive gap
    // Per class: whether it holds its lower bound (grouped columns).
    QVector<uint8_t> ClosedBelow;
    bool IsLine = false;    // an observation line rather than a column
    int32_t Source = -1;    // column (or line) index described
    QString Name;           // the series' title ("Søjle A" when unnamed)
    int32_t Decimals = 0;   // decimals of its numbers
};

// The key figures of series 0.
struct tKeyFigures {
    Extended Range = 0;
    Extended Mode = 0;
    Extended ModalLower = 0;
    Extended ModalUpper = 0;
    bool ModeUnique = false;
    bool ModalClassUnique = false;
    Extended LowerQuartile = 0;
    Extended Median = 0;
    Extended UpperQuartile = 0;
    Extended Variance = 0;
    Extended StdDev = 0;
};

// The scale a scatter diagram records per axis for mouse picking.
struct tAxisScale {
    Extended PerPixel = 0; // value per pixel
    int32_t Origin = 0;    // pixel of the axis's 0
    Extended Offset = 0;   // value that the axis's 0 stands for
};

class tDescriptor : public tDescriptorBase
{
  public:
    tDescriptor();

    // Brings the summary up to date from the data set; does nothing while not
    // stale. The data type is the owner's (the global DataType while no
    // editor owns the summary).
    void Recompute(const tLumen &Lumen);

    // Lifecycle.
    void MarkStale()
    {
        Dirty = true;
        ClassesFaulty = false;
    }
    bool IsDirty() const { return Dirty; }
    // A change of owner clears the whole state (lists, title, pane kinds,
    // link, readings, picked lines); a cleared state is not stale.
    void SetOwner(TDataType NewOwner);
    void Clear();

    // Series.
    int SeriesCount() const { return Count; }
    int ListCount(int I) const;
    bool GetEntry(int I, int K, TFreqRecord &R) const;
    const tSeries &GetSeries(int I) const; // out of range: an empty series
    QString GetTitle() const { return Title; }
    int32_t GetDecimals() const { return Decimals; }
    int64_t N(int I = 0) const;
    int64_t MaxH(int I = 0) const;
    Extended MaxF(int I = 0) const; // maximum h / n; 0 when n is 0
    Extended Min(int I = 0) const;
    Extended Max(int I = 0) const;
    Extended Mean(int I = 0) const;
    // Whether series 0 is described by classes (grouped column or grouped data).
    bool IsGrouped() const { return Count > 0 && Series[0].Grouped; }
    bool HasClassFault() const { return ClassesFaulty; }
    // Rows of the data-stick table: the longest marked column (or the line
    // names), or the columns in use for marked lines.
    int32_t LargestSeriesLength() const { return LargestLength; }

    // Key figures of series 0.
    const tKeyFigures &Keys() const { return KeyFig; }
    Extended Sum() const { return Extended(N(0)) * Mean(0); }
    Extended Range() const { return KeyFig.Range; }
    bool Mode(Extended &Value) const;
    bool ModalClass(Extended &Lower, Extended &Upper) const;
    Extended LowerQuartile() const { return KeyFig.LowerQuartile; }
    Extended Median() const { return KeyFig.Median; }
    Extended UpperQuartile() const { return KeyFig.UpperQuartile; }
    Extended Variance() const { return KeyFig.Variance; }
    Extended StdDev() const { return KeyFig.StdDev; }

    // Pane kinds, panes 1..4. Setting a kind clears the link selection and
    // recomputes the panes-linked flag.
    uint8_t GetPaneKind(int Pane) const;
    void SetPaneKind(int Pane, uint8_t Kind);
    bool PanesAreLinked() const { return PanesLinked; }
    bool Pane1Linked() const;   // pane 1 shows a cross table or scatter diagram
    bool Panes23Linked() const; // table beside graph, or cross table beside scatter

    // Selection of the linked panes.
    void SelectEntry(int Index);  // series 0
    void SelectSecond(int Index); // series 1 (two-variable descriptions)
    void ClearSelection();
    bool SelectionShown() const;
    int32_t SelectedIndex() const { return SelIndex; }
    int32_t SecondSelectedIndex() const { return SelIndex2; }
    // The selected entry: its value (a class's upper bound), h, f, F.
    Extended SelectedX() const { return SelX; }
    Extended SelectedH() const { return SelH; }
    Extended SelectedF() const { return SelF; }
    Extended SelectedCumF() const { return SelCumF; }
    Extended SecondSelectedX() const { return SelX2; }

    // Lines picked in the scatter diagram.
    void SetPicked(int Line, bool Picked = true);
    bool IsPicked(int Line) const { return PickedLines.contains(Line); }
    bool AnyPicked() const { return !PickedLines.isEmpty(); }
    void ClearPicked() { PickedLines.clear(); }

    // Readings of the cumulative graph.
    void AddReading(Extended X, Extended Y, uint8_t FromX);
    void ClearReadings() { ReadingCount = 0; }
    int GetReadingCount() const { return ReadingCount; }
    bool GetReading(int I, TReading &R) const;

    // Scales recorded by the drawings for picking: value under pixel column
    // px is px * XScale - XOffset.
    Extended XScale = 0;
    Extended XOffset = 0;
    Extended XValueAt(int Px) const { return Extended(Px) * XScale - XOffset; }
    tAxisScale ScatterX;
    tAxisScale ScatterY;

    // Table layouts recorded when a pane is sized, for mouse picking.
    int32_t TableTop = 0;
    int32_t TableLineHeight = 0;
    int32_t CrossLeft = 0;
    int32_t CrossTop = 0;
    int32_t CrossRowHeight = 0;
    int32_t CrossColWidth = 0;

    // State, public as plain fields for the drawings and tests.
    bool Dirty = false;
    bool ClassesFaulty = false;
    QString Title;
    int32_t Decimals = -1;
    int Count = 0; // described series
    std::array<tSeries, MaxSeries> Series;
    tKeyFigures KeyFig;
    int32_t LargestLength = 0;
    std::array<uint8_t, 5> PaneKinds{}; // index 1..4
    bool PanesLinked = false;
    int32_t SelIndex = -1;
    int32_t SelIndex2 = -1;
    Extended SelX = 0;
    Extended SelH = 0;
    Extended SelF = 0;
    Extended SelCumF = 0;
    Extended SelX2 = 0;
    QSet<int32_t> PickedLines;
    int32_t ReadingCount = 0;
    std::array<TReading, MaxReadings + 1> Readings{};

  private:
    void RecomputeObs(const tLumen &Lumen);
    void RecomputeHyp(const tLumen &Lumen);
    void RecomputeGrup(const tLumen &Lumen);
    void UpdateLinked();
};

// A column's title in the descriptions: its name, or "Søjle " and its
// letter; a line's: its name, or "Linje " and its number from 1.
QString ObsColumnName(const tLumen &L, int Col);
QString ObsLineName(const tLumen &L, int Line);

// The description state of a data set, created on first use.
tDescriptor &DescriptorOf(tLumen &Lumen);
// Null while the data set has none (a new data set).
const tDescriptor *FindDescriptor(const tLumen &Lumen);
