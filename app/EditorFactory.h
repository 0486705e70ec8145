// The editor of each data type, created once by the main window.
#pragma once

#include "EditorHost.h"

TEditorBase *CreateEditor(TDataType Type, TEditorHost &Host, QWidget *Parent);
