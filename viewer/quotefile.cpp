#include "quotefile.h"

#include "shared/cp932.h"
#include "shared/regularfile.h"

#include <QFile>

#include <cstring>

namespace QuoteFile {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// Incremental UTF-8 check that never allocates: rejects overlong forms,
// surrogates and code points above U+10FFFF.
class Utf8Validator
{
public:
    void feed(const char *data, qint64 size)
    {
        for (qint64 i = 0; i < size && m_valid; ++i)
            step(static_cast<unsigned char>(data[i]));
    }
    bool valid() const { return m_valid && m_pending == 0; }

private:
    void step(unsigned char b)
    {
        if (m_pending == 0) {
            if (b < 0x80)
                return;
            if (b >= 0xC2 && b <= 0xDF) {
                m_pending = 1;
                m_low = 0x80, m_high = 0xBF;
            } else if (b >= 0xE0 && b <= 0xEF) {
                m_pending = 2;
                m_low = b == 0xE0 ? 0xA0 : 0x80;
                m_high = b == 0xED ? 0x9F : 0xBF;
            } else if (b >= 0xF0 && b <= 0xF4) {
                m_pending = 3;
                m_low = b == 0xF0 ? 0x90 : 0x80;
                m_high = b == 0xF4 ? 0x8F : 0xBF;
            } else {
                m_valid = false;
            }
            return;
        }
        if (b < m_low || b > m_high) {
            m_valid = false;
            return;
        }
        m_low = 0x80, m_high = 0xBF;
        --m_pending;
    }

    bool m_valid = true;
    int m_pending = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};

QString decode(QByteArray bytes, bool utf8)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (!utf8)
        return Cp932::toUnicode(Cp932::cutAtCharBoundary(bytes, kMaxLineBytes));
    QString text = QString::fromUtf8(bytes.left(kMaxLineBytes));
    // A cut inside a character leaves one replacement character at the end.
    if (bytes.size() > kMaxLineBytes && text.endsWith(QChar::ReplacementCharacter))
        text.chop(1);
    return text;
}

// Only a regular file is read: a named pipe or a device would block the
// viewer in the open call or feed it without end.
bool openRegular(QFile &file, const QString &path)
{
    return RegularFile::open(file, path) == RegularFile::Status::Ok;
}

QByteArray withoutBom(const QByteArray &record, int number, bool utf8)
{
    return utf8 && number == 1 && record.startsWith("\xEF\xBB\xBF") ? record.mid(3) : record;
}

} // namespace

Scan scan(const QString &path)
{
    QFile file;
    return openRegular(file, path) ? scan(file) : Scan();
}

Scan scan(QIODevice &file)
{
    Scan result;
    Utf8Validator validator;
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    qint64 total = 0;
    int breaks = 0;
    bool lastWasBreak = false;
    for (;;) {
        const qint64 got = file.read(chunk.data(), kChunkBytes);
        if (got < 0)
            return result; // read error: the same as no file
        if (got == 0)
            break;
        const char *data = chunk.constData();
        if (memchr(data, '\0', static_cast<size_t>(got))) {
            result.status = Status::NotText;
            return result;
        }
        for (const char *p = data; (p = static_cast<const char *>(memchr(p, '\n', data + got - p)));
             ++p) {
            if (++breaks > kMaxLines + 1) {
                result.status = Status::TooManyLines;
                return result;
            }
        }
        validator.feed(data, got);
        lastWasBreak = data[got - 1] == '\n';
        total += got;
    }
    const int count = breaks + (total > 0 && !lastWasBreak ? 1 : 0);
    if (count > kMaxLines) {
        result.status = Status::TooManyLines;
        return result;
    }
    result.status = Status::Ok;
    result.lineCount = count;
    result.utf8 = validator.valid();
    return result;
}

std::optional<QString> line(const QString &path, int number, bool utf8)
{
    QFile file;
    if (number < 1 || !openRegular(file, path))
        return std::nullopt;
    return line(file, number, utf8);
}

std::optional<QString> line(QIODevice &file, int number, bool utf8)
{
    if (number < 1)
        return std::nullopt;
    // Skips number - 1 records by their line breaks without keeping them;
    // keeps one byte more than the limit so decode() knows about a cut.
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    QByteArray record;
    int current = 1;
    bool lastWasBreak = true; // an empty file has no record
    for (;;) {
        const qint64 got = file.read(chunk.data(), kChunkBytes);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        const char *p = chunk.constData();
        const char *end = p + got;
        while (p < end) {
            const char *nl = static_cast<const char *>(memchr(p, '\n', end - p));
            const char *stop = nl ? nl : end;
            if (current == number && record.size() <= kMaxLineBytes)
                record.append(p, qMin<qint64>(stop - p, kMaxLineBytes + 1 - record.size()));
            if (!nl)
                break;
            if (current == number)
                return decode(withoutBom(record, number, utf8), utf8);
            ++current;
            p = nl + 1;
        }
        lastWasBreak = end[-1] == '\n';
    }
    // The last record may lack its line ending.
    if (current == number && !lastWasBreak)
        return decode(withoutBom(record, number, utf8), utf8);
    return std::nullopt;
}

} // namespace QuoteFile
