#pragma once

#include "editor/PageCommands.h"
#include "model/CWebPage.h"

#include <QUndoCommand>

// The step "Import Page": the window's page becomes another page whole, its fields and its links,
// and undone it is the page before again. The page object stays the window's own; what is swapped
// is what it holds.
class ImportPageStep : public QUndoCommand
{
public:
    ImportPageStep(const StepTarget& target, CWebPage page);

    void undo() override { Swap(); }
    void redo() override { Swap(); }

private:
    void Swap();

    StepTarget m_target;
    CWebPage m_other;
};
