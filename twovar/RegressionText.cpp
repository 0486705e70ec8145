#include "RegressionText.h"

#include "CellText.h"
#include "Descriptor.h"

#include <QFont>
#include <QFontMetrics>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{

const QString Undefined = QStringLiteral("(udefineret)");
const QString Dot = QString(QChar(0x00B7));

// The font of the raised pieces: three quarters of the painter's.
QFont RaisedFont(const QFont &F)
{
    QFont R = F;
    if (F.pixelSize() > 0)
        R.setPixelSize(std::max(1, F.pixelSize() * 3 / 4));
    else
        R.setPointSizeF(F.pointSizeF() * 3 / 4);
    return R;
}

} // namespace

QString ModelNumberText(Extended V)
{
    if (!std::isfinite(V))
        return Undefined;
    // Rounded to 6 significant digits on the decimal digits, then written
    // in the general form, which drops the trailing zeros.
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%.5LE", V);
    return FormatGeneral(std::strtold(Buf, nullptr));
}

QString ModelR2Text(const tModelFit &F)
{
    return F.r2Defined ? FormatFixed(F.r2, 4) : Undefined;
}

QString ModelAText(const tModelFit &F)
{
    return F.Defined ? ModelNumberText(F.a) : Undefined;
}

QString ModelBText(const tModelFit &F)
{
    return F.Defined ? ModelNumberText(F.b) : Undefined;
}

tEquation FittedEquation(const tModelFit &F)
{
    const QString Y = QStringLiteral("y = ");
    if (F.Model == rmLineaer && F.Line.n > 0 && F.Line.Vertical)
        return {{QStringLiteral("x = ") + ModelNumberText(F.Line.MeanX)}};
    if (!F.Defined)
        return {};
    switch (F.Model) {
    case rmLineaer: {
        const QString B = ModelNumberText(std::fabs(F.b));
        const QString Sign = F.b < 0 && B != QLatin1String("0") ? QStringLiteral(" - ")
                                                                : QStringLiteral(" + ");
        return {{Y + ModelNumberText(F.a) + Dot + QStringLiteral("x") + Sign + B}};
    }
    case rmEksponentiel:
        return {{Y + ModelNumberText(F.b) + Dot + ModelNumberText(F.a)},
                {QStringLiteral("x"), true}};
    default:
        return {{Y + ModelNumberText(F.b) + Dot + QStringLiteral("x")},
                {ModelNumberText(F.a), true}};
    }
}

tEquation ModelForm(int Model)
{
    switch (Model) {
    case rmEksponentiel:
        return {{QStringLiteral("y = b") + Dot + QStringLiteral("a")}, {QStringLiteral("x"), true}};
    case rmPotens:
        return {{QStringLiteral("y = b") + Dot + QStringLiteral("x")}, {QStringLiteral("a"), true}};
    default:
        return {{QStringLiteral("y = a") + Dot + QStringLiteral("x + b")}};
    }
}

QString EquationText(const tEquation &E)
{
    QString S;
    for (const tEquationPiece &Piece : E)
        S += (Piece.Raised ? QStringLiteral("^") : QString()) + Piece.Text;
    return S;
}

QString LeftOutText(const tModelFit &F)
{
    if (F.Left <= 0)
        return QString();
    const QString Why = F.Model == rmPotens ? QStringLiteral("x ≤ 0 eller y ≤ 0")
                                            : QStringLiteral("y ≤ 0");
    return QStringLiteral("%1 par med %2 er udeladt").arg(F.Left).arg(Why);
}

int EquationWidth(const QPainter &P, const tEquation &E)
{
    const QFontMetrics Normal(P.font(), P.device());
    const QFontMetrics Small(RaisedFont(P.font()), P.device());
    int W = 0;
    for (const tEquationPiece &Piece : E)
        W += (Piece.Raised ? Small : Normal).horizontalAdvance(Piece.Text);
    return W;
}

int DrawEquation(QPainter &P, int X, int Y, const tEquation &E)
{
    const QFont Saved = P.font();
    const QFont Small = RaisedFont(Saved);
    const QFontMetrics Normal(Saved, P.device());
    const int Base = Y + Normal.ascent();
    const int Raise = Normal.ascent() * 2 / 5;
    int At = X;
    for (const tEquationPiece &Piece : E) {
        P.setFont(Piece.Raised ? Small : Saved);
        P.drawText(At, Piece.Raised ? Base - Raise : Base, Piece.Text);
        At += QFontMetrics(P.font(), P.device()).horizontalAdvance(Piece.Text);
    }
    P.setFont(Saved);
    return At - X;
}

QString RegressionText(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2)
        return QString();
    const tRegressionModels R =
        RegressionModelsOf(L, D.GetSeries(0).Source, D.GetSeries(1).Source);
    const QString Tab = QStringLiteral("\t"), End = QStringLiteral("\r\n");
    QString S;
    if (!D.GetTitle().isEmpty())
        S += D.GetTitle() + End;
    S += QStringLiteral("Model") + Tab + QStringLiteral("Ligning") + Tab + QStringLiteral("a") +
         Tab + QStringLiteral("b") + Tab + QStringLiteral("r²") + Tab +
         QStringLiteral("Antal par") + End;
    for (const tModelFit &F : R.Fit) {
        const tEquation E = FittedEquation(F);
        S += ModelName(F.Model) + Tab + (F.Defined ? EquationText(E) : Undefined) + Tab +
             ModelAText(F) + Tab + ModelBText(F) + Tab + ModelR2Text(F) + Tab +
             QString::number(F.n);
        const QString Left = LeftOutText(F);
        if (!Left.isEmpty())
            S += Tab + Left;
        S += End;
    }
    return S;
}
