#pragma once

#include "dialogunits.h"
#include "fieldbackground.h"
#include "twips.h"

#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// What a program's forms leave to the placer: the height of the one-line
// controls it makes, in the form's units; the backgrounds of text fields
// that take input and of read-only ones (none: the platform's); and
// whether buttons and labels grow, about their middle, to the line of the
// installed face where the form's height would clip it.
struct FormStyle
{
    int lineHeight = 0;  // options, check boxes and labels
    int fieldHeight = 0; // text fields
    std::optional<FieldBackground> inputField;
    std::optional<FieldBackground> readOnlyField;
    bool heightenCaptions = false;
};

// Makes the controls of a form, or of a frame in it, from the form's
// table: each control gets its object name (the form's control name) and
// its place in the form's units, converted to pixels, and is widened where
// the installed face would clip its caption. The units are twips at the
// dots per inch of the screen, or the dialog units of the form's face.
class FormPlacer
{
public:
    static constexpr int kStyleHeight = -1;

    FormPlacer(QWidget *parent, const FormStyle &style);
    FormPlacer(QWidget *parent, const DialogUnits &units, const FormStyle &style);

    QRect rect(int left, int top, int width, int height) const;

    // Places a control made elsewhere (its parent is its container).
    template <typename Control>
    Control *place(Control *control, const QString &name, int left, int top, int width, int height) const
    {
        placeWidget(control, name, left, top, width, height);
        return control;
    }

    // Controls made on the placer's parent; without a height, the style's.
    QLabel *label(const QString &name, const QString &caption, int left, int top, int width,
                  int height = kStyleHeight) const;
    QRadioButton *option(const QString &name, const QString &caption, int left, int top, int width,
                         int height = kStyleHeight) const;
    QCheckBox *checkBox(const QString &name, const QString &caption, int left, int top, int width,
                        int height = kStyleHeight) const;
    QPushButton *button(const QString &name, const QString &caption, int left, int top, int width,
                        int height) const;
    QLineEdit *field(const QString &name, int left, int top, int width, bool readOnly,
                     int height = kStyleHeight) const;

    // Makes a label whose text changes wide and high enough for sample,
    // keeping the side (or the middle) its alignment holds to.
    void fitText(QLabel *label, const QString &sample) const;

    // Sizes the form to its client area, or larger (with margin to spare)
    // where widened controls need it, and fixes that size. Frames grow to
    // hold their controls and lie under the controls they surround.
    void finish(int width, int height, int margin) const;

private:
    int x(int units) const;
    int y(int units) const;
    void placeWidget(QWidget *control, const QString &name, int left, int top, int width, int height) const;
    int heightOr(int height, int styleHeight) const;

    QWidget *m_parent;
    FormStyle m_style;
    Twips m_twips;
    std::optional<DialogUnits> m_units;
};
