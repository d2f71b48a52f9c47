#pragma once

class QWebEnginePage;

// Ends at once the process that runs the page's script, when it has one: nothing sent to a page
// stops a script that never ends, which would keep a core busy for good.
void EndPageProcess(const QWebEnginePage& page);
