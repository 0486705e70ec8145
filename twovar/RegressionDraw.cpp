#include "RegressionDraw.h"

#include "CellText.h"
#include "CrossTable.h"
#include "RegressionText.h"

#include <QHash>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace
{

const QColor Red(0xFF, 0x00, 0x00);
const QString Undefined = QStringLiteral("(udefineret)");

// The rows of the figures, shared by the drawing and the pane's size.
struct tRegressionLayout {
    int h = 0;
    int Lw = 0; // label column
    int Vw = 0; // value column
    int Bottom = 0;
};

tRegressionLayout LayoutOf(const QPainter &P, const tRegressionModels &R)
{
    tRegressionLayout Out;
    Out.h = draw::TextHeight(P);
    Out.Lw = draw::TextWidth(P, QStringLiteral("Korrelationskoefficient"));
    Out.Vw = Out.Lw;
    int Rows = 0;
    for (const tModelFit &F : R.Fit) {
        Out.Vw = std::max(Out.Vw, EquationWidth(P, FittedEquation(F)));
        // Rule, name, a, b, r^2, pairs, (left out), and a space.
        Rows += 7 + (LeftOutText(F).isEmpty() ? 0 : 1);
    }
    Out.Bottom = 3 * Out.h + Rows * Out.h + 2 * Out.h;
    return Out;
}

tRegressionModels ModelsOf(const tLumen &L, const tDescriptor &D)
{
    return RegressionModelsOf(L, D.GetSeries(0).Source, D.GetSeries(1).Source);
}

} // namespace

void DrawRegression(QPainter &P, const tDrawContext &, const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2)
        return;
    const tRegressionModels R = ModelsOf(L, D);
    const tRegressionLayout Lay = LayoutOf(P, R);
    const int h = Lay.h;
    const int VL = 3 * h + Lay.Lw, VR = VL + Lay.Vw;
    const QPen CallerPen = P.pen();
    P.setPen(QPen(Qt::black, 1));
    const QString Title = D.GetTitle();
    if (!Title.isEmpty()) {
        draw::DoubledFont Big(P);
        draw::TextOut(P, h, 0, Title);
    }
    int Y = 3 * h;
    auto Rule = [&] {
        if (draw::Visible(P, draw::Box(h, Y, VR, Y + 1)))
            P.drawLine(h, Y, VR - 1, Y);
    };
    auto Label = [&](const QString &Text, bool Right = false) {
        const QRect Box = draw::Box(h, Y, h + Lay.Lw, Y + 2 * h);
        if (draw::Visible(P, Box))
            P.drawText(Box,
                       (Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop |
                           Qt::TextSingleLine | Qt::TextDontClip,
                       Text);
    };
    auto Value = [&](const QString &Text) {
        DrawCellText(P, Text, draw::Box(VL, Y, VR, Y + h), Qt::AlignRight | Qt::AlignVCenter);
    };
    for (const tModelFit &F : R.Fit) {
        Rule();
        Y += h;
        {
            QFont Bold = P.font();
            Bold.setBold(true);
            const QFont Saved = P.font();
            P.setFont(Bold);
            Label(ModelName(F.Model));
            P.setFont(Saved);
        }
        const tEquation E = FittedEquation(F);
        if (F.Defined)
            DrawEquation(P, VR - EquationWidth(P, E), Y, E);
        else
            Value(Undefined);
        Y += h;
        Label(QStringLiteral("a ="), true);
        Value(ModelAText(F));
        Y += h;
        Label(QStringLiteral("b ="), true);
        Value(ModelBText(F));
        Y += h;
        Label(QStringLiteral("r² ="), true);
        Value(ModelR2Text(F));
        Y += h;
        Label(QStringLiteral("Antal par"), true);
        Value(QString::number(F.n));
        Y += h;
        const QString Left = LeftOutText(F);
        if (!Left.isEmpty()) {
            Label(Left);
            Y += h;
        }
        Y += h;
    }
    Rule();
    P.setPen(CallerPen);
}

QSize RegressionPaneSize(const QPainter &P, const tLumen &L, const tDescriptor &D)
{
    const int h = draw::TextHeight(P);
    if (D.SeriesCount() < 2)
        return QSize(2 * draw::TextWidth(P, QStringLiteral("Korrelationskoefficient")) + 4 * h,
                     19 * h);
    const tRegressionLayout Lay = LayoutOf(P, ModelsOf(L, D));
    int W = 4 * h + Lay.Lw + Lay.Vw;
    if (!D.GetTitle().isEmpty()) {
        QPainter &Q = const_cast<QPainter &>(P);
        draw::DoubledFont Big(Q);
        W = std::max(W, 2 * h + draw::TextWidth(Q, D.GetTitle()));
    }
    return QSize(W, Lay.Bottom);
}

void DrawModelCurve(QPainter &P, const tPlotFrame &F, const tLumen &L, int ColX, int ColY,
                    int Model)
{
    if (!F.Ok)
        return;
    Model = std::clamp(Model, 0, RegressionModelCount - 1);
    const tModelFit Fit = ModelFitOf(L, ColX, ColY, Model);
    P.save();
    P.setClipRect(F.Plot(), Qt::IntersectClip);
    P.setPen(QPen(Red, std::max(1, F.r)));
    P.setBrush(Qt::NoBrush);
    if (Model == rmLineaer) {
        // The key figures' line, as the diagram has always drawn it.
        const tPairFigures &Line = Fit.Line;
        if (Line.n > 0 && Line.Vertical) {
            const int X = F.MapX(Line.MeanX);
            P.drawLine(X, F.PT, X, F.PB - 1);
        } else if (Line.n > 0 && Line.InterceptDefined) {
            const Extended XL = F.Ax.Lo + F.Ax.Offset, XR = F.Ax.Hi + F.Ax.Offset;
            auto Y = [&](Extended V) { return F.PixelY(Line.Slope * V + Line.Intercept); };
            P.drawLine(QLineF(F.MapX(XL), Y(XL), F.MapX(XR), Y(XR)));
        }
    } else if (Fit.Defined) {
        // One point per pixel column (a quarter of a screen pixel on
        // paper), broken where the curve is not defined.
        P.setRenderHint(QPainter::Antialiasing, true);
        const double Step = std::max(1.0, F.r / 4.0);
        QPainterPath Path;
        bool Open = false;
        for (double Px = F.PL; Px <= F.PR + Step / 2; Px += Step) {
            const Extended X = F.ValueX(Px);
            Extended Y = 0;
            if (!ModelValueAt(Fit, X, Y)) {
                Open = false;
                continue;
            }
            const QPointF At(Px, F.PixelY(Y));
            if (Open)
                Path.lineTo(At);
            else
                Path.moveTo(At);
            Open = true;
        }
        P.drawPath(Path);
    }
    P.restore();

    // The equation and r^2 in the upper left corner.
    tEquation E = FittedEquation(Fit);
    if (E.isEmpty())
        E = {{ModelName(Model) + QStringLiteral(": ") + Undefined}};
    E.append({QStringLiteral("    r² = ") + ModelR2Text(Fit)});
    P.save();
    P.setPen(QPen(Qt::black, 1));
    P.setBackgroundMode(Qt::TransparentMode);
    P.setClipRect(F.Plot(), Qt::IntersectClip);
    DrawEquation(P, F.PL + F.hh, F.PT + F.hh / 2, E);
    P.restore();
}

void DrawResidualPlot(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                      int Model)
{
    if (D.SeriesCount() < 2)
        return;
    Model = std::clamp(Model, 0, RegressionModelCount - 1);
    const int ColX = D.GetSeries(0).Source, ColY = D.GetSeries(1).Source;
    const tModelFit Fit = ModelFitOf(L, ColX, ColY, Model);
    const QVector<tResidual> Res = ModelResiduals(L, ColX, ColY, Fit);
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();

    // The zero line is always in the plot: it is the x axis.
    Extended XMin = D.Min(0), XMax = D.Max(0), RMin = 0, RMax = 0;
    if (!Res.isEmpty()) {
        XMin = XMax = Res.first().X;
        for (const tResidual &E : Res) {
            XMin = std::min(XMin, E.X);
            XMax = std::max(XMax, E.X);
            RMin = std::min(RMin, E.R);
            RMax = std::max(RMax, E.R);
        }
    }
    const QString YTitle =
        QStringLiteral("Residualer, ") + ModelName(Model).toLower() + QStringLiteral(" model");
    const tPlotFrame F =
        DrawPlotFrame(P, C, CrossColumnTitle(L, ColX), YTitle, XMin, XMax, RMin, RMax);
    if (!F.Ok) {
        P.setPen(CallerPen);
        P.setBrush(CallerBrush);
        return;
    }

    // The model in the upper left corner, or why there is nothing to show.
    tEquation E = FittedEquation(Fit);
    if (!Fit.Defined)
        E = {{ModelName(Model) + QStringLiteral(": ") + Undefined}};
    E.append({QStringLiteral("    r² = ") + ModelR2Text(Fit)});
    P.save();
    P.setPen(QPen(Qt::black, 1));
    P.setClipRect(F.Plot(), Qt::IntersectClip);
    DrawEquation(P, F.PL + F.hh, F.PT + F.hh / 2, E);
    const QString Left = LeftOutText(Fit);
    if (!Left.isEmpty())
        draw::TextOut(P, F.PL + F.hh, F.PT + F.hh / 2 + F.h + F.hh, Left);
    P.restore();

    // One marker per pixel position, as in the scatter diagram: 5 screen
    // pixels square, on paper too.
    const int Side = C.Scaled(5), Half = Side / 2;
    QSet<quint64> Drawn;
    P.setPen(QPen(Qt::black, C.LineWidth()));
    P.setBrush(Red);
    for (const tResidual &E : Res) {
        const int X = F.MapX(E.X), Y = F.MapY(E.R);
        const quint64 Key = (quint64(quint32(X)) << 32) | quint32(Y);
        if (Drawn.contains(Key))
            continue;
        Drawn.insert(Key);
        const QRect Box = draw::Box(X - Half, Y - Half, X - Half + Side, Y - Half + Side);
        if (draw::Visible(P, Box))
            draw::Rectangle(P, Box.left(), Box.top(), Box.right() + 1, Box.bottom() + 1);
    }
    DrawPlotAxes(P, F);
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
}
