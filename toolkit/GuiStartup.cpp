#include "toolkit/GuiStartup.h"

#include <QApplication>
#include <QFont>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

void PrepareGuiApplication()
{
    // The web view shares its graphics context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    // The web engine refuses to start its sandbox for the root user; it runs without it then.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

void PrepareGuiFonts()
{
    // Fonts of the same widths as the design's, in the order they are likely to be installed.
    const QStringList nearest = {u"Microsoft Sans Serif"_s, u"Arial"_s, u"Liberation Sans"_s,
                                 u"Arimo"_s};
    QFont::insertSubstitutions(u"MS Sans Serif"_s, nearest);
    QFont::insertSubstitutions(u"Small Fonts"_s, nearest);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}
