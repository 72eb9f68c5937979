#include "textencoding.h"

#include "cp932.h"
#include "utf8validator.h"

namespace TextEncoding {

namespace {

bool isUtf8ContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(const QByteArray &bytes)
{
    Utf8Validator validator;
    validator.feed(bytes.constData(), bytes.size());
    return validator.valid();
}

QString decode(const QByteArray &bytes)
{
    if (!isValidUtf8(bytes) && Cp932::isValid(bytes))
        return Cp932::toUnicode(bytes);
    return QString::fromUtf8(bytes);
}

QByteArray encodeLossless(const QString &text)
{
    return Cp932::fromUnicodeExactly(text).value_or(text.toUtf8());
}

QByteArray cutAtCharBoundary(const QByteArray &bytes, int maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    if (!isValidUtf8(bytes))
        return Cp932::cutAtCharBoundary(bytes, maxBytes);
    int end = qMax(0, maxBytes);
    while (end > 0 && isUtf8ContinuationByte(bytes.at(end)))
        --end;
    return bytes.left(end);
}

} // namespace TextEncoding
