#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Cp932 {

namespace {
constexpr const char *kCodecName = "windows-31j";
}

QByteArray fromUnicode(const QString &text)
{
    QStringEncoder encoder(kCodecName);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

QString toUnicode(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodecName);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
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
