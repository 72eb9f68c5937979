#pragma once

#include <QFont>

class QWidget;

// The font dialog, behind a seam so that tests can answer it.
class FontPicker
{
public:
    struct Choice
    {
        bool accepted = false;
        QFont font;
    };

    virtual ~FontPicker() = default;
    // Runs modally over parent, starting at initial; fixedPitchOnly offers
    // monospaced faces only.
    virtual Choice choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent) = 0;
};

// The real one: QFontDialog.
class FontDialogPicker : public FontPicker
{
public:
    Choice choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent) override;
};
