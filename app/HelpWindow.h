// The program's help: a small set of Danish pages shipped inside the program,
// shown in a browser window. Topic numbers are anchors "emneN".
#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;

class THelpWindow : public QWidget
{
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget *Parent = nullptr);

    void ShowContents();
    void ShowTopic(int Topic);
    // The keyword page with an empty search field.
    void ShowSearch();

    QTextBrowser *Browser() const { return View; }
    static QUrl TopicUrl(int Topic);

  private:
    void FindText(const QString &Text);
    void Present();

    QTextBrowser *View;
    QLineEdit *SearchEdit;
};
