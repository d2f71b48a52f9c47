#pragma once

#include <QWebEngineView>

// The web view that shows a page of the program's own: a local HTML file.
class WebBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Starts showing the file at sPath ("\"-separated, not a URL) in place of what is shown now,
    // and returns without waiting for it to load. The file is read anew every time, also when the
    // path is the one already shown.
    void Navigate(const QString& sPath);
};
