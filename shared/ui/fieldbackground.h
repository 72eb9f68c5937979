#pragma once

class QLineEdit;

// The backgrounds a text field of the forms is shown on: the platform's
// colours of a window's interior and of a button face (they follow the
// field's state), plain white, and the style's menu background.
enum class FieldBackground {
    Window,
    ButtonFace,
    White,
    Menu,
};

void setFieldBackground(QLineEdit *field, FieldBackground background);
bool isFieldWhite(const QLineEdit *field);
