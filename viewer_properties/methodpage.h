#pragma once

#include "propertystate.h"

#include "second_config/mirwinsettings.h"
#include "viewer/showcode.h"

#include <QFrame>
#include <QMap>

class QLabel;
class QLineEdit;
class QRadioButton;
class ValueBar;

// The page "表示方法": how the viewer shows a quote (units digit of Sh),
// the face tambwin uses (shown only, set by tambinit), and the four values
// of mirwin.ini (face, size, position), with buttons that start the two
// configuration programs.
class MethodPage : public QFrame
{
    Q_OBJECT
public:
    MethodPage(PropertyState &state, const PropertyServices &services, QWidget *parent);

    // Start-up: the method option of Sh, with its click; mirwin.ini's
    // values into the fields, bars and labels; tambwin.ini's face.
    void selectOutput(ShowCode::Output output);
    void showMirwin(const MirwinSettings &settings);
    void showTambwinFace(const QString &face);

    // What OK writes to mirwin.ini: the face field, the size label (empty
    // while no size was read or chosen), the two position bars.
    MirwinSettings mirwinSettings() const;

private:
    void buildControls();
    void buildMirwinFrame();
    void showSize(int size);
    // Rewrites the position label from the two position bars.
    void scr();
    void chooseMirwinFace();
    void startProgram(const QString &name);

    PropertyState &m_state;
    const PropertyServices &m_services;
    QMap<ShowCode::Output, QRadioButton *> m_methods;
    QLineEdit *m_tambwinFace = nullptr; // Text7
    QLineEdit *m_mirwinFace = nullptr;  // Text6
    ValueBar *m_size = nullptr;         // VScroll1
    ValueBar *m_horizontal = nullptr;   // HScroll1
    ValueBar *m_vertical = nullptr;     // VScroll2
    QLabel *m_sizeText = nullptr;       // Label13
    QLabel *m_position = nullptr;       // Label15
};
