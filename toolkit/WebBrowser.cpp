#include "toolkit/WebBrowser.h"

#include "support/NativePath.h"

#include <QUrl>

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {}

void WebBrowser::Navigate(const QString& sPath)
{
    load(QUrl::fromLocalFile(NativePath(sPath)));
}
