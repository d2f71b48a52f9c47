#include "toolkit/QuietPage.h"

QuietPage::QuietPage(QObject* parent) : QWebEnginePage(parent) {}

QuietPage::QuietPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
}

void QuietPage::javaScriptAlert(const QUrl&, const QString&) {}

// The question asked before the page is left is answered "leave": the next page always loads.
bool QuietPage::javaScriptConfirm(const QUrl&, const QString&)
{
    return true;
}

bool QuietPage::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*)
{
    return false;
}

QStringList QuietPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&)
{
    return {};
}
