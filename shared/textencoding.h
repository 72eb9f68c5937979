#pragma once

#include <QByteArray>
#include <QString>

// Texts that the suite's formats keep in code page 932 but that may be
// typed or edited on a UTF-8 desktop: command-line arguments and the face
// line of tambwin.ini.
namespace TextEncoding {

bool isValidUtf8(const QByteArray &bytes);

// UTF-8 when the bytes are valid UTF-8, else code page 932 when they are
// valid code page 932, else UTF-8 with replacement characters. UTF-8 goes
// first because Japanese code page 932 text is practically never valid
// UTF-8, while short UTF-8 text often is valid code page 932 ("IPA明朝" in
// UTF-8 reads as "IPA譏取悃"). ASCII reads the same either way.
QString decode(const QByteArray &bytes);

// Code page 932 when it holds every character as it is, otherwise UTF-8,
// so that nothing is lost; decode() reads either back.
QByteArray encodeLossless(const QString &text);

// The longest prefix of at most maxBytes bytes that ends on a character
// boundary of the encoding decode() would choose.
QByteArray cutAtCharBoundary(const QByteArray &bytes, int maxBytes);

} // namespace TextEncoding
