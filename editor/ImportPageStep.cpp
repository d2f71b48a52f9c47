#include "editor/ImportPageStep.h"

#include <QCoreApplication>
#include <utility>

ImportPageStep::ImportPageStep(const StepTarget& target, CWebPage page)
    : m_target(target), m_other(std::move(page))
{
    setText(QCoreApplication::translate("frmMain", "Import Page"));
}

void ImportPageStep::Swap()
{
    std::swap(*m_target.page, m_other);
    m_target.show(-1);
}
