#include "facechoice.h"

#include <functional>

namespace FaceChoice {

namespace {

constexpr std::uint8_t kPitchBits = 0x03;
constexpr std::uint8_t kVariablePitch = 2;
constexpr std::uint8_t kFamilyBits = 0xF0;
constexpr std::uint8_t kRomanFamily = 0x10; // FF_ROMAN: serifs

struct KnownFace
{
    const char16_t *name;
    Kind kind;
};

constexpr Kind kGothic{Style::Gothic, false};
constexpr Kind kPGothic{Style::Gothic, true};
constexpr Kind kMincho{Style::Mincho, false};
constexpr Kind kPMincho{Style::Mincho, true};

// The platform's Japanese faces, by their Japanese and their Latin names.
const KnownFace kKnownFaces[] = {
    {u"ＭＳ ゴシック", kGothic},     {u"MS Gothic", kGothic},
    {u"ＭＳ Ｐゴシック", kPGothic},  {u"MS PGothic", kPGothic},
    {u"ＭＳ ＵＩ Gothic", kPGothic}, {u"MS UI Gothic", kPGothic},
    {u"ＭＳ 明朝", kMincho},         {u"MS Mincho", kMincho},
    {u"ＭＳ Ｐ明朝", kPMincho},      {u"MS PMincho", kPMincho},
};

QString firstInstalled(const QStringList &names, const FaceCatalogue &catalogue)
{
    for (const QString &name : names) {
        const QString family = catalogue.installedFamily(name);
        if (!family.isEmpty())
            return family;
    }
    return {};
}

QString firstMatching(const QStringList &families, const std::function<bool(const QString &)> &fits)
{
    for (const QString &family : families) {
        if (fits(family))
            return family;
    }
    return {};
}

} // namespace

Kind kindOf(const QString &face, std::uint8_t pitchAndFamily)
{
    for (const KnownFace &known : kKnownFaces) {
        if (face.compare(QString::fromUtf16(known.name), Qt::CaseInsensitive) == 0)
            return known.kind;
    }
    Kind kind;
    if (looksMincho(face) || (pitchAndFamily & kFamilyBits) == kRomanFamily)
        kind.style = Style::Mincho;
    kind.proportional = (pitchAndFamily & kPitchBits) == kVariablePitch;
    return kind;
}

QStringList candidates(const Kind &kind)
{
    if (kind == kGothic)
        return {QStringLiteral("IPAGothic"),        QStringLiteral("IPAexGothic"),
                QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                QStringLiteral("VL Gothic"),        QStringLiteral("TakaoGothic"),
                QStringLiteral("IPAPGothic")};
    if (kind == kPGothic)
        return {QStringLiteral("IPAPGothic"),       QStringLiteral("IPAexGothic"),
                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                QStringLiteral("TakaoPGothic"),     QStringLiteral("IPAGothic")};
    if (kind == kMincho)
        return {QStringLiteral("IPAMincho"),        QStringLiteral("IPAexMincho"),
                QStringLiteral("Noto Serif CJK JP"), QStringLiteral("TakaoMincho"),
                QStringLiteral("IPAPMincho")};
    return {QStringLiteral("IPAPMincho"),           QStringLiteral("IPAexMincho"),
            QStringLiteral("Noto Serif CJK JP"),    QStringLiteral("TakaoPMincho"),
            QStringLiteral("IPAMincho")};
}

bool looksMincho(const QString &family)
{
    for (const char *word : {"Mincho", "明朝", "Serif", "Ming", "Song"}) {
        if (family.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString resolve(const QString &face, std::uint8_t pitchAndFamily, const FaceCatalogue &catalogue)
{
    if (!face.isEmpty()) {
        const QString installed = catalogue.installedFamily(face);
        if (!installed.isEmpty())
            return installed;
    }
    const Kind kind = kindOf(face, pitchAndFamily);
    const QString candidate = firstInstalled(candidates(kind), catalogue);
    if (!candidate.isEmpty())
        return candidate;

    const QStringList japanese = catalogue.japaneseFamilies();
    const auto sameStyle = [&kind](const QString &family) {
        return looksMincho(family) == (kind.style == Style::Mincho);
    };
    const auto sameKind = [&](const QString &family) {
        return sameStyle(family) && catalogue.isFixedPitch(family) != kind.proportional;
    };
    for (const auto &fits : {std::function<bool(const QString &)>(sameKind),
                             std::function<bool(const QString &)>(sameStyle)}) {
        const QString family = firstMatching(japanese, fits);
        if (!family.isEmpty())
            return family;
    }
    return japanese.isEmpty() ? face : japanese.first();
}

} // namespace FaceChoice
