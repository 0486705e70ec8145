// The files used last ("Seneste filer" in the file menus): up to eight full
// paths, newest first, kept in the user's settings between runs.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

class TRecentFiles : public QObject
{
    Q_OBJECT
  public:
    static constexpr int MaxFiles = 8;

    explicit TRecentFiles(QObject *Parent = nullptr);

    QStringList Files() const { return List; }
    // Puts the file first (once only), dropping the oldest beyond MaxFiles.
    void Add(const QString &Name);
    void Remove(const QString &Name);

    // Replaces Menu's entries by one per file, newest first ("&1 navn.lmt",
    // the folder in the tool tip); choosing one calls Chosen with its path.
    void FillMenu(QMenu *Menu, const std::function<void(const QString &)> &Chosen) const;

  private:
    void Load();
    void Save() const;

    QStringList List;
};

// The zoom of the editors' grids and panes in percent, kept beside the recent
// files: 100 when none is stored, the nearest zoom step for a value edited
// by hand.
int StoredZoom();
void StoreZoom(int Percent);
