#pragma once

#include "facecatalogue.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// Which installed face draws a face name from a font record. The faces the
// suite names by default ("ＭＳ ゴシック" and its kin) exist on no Linux
// desktop and fontconfig would substitute a Latin face for them, so the
// suite maps them itself to a Japanese face of the same kind.
namespace FaceChoice {

enum class Style { Gothic, Mincho };

struct Kind
{
    Style style = Style::Gothic;
    bool proportional = false;

    bool operator==(const Kind &other) const
    {
        return style == other.style && proportional == other.proportional;
    }
};

// The kind a face asks for: the suite's own table for the faces it knows
// by name, else Mincho for a name that says so or for the roman family
// (FF_ROMAN) of pitchAndFamily, proportional for its variable pitch.
Kind kindOf(const QString &face, std::uint8_t pitchAndFamily);

// Installed faces of a kind, best first.
QStringList candidates(const Kind &kind);

// Whether an installed family's name marks it as a Mincho (serif) face.
bool looksMincho(const QString &family);

// The face itself when it is installed under that name; otherwise the
// first installed candidate of its kind; otherwise the first installed
// Japanese face of the same kind, then of the same style, then any
// Japanese face (a Latin face would draw the title as boxes); otherwise
// the name itself, and the painter picks a substitute.
QString resolve(const QString &face, std::uint8_t pitchAndFamily, const FaceCatalogue &catalogue);

} // namespace FaceChoice
