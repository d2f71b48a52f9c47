#include "toolkit/WebBrowser.h"

#include "support/NativePath.h"
#include "toolkit/PreviewPage.h"

#include <QFileInfo>

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent), m_page(new PreviewPage(this))
{
    setPage(m_page);
    // The web engine's own menu offers to go back, save the page or show its source.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebBrowser::Navigate(const QString& sPath)
{
    const QString file = NativePath(sPath);
    m_page->SetFolder(QFileInfo(file).absolutePath());
    load(QUrl::fromLocalFile(file));
}
