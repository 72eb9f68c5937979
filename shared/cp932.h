#pragma once

#include <QByteArray>
#include <QString>

// Conversion between Unicode and the Japanese code page 932 (Shift-JIS as
// the platform extends it), the byte form of every text the programs
// exchange through files and command lines.
namespace Cp932 {

QByteArray fromUnicode(const QString &text);
QString toUnicode(const QByteArray &bytes);

// True for the bytes that start a double-byte character: 0x80..0x9F and
// 0xE0..0xFF. The title card lays out text by this test.
constexpr bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) || byte >= 0xE0;
}

// The longest prefix of at most maxBytes bytes that does not end inside a
// double-byte character.
QByteArray cutAtCharBoundary(const QByteArray &bytes, int maxBytes);

} // namespace Cp932
