#include "installedfaces.h"

#include "fixedpitchfamilies.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

struct PatternDeleter
{
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter
{
    void operator()(FcObjectSet *set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter
{
    void operator()(FcFontSet *set) const { FcFontSetDestroy(set); }
};

QString findCaseInsensitive(const QStringList &families, const QString &name)
{
    for (const QString &family : families) {
        if (family.compare(name, Qt::CaseInsensitive) == 0)
            return family;
    }
    return {};
}

// Every family name of the installed faces that have `name` among theirs.
// Listing, unlike matching, never substitutes another face.
QStringList fontconfigNamesOf(const QString &name)
{
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    const QByteArray utf8 = name.toUtf8();
    if (!pattern || !FcPatternAddString(pattern.get(), FC_FAMILY,
                                        reinterpret_cast<const FcChar8 *>(utf8.constData())))
        return {};
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    QStringList names;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8 *value = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &value) == FcResultMatch; ++n)
            names << QString::fromUtf8(reinterpret_cast<const char *>(value));
    }
    return names;
}

} // namespace

QString InstalledFaces::installedFamily(const QString &name) const
{
    if (name.trimmed().isEmpty())
        return {};
    const QStringList families = QFontDatabase::families();
    const QString direct = findCaseInsensitive(families, name);
    if (!direct.isEmpty())
        return direct;
    for (const QString &other : fontconfigNamesOf(name)) {
        if (families.contains(other))
            return other;
    }
    return {};
}

QStringList InstalledFaces::japaneseFamilies() const
{
    return QFontDatabase::families(QFontDatabase::Japanese);
}

bool InstalledFaces::isFixedPitch(const QString &family) const
{
    return isFixedPitchFamily(family);
}
