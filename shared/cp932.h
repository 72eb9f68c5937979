#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Conversion between Unicode and the Japanese code page 932 (Shift-JIS as
// the platform extends it), the byte form of every text the programs
// exchange through files and command lines.
namespace Cp932 {

// The text with every character that the code page lacks but holds a
// look-alike of replaced by that look-alike: the forms the JIS mapping
// tables (and Japanese input methods on Linux) use for the wave dash,
// minus, dashes, double bar, cent, pound, not, broken bar, yen and overline
// become the code page's own (U+301C WAVE DASH becomes U+FF5E FULLWIDTH
// TILDE, and so on).
QString withLookAlikes(const QString &text);

// Look-alikes first, then the code page. A character the code page cannot
// hold even so becomes the two-byte substitute 0xFC 0xFC.
QByteArray fromUnicode(const QString &text);
QString toUnicode(const QByteArray &bytes);

// The text in the code page exactly as it is, without look-alikes (a name
// must come back as it was); nothing when the code page lacks one of its
// characters.
std::optional<QByteArray> fromUnicodeExactly(const QString &text);

// True when the bytes are code page 932 throughout: no byte the code page
// leaves unused, no unassigned double-byte code, no lead byte at the end.
bool isValid(const QByteArray &bytes);

// One character of a text as a byte-cell layout sees it.
struct Character
{
    QString text;     // what to draw: the code page's own form, or the
                      // original character when the code page lacks it
    int bytes = 1;    // 1 or 2; a character outside the code page counts 2,
                      // as wide as a double-byte character
    bool inCodePage = true;
};

// The text character by character. Characters the code page lacks are
// taken a grapheme cluster at a time (an emoji sequence, a letter with its
// combining accents), so each is drawn as one.
QList<Character> characters(const QString &text);

// True for the bytes that start a double-byte character: 0x80..0x9F and
// 0xE0..0xFF.
constexpr bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) || byte >= 0xE0;
}

// The longest prefix of at most maxBytes bytes that does not end inside a
// double-byte character.
QByteArray cutAtCharBoundary(const QByteArray &bytes, int maxBytes);

} // namespace Cp932
