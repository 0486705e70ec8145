// Shared by the commands that describe one series of a data file: reads the
// file, marks the series named on the command line, hands the statistics to
// the matching editor's data type and brings them up to date.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"
#include "Lumen.h"

#include <QFont>
#include <QPainter>

#include <QString>
#include <QStringList>
#include <memory>

// Args: FILE.lmt followed by one or more series options of one kind:
//   --col A    observation column A (grouped when the column has a grouping)
//   --line 3   observation line 3 (numbered from 1)
//   --hyp 2    frequency column 2 (numbered from 1)
//   --grup 2   grouped column 2 (numbered from 1)
// Options not about the series are left for the caller. On success Lumen
// holds the data set, the global DataType is the series' type and
// DescriptorOf(*Lumen) is recomputed. On failure Error holds a Danish
// message and ExitCode (when given) 2 for a usage error, 1 for a file that
// cannot be read or a series without numbers.
bool LoadSeries(const QStringList &Args, std::unique_ptr<tLumen> &Lumen, QString &Error,
                int *ExitCode = nullptr);

// The series options understood by LoadSeries, for usage lines.
constexpr const char *SeriesUsage = "FIL.lmt --col A|--line N|--hyp N|--grup N";

// The description kinds by their command-line names (tabel, maerketal,
// hyppighedsgraf, frekvensgraf, sumfrekvensgraf, cirkeldiagram, histogram,
// normalfordelingsplot, and those of several columns: datapinde, datakurve,
// krydstabel, krydsdiagram, boksplot, regression, residualplot; chitest of
// two columns or of one or two frequency columns); bkIngen for any other
// text.
TBeskrivKind ParseKindName(const QString &Text);
#define LUMEN_KIND_USAGE                                                                           \
    "tabel|maerketal|hyppighedsgraf|frekvensgraf|sumfrekvensgraf|cirkeldiagram|datapinde|"         \
    "datakurve|krydstabel|krydsdiagram|boksplot|histogram|regression|residualplot|chitest|"       \
    "normalfordelingsplot"
constexpr const char *KindUsage = LUMEN_KIND_USAGE;

// The kinds --regression means something to (the scatter diagram's line,
// and the regression kinds, which take it as the scatter diagram does);
// with any other kind the option is a usage error.
bool TakesRegression(TBeskrivKind Kind);
// Writes the usage error of --regression with another kind to standard
// error; returns 2.
int RegressionRefused();

// The width of the line grid's name column, the unit of the cross table and
// the data sticks.
constexpr int LineNameWidth = 74;

// The paint box font of the description panes.
QFont PaneFont();

// Whether the series loaded by LoadSeries may be described as Kind (the
// limits the editors' kind lists put on the number of entries); Error gets
// the refused list item's text.
bool KindOffered(const tDescriptor &D, TBeskrivKind Kind, QString &Error);

// Draws Kind of the loaded series, grouped when it is; faulty classes show
// "Fejl i intervaller" instead of every kind.
void DrawSeriesKind(QPainter &P, const tDrawContext &C, tDescriptor &D, TBeskrivKind Kind);
// The notice drawn instead of Kind, "" when Kind can be drawn.
QString SeriesKindError(const tDescriptor &D, TBeskrivKind Kind);

// The notice drawn instead of Kind of the series marked in L ("Fejl i
// intervaller", "Fejl i data-par"), "" when Kind can be drawn.
QString DescriptionNotice(const tLumen &L, const tDescriptor &D, TBeskrivKind Kind);

// Draws Kind of the series marked in L: the kinds of several columns (and
// the key figures of two columns) through the two-variable layer, with the
// scatter diagram's regression line (or curve of Model, a
// tRegressionModel) when Regression is set and the residual plot of Model,
// every other kind as DrawSeriesKind does.
void DrawKind(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
              TBeskrivKind Kind, bool Regression, int Model = 0);

// The "--model NAVN" option of render and print: false, with the message on
// standard error, for an unknown name or a kind without a model (exit 2).
// Model is 0 (lineaer) when the option is not given.
#define LUMEN_MODEL_USAGE "[--model lineaer|eksponentiel|potens]"
bool ReadModelOption(const QString &Name, TBeskrivKind Kind, bool Regression, int &Model);

// The box plot's and the histogram's limits on the marks; an empty text when
// the marks allow Kind (faulty classes are SeriesKindError's).
QString ShapeRefusal(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D);

// The limits the description list puts on the kinds of several series for
// the marks of L; an empty text when the marks allow Kind.
QString PairRefusal(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D);
