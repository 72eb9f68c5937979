#pragma once

#include "shared/ui/twips.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Makes the controls of one form or page from its table in twips: each
// control gets its object name (the form's control name) and its place,
// converted at the screen's dots per inch, and is widened where the
// installed font would clip its caption.
class FormPlacer
{
public:
    explicit FormPlacer(QWidget *parent);

    QWidget *parent() const { return m_parent; }
    QRect rect(int left, int top, int width, int height) const;

    // Places any control made elsewhere.
    template <typename Control>
    Control *place(Control *control, const QString &name, int left, int top, int width, int height) const
    {
        placeWidget(control, name, left, top, width, height);
        return control;
    }

    QRadioButton *option(const QString &name, const QString &caption, int left, int top, int width) const;
    QCheckBox *checkBox(const QString &name, const QString &caption, int left, int top, int width) const;
    QLabel *label(const QString &name, const QString &caption, int left, int top, int width) const;
    QPushButton *button(const QString &name, const QString &caption, int left, int top, int width,
                        int height) const;
    QLineEdit *field(const QString &name, int left, int top, int width, bool readOnly) const;

private:
    void placeWidget(QWidget *control, const QString &name, int left, int top, int width, int height) const;

    QWidget *m_parent;
    Twips m_twips;
};

// The two looks of a text field: white for one that takes input, the
// menu's background colour for one that is shown only or switched off.
void setFieldWhite(QLineEdit *field, bool white);
bool isFieldWhite(const QLineEdit *field);
