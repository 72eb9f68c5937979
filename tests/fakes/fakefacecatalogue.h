#pragma once

#include "shared/facecatalogue.h"

#include <QList>

// A made-up set of installed faces. The first name of a face is its
// family; the others are its further (localized) names.
class FakeFaceCatalogue : public FaceCatalogue
{
public:
    struct Face
    {
        QStringList names;
        bool japanese = true;
        bool fixedPitch = true;
    };

    explicit FakeFaceCatalogue(const QList<Face> &faces) : m_faces(faces) {}

    QString installedFamily(const QString &name) const override
    {
        for (const Face &face : m_faces)
            if (face.names.contains(name, Qt::CaseInsensitive))
                return face.names.first();
        return {};
    }

    QStringList japaneseFamilies() const override
    {
        QStringList families;
        for (const Face &face : m_faces)
            if (face.japanese)
                families << face.names.first();
        return families;
    }

    bool isFixedPitch(const QString &family) const override
    {
        for (const Face &face : m_faces)
            if (face.names.first() == family)
                return face.fixedPitch;
        return false;
    }

private:
    QList<Face> m_faces;
};
