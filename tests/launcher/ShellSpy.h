#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes the place of the system's default applications while it lives: what the program asks
// the shell to open is noted here instead of opened.
class ShellSpy : public QObject
{
    Q_OBJECT

public:
    ShellSpy() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~ShellSpy() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QStringList opened; // native paths

public slots:
    void Open(const QUrl& url) { opened.append(url.toLocalFile()); }
};
