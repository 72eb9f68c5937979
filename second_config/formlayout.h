#pragma once

#include "shared/ui/twips.h"

#include <QFont>
#include <QString>

class QLineEdit;
class QWidget;

// Places a form's controls from its twips table: the form's own 9-point
// Japanese face, twips at the screen's dots per inch, and controls widened
// (and heightened about their middle) where the installed font would clip
// a caption.
class FormLayout
{
public:
    explicit FormLayout(QWidget *form);

    template <typename Control>
    Control *place(Control *control, const char *name, int left, int top, int width, int height) const
    {
        placeWidget(control, QString::fromLatin1(name), left, top, width, height);
        return control;
    }

    // Makes a label whose text changes wide and high enough for sample,
    // keeping the side (or the middle) its alignment holds to.
    void fitText(QWidget *label, const QString &sample) const;

    // Sizes the form to its client area in twips, or larger when widened
    // controls need it, and fixes that size.
    void finish(int width, int height) const;

private:
    void placeWidget(QWidget *control, const QString &name, int left, int top, int width, int height) const;

    QWidget *m_form;
    Twips m_twips;
};

// The 11.25-point Japanese proportional face of the form's value labels.
QFont labelFont();

// A text field on the button face (as read-only and disabled fields are on
// the form) or on the window background.
void showOnButtonFace(QLineEdit *field, bool onButtonFace);
