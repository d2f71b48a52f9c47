#pragma once

#include <QWebEnginePage>

// A page whose script opens no dialog: no message, no question, no file chooser. Every page the
// program loads runs out of the user's sight, or beside other work, where such a dialog would only
// stand in the way.
class QuietPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit QuietPage(QObject* parent);
    QuietPage(QWebEngineProfile* profile, QObject* parent);

protected:
    void javaScriptAlert(const QUrl& origin, const QString& sText) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& sText) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& sText, const QString& sDefault,
                          QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
};
