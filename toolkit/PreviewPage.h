#pragma once

#include "toolkit/QuietPage.h"

// A page of the program's own, shown as it will look: its script runs, but it opens no dialog,
// reads no file outside its folder, reaches nothing on the network and never leaves itself. A
// link the user follows opens in the system's browser.
class PreviewPage : public QuietPage
{
    Q_OBJECT

public:
    explicit PreviewPage(QObject* parent);

    // The folder (a native path) whose files the page may load: the one it lies in.
    void SetFolder(const QString& sFolder);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool bMainFrame) override;

private:
    QString m_folder;
};
