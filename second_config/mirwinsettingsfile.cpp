#include "mirwinsettingsfile.h"

#include "shared/atomicwrite.h"
#include "shared/errorreason.h"
#include "shared/cp932.h"
#include "shared/folderlock.h"
#include "shared/programfolder.h"
#include "shared/regularfile.h"
#include "shared/settingslocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

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

// Why a file that is there cannot be read, for the person.
QString unreadableReason(const RegularFile::Head &head)
{
    if (head.status == RegularFile::Status::Ok)
        return ErrorReason::tooLarge(kMaxBytesRead);
    return RegularFile::reason(head.status, head.errorCode);
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
    const RegularFile::Head head = RegularFile::readHead(path, kMaxBytesRead);
    switch (head.status) {
    case RegularFile::Status::Missing:
        break;
    case RegularFile::Status::Ok:
        // Only the first lines count; what lies beyond the head is no setting.
        result.status = Status::Loaded;
        result.settings = parse(head.bytes);
        break;
    case RegularFile::Status::NotRegular:
    case RegularFile::Status::Unreadable:
        result.status = Status::Unreadable;
        result.reason = unreadableReason(head);
        break;
    }
    return result;
}

bool write(const QString &path, const MirwinSettings &settings)
{
    return writeFileAtomically(path, serialize(settings));
}

Fields differences(const MirwinSettings &a, const MirwinSettings &b)
{
    Fields fields;
    fields.setFlag(Field::Face, a.faceName != b.faceName);
    fields.setFlag(Field::Size, a.size != b.size);
    fields.setFlag(Field::Vertical, a.vertical != b.vertical);
    fields.setFlag(Field::Horizontal, a.horizontal != b.horizontal);
    return fields;
}

QByteArray withValues(const QByteArray &text, const MirwinSettings &values, Fields fields)
{
    QList<QByteArray> lines; // each with its end, as in the file
    for (qsizetype pos = 0; pos < text.size();) {
        const qsizetype newline = text.indexOf('\n', pos);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        lines.append(text.mid(pos, end - pos));
        pos = end;
    }
    const QList<std::pair<Field, QByteArray>> forms = {
        {Field::Face, encodeFace(values.faceName)},
        {Field::Size, Cp932::fromUnicode(sizeText(values.size))},
        {Field::Vertical, numberForm(values.vertical)},
        {Field::Horizontal, numberForm(values.horizontal)},
    };
    // Up to the last line replaced, every line needs its end.
    qsizetype last = -1;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        if (fields.testFlag(forms[i].first))
            last = i;
    }
    for (qsizetype i = 0; i <= last; ++i) {
        if (i == lines.size())
            lines.append(QByteArray());
        QByteArray &line = lines[i];
        if (!line.endsWith('\n'))
            line += "\r\n";
        if (fields.testFlag(forms[i].first))
            line = forms[i].second + (line.endsWith("\r\n") ? "\r\n" : "\n");
    }
    return lines.join();
}

bool update(const QString &path, const MirwinSettings &values, Fields fields, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // Two programs saving at once never lose each other's change.
    const FolderLock lock(QFileInfo(path).absolutePath());
    if (!lock.isLocked())
        return fail(QCoreApplication::translate("MirwinSettingsFile", "保存先のフォルダを使えません（%1）。")
                        .arg(lock.errorString()));
    const RegularFile::Head head = RegularFile::readHead(path, kMaxBytesRead);
    QByteArray text;
    if (head.status == RegularFile::Status::Missing) {
        text = serialize(values);
    } else if (!fields) {
        return true;
    } else if (head.status != RegularFile::Status::Ok || !head.complete) {
        // Written over, it would lose what could not be read.
        return fail(unreadableReason(head));
    } else {
        text = withValues(head.bytes, values, fields);
        if (text == head.bytes)
            return true;
    }
    QString why;
    if (!writeFileAtomically(path, text, &why))
        return fail(why);
    return true;
}

} // namespace MirwinSettingsFile
