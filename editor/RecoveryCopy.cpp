#include "editor/RecoveryCopy.h"

#include "model/CWebPage.h"
#include "support/NativePath.h"
#include "toolkit/RunCommand.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace
{

constexpr int DelayMs = 2000;

} // namespace

RecoveryCopy::RecoveryCopy(const QString& sFile)
    : m_file(sFile), m_lock(NativePath(sFile + u".lock"_s))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Write(); });
}

bool RecoveryCopy::TakeOver()
{
    return m_lock.tryLock(0) && QFile::exists(NativePath(m_file));
}

void RecoveryCopy::Keep(const CWebPage* page)
{
    if (!m_lock.isLocked())
        return;
    m_page = page;
    // Not restarted by later steps: the copy follows within two seconds of the first.
    if (!m_timer.isActive())
        m_timer.start(DelayMs);
}

// A copy that cannot be written is no worse than none: the page itself is untouched.
void RecoveryCopy::Write()
{
    IgnoringErrors([this] { m_page->SaveSettings(m_file); });
}

void RecoveryCopy::Remove()
{
    m_timer.stop();
    if (m_lock.isLocked())
        QFile::remove(NativePath(m_file));
}
