#pragma once

#include <QObject>

class QWidget;

// The web engine takes a good part of a second to start, and the first web view of the process
// starts it. This starts it while the user reads the window it watches: once that window has
// first been painted, a page of its own loads an empty document, and the editor's web view later
// finds the engine running. The page goes with the window.
class WebEngineWarmUp : public QObject
{
    Q_OBJECT

public:
    explicit WebEngineWarmUp(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
};
