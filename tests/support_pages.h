// Checks of printed pages: pixels in a region of a picture, and PDF files
// read through poppler's tools (pdfinfo, pdftotext, pdftoppm).
#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

template <class tFn> bool AnyPixel(const QImage &Img, QRect R, tFn &&Test)
{
    R = R.intersected(Img.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (Test(QColor(Img.pixel(X, Y))))
                return true;
    return false;
}
inline bool IsDark(const QColor &C) { return qMax(C.red(), qMax(C.green(), C.blue())) < 110; }
inline bool IsRed(const QColor &C) { return C.red() > 180 && qMax(C.green(), C.blue()) < 110; }

inline bool HavePoppler() { return !QStandardPaths::findExecutable("pdftoppm").isEmpty(); }
inline QString Poppler(const QString &Tool, const QStringList &Args)
{
    QProcess P;
    P.start(Tool, Args);
    P.waitForFinished(60000);
    return QString::fromUtf8(P.readAllStandardOutput());
}
inline int PdfPages(const QString &Pdf)
{
    const auto M = QRegularExpression("Pages:\\s+(\\d+)").match(Poppler("pdfinfo", {Pdf}));
    return M.hasMatch() ? M.captured(1).toInt() : -1;
}
// The text of every page.
inline QStringList PdfTexts(const QString &Pdf)
{
    return Poppler("pdftotext", {"-layout", Pdf, "-"}).split('\f');
}
// Page N (from 1) rendered at Dpi.
inline QImage PdfPage(const QString &Pdf, int N, int Dpi)
{
    const QString Page = QString::number(N), Stem = Pdf + ".page";
    Poppler("pdftoppm", {"-r", QString::number(Dpi), "-f", Page, "-l", Page, "-singlefile", "-png", Pdf, Stem});
    return QImage(Stem + ".png");
}
