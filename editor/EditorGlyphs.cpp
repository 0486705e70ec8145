#include "EditorGlyphs.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int S = 22; // tool glyph size

QPixmap Blank(int W, int H)
{
    QPixmap Pm(W, H);
    Pm.fill(Qt::transparent);
    return Pm;
}

void Page(QPainter &P, const QRect &R, const QColor &Fill = Qt::white)
{
    const int Fold = 5;
    QPolygon Poly;
    Poly << R.topLeft() << QPoint(R.right() - Fold, R.top()) << QPoint(R.right(), R.top() + Fold)
         << R.bottomRight() << R.bottomLeft();
    P.setPen(Qt::black);
    P.setBrush(Fill);
    P.drawPolygon(Poly);
    P.drawLine(QPoint(R.right() - Fold, R.top()), QPoint(R.right() - Fold, R.top() + Fold));
    P.drawLine(QPoint(R.right() - Fold, R.top() + Fold), QPoint(R.right(), R.top() + Fold));
}

void Table(QPainter &P, const QRect &R, int Cols, int Rows)
{
    P.setPen(Qt::black);
    P.setBrush(Qt::white);
    P.drawRect(R);
    P.fillRect(QRect(R.left() + 1, R.top() + 1, R.width() - 1, R.height() / Rows),
               QColor(192, 192, 192));
    for (int I = 1; I < Cols; ++I) {
        const int X = R.left() + I * R.width() / Cols;
        P.drawLine(X, R.top(), X, R.bottom());
    }
    for (int I = 1; I < Rows; ++I) {
        const int Y = R.top() + I * R.height() / Rows;
        P.drawLine(R.left(), Y, R.right(), Y);
    }
}

void Bars(QPainter &P, const QRect &R, const QColor &C)
{
    P.setPen(Qt::black);
    P.drawLine(R.bottomLeft(), R.bottomRight());
    P.drawLine(R.bottomLeft(), R.topLeft());
    const int H[4] = {40, 90, 65, 25};
    const int W = R.width() / 5;
    P.setBrush(C);
    for (int I = 0; I < 4; ++I) {
        const int Bh = (R.height() - 1) * H[I] / 100;
        P.drawRect(R.left() + 2 + I * (W + 1), R.bottom() - Bh, W - 1, Bh);
    }
}

void Text(QPainter &P, const QRect &R, const QString &T, int Px, bool Bold = true)
{
    QFont F(QStringLiteral("Liberation Sans"));
    F.setPixelSize(Px);
    F.setBold(Bold);
    P.setFont(F);
    P.setPen(Qt::black);
    P.drawText(R, Qt::AlignCenter, T);
}

void Arrow(QPainter &P, QPoint From, QPoint To, const QColor &C)
{
    P.setPen(QPen(C, 2));
    P.drawLine(From, To);
    const QPointF D =
        QPointF(To - From) / std::max(1.0, std::hypot(To.x() - From.x(), To.y() - From.y()));
    const QPointF N(-D.y(), D.x());
    const QPointF T(To);
    QPolygonF Head;
    Head << T + D * 2 << T - D * 4 + N * 4 << T - D * 4 - N * 4;
    P.setPen(Qt::NoPen);
    P.setBrush(C);
    P.drawPolygon(Head);
}

void Die(QPainter &P, const QRect &R)
{
    P.setPen(Qt::black);
    P.setBrush(Qt::white);
    P.drawRoundedRect(R, 3, 3);
    P.setBrush(Qt::black);
    const int Cx = R.center().x(), Cy = R.center().y(), D = R.width() / 4;
    for (QPoint Pt : {QPoint(Cx - D, Cy - D), QPoint(Cx + D, Cy + D), QPoint(Cx, Cy),
                      QPoint(Cx + D, Cy - D), QPoint(Cx - D, Cy + D)})
        P.drawEllipse(Pt, 1, 1);
}

QPixmap PaintTool(const QString &Name)
{
    const int W =
        (Name == QLatin1String("SortUpSpeed") || Name == QLatin1String("SortDownSpeed")) ? 11 : S;
    QPixmap Pm = Blank(W, S);
    QPainter P(&Pm);
    P.setRenderHint(QPainter::Antialiasing, true);
    P.translate(0.5, 0.5);
    const QRect Full(0, 0, W - 1, S - 1);
    if (Name == QLatin1String("NewSpeed")) {
        Page(P, QRect(4, 1, 14, 19));
    } else if (Name == QLatin1String("OpenSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(255, 220, 90));
        P.drawRect(2, 6, 17, 13);
        P.drawRect(2, 4, 7, 2);
        P.setBrush(QColor(255, 240, 150));
        QPolygon Flap;
        Flap << QPoint(5, 10) << QPoint(21, 10) << QPoint(18, 19) << QPoint(2, 19);
        P.drawPolygon(Flap);
    } else if (Name == QLatin1String("SaveSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(40, 80, 170));
        P.drawRect(2, 2, 17, 17);
        P.setBrush(Qt::white);
        P.drawRect(5, 2, 11, 7);
        P.setBrush(QColor(200, 200, 200));
        P.drawRect(6, 12, 9, 7);
    } else if (Name == QLatin1String("InfoSpeed")) {
        Page(P, QRect(4, 1, 14, 19), QColor(255, 251, 240));
        P.setPen(QColor(60, 60, 60));
        for (int Y = 7; Y <= 16; Y += 3)
            P.drawLine(7, Y, 15, Y);
    } else if (Name == QLatin1String("EditSpeed")) {
        Table(P, QRect(1, 3, 19, 15), 3, 4);
    } else if (Name == QLatin1String("MixetSpeed")) {
        Table(P, QRect(1, 3, 9, 15), 2, 4);
        Bars(P, QRect(12, 4, 9, 14), QColor(0, 255, 0));
    } else if (Name == QLatin1String("DualSpeed")) {
        Bars(P, QRect(1, 4, 9, 14), QColor(0, 255, 0));
        Bars(P, QRect(12, 4, 9, 14), QColor(255, 0, 255));
    } else if (Name == QLatin1String("SingleSpeed")) {
        Bars(P, QRect(2, 2, 18, 17), QColor(0, 255, 0));
    } else if (Name == QLatin1String("CutSpeed")) {
        P.setPen(QPen(Qt::black, 1.5));
        P.drawLine(7, 2, 14, 13);
        P.drawLine(15, 2, 8, 13);
        P.setBrush(Qt::NoBrush);
        P.setPen(QPen(QColor(160, 0, 0), 2));
        P.drawEllipse(QPoint(6, 16), 3, 3);
        P.drawEllipse(QPoint(16, 16), 3, 3);
    } else if (Name == QLatin1String("CopySpeed")) {
        Page(P, QRect(2, 1, 11, 14));
        Page(P, QRect(9, 6, 11, 14));
    } else if (Name == QLatin1String("PasteSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(190, 140, 70));
        P.drawRect(3, 3, 15, 17);
        P.setBrush(QColor(160, 160, 160));
        P.drawRect(7, 1, 7, 4);
        Page(P, QRect(9, 8, 11, 13));
    } else if (Name == QLatin1String("DelSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(255, 160, 180));
        QPolygon Eraser;
        Eraser << QPoint(3, 14) << QPoint(12, 5) << QPoint(19, 12) << QPoint(10, 21);
        P.drawPolygon(Eraser);
        P.setBrush(QColor(80, 120, 220));
        QPolygon Band;
        Band << QPoint(3, 14) << QPoint(7, 10) << QPoint(14, 17) << QPoint(10, 21);
        P.drawPolygon(Band);
    } else if (Name == QLatin1String("UndoSpeed")) {
        QPainterPath Path;
        Path.moveTo(17, 18);
        Path.cubicTo(22, 8, 12, 2, 5, 9);
        P.setPen(QPen(QColor(0, 0, 160), 2.2));
        P.setBrush(Qt::NoBrush);
        P.drawPath(Path);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(0, 0, 160));
        QPolygon Head;
        Head << QPoint(2, 5) << QPoint(9, 5) << QPoint(3, 13);
        P.drawPolygon(Head);
    } else if (Name == QLatin1String("SortUpSpeed")) {
        Arrow(P, QPoint(5, 19), QPoint(5, 5), Qt::black);
    } else if (Name == QLatin1String("SortDownSpeed")) {
        Arrow(P, QPoint(5, 2), QPoint(5, 16), Qt::black);
    } else if (Name == QLatin1String("DeciPlusSpeed")) {
        Text(P, QRect(0, 1, S, 12), QStringLiteral(",00"), 10);
        Text(P, QRect(0, 10, S, 12), QStringLiteral("+"), 12);
    } else if (Name == QLatin1String("DeciMinusSpeed")) {
        Text(P, QRect(0, 1, S, 12), QStringLiteral(",0"), 10);
        Text(P, QRect(0, 10, S, 12), QStringLiteral("\u2212"), 12);
    } else if (Name == QLatin1String("Mul10Speed")) {
        Text(P, Full, QStringLiteral("\u00D710"), 11);
    } else if (Name == QLatin1String("Div10Speed")) {
        Text(P, Full, QStringLiteral(":10"), 11);
    } else if (Name == QLatin1String("TerningSpeed")) {
        Die(P, QRect(3, 3, 15, 15));
    } else if (Name == QLatin1String("CupSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(150, 90, 40));
        QPolygon Cup;
        Cup << QPoint(3, 2) << QPoint(18, 2) << QPoint(15, 20) << QPoint(6, 20);
        P.drawPolygon(Cup);
        P.setPen(QColor(230, 200, 140));
        P.drawLine(5, 6, 16, 6);
    } else if (Name == QLatin1String("CalcSpeed")) {
        Text(P, Full, QStringLiteral("f(x)"), 10);
    } else if (Name == QLatin1String("PaneCalcSpeed")) {
        P.setPen(Qt::black);
        P.setBrush(QColor(200, 200, 200));
        P.drawRect(4, 1, 14, 19);
        P.setBrush(QColor(200, 240, 200));
        P.drawRect(6, 3, 10, 4);
        P.setBrush(Qt::white);
        for (int R = 0; R < 3; ++R)
            for (int C = 0; C < 3; ++C)
                P.drawRect(6 + C * 4, 9 + R * 4, 2, 2);
    } else if (Name == QLatin1String("RegresSpeed")) {
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::red);
        for (QPoint Pt :
             {QPoint(4, 16), QPoint(8, 15), QPoint(10, 10), QPoint(14, 9), QPoint(17, 5)})
            P.drawEllipse(QPointF(Pt), 1.5, 1.5);
        P.setPen(QPen(Qt::blue, 1.5));
        P.drawLine(2, 19, 20, 3);
    }
    return Pm;
}

void PaintKind(QPainter &P, int Row, const QRect &R)
{
    switch (Row + 1) {
    case 1: // data sticks
        P.setPen(QPen(Qt::black, 2));
        for (int I = 0; I < 4; ++I)
            P.drawLine(R.left() + 3 + I * 4, R.bottom() - 1, R.left() + 3 + I * 4,
                       R.top() + 3 + (I * 5) % 11);
        break;
    case 2: { // data curve
        QPolygon Poly;
        Poly << QPoint(R.left() + 1, R.bottom() - 3) << QPoint(R.left() + 6, R.top() + 5)
             << QPoint(R.left() + 10, R.top() + 10) << QPoint(R.right() - 1, R.top() + 2);
        P.setPen(QPen(Qt::blue, 1.5));
        P.drawPolyline(Poly);
        break;
    }
    case 3:
        Table(P, R.adjusted(1, 2, -1, -2), 2, 4);
        break;
    case 4:
        Text(P, R, QStringLiteral("\u03A3"), 14);
        break;
    case 5:
        Bars(P, R.adjusted(1, 1, -1, -1), QColor(0, 255, 0));
        break;
    case 6:
        Bars(P, R.adjusted(1, 1, -1, -1), QColor(255, 0, 255));
        break;
    case 7: {
        P.setPen(QPen(Qt::blue, 1.5));
        QPolygon Step;
        Step << QPoint(R.left() + 1, R.bottom() - 1) << QPoint(R.left() + 5, R.bottom() - 1)
             << QPoint(R.left() + 5, R.top() + 11) << QPoint(R.left() + 10, R.top() + 11)
             << QPoint(R.left() + 10, R.top() + 4) << QPoint(R.right() - 1, R.top() + 4);
        P.drawPolyline(Step);
        break;
    }
    case 8:
        P.setPen(Qt::black);
        P.setBrush(QColor(0, 200, 255));
        P.drawEllipse(R.adjusted(1, 1, -1, -1));
        P.setBrush(QColor(255, 80, 80));
        P.drawPie(R.adjusted(1, 1, -1, -1), 0, 100 * 16);
        P.setBrush(QColor(255, 230, 0));
        P.drawPie(R.adjusted(1, 1, -1, -1), 100 * 16, 110 * 16);
        break;
    case 9:
        Table(P, R.adjusted(1, 1, -1, -1), 3, 3);
        break;
    case 10:
        P.setPen(Qt::black);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.right(), R.bottom() - 1);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.left() + 1, R.top());
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::red);
        for (QPoint Pt :
             {QPoint(5, 13), QPoint(8, 10), QPoint(10, 11), QPoint(12, 6), QPoint(15, 4)})
            P.drawEllipse(QPointF(Pt + R.topLeft()), 1.5, 1.5);
        break;
    case 11: { // box plot: two horizontal boxes with whiskers
        P.setPen(Qt::black);
        const int Y[2] = {R.top() + 5, R.top() + 13};
        const int Q[2][4] = {{2, 6, 11, 16}, {4, 9, 13, 17}};
        for (int I = 0; I < 2; ++I) {
            const int L = R.left();
            P.drawLine(L + Q[I][0], Y[I], L + Q[I][3], Y[I]);
            P.drawLine(L + Q[I][0], Y[I] - 2, L + Q[I][0], Y[I] + 2);
            P.drawLine(L + Q[I][3], Y[I] - 2, L + Q[I][3], Y[I] + 2);
            P.setBrush(I == 0 ? QColor(255, 0, 0) : QColor(0, 128, 0));
            P.drawRect(L + Q[I][1], Y[I] - 3, Q[I][2] - Q[I][1], 6);
            P.drawLine(L + (Q[I][1] + Q[I][2]) / 2, Y[I] - 3, L + (Q[I][1] + Q[I][2]) / 2, Y[I] + 3);
        }
        break;
    }
    case 12: { // histogram: adjacent lime bars, the last one wider
        P.setPen(Qt::black);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.right(), R.bottom() - 1);
        P.setBrush(QColor(0, 255, 0));
        const int X[5] = {2, 6, 10, 14, 17};
        const int H[4] = {5, 12, 9, 4};
        for (int I = 0; I < 4; ++I)
            P.drawRect(R.left() + X[I], R.bottom() - 1 - H[I], X[I + 1] - X[I], H[I]);
        break;
    }
    case 13: { // regression: a rising curve through points
        P.setPen(Qt::black);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.right(), R.bottom() - 1);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.left() + 1, R.top());
        QPainterPath Curve;
        Curve.moveTo(R.left() + 3, R.bottom() - 3);
        Curve.cubicTo(R.left() + 10, R.bottom() - 4, R.left() + 13, R.top() + 8, R.right() - 1,
                      R.top() + 1);
        P.setPen(QPen(Qt::red, 1.5));
        P.setBrush(Qt::NoBrush);
        P.drawPath(Curve);
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::blue);
        for (QPoint Pt : {QPoint(5, 13), QPoint(9, 12), QPoint(12, 9), QPoint(14, 5)})
            P.drawEllipse(QPointF(Pt + R.topLeft()), 1.5, 1.5);
        break;
    }
    case 14: // residual plot: points on both sides of the zero line
        P.setPen(Qt::black);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.left() + 1, R.top());
        P.setPen(QPen(Qt::black, 1));
        P.drawLine(R.left() + 1, R.center().y(), R.right(), R.center().y());
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::red);
        for (QPoint Pt : {QPoint(4, 6), QPoint(7, 12), QPoint(10, 5), QPoint(13, 11), QPoint(16, 7)})
            P.drawEllipse(QPointF(Pt + R.topLeft()), 1.5, 1.5);
        break;
    case 15: { // chi-square test: the letter chi with its square over a small table
        P.setPen(QColor(160, 160, 160));
        P.setBrush(Qt::NoBrush);
        P.drawRect(R.adjusted(1, 11, -2, -2));
        P.drawLine(R.left() + 9, R.top() + 11, R.left() + 9, R.bottom() - 2);
        QFont F(QStringLiteral("Liberation Serif"));
        F.setPixelSize(12);
        F.setItalic(true);
        F.setBold(true);
        P.setFont(F);
        P.setPen(QColor(0, 0, 160));
        P.drawText(R.adjusted(0, -1, 0, -6), Qt::AlignCenter, QStringLiteral("\u03C7\u00B2"));
        break;
    }
    case 16: { // normal probability plot: points along a straight line
        P.setPen(Qt::black);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.right(), R.bottom() - 1);
        P.drawLine(R.left() + 1, R.bottom() - 1, R.left() + 1, R.top());
        P.setPen(QPen(Qt::blue, 1.2));
        P.drawLine(QPointF(R.left() + 3, R.bottom() - 3), QPointF(R.right() - 1, R.top() + 2));
        P.setPen(Qt::NoPen);
        P.setBrush(Qt::red);
        for (QPoint Pt : {QPoint(4, 13), QPoint(7, 11), QPoint(9, 8), QPoint(11, 7), QPoint(14, 3)})
            P.drawEllipse(QPointF(Pt + R.topLeft()), 1.4, 1.4);
        break;
    }
    default:
        break;
    }
}

// Rows of the icons past the first strip's ten.
constexpr int FirstStripRows = 10;
constexpr int AllKindRows = 16;

// Whether PaintKind draws an icon for Row.
bool HasKindIcon(int Row)
{
    return Row >= 0 && Row < 16;
}

QImage Grey(const QImage &Src)
{
    QImage G = Src.convertToFormat(QImage::Format_ARGB32);
    for (int Y = 0; Y < G.height(); ++Y)
        for (int X = 0; X < G.width(); ++X) {
            const QRgb C = G.pixel(X, Y);
            const int V = 128 + qGray(C) / 2;
            G.setPixel(X, Y, qRgba(V, V, V, qAlpha(C)));
        }
    return G;
}

} // namespace

QIcon ToolGlyph(const QString &ButtonName)
{
    static QHash<QString, QIcon> Cache;
    auto It = Cache.find(ButtonName);
    if (It == Cache.end())
        It = Cache.insert(ButtonName, QIcon(PaintTool(ButtonName)));
    return *It;
}

QString DirectionResource(int Direction)
{
    switch (Direction) {
    case 0:
        return QStringLiteral("vanpil");
    case 1:
        return QStringLiteral("lodpil");
    default:
        return QStringLiteral("ingenpil");
    }
}

QPixmap DirectionGlyph(const QString &ResourceName)
{
    QPixmap Pm = Blank(20, 16);
    QPainter P(&Pm);
    P.setRenderHint(QPainter::Antialiasing, true);
    if (ResourceName == QLatin1String("vanpil"))
        Arrow(P, QPoint(2, 8), QPoint(15, 8), QColor(0, 0, 128));
    else if (ResourceName == QLatin1String("lodpil"))
        Arrow(P, QPoint(10, 1), QPoint(10, 11), QColor(0, 0, 128));
    else {
        P.setPen(QPen(QColor(0, 0, 128), 2));
        P.setBrush(Qt::NoBrush);
        P.drawEllipse(QPoint(10, 8), 4, 4);
    }
    return Pm;
}

QPixmap KindIconStrip()
{
    static QPixmap Strip;
    if (!Strip.isNull())
        return Strip;
    QImage Colour(18, 180, QImage::Format_ARGB32);
    Colour.fill(Qt::transparent);
    {
        QPainter P(&Colour);
        P.setRenderHint(QPainter::Antialiasing, true);
        for (int Row = 0; Row < 10; ++Row)
            PaintKind(P, Row, QRect(0, Row * 18, 18, 18));
    }
    const QImage Dim = Grey(Colour);
    QImage All(72, 180, QImage::Format_ARGB32);
    All.fill(Qt::transparent);
    QPainter P(&All);
    for (int Row = 0; Row < 10; ++Row) {
        const QRect Src(0, Row * 18, 18, 18);
        // Under the selection bar the icon sits on a white tile so it stays
        // readable on the highlight colour.
        P.drawImage(0, Row * 18, Colour, 0, Row * 18, 18, 18);
        P.fillRect(QRect(18, Row * 18, 18, 18), Qt::white);
        P.drawImage(18, Row * 18, Colour, 0, Row * 18, 18, 18);
        P.drawImage(36, Row * 18, Dim, 0, Row * 18, 18, 18);
        P.fillRect(QRect(54, Row * 18, 18, 18), QColor(224, 224, 224));
        P.drawImage(54, Row * 18, Dim, 0, Row * 18, 18, 18);
        Q_UNUSED(Src);
    }
    P.end();
    Strip = QPixmap::fromImage(All);
    return Strip;
}

QPixmap KindIcon(int Row, int State)
{
    if (Row < 0 || Row >= AllKindRows || !HasKindIcon(Row) || State < 0 || State > 3)
        return QPixmap();
    if (Row < FirstStripRows)
        return KindIconStrip().copy(State * 18, Row * 18, 18, 18);
    // The kinds added after the strip's ten, painted the same way on demand.
    static QHash<int, QPixmap> Cache;
    const int Key = Row * 4 + State;
    auto It = Cache.find(Key);
    if (It != Cache.end())
        return *It;
    QImage Colour(18, 18, QImage::Format_ARGB32);
    Colour.fill(Qt::transparent);
    {
        QPainter P(&Colour);
        P.setRenderHint(QPainter::Antialiasing, true);
        PaintKind(P, Row, QRect(0, 0, 18, 18));
    }
    const QImage Icon = State >= 2 ? Grey(Colour) : Colour;
    QImage Tile(18, 18, QImage::Format_ARGB32);
    Tile.fill(State == 1 ? QColor(Qt::white)
                         : State == 3 ? QColor(224, 224, 224) : QColor(Qt::transparent));
    {
        QPainter P(&Tile);
        P.drawImage(0, 0, Icon);
    }
    return *Cache.insert(Key, QPixmap::fromImage(Tile));
}
