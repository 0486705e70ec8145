// Pictures compared with reference files kept beside the tests.
// LUMEN_WRITE_GLYPHS=1 writes the references anew after a deliberate change;
// look at them before keeping them.
#pragma once

#include <QImage>
#include <QtTest>

inline void CompareWithReference(const QImage &Picture, const QString &Folder,
                                 const QString &Name)
{
    if (qEnvironmentVariableIsSet("LUMEN_WRITE_GLYPHS"))
        QVERIFY(Picture.save(Folder + Name));
    QCOMPARE(Picture.convertToFormat(QImage::Format_ARGB32),
             QImage(Folder + Name).convertToFormat(QImage::Format_ARGB32));
}
