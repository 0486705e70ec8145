// A plain editor frame for a data type whose editor is not part of this
// build: the file, data type and help menus work, the data stay untouched.
#pragma once

#include "EditorHost.h"

class QLabel;
class QToolButton;

class TPlaceholderEditor : public TEditorBase
{
    Q_OBJECT
  public:
    TPlaceholderEditor(TEditorHost &Host, TDataType Type, QWidget *Parent = nullptr);
    ~TPlaceholderEditor() override;

    TDataType EditorType() const override { return Type; }
    void ShowEditor() override;
    void HideEditor() override {}
    QMenuBar *EditorMenuBar() override { return MenuBar; }
    void DataReplaced(bool) override { ShowSummary(); }
    bool CommitEdit() override { return true; }
    void SetTextButtonDown(bool Down) override;

    QToolButton *InfoSpeed;

  private:
    void ShowSummary();

    TDataType Type;
    QMenuBar *MenuBar;
    QLabel *Summary;
};
