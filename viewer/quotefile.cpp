#include "quotefile.h"

#include "shared/cp932.h"
#include "shared/regularfile.h"
#include "shared/utf8validator.h"

#include <QFile>

#include <cstring>

namespace QuoteFile {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// A line ends in CR LF, LF or a CR alone.
const char *findLineEnd(const char *p, const char *end)
{
    for (; p < end; ++p) {
        if (*p == '\n' || *p == '\r')
            return p;
    }
    return nullptr;
}

// The LF of a CR LF belongs to the CR's line end. `previous` is the last
// byte of the chunk before, for an LF that starts a chunk.
bool endsCrLf(const char *lineEnd, const char *chunkStart, char previous)
{
    return *lineEnd == '\n' && (lineEnd > chunkStart ? lineEnd[-1] : previous) == '\r';
}

bool isLineEndByte(char byte)
{
    return byte == '\n' || byte == '\r';
}

QString decode(const QByteArray &bytes, bool utf8)
{
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
    char previous = '\0';
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
        for (const char *p = data; (p = findLineEnd(p, data + got)); ++p) {
            if (endsCrLf(p, data, previous))
                continue;
            if (++breaks > kMaxLines + 1) {
                result.status = Status::TooManyLines;
                return result;
            }
        }
        validator.feed(data, got);
        previous = data[got - 1];
        total += got;
    }
    const int count = breaks + (total > 0 && !isLineEndByte(previous) ? 1 : 0);
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
    char previous = '\n'; // an empty file has no record
    for (;;) {
        const qint64 got = file.read(chunk.data(), kChunkBytes);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        const char *data = chunk.constData();
        const char *end = data + got;
        for (const char *p = data; p < end;) {
            const char *nl = findLineEnd(p, end);
            if (nl && endsCrLf(nl, data, previous)) {
                p = nl + 1; // nothing of the record lies before it
                continue;
            }
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
        previous = end[-1];
    }
    // The last record may lack its line ending.
    if (current == number && !isLineEndByte(previous))
        return decode(withoutBom(record, number, utf8), utf8);
    return std::nullopt;
}

} // namespace QuoteFile
