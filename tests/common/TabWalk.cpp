#include "common/TabWalk.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;

QString PageScript(QWebEngineView* view, const QString& sScript)
{
    std::optional<QString> text;
    view->page()->runJavaScript(sScript, [&](const QVariant& result) { text = result.toString(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return text.has_value(); }, 2000)) << "no answer";
    return text.value_or(QString());
}

static QString Stop(QWidget* window)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    const QWidget* top = mainWindow ? mainWindow->centralWidget() : window;
    QWidget* control = QApplication::focusWidget();
    while (control && control->parentWidget() && control->parentWidget() != top)
        control = control->parentWidget();
    auto* view = qobject_cast<QWebEngineView*>(control);
    if (!view)
        return control ? control->objectName() : QString();
    return view->objectName() + u':' +
           PageScript(view, u"document.activeElement.textContent.trim()"_s);
}

QStringList TabWalk(QWidget* window, int iCount, bool bForward)
{
    QStringList stops{Stop(window)};
    for (int i = 0; i < iCount; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Tab,
                        bForward ? Qt::NoModifier : Qt::ShiftModifier);
        // A page moves its focus a little later; a stop that stays shows in the walk back.
        std::ignore = QTest::qWaitFor([&] { return Stop(window) != stops.constLast(); }, 1000);
        stops << Stop(window);
    }
    return stops;
}
