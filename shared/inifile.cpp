#include "inifile.h"

#include "atomicwrite.h"
#include "errorreason.h"
#include "folderlock.h"
#include "iniescape.h"
#include "regularfile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

const QString kRootGroupName = QStringLiteral("General");
const QByteArray kByteOrderMark = "\xEF\xBB\xBF";

// "[General]" is the group of the keys before any group line.
QString normalGroup(const QString &group)
{
    return group.compare(kRootGroupName, Qt::CaseInsensitive) == 0 ? QString() : group;
}

// The line without its end and the blanks around it.
QByteArray content(const QByteArray &line, bool first)
{
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    if (first && text.startsWith(kByteOrderMark))
        text.remove(0, kByteOrderMark.size());
    return text.trimmed();
}

QByteArray lineEndOf(const QByteArray &line)
{
    if (line.endsWith("\r\n"))
        return "\r\n";
    return line.endsWith('\n') ? "\n" : "";
}

} // namespace

IniFile::IniFile(const QByteArray &text)
{
    QString group;
    for (qsizetype pos = 0; pos < text.size();) {
        const qsizetype newline = text.indexOf('\n', pos);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        Line line;
        line.bytes = text.mid(pos, end - pos);
        const QByteArray body = content(line.bytes, pos == 0);
        if (body.startsWith('[')) {
            const qsizetype close = body.lastIndexOf(']');
            group = normalGroup(IniEscape::unescapedKey(body.mid(1, close < 0 ? -1 : close - 1).trimmed()));
            line.header = true;
        } else if (!body.startsWith(';')) {
            const qsizetype equals = body.indexOf('=');
            if (equals > 0)
                line.key = IniEscape::unescapedKey(body.left(equals).trimmed());
        }
        line.group = group;
        m_lines.append(line);
        pos = end;
    }
    const qsizetype firstEnd = text.indexOf('\n');
    if (firstEnd > 0 && text.at(firstEnd - 1) == '\r')
        m_lineEnd = "\r\n";
}

std::optional<QString> IniFile::value(const QString &group, const QString &key) const
{
    const QString wanted = normalGroup(group);
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const Line &line = m_lines.at(i);
        if (!line.header && !line.key.isEmpty() && line.key == key && line.group == wanted) {
            const QByteArray body = content(line.bytes, i == 0);
            return IniEscape::unescapedValue(IniEscape::fromUtf8(body.mid(body.indexOf('=') + 1)));
        }
    }
    return std::nullopt;
}

void IniFile::setValue(const QString &group, const QString &key, const QString &value)
{
    Q_ASSERT(!key.isEmpty());
    const QString wanted = normalGroup(group);
    const QByteArray entry = IniEscape::escapedKey(key) + '=' + IniEscape::escapedValue(value);
    // The line that is read is the one rewritten.
    qsizetype after = -1;
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        Line &line = m_lines[i];
        if (line.group != wanted)
            continue;
        if (!line.header && line.key == key) {
            line.bytes = entry + lineEndOf(line.bytes);
            return;
        }
        if (after < 0 && (line.header || !line.key.isEmpty()))
            after = i;
    }
    // A new key goes after the last value of its group, so comments that
    // stand before the next group stay with it.
    if (after >= 0 || !m_lines.isEmpty()) {
        Line &previous = m_lines[after >= 0 ? after : m_lines.size() - 1];
        if (!previous.bytes.endsWith('\n'))
            previous.bytes += m_lineEnd;
    }
    if (after < 0) {
        // A new group at the end, after a blank line as QSettings writes it.
        if (!m_lines.isEmpty())
            m_lines.append({m_lineEnd, m_lines.last().group, {}, false});
        const QString name = wanted.isEmpty() ? kRootGroupName : wanted;
        m_lines.append({'[' + IniEscape::escapedKey(name) + ']' + m_lineEnd, wanted, {}, true});
        after = m_lines.size() - 1;
    }
    m_lines.insert(after + 1, {entry + m_lineEnd, wanted, key, false});
}

QByteArray IniFile::text() const
{
    QByteArray text;
    for (const Line &line : m_lines)
        text += line.bytes;
    return text;
}

IniFile::LoadResult IniFile::load(const QString &path)
{
    LoadResult result;
    const RegularFile::Head head = RegularFile::readHead(path, kMaxFileBytes);
    switch (head.status) {
    case RegularFile::Status::Ok:
        if (!head.complete) {
            result.status = Status::Unusable;
            result.error = ErrorReason::tooLarge(kMaxFileBytes);
        } else {
            result.status = Status::Loaded;
            result.file = IniFile(head.bytes);
        }
        break;
    case RegularFile::Status::Missing:
        result.status = Status::Missing;
        break;
    case RegularFile::Status::NotRegular:
    case RegularFile::Status::Unreadable:
        result.status = Status::Unusable;
        result.error = RegularFile::reason(head.status, head.errorCode);
        break;
    }
    return result;
}

bool IniFile::update(const QString &path, const std::function<void(IniFile &)> &edit, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = path + QStringLiteral(": ") + why;
        return false;
    };
    if (path.isEmpty())
        return fail(ErrorReason::fromErrno(ENOENT));
    const QString folder = QFileInfo(path).absolutePath();
    QString why;
    if (!makeFolderPath(folder, &why))
        return fail(why);
    const FolderLock lock(folder);
    if (!lock.isLocked())
        return fail(lock.errorString());
    LoadResult loaded = load(path);
    if (loaded.status == Status::Unusable)
        return fail(loaded.error);
    const QByteArray before = loaded.file.text();
    edit(loaded.file);
    const QByteArray after = loaded.file.text();
    if (after == before)
        return true;
    if (!writeFileAtomically(path, after, &why))
        return fail(why);
    return true;
}
