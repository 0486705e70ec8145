// Pictures compared with reference files kept beside the tests.
// LUMEN_WRITE_GLYPHS=1 writes the references anew after a deliberate change;
// look at them before keeping them.
//
// Qt's raster engine does not promise the same anti-aliasing on every CPU
// (its blend routines differ by instruction set), so two pictures count as
// alike when every channel of every pixel is within ChannelTolerance of the
// reference, but for a handful of stray pixels. A line moved by one pixel, a
// missing label or a wrong colour changes far more pixels by far more.
#pragma once

#include <QDir>
#include <QImage>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace pictures
{
constexpr int ChannelTolerance = 48;

struct tDifference {
    bool SameSize = true;
    int Outliers = 0; // pixels with a channel further off than the tolerance
    int Allowed = 0;  // how many of those still count as alike
    int Worst = 0;    // the largest channel difference seen
    bool Alike() const { return SameSize && Outliers <= Allowed; }
};

inline tDifference Compare(const QImage &Picture, const QImage &Reference)
{
    tDifference D;
    const QImage A = Picture.convertToFormat(QImage::Format_ARGB32);
    const QImage B = Reference.convertToFormat(QImage::Format_ARGB32);
    if (A.size() != B.size() || A.isNull()) {
        D.SameSize = false;
        return D;
    }
    D.Allowed = 8 + int(qint64(A.width()) * A.height() / 500000);
    for (int Y = 0; Y < A.height(); ++Y) {
        const QRgb *RowA = reinterpret_cast<const QRgb *>(A.constScanLine(Y));
        const QRgb *RowB = reinterpret_cast<const QRgb *>(B.constScanLine(Y));
        for (int X = 0; X < A.width(); ++X) {
            const QRgb Pa = RowA[X], Pb = RowB[X];
            if (Pa == Pb)
                continue;
            const int Diff = std::max({std::abs(qRed(Pa) - qRed(Pb)), std::abs(qGreen(Pa) - qGreen(Pb)),
                                       std::abs(qBlue(Pa) - qBlue(Pb)),
                                       std::abs(qAlpha(Pa) - qAlpha(Pb))});
            D.Worst = std::max(D.Worst, Diff);
            if (Diff > ChannelTolerance)
                ++D.Outliers;
        }
    }
    return D;
}
} // namespace pictures

inline void CompareWithReference(const QImage &Picture, const QString &Folder,
                                 const QString &Name)
{
    if (qEnvironmentVariableIsSet("LUMEN_WRITE_GLYPHS"))
        QVERIFY(Picture.save(Folder + Name));
    const QImage Reference(Folder + Name);
    QVERIFY2(!Reference.isNull(), qPrintable(Name + QStringLiteral(" is missing")));
    const pictures::tDifference D = pictures::Compare(Picture, Reference);
    if (!D.Alike()) {
        // Keep what was drawn for a look beside the reference.
        const QString Drawn = QDir::temp().filePath(QStringLiteral("drawn-") + Name);
        Picture.save(Drawn);
        QFAIL(qPrintable(QStringLiteral("%1 differs from the reference: %2 of at most %3 pixels "
                                        "off by more than %4 (worst %5)%6; drawn: %7")
                             .arg(Name)
                             .arg(D.Outliers)
                             .arg(D.Allowed)
                             .arg(pictures::ChannelTolerance)
                             .arg(D.Worst)
                             .arg(D.SameSize ? QString() : QStringLiteral(", other size"))
                             .arg(Drawn)));
    }
}
