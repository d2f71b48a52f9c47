#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

// Notes the first paint of a widget.
class PaintSeen : public QObject
{
public:
    explicit PaintSeen(QWidget* widget) { widget->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};
