#include "DataSetPrint.h"

#include "CellText.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

namespace
{

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor TextRed(0xFF, 0x00, 0x00);

// A / B rounded up; B >= 1.
int CeilDiv(int A, int B)
{
    return (A + B - 1) / B;
}

int ColumnsOf(const tLumen &L, TDataType Type)
{
    switch (Type) {
    case dtHyp:
        return L.UsedHypColumns();
    case dtGrup:
        return L.UsedGrupColumns();
    default:
        return L.UsedColumns();
    }
}

int LinesOf(const tLumen &L, TDataType Type)
{
    switch (Type) {
    case dtHyp:
        return L.MaxHypLines();
    case dtGrup:
        return L.MaxGrupLines();
    default:
        return L.MaxLines();
    }
}

QString ColumnHeader(const tLumen &L, TDataType Type, int Col)
{
    QString Name;
    QString Label;
    switch (Type) {
    case dtHyp:
        Name = L.GetHypName(Col);
        Label = QString::number(Col + 1);
        break;
    case dtGrup:
        Name = L.GetGrupName(Col);
        Label = QString::number(Col + 1);
        break;
    default:
        Name = L.GetColName(Col);
        Label = QChar(QLatin1Char('A').unicode() + Col);
        break;
    }
    return Name.isEmpty() ? QStringLiteral("Kolonne ") + Label : Name;
}

QStringList SubHeaders(TDataType Type)
{
    if (Type == dtHyp)
        return {QStringLiteral("Observation"), QStringLiteral("Hyppighed")};
    if (Type == dtGrup)
        return {QStringLiteral("Nedre grænse"), QStringLiteral("Øvre grænse"),
                QStringLiteral("Hyppighed")};
    return {};
}

void CellOf(const tLumen &L, TDataType Type, int Line, int Col, int Sub, QString &Text,
            TCellState &State)
{
    switch (Type) {
    case dtHyp:
        Sub == 0 ? L.GetHypObsText(Line, Col, Text, State)
                 : L.GetHypFreqText(Line, Col, Text, State);
        break;
    case dtGrup:
        Sub == 0   ? L.GetGrupLowText(Line, Col, Text, State)
        : Sub == 1 ? L.GetGrupHighText(Line, Col, Text, State)
                   : L.GetGrupFreqText(Line, Col, Text, State);
        break;
    default:
        L.GetCellText(Line, Col, Text, State);
        break;
    }
}

// A header cell: black outline, silver fill.
void HeaderCell(QPainter &P, const QRect &R, const QString &Text, int Align)
{
    P.setPen(QPen(Qt::black, P.pen().widthF()));
    P.setBrush(Silver);
    P.drawRect(R);
    DrawCellText(P, Text, R, Align);
}

} // namespace

tSheetLayout SheetLayout(const tPrintPage &Page, int CellHeight, TDataType Type, int Columns,
                         int Lines)
{
    tSheetLayout S;
    S.Margin = Page.Margin();
    S.CellHeight = std::max(1, CellHeight);
    S.CellWidth = 4 * S.CellHeight;
    S.SubCells = Type == dtHyp ? 2 : Type == dtGrup ? 3 : 1;
    S.HeaderRows = S.SubCells > 1 ? 2 : 1;
    S.Columns = std::max(0, Columns);
    S.Lines = std::max(0, Lines);
    const int W = Page.Width - 2 * S.Margin;
    const int H = Page.Height - 2 * S.Margin;
    const int cw = S.CellWidth, ch = S.CellHeight;
    S.ColsPerPage = S.SubCells == 1 ? W / cw - 1 : (W - cw) / (S.SubCells * cw);
    S.LinesPerPage = H / ch - S.HeaderRows;
    // A page too small for the font still gets one cell, so that printing
    // always ends.
    S.ColsPerPage = std::max(1, S.ColsPerPage);
    S.LinesPerPage = std::max(1, S.LinesPerPage);
    S.PagesAcross = CeilDiv(S.Columns, S.ColsPerPage);
    S.PagesDown = CeilDiv(S.Lines, S.LinesPerPage);
    return S;
}

tSheetLayout SheetLayoutOf(const tLumen &Lumen, TDataType Type, const tPrintPage &Page,
                           int CellHeight)
{
    return SheetLayout(Page, CellHeight, Type, ColumnsOf(Lumen, Type), LinesOf(Lumen, Type));
}

QVector<tSheetPage> SheetPages(const tSheetLayout &S)
{
    QVector<tSheetPage> Pages;
    for (int Down = 0; Down < S.PagesDown; ++Down)
        for (int Across = 0; Across < S.PagesAcross; ++Across)
            Pages.append({Across * S.ColsPerPage, Down * S.LinesPerPage});
    return Pages;
}

QString DataSetTitle(const QString &Name)
{
    return PageTitle(QStringLiteral("Datasæt"), Name);
}

void DrawSheetPage(QPainter &P, const tLumen &Lumen, TDataType Type, const tSheetLayout &S,
                   const tSheetPage &SheetPage, const tPrintPage &Page, const QString &Title)
{
    const int m = S.Margin, cw = S.CellWidth, ch = S.CellHeight;
    const int PenWidth = std::max(1, int(std::lround(Page.Ppi / 100.0)));
    P.save();
    P.setPen(QPen(Qt::black, PenWidth));
    P.setBrush(Qt::white);
    DrawPageTitle(P, Page, Title);

    const int LastCol = std::min(S.Columns, SheetPage.FirstCol + S.ColsPerPage);
    const int LastLine = std::min(S.Lines, SheetPage.FirstLine + S.LinesPerPage);
    const QStringList Subs = SubHeaders(Type);
    const int DataTop = m + S.HeaderRows * ch;
    // The two spaces the cell texts keep from the right border.
    const int Gap = draw::TextWidth(P, QStringLiteral("  "));

    for (int Col = SheetPage.FirstCol; Col < LastCol; ++Col) {
        const int X = m + cw + (Col - SheetPage.FirstCol) * S.SubCells * cw;
        HeaderCell(P, QRect(X, m, S.SubCells * cw, ch), ColumnHeader(Lumen, Type, Col),
                   Qt::AlignCenter);
        for (int Sub = 0; Sub < Subs.size(); ++Sub)
            HeaderCell(P, QRect(X + Sub * cw, m + ch, cw, ch), Subs[Sub], Qt::AlignCenter);
    }
    for (int Line = SheetPage.FirstLine; Line < LastLine; ++Line) {
        const int Y = DataTop + (Line - SheetPage.FirstLine) * ch;
        QString Name = Type == dtObs ? Lumen.GetLineName(Line) : QString();
        if (Name.isEmpty())
            Name = QString::number(Line + 1);
        HeaderCell(P, QRect(m, Y, cw, ch), QStringLiteral(" ") + Name,
                   Qt::AlignLeft | Qt::AlignVCenter);
        for (int Col = SheetPage.FirstCol; Col < LastCol; ++Col) {
            for (int Sub = 0; Sub < S.SubCells; ++Sub) {
                const int X = m + cw + ((Col - SheetPage.FirstCol) * S.SubCells + Sub) * cw;
                const QRect Cell(X, Y, cw, ch);
                P.setPen(QPen(Silver, PenWidth));
                P.setBrush(Qt::white);
                P.drawRect(Cell);
                QString Text;
                TCellState State = csEmpty;
                CellOf(Lumen, Type, Line, Col, Sub, Text, State);
                if (State == csEmpty || Text.isEmpty())
                    continue;
                P.setPen(QPen(State == csText ? TextRed : QColor(Qt::black), PenWidth));
                DrawCellText(P, Text, Cell.adjusted(0, 0, -Gap, 0),
                             Qt::AlignRight | Qt::AlignVCenter);
            }
        }
    }
    P.restore();
}

tPrintResult PrintDataSet(QPagedPaintDevice &Device, const tLumen &Lumen, TDataType Type,
                          const QFont &GridFont, int ScreenPpi, const QString &Name)
{
    if (ColumnsOf(Lumen, Type) == 0 || LinesOf(Lumen, Type) == 0)
        return tPrintResult::Empty;
    QPainter P;
    if (!P.begin(&Device))
        return tPrintResult::NoPrinter;
    P.setFont(ScreenSizedFont(GridFont, ScreenPpi));
    const tPrintPage Page = tPrintPage::Of(Device);
    const int ch = draw::TextHeight(P) * 3 / 2;
    const tSheetLayout S = SheetLayoutOf(Lumen, Type, Page, ch);
    const QVector<tSheetPage> Pages = SheetPages(S);
    const QString Title = DataSetTitle(Name);
    for (int I = 0; I < Pages.size(); ++I) {
        if (I > 0)
            Device.newPage();
        DrawSheetPage(P, Lumen, Type, S, Pages[I], Page, Title);
    }
    P.end();
    return tPrintResult::Printed;
}
