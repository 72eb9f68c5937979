#include "mirwinsettingsfile.h"

#include "shared/cp932.h"
#include "shared/programfolder.h"
#include "shared/settingslocation.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace MirwinSettingsFile {

namespace {

constexpr int kLineCount = 4;
// A real file is a few dozen bytes; a face name is far shorter than this.
constexpr qsizetype kMaxBytesRead = 8 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// An optional sign and decimal digits, with blanks around them. Values far
// beyond every range saturate instead of overflowing; the caller clamps.
std::optional<int> toNumber(const QByteArray &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line.at(begin)))
        ++begin;
    while (end > begin && isBlank(line.at(end - 1)))
        --end;
    bool negative = false;
    if (begin < end && (line.at(begin) == '+' || line.at(begin) == '-')) {
        negative = line.at(begin) == '-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;
    constexpr int kSaturation = 1000000;
    int value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = line.at(i);
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(kSaturation, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

int toOffset(const QByteArray &line)
{
    const std::optional<int> value = toNumber(line);
    return value ? std::clamp(*value, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax) : 0;
}

QString decodeFace(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(line);
    if (!utf8.hasError())
        return asUtf8;
    return Cp932::toUnicode(line);
}

QByteArray encodeFace(QString face)
{
    // A line end inside the face would shift every later line.
    face.remove(QLatin1Char('\r'));
    face.remove(QLatin1Char('\n'));
    const QByteArray cp932 = Cp932::fromUnicode(face);
    return Cp932::toUnicode(cp932) == face ? cp932 : face.toUtf8();
}

// A space for a value of 0 or more, else "-"; the digits; a space.
QByteArray numberForm(int value)
{
    return (value < 0 ? "-" : " ") + QByteArray::number(qAbs(value)) + ' ';
}

// Reads up to maxBytes from fd; nullopt on a read error.
std::optional<QByteArray> readHead(int fd, qsizetype maxBytes)
{
    QByteArray head(maxBytes, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, head.data() + got, static_cast<size_t>(maxBytes - got));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        got += n;
    }
    head.truncate(got);
    return head;
}

} // namespace

QString path()
{
    // Beside the programs in the build folder, the user's suite folder when installed.
    return SettingsLocation::filePath(kFileName, programFolder(), programFolder());
}

MirwinSettings parse(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (text.endsWith('\n'))
        lines.removeLast(); // the end of the last line, not an empty line after it
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (lines.size() < kLineCount)
        lines.append(QByteArray());

    MirwinSettings settings;
    settings.faceName = decodeFace(lines.at(0));
    if (const std::optional<int> size = toNumber(lines.at(1)))
        settings.size = std::clamp(*size, MirwinSettings::kSizeMin, MirwinSettings::kSizeMax);
    settings.vertical = toOffset(lines.at(2));
    settings.horizontal = toOffset(lines.at(3));
    return settings;
}

QByteArray serialize(const MirwinSettings &settings)
{
    return encodeFace(settings.faceName) + "\r\n"
           + Cp932::fromUnicode(sizeText(settings.size)) + "\r\n"
           + numberForm(settings.vertical) + "\r\n"
           + numberForm(settings.horizontal) + "\r\n";
}

ReadResult read(const QString &path)
{
    ReadResult result;
    if (path.isEmpty())
        return result;
    // Non-blocking, so that opening a named pipe returns at once; fstat on
    // the opened descriptor then tells what was really opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            result.status = Status::Unreadable;
        return result;
    }
    struct stat info;
    std::optional<QByteArray> head;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        head = readHead(fd, kMaxBytesRead);
    ::close(fd);
    if (!head) {
        result.status = Status::Unreadable;
        return result;
    }
    result.status = Status::Loaded;
    result.settings = parse(*head);
    return result;
}

bool write(const QString &path, const MirwinSettings &settings)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = serialize(settings);
    // commit() does not notice a buffer that failed to flush (a full disk)
    // and would put a cut-off file in place of the old one.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace MirwinSettingsFile
