#include "Clipboard.h"

#include "TextTransfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

void SetClipboardText(const QString &Text)
{
    QClipboard *C = QGuiApplication::clipboard();
    if (!C)
        return;
    if (Text.isEmpty())
        C->clear();
    else
        C->setText(Text);
}

void SetClipboardImage(const QImage &Picture)
{
    if (QClipboard *C = QGuiApplication::clipboard())
        C->setImage(Picture);
}

void SetClipboardImageAndText(const QImage &Picture, const QString &Text)
{
    QClipboard *C = QGuiApplication::clipboard();
    if (!C)
        return;
    auto *Data = new QMimeData;
    Data->setImageData(Picture);
    if (!Text.isEmpty())
        Data->setText(Text);
    C->setMimeData(Data);
}

bool GetClipboardText(QString &Text)
{
    Text.clear();
    QClipboard *C = QGuiApplication::clipboard();
    if (!C)
        return false;
    const QMimeData *Data = C->mimeData();
    if (!Data || !Data->hasText())
        return false;
    Text = NormaliseLineEnds(Data->text());
    return !Text.isEmpty();
}
