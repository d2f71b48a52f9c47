#include "toolkit/WebBrowser.h"

#include "support/NativePath.h"
#include "toolkit/PageProcess.h"
#include "toolkit/PreviewPage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

using namespace Qt::StringLiterals;

namespace
{

constexpr int AskEveryMs = 500;
// Longer than the web engine takes to lay out the largest page the editor writes on an idle
// machine. A page is loaded once more after its process was ended, in case another page had hung
// it or the machine was busy, and then given more time.
constexpr int HangMs = 4000;
constexpr int LastHangMs = 30000;
constexpr int MaxLoads = 2;

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent), m_page(new PreviewPage(this))
{
    setPage(m_page);
    // The web engine's own menu offers to go back, save the page or show its source.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_watch.setInterval(AskEveryMs);
    connect(&m_watch, &QTimer::timeout, this, &WebBrowser::Watch);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, &WebBrowser::Reload);
}

void WebBrowser::Navigate(const QString& sPath)
{
    const QString file = NativePath(sPath);
    m_page->SetFolder(QFileInfo(file).absolutePath());
    m_url = QUrl::fromLocalFile(file);
    m_loads = 0;
    NameDocument();
    Load();
}

// A screen reader names the page's document by its title: the view's own name says what the
// document is to the user, where the page's title would say what the child's browser shows.
void WebBrowser::NameDocument()
{
    QWebEngineScriptCollection& scripts = m_page->scripts();
    for (const QWebEngineScript& named : scripts.find(u"name"_s))
        scripts.remove(named);
    if (accessibleName().isEmpty())
        return;
    QWebEngineScript name;
    name.setName(u"name"_s);
    name.setWorldId(QWebEngineScript::ApplicationWorld);
    name.setInjectionPoint(QWebEngineScript::DocumentReady);
    name.setSourceCode(u"document.title = %1[0];"_s.arg(QString::fromUtf8(
        QJsonDocument(QJsonArray{accessibleName()}).toJson(QJsonDocument::Compact))));
    scripts.insert(name);
}

void WebBrowser::Load()
{
    ++m_loads;
    m_answered->start();
    load(m_url);
    m_watch.start();
}

// A page that gives no sign of life for a while has its process ended.
void WebBrowser::Watch()
{
    if (m_answered->hasExpired(m_loads < MaxLoads ? HangMs : LastHangMs) &&
        m_page->renderProcessPid() > 0) {
        m_watch.stop();
        EndPageProcess(*m_page);
        return;
    }
    m_page->runJavaScript(u"1"_s, QWebEngineScript::ApplicationWorld,
                          [answered = m_answered](const QVariant& result) {
                              if (result.isValid())
                                  answered->start();
                          });
}

// The page whose process ended is shown again in a new one, unless it was itself the cause.
void WebBrowser::Reload()
{
    m_watch.stop();
    if (m_loads < MaxLoads)
        Load();
}
