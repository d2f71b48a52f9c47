#include "launcher/WebEngineWarmUp.h"

#include <QEvent>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>

using namespace Qt::StringLiterals;

WebEngineWarmUp::WebEngineWarmUp(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

bool WebEngineWarmUp::eventFilter(QObject* watched, QEvent* event)
{
    // Started from the event loop, after the painted window has reached the screen.
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &WebEngineWarmUp::Start);
    }
    return false;
}

void WebEngineWarmUp::Start()
{
    auto* page = new QWebEnginePage(this);
    page->load(QUrl(u"about:blank"_s));
}
