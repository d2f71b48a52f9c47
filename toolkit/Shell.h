#pragma once

#include <QString>

class QUrl;

// Hands a folder or document ("\"-separated path) to the desktop's default application without
// waiting; no caller has anything to do when it fails, so nothing is reported.
void ShellOpen(const QString& sPath);
// The same for an address: a web page opens in the system's browser.
void ShellOpen(const QUrl& url);
