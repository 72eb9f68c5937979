#pragma once

#include "shared/facecatalogue.h"

// The faces installed on this machine: fontconfig knows every name of a
// face, localized ones too ("IPA明朝" for IPAMincho), while Qt's font
// database lists one name per family.
class InstalledFaces : public FaceCatalogue
{
public:
    QString installedFamily(const QString &name) const override;
    QStringList japaneseFamilies() const override;
    bool isFixedPitch(const QString &family) const override;
};
