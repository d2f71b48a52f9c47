#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Notes what the program asks the system to open, by scheme, instead of opening it.
class ShellSpy : public QObject
{
    Q_OBJECT

public:
    explicit ShellSpy(const QString& sScheme = QStringLiteral("file")) : m_scheme(sScheme)
    {
        QDesktopServices::setUrlHandler(m_scheme, this, "Open");
    }
    ~ShellSpy() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    QStringList opened; // native paths for files, addresses for the rest

public slots:
    void Open(const QUrl& url)
    {
        opened << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    }

private:
    QString m_scheme;
};
