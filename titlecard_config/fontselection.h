#pragma once

#include "titlecard/titlefont.h"

#include <QByteArray>
#include <QString>

class FontPicker;
class QWidget;

// The face shown when the dialog opens: line 14 of the settings file at
// path, else the default face. Code page 932.
QByteArray initialFace(const QString &path);

// One use of the font button. The record starts from the defaults with the
// face currently shown, takes what the settings file at path holds, goes
// through the font dialog, and is written back to path whether the dialog
// was confirmed or cancelled (so a cancel creates a missing file).
class FontSelection
{
public:
    struct Result
    {
        TitleFont font;
        bool accepted = false;
        bool written = false;
    };

    FontSelection(FontPicker &picker, const QString &path);

    Result run(const QByteArray &shownFace, bool fixedPitchOnly, int logicalDpiY,
               QWidget *parent = nullptr);

private:
    FontPicker &m_picker;
    QString m_path;
};
