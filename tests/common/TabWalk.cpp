#include "common/TabWalk.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <tuple>

using namespace Qt::StringLiterals;

namespace
{

QString PageFocus(QWebEngineView* view)
{
    QString text;
    bool answered = false;
    view->page()->runJavaScript(u"document.activeElement.textContent.trim()"_s,
                                [&](const QVariant& result) {
                                    text = result.toString();
                                    answered = true;
                                });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 2000)) << "the page did not answer";
    return text;
}

QString Stop(QWidget* window)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    const QWidget* top = mainWindow ? mainWindow->centralWidget() : window;
    QWidget* control = QApplication::focusWidget();
    while (control && control->parentWidget() && control->parentWidget() != top)
        control = control->parentWidget();
    if (!control)
        return {};
    if (auto* view = qobject_cast<QWebEngineView*>(control))
        return control->objectName() + u':' + PageFocus(view);
    return control->objectName();
}

} // namespace

QStringList TabWalk(QWidget* window, int iCount, bool bForward)
{
    QStringList stops{Stop(window)};
    for (int i = 0; i < iCount; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Tab,
                        bForward ? Qt::NoModifier : Qt::ShiftModifier);
        // A page moves its focus in a process of its own, a little later. A stop that stays is
        // seen in the walk that comes back.
        std::ignore = QTest::qWaitFor([&] { return Stop(window) != stops.constLast(); }, 1000);
        stops << Stop(window);
    }
    return stops;
}
