#pragma once

#include "titlecard/titlefont.h"

#include <QByteArray>
#include <QString>

class FaceCatalogue;
class FontPicker;
class QWidget;

// The face shown when the dialog opens: line 14 of the settings file at
// path, else the default face. Code page 932 (or UTF-8, see TitleFont).
QByteArray initialFace(const QString &path);

// The installed face the card will draw with for the face shown: the
// record is read as tambwin reads it, whose pitch and family choose the
// stand-in for a face that is not installed.
QString drawingFace(const QByteArray &shownFace, const QString &path, const FaceCatalogue &faces);

// One use of the font button. The record starts from the defaults with the
// face currently shown, takes what the settings file at path holds, goes
// through the font dialog (opened at the face the card draws with), and is
// written back to path whether the dialog
// was confirmed or cancelled (so a cancel creates a missing file).
class FontSelection
{
public:
    struct Result
    {
        TitleFont font;
        bool accepted = false;
        bool written = false;
        QString error; // why it was not written
    };

    FontSelection(FontPicker &picker, const FaceCatalogue &faces, const QString &path);

    Result run(const QByteArray &shownFace, bool fixedPitchOnly, int logicalDpiY,
               QWidget *parent = nullptr);

private:
    FontPicker &m_picker;
    const FaceCatalogue &m_faces;
    QString m_path;
};
