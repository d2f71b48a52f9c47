#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <memory>

class PreviewPage;

// The web view that shows a page of the program's own, a local HTML file, as a preview: the page
// keeps to its folder and never holds up the program, even when its script never ends.
class WebBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Loads the file at sPath ("\"-separated, not a URL) and returns at once. It is read afresh
    // every time, also when it is the page already shown: the previews are rewritten in place.
    void Navigate(const QString& sPath);

private:
    void NameDocument();
    void Load();
    void Watch();
    void Reload();

    PreviewPage* m_page;
    QUrl m_url;
    int m_loads = 0;
    QTimer m_watch;
    // Since the page last answered; shared with the questions still on their way.
    std::shared_ptr<QElapsedTimer> m_answered = std::make_shared<QElapsedTimer>();
};
