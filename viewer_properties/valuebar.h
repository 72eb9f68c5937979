#pragma once

#include <QScrollBar>

// A scroll bar given by the values at its two ends, as the form's bars
// are: the value at the top (or left) end may be the larger one, as on
// the size bar that runs from 200 at the top to -39 at the bottom. The
// arrows, the keys and the thumb then all move the way they point. Values
// set outside the ends are clamped to them.
class ValueBar : public QScrollBar
{
    Q_OBJECT
public:
    ValueBar(Qt::Orientation orientation, int startEnd, int finishEnd, QWidget *parent = nullptr);

    // startEnd is the value at the top or left end, finishEnd at the other.
    void setEnds(int startEnd, int finishEnd);
    int startEnd() const { return m_reversed ? -minimum() : minimum(); }
    int finishEnd() const { return m_reversed ? -maximum() : maximum(); }

    int barValue() const { return m_reversed ? -value() : value(); }
    void setBarValue(int value);

signals:
    // Every change: set by the program, moved by arrow, key or page, and
    // while the thumb is dragged.
    void barValueChanged(int value);

protected:
    // Arrows, pages, Home and End move towards the end they name: Qt's own
    // scroll bars run Left and Right (and the page keys) the other way.
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_reversed = false;
};
