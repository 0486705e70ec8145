#include "support_host.h"

#include "Printing.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QScreen>

TFakeHost::TFakeHost() : Data(std::make_unique<tLumen>()) {}

TFakeHost::~TFakeHost() = default;

QPrinter &TFakeHost::Printer()
{
    // The program's printer: high resolution, the common print page.
    if (!ThePrinter) {
        ThePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        SetUpPrintPage(*ThePrinter);
    }
    return *ThePrinter;
}

// Replaces the data set as New does, telling the editor.
void TFakeHost::NewDocument(TDataType Type)
{
    Calls << QStringLiteral("New %1").arg(Type);
    Data = std::make_unique<tLumen>();
    if (Editor != nullptr)
        Editor->DataReplaced(false);
}

void InitEditorTest()
{
    QLocale::setDefault(QLocale::c());
    QFont F(QStringLiteral("Liberation Sans"));
    F.setPixelSize(12);
    QApplication::setFont(F);
    QApplication::setCursorFlashTime(0); // a caret that stays put on the screen
}

#include "DataEdit.h"
#include "ObsGridBlock.h"

#include <QTest>
#include <QTimer>

TEditorFixture::TEditorFixture()
{
    Edit = new TDataEdit(&Host);
    Host.Editor = Edit;
    Edit->resize(1100, 700);
    Edit->show();
    Edit->activateWindow();
    QApplication::setActiveWindow(Edit);
    (void)QTest::qWaitForWindowActive(Edit);
    Edit->ShowEditor();
}

TEditorFixture::~TEditorFixture()
{
    Host.Editor = nullptr;
    delete Edit;
}

void TypeInto(TGridView *View, const QString &Text, int Key)
{
    View->setFocus();
    for (QChar Ch : Text) {
        QWidget *Target = QApplication::focusWidget() ? QApplication::focusWidget() : View;
        QTest::keyClick(Target, Ch.toLatin1() ? Ch.toLatin1() : 'x');
    }
    if (Key != 0)
        PressKey(Key);
}

void PressKey(int Key, Qt::KeyboardModifiers Mods)
{
    QWidget *Target = QApplication::focusWidget();
    if (Target != nullptr)
        QTest::keyClick(Target, Qt::Key(Key), Mods);
}

void ClickHeader(TGridView *View, int Row, int Col, Qt::KeyboardModifiers Mods, bool Drop)
{
    const QModelIndex I = View->model()->index(Row, Col);
    View->scrollTo(I);
    const QRect R = View->visualRect(I);
    QPoint P = R.center();
    if (Row == 0 && View->model()->rowCount() == 2) {
        const QRect B = gridpaint::DropButton(R);
        P = Drop ? B.center() : QPoint(R.left() + (B.left() - R.left()) / 2, R.center().y());
    }
    QTest::mouseClick(View->viewport(), Qt::LeftButton, Mods, P);
}

bool MakeComputed(tLumen &L, int Col, const QString &Formula)
{
    L.SetFormula(Col, Formula);
    L.SetComputed(Col, true);
    if (!L.Compile(Formula))
        return false;
    L.BuildFormulaRefs(Col);
    L.ComputeColumn(Col);
    return true;
}

void WhenModal(std::function<void(QWidget *)> Act, QString *Seen)
{
    // Polls: the dialog appears only once the command has called exec().
    auto *Timer = new QTimer;
    Timer->setInterval(5);
    QObject::connect(Timer, &QTimer::timeout, [Timer, Act, Seen] {
        QWidget *W = QApplication::activeModalWidget();
        if (W == nullptr)
            return;
        Timer->stop();
        Timer->deleteLater();
        if (Seen != nullptr)
            *Seen = W->objectName();
        Act(W);
    });
    Timer->start();
}

bool ScreenUpToDate(QWidget *Window)
{
    const auto Same = [Window] {
        const QImage Screen = Window->screen()->grabWindow(Window->winId()).toImage();
        return Screen.convertToFormat(QImage::Format_RGB32) ==
               Window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Repaints follow a change within milliseconds; a busy machine gets a second.
    QTest::qWait(10);
    return QTest::qWaitFor(Same, 1000);
}
