#pragma once

#include <QScrollBar>

// A scroll bar that takes keys as the form's bars do: Up, Left, Page Up and
// Home move towards the top or left end, Down, Right, Page Down and End
// towards the other. (Qt's scroll bars run Right and Page Up the other way.)
class FormScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit FormScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
