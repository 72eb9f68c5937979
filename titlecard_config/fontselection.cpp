#include "fontselection.h"

#include "shared/ui/fontpicker.h"
#include "fontdialogmapping.h"

#include "titlecard/titlefontfile.h"

QByteArray initialFace(const QString &path)
{
    const QByteArray face = TitleFontFile::readFaceLine(path);
    return face.isEmpty() ? defaultTitleFace() : face;
}

FontSelection::FontSelection(FontPicker &picker, const QString &path)
    : m_picker(picker), m_path(path)
{
}

FontSelection::Result FontSelection::run(const QByteArray &shownFace, bool fixedPitchOnly,
                                         int logicalDpiY, QWidget *parent)
{
    Result result;
    result.font = defaultTitleFont(shownFace);
    TitleFontFile::read(m_path, result.font);
    const FontPicker::Choice choice =
        m_picker.choose(toQFont(result.font, logicalDpiY), fixedPitchOnly, parent);
    result.accepted = choice.accepted;
    if (choice.accepted)
        applyChosenFont(choice.font, logicalDpiY, result.font);
    result.written = TitleFontFile::write(m_path, result.font);
    return result;
}
