#include "cardface.h"

#include "shared/facechoice.h"

#include <QFontDatabase>

namespace CardFace {

namespace {

QString findInstalled(const QString &face, const QStringList &installed)
{
    for (const QString &family : installed) {
        if (family.compare(face, Qt::CaseInsensitive) == 0)
            return family;
    }
    return {};
}

} // namespace

QStringList gothicFaces()
{
    return FaceChoice::candidates({FaceChoice::Style::Gothic, false});
}

QStringList minchoFaces()
{
    return FaceChoice::candidates({FaceChoice::Style::Mincho, false});
}

QString resolve(const QString &face, const QStringList &preferred, const QStringList &installed,
                const QStringList &japanese)
{
    if (!face.isEmpty()) {
        const QString found = findInstalled(face, installed);
        if (!found.isEmpty())
            return found;
    }
    for (const QString &candidate : preferred) {
        const QString found = findInstalled(candidate, installed);
        if (!found.isEmpty())
            return found;
    }
    if (!japanese.isEmpty())
        return japanese.first();
    return face;
}

QString resolveInstalled(const QString &face, const QStringList &preferred)
{
    return resolve(face, preferred, QFontDatabase::families(),
                   QFontDatabase::families(QFontDatabase::Japanese));
}

} // namespace CardFace
