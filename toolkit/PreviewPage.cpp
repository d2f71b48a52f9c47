#include "toolkit/PreviewPage.h"

#include "toolkit/Shell.h"

#include <QDir>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace
{

// Lets a page have what it shows, from its own folder; no other file, nothing from the network.
class FolderOnly : public QWebEngineUrlRequestInterceptor
{
public:
    FolderOnly(const QString& folder, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent), m_folder(folder)
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override { info.block(!Allowed(info)); }

private:
    bool Allowed(const QWebEngineUrlRequestInfo& info) const
    {
        switch (info.resourceType()) {
        case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
        case QWebEngineUrlRequestInfo::ResourceTypeStylesheet:
        case QWebEngineUrlRequestInfo::ResourceTypeScript:
        case QWebEngineUrlRequestInfo::ResourceTypeImage:
        case QWebEngineUrlRequestInfo::ResourceTypeFontResource:
        case QWebEngineUrlRequestInfo::ResourceTypeMedia:
            break;
        default:
            // Frames, fetch and the like: what a script could read the text of.
            return false;
        }
        const QUrl& url = info.requestUrl();
        return url.isLocalFile() && !m_folder.isEmpty() &&
               QDir::cleanPath(url.toLocalFile()).startsWith(QDir::cleanPath(m_folder) + u'/');
    }

    const QString& m_folder;
};

} // namespace

PreviewPage::PreviewPage(QObject* parent) : QuietPage(parent)
{
    setUrlRequestInterceptor(new FolderOnly(m_folder, this));
    // Nothing dropped on the view replaces the page.
    settings()->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    // A link opened in a new window (a click with Ctrl, a target of its own) goes where the
    // others go; a window the script opens by itself goes nowhere.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [](QWebEngineNewWindowRequest& request) {
                if (request.isUserInitiated())
                    ShellOpen(request.requestedUrl());
            });
}

void PreviewPage::SetFolder(const QString& sFolder)
{
    m_folder = sFolder;
}

// The page changes only when the program loads one; a link followed leaves it for the system's
// browser, and a page the script or a form would go to is not shown.
bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool bMainFrame)
{
    if (type == NavigationTypeLinkClicked) {
        ShellOpen(url);
        return false;
    }
    return !bMainFrame || type == NavigationTypeTyped || type == NavigationTypeReload;
}
