#include "carddependencies.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <fontconfig/fontconfig.h>

namespace CardDependencies {

namespace {

void takeAll(FcStrList *list, QStringList &into)
{
    if (!list)
        return;
    while (FcChar8 *s = FcStrListNext(list))
        into << QFile::decodeName(reinterpret_cast<const char *>(s));
    FcStrListDone(list);
}

// The shared libraries mapped into this process.
QStringList mappedLibraries()
{
    QStringList libraries;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return libraries;
    // readAll: the file reports no size and is read to its end.
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libraries << QFile::decodeName(line.mid(slash).trimmed());
    }
    return libraries;
}

void fontFiles(FcConfig *config, const QString &family, QStringList &into)
{
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, nullptr);
    if (pattern && objects) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
        if (FcFontSet *set = FcFontList(config, pattern, objects)) {
            for (int i = 0; i < set->nfont; ++i) {
                FcChar8 *file = nullptr;
                if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                    into << QFile::decodeName(reinterpret_cast<const char *>(file));
            }
            FcFontSetDestroy(set);
        }
    }
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
}

} // namespace

QStringList files(const QStringList &families)
{
    QStringList paths{QCoreApplication::applicationFilePath()};
    paths << mappedLibraries();
    if (FcConfig *config = FcConfigGetCurrent()) {
        takeAll(FcConfigGetConfigFiles(config), paths);
        takeAll(FcConfigGetConfigDirs(config), paths);
        takeAll(FcConfigGetFontDirs(config), paths);
        for (const QString &family : families)
            fontFiles(config, family, paths);
    }
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths;
}

} // namespace CardDependencies
