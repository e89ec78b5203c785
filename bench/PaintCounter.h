#pragma once

#include <QEvent>
#include <QObject>

// Counts the paint events of every widget of the program, so that a timed
// repaint can wait until the window has really painted.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
