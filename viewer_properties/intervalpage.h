#pragma once

#include "propertystate.h"

#include <QFrame>
#include <QList>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The page "表示間隔": the display mode (Jo) and, for the periodic mode
// only, the interval in minutes, which the save reads from the field; under
// them the box that starts the viewer at login.
class IntervalPage : public QFrame
{
    Q_OBJECT
public:
    IntervalPage(PropertyState &state, QWidget *parent);

    // Start-up: the interval field shows the stored interval; the mode
    // option of the stored pair runs its click (none for an unknown Jo).
    void showInterval(qint16 intervalMinutes);
    void selectMode(quint8 residentMode, qint16 intervalMinutes);

    QString intervalText() const;

    // Start-up: the box shows whether the viewer starts at login.
    void showLoginStart(bool on);

private:
    PropertyState &m_state;
    QList<QRadioButton *> m_modes; // as PropertyChoices lists them
    QLineEdit *m_interval = nullptr; // Text1
    QCheckBox *m_loginStart = nullptr; // Check1
};
