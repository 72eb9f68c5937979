#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBoundaryFinder>

#include <memory>

namespace Cp932 {

namespace {

constexpr const char *kCodecName = "windows-31j";

struct LookAlike
{
    char16_t from;
    char16_t to;
};

// The characters where the JIS X 0208/0212/0201 mapping tables and the
// platform's code page disagree, with the code page's form of each.
constexpr LookAlike kLookAlikes[] = {
    {u'\u301C', u'\uFF5E'}, // WAVE DASH -> FULLWIDTH TILDE
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {u'\u2014', u'\u2015'}, // EM DASH -> HORIZONTAL BAR
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN -> FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN -> FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN -> FULLWIDTH NOT SIGN
    {u'\u00A6', u'\uFFE4'}, // BROKEN BAR -> FULLWIDTH BROKEN BAR
    // Byte 0x5C and 0x7E are the backslash and tilde here; the yen sign and
    // the overline keep their look as the full-width forms.
    {u'\u00A5', u'\uFFE5'}, // YEN SIGN -> FULLWIDTH YEN SIGN
    {u'\u203E', u'\uFFE3'}, // OVERLINE -> FULLWIDTH MACRON
};

QChar lookAlike(QChar c)
{
    for (const LookAlike &pair : kLookAlikes) {
        if (c.unicode() == pair.from)
            return QChar(pair.to);
    }
    return c;
}

std::unique_ptr<QStringEncoder> newEncoder()
{
    auto encoder = std::make_unique<QStringEncoder>(kCodecName);
    Q_ASSERT(encoder->isValid());
    return encoder;
}

// Encodes one character at a time; an encoder keeps its error flag for
// good, so a fresh one follows every character it could not hold.
class CharacterEncoder
{
public:
    // Empty when the code page cannot hold the character.
    QByteArray encode(const QString &character)
    {
        const QByteArray bytes = m_encoder->encode(character);
        if (m_encoder->hasError()) {
            m_encoder = newEncoder();
            return {};
        }
        return bytes;
    }

private:
    std::unique_ptr<QStringEncoder> m_encoder = newEncoder();
};

int codePointLength(const QString &text, qsizetype at)
{
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()
        ? 2
        : 1;
}

// The characters of one grapheme cluster, or nothing when one of them is
// outside the code page.
QList<Character> encodedCluster(const QString &cluster, CharacterEncoder &encoder)
{
    QList<Character> result;
    for (qsizetype i = 0; i < cluster.size();) {
        const int length = codePointLength(cluster, i);
        const QByteArray bytes = encoder.encode(cluster.mid(i, length));
        if (bytes.isEmpty() || bytes.size() > 2)
            return {};
        result.append({toUnicode(bytes), int(bytes.size()), true});
        i += length;
    }
    return result;
}

} // namespace

QString withLookAlikes(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = lookAlike(c);
    return result;
}

QByteArray fromUnicode(const QString &text)
{
    return newEncoder()->encode(withLookAlikes(text));
}

std::optional<QByteArray> fromUnicodeExactly(const QString &text)
{
    const std::unique_ptr<QStringEncoder> encoder = newEncoder();
    const QByteArray bytes = encoder->encode(text);
    if (encoder->hasError() || toUnicode(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString toUnicode(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodecName);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

bool isValid(const QByteArray &bytes)
{
    // Stateless: a lead byte at the end is an error, not a wait for more.
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && !text.contains(QChar::ReplacementCharacter);
}

QList<Character> characters(const QString &text)
{
    const QString mapped = withLookAlikes(text);
    CharacterEncoder encoder;
    QList<Character> result;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, mapped);
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end > start; end = clusters.toNextBoundary()) {
        const QString cluster = mapped.mid(start, end - start);
        const QList<Character> encoded = encodedCluster(cluster, encoder);
        if (encoded.isEmpty())
            result.append({text.mid(start, end - start), 2, false});
        else
            result += encoded;
        start = end;
    }
    return result;
}

QByteArray cutAtCharBoundary(const QByteArray &bytes, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (bytes.size() <= maxBytes)
        return bytes;
    int end = 0;
    while (end < bytes.size()) {
        const int width = isLeadByte(static_cast<unsigned char>(bytes.at(end))) ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return bytes.left(end);
}

} // namespace Cp932
