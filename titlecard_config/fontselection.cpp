#include "fontselection.h"

#include "shared/facechoice.h"
#include "shared/ui/fontpicker.h"
#include "fontdialogmapping.h"

#include "titlecard/titlefontfile.h"

QByteArray initialFace(const QString &path)
{
    const QByteArray face = TitleFontFile::readFaceLine(path);
    return face.isEmpty() ? defaultTitleFace() : face;
}

QString drawingFace(const QByteArray &shownFace, const QString &path, const FaceCatalogue &faces)
{
    TitleFont font = defaultTitleFont(shownFace);
    TitleFontFile::read(path, font);
    return FaceChoice::resolve(font.faceName(), font.lfPitchAndFamily, faces);
}

FontSelection::FontSelection(FontPicker &picker, const FaceCatalogue &faces, const QString &path)
    : m_picker(picker), m_faces(faces), m_path(path)
{
}

FontSelection::Result FontSelection::run(const QByteArray &shownFace, bool fixedPitchOnly,
                                         int logicalDpiY, QWidget *parent)
{
    Result result;
    result.font = defaultTitleFont(shownFace);
    TitleFontFile::read(m_path, result.font);
    QFont initial = toQFont(result.font, logicalDpiY);
    // The dialog opens at the face the card draws with: the stored one may
    // be installed nowhere, and Qt would open at some Latin face instead.
    initial.setFamily(FaceChoice::resolve(result.font.faceName(), result.font.lfPitchAndFamily, m_faces));
    const FontPicker::Choice choice = m_picker.choose(initial, fixedPitchOnly, parent);
    result.accepted = choice.accepted;
    if (choice.accepted)
        applyChosenFont(choice.font, logicalDpiY, m_faces, result.font);
    result.written = TitleFontFile::write(m_path, result.font, &result.error);
    return result;
}
