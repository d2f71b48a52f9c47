#pragma once

#include <QWebEngineView>

class PreviewPage;

// The web view that shows a page of the program's own, a local HTML file, as a preview: the page
// keeps to its folder.
class WebBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Loads the file at sPath ("\"-separated, not a URL) and returns at once. It is read afresh
    // every time, also when it is the page already shown: the previews are rewritten in place.
    void Navigate(const QString& sPath);

private:
    PreviewPage* m_page;
};
