#pragma once

#include <QString>
#include <QStringList>

// The installed faces as the font system knows them, behind a seam so that
// the choice of a face can be tried with any set of fonts.
class FaceCatalogue
{
public:
    virtual ~FaceCatalogue() = default;
    // The family name the painter knows for an installed face that has
    // this name among its names (localized ones included, in any letter
    // case); empty when no installed face has it.
    virtual QString installedFamily(const QString &name) const = 0;
    // The installed families that write Japanese, in the font system's order.
    virtual QStringList japaneseFamilies() const = 0;
    // Whether the card counts an installed family as fixed-pitch.
    virtual bool isFixedPitch(const QString &family) const = 0;
};
