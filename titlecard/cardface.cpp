#include "cardface.h"

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
    return {QStringLiteral("IPAGothic"),          QStringLiteral("IPAゴシック"),
            QStringLiteral("IPAexGothic"),        QStringLiteral("Noto Sans Mono CJK JP"),
            QStringLiteral("Noto Sans CJK JP"),   QStringLiteral("VL Gothic"),
            QStringLiteral("TakaoGothic"),        QStringLiteral("IPAPGothic")};
}

QStringList minchoFaces()
{
    return {QStringLiteral("IPAMincho"),          QStringLiteral("IPA明朝"),
            QStringLiteral("IPAexMincho"),        QStringLiteral("Noto Serif CJK JP"),
            QStringLiteral("TakaoMincho"),        QStringLiteral("IPAPMincho")};
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
