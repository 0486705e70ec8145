// The view commands every editor shares: the zoom of the grids and the
// description panes (for a classroom projector) and full screen.
#include "EditorFrame.h"

#include "GridView.h"
#include "Zoom.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
// How long the status line shows the zoom.
constexpr int ZoomStatusMs = 2500;
} // namespace

void TEditorFrame::SetZoom(int Percent)
{
    ConnectZoomWheels();
    Percent = zoom::Valid(Percent);
    if (Percent != ZoomPercent) {
        const double Old = zoom::Factor(ZoomPercent);
        ZoomPercent = Percent;
        const double Factor = zoom::Factor(Percent);
        for (int N = 1; N <= 4; ++N)
            Panes[N]->SetZoom(Factor);
        ZoomGrids(Factor);
        WidenMixedGrid(Old, Factor);
    }
    // The shortcuts of a step that goes nowhere are off too.
    if (ZoomItems[0] != nullptr) {
        ZoomItems[0]->setEnabled(ZoomPercent < zoom::Steps.back());
        ZoomItems[1]->setEnabled(ZoomPercent > zoom::Steps.front());
        ZoomItems[2]->setEnabled(ZoomPercent != zoom::Normal);
    }
}

void TEditorFrame::WidenMixedGrid(double Old, double Factor)
{
    // The mixed view's grid keeps its columns in sight: its side of the
    // splitter grows with the zoom, up to half the view, and is back to its
    // own width at 100 %.
    const QList<int> Sizes = MixedSplitter->sizes();
    if (Sizes.size() != 2 || Sizes[0] <= 0 || Sizes[1] <= 0)
        return;
    const int Total = Sizes[0] + Sizes[1];
    const bool Capped = MixedGridNormal > 0 && Sizes[0] >= Total / 2 - 1;
    if (!Capped)
        MixedGridNormal = int(std::lround(Sizes[0] / Old));
    const int Grid =
        std::max(MixedGridNormal, std::min(zoom::Scaled(MixedGridNormal, Factor), Total / 2));
    MixedSplitter->setSizes({Grid, Total - Grid});
}

void TEditorFrame::MixedViewShown()
{
    if (ZoomPercent == zoom::Normal || MixedGridNormal > 0)
        return;
    QTimer::singleShot(0, this, [this] {
        if (MixedGridNormal == 0 && MixedSplitter->isVisible())
            WidenMixedGrid(1, zoom::Factor(ZoomPercent));
    });
}

void TEditorFrame::StepZoom(int Steps)
{
    int Percent = ZoomPercent;
    for (int I = 0; I < std::abs(Steps); ++I)
        Percent = zoom::Next(Percent, Steps > 0 ? 1 : -1);
    ChooseZoom(Percent);
}

void TEditorFrame::NormalZoom()
{
    ChooseZoom(zoom::Normal);
}

void TEditorFrame::ChooseZoom(int Percent)
{
    SetZoom(Percent);
    Host.ZoomChosen(ZoomPercent);
    const QString Text = zoom::StatusText(ZoomPercent);
    StatusPanel->setText(Text);
    QTimer::singleShot(ZoomStatusMs, StatusPanel, [this, Text] {
        if (StatusPanel->text() == Text)
            StatusPanel->clear();
    });
}

void TEditorFrame::ToggleFullScreen()
{
    QWidget *W = window();
    // Back to what it was before, maximised or not.
    W->setWindowState(W->windowState() ^ Qt::WindowFullScreen);
}

QMenu *TEditorFrame::AddViewMenu(QMenuBar *Bar, const QString &Prefix)
{
    QMenu *Vis = Bar->addMenu(QStringLiteral("&Vis"));
    Vis->setObjectName(Prefix + QStringLiteral("Vis"));
    auto Add = [this, Vis, &Prefix](const char *Name, const char *Caption,
                                    const QList<QKeySequence> &Keys, void (TEditorFrame::*Fn)()) {
        QAction *A = Vis->addAction(QString::fromUtf8(Caption));
        A->setObjectName(Prefix + QLatin1String(Name));
        A->setShortcuts(Keys);
        connect(A, &QAction::triggered, this, Fn);
        return A;
    };
    ZoomItems[0] =
        Add("ZoomInd", "Zoom ind",
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            &TEditorFrame::ZoomIn);
    ZoomItems[1] =
        Add("ZoomUd", "Zoom ud", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &TEditorFrame::ZoomOut);
    ZoomItems[2] = Add("NormalStoerrelse", "Normal størrelse", {QKeySequence(Qt::CTRL | Qt::Key_0)},
                       &TEditorFrame::NormalZoom);
    Vis->addSeparator();
    QAction *Full = Add("FuldSkaerm", "Fuld skærm", {QKeySequence(Qt::Key_F11)},
                        &TEditorFrame::ToggleFullScreen);
    Full->setCheckable(true);
    connect(Vis, &QMenu::aboutToShow, this,
            [this, Full] { Full->setChecked(window()->isFullScreen()); });
    SetZoom(ZoomPercent);
    return Vis;
}

void TEditorFrame::ConnectZoomWheels()
{
    for (TGridView *V : findChildren<TGridView *>())
        connect(V, &TGridView::ZoomWheel, this, &TEditorFrame::StepZoom, Qt::UniqueConnection);
    for (int N = 1; N <= 4; ++N)
        connect(Panes[N], &TDescriptionPane::ZoomWheel, this, &TEditorFrame::StepZoom,
                Qt::UniqueConnection);
}
