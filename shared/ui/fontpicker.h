#pragma once

#include <QFont>
#include <QString>

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
    // The dialog's sample text: Latin, kana and kanji.
    static inline const QString kSampleText = QStringLiteral("AaBbYyZz あいアイ星環");

    Choice choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent) override;
};
