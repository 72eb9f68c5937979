#pragma once

#include <QScrollBar>

// A scroll bar that takes keys as the form's bars do: Up, Left, Page Up and
// Home move towards the top or left end, Down, Right, Page Down and End
// towards the other. (Qt's scroll bars run Right and Page Up the other way.)
//
// Qt's bars grow from the top or left; a bar whose values fall that way
// keeps them negated inside. shownValue() is what the form shows, and what
// accessibility tools are told.
class FormScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit FormScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int shownValue() const { return shown(value()); }
    void setShownValue(int value) { setValue(shown(value)); }
    int shownMinimum() const { return qMin(shown(minimum()), shown(maximum())); }
    int shownMaximum() const { return qMax(shown(minimum()), shown(maximum())); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

    void setNegated(bool negated) { m_negated = negated; }
    // Between Qt's value and the shown one, either way.
    int shown(int value) const { return m_negated ? -value : value; }

private:
    bool m_negated = false;
};
