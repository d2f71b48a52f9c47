#include "toolkit/PageProcess.h"

#include <QWebEnginePage>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

void EndPageProcess(const QWebEnginePage& page)
{
#ifdef Q_OS_UNIX
    if (const qint64 process = page.renderProcessPid(); process > 0)
        ::kill(pid_t(process), SIGKILL);
#else
    Q_UNUSED(page);
#endif
}
