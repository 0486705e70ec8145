#include "RecentFiles.h"

#include "Zoom.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <memory>

namespace
{
const QString Key = QStringLiteral("SenesteFiler");
const QString ZoomKey = QStringLiteral("Zoom");

// ~/.config/Lumentor/Lumentor.conf on Linux.
std::unique_ptr<QSettings> Store()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Lumentor"), QStringLiteral("Lumentor"));
}

// One spelling per file, so that the same file never shows twice.
QString Normalised(const QString &Name)
{
    return QDir::cleanPath(QFileInfo(Name).absoluteFilePath());
}
} // namespace

TRecentFiles::TRecentFiles(QObject *Parent) : QObject(Parent)
{
    Load();
}

void TRecentFiles::Load()
{
    List.clear();
    // The store may have been edited by hand: keep only usable names.
    for (const QString &Name : Store()->value(Key).toStringList()) {
        if (Name.isEmpty() || List.size() >= MaxFiles)
            continue;
        const QString Clean = Normalised(Name);
        if (!List.contains(Clean))
            List.append(Clean);
    }
}

void TRecentFiles::Save() const
{
    Store()->setValue(Key, List);
}

void TRecentFiles::Add(const QString &Name)
{
    if (Name.isEmpty())
        return;
    // Another running copy of the program may have added files meanwhile.
    Load();
    const QString Clean = Normalised(Name);
    List.removeAll(Clean);
    List.prepend(Clean);
    while (List.size() > MaxFiles)
        List.removeLast();
    Save();
}

void TRecentFiles::Remove(const QString &Name)
{
    Load();
    if (List.removeAll(Normalised(Name)) > 0)
        Save();
}

void TRecentFiles::FillMenu(QMenu *Menu, const std::function<void(const QString &)> &Chosen) const
{
    Menu->clear();
    if (List.isEmpty()) {
        Menu->addAction(QStringLiteral("(ingen)"))->setEnabled(false);
        return;
    }
    for (int I = 0; I < List.size(); ++I) {
        const QString Path = List.at(I);
        QString Shown = QFileInfo(Path).fileName();
        Shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *A =
            Menu->addAction(QLatin1Char('&') + QString::number(I + 1) + QLatin1Char(' ') + Shown);
        A->setToolTip(QDir::toNativeSeparators(Path));
        A->setStatusTip(QDir::toNativeSeparators(Path));
        A->setData(Path);
        QObject::connect(A, &QAction::triggered, Menu, [Chosen, Path] { Chosen(Path); });
    }
    Menu->setToolTipsVisible(true);
}

int StoredZoom()
{
    bool Ok = false;
    const int Percent = Store()->value(ZoomKey).toInt(&Ok);
    return Ok ? zoom::Valid(Percent) : zoom::Normal;
}

void StoreZoom(int Percent)
{
    Store()->setValue(ZoomKey, zoom::Valid(Percent));
}
