#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Notes what the program asks the system to open, by scheme, instead of opening it.
class ShellSpy : public QObject
{
    Q_OBJECT

public:
    explicit ShellSpy(const QString& sScheme = QStringLiteral("file"));
    ~ShellSpy() override;
    QStringList opened;

public slots:
    void Open(const QUrl& url);

private:
    QString m_scheme;
};
