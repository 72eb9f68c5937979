#include "autostartentry.h"

#include "shared/atomicwrite.h"
#include "shared/errorreason.h"
#include "shared/programnames.h"
#include "shared/regularfile.h"
#include "shared/settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

// An entry is a few hundred bytes; anything far bigger is not one of ours.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

const QString kGroup = QStringLiteral("[Desktop Entry]");

// The characters that make an Exec argument need quotes.
bool isReserved(QChar c)
{
    return QStringLiteral(" \t\n\"'\\><~|&;$*?#()`").contains(c);
}

// Inside quotes these four are escaped with a backslash.
bool isEscapedInQuotes(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\');
}

// Undoes the string escapes (\s \n \t \r \\); any other backslash stays,
// for Exec's own quoting to read.
QString unescapeValue(const QString &stored)
{
    QString value;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c != QLatin1Char('\\') || i + 1 == stored.size()) {
            value += c;
            continue;
        }
        const QChar next = stored[++i];
        switch (next.unicode()) {
        case 's': value += QLatin1Char(' '); break;
        case 'n': value += QLatin1Char('\n'); break;
        case 't': value += QLatin1Char('\t'); break;
        case 'r': value += QLatin1Char('\r'); break;
        case '\\': value += QLatin1Char('\\'); break;
        default: value += c; value += next;
        }
    }
    return value;
}

QString undoubledPercent(QString argument)
{
    return argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

struct Entry
{
    QString exec;
    QString hidden;
    QString autostartEnabled;
};

// The keys of the [Desktop Entry] group this decision needs; the first of
// a repeated key counts.
Entry readEntry(const QString &content)
{
    Entry entry;
    bool inGroup = false;
    for (QString line : content.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == kGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        QString *slot = key == QLatin1String("Exec")                        ? &entry.exec
                        : key == QLatin1String("Hidden")                    ? &entry.hidden
                        : key == QLatin1String("X-GNOME-Autostart-enabled") ? &entry.autostartEnabled
                                                                            : nullptr;
        if (slot && slot->isNull())
            *slot = value.isNull() ? QStringLiteral("") : value;
    }
    return entry;
}

} // namespace

namespace AutostartEntry {

QString fileName()
{
    return ProgramNames::kVelmo + QStringLiteral(".desktop");
}

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/") + fileName();
}

QString program(const QString &programFolder, const QString &foundOnPath)
{
    const QString viewer = QDir(programFolder).absoluteFilePath(ProgramNames::kVelmo);
    const QString target = QFileInfo(viewer).canonicalFilePath();
    if (SettingsLocation::isInstalled(programFolder) && !target.isEmpty()
        && QFileInfo(foundOnPath).canonicalFilePath() == target)
        return ProgramNames::kVelmo;
    return viewer;
}

QString program(const QString &programFolder)
{
    return program(programFolder, QStandardPaths::findExecutable(ProgramNames::kVelmo));
}

QString quoteExecArgument(const QString &argument)
{
    QString doubled = argument;
    doubled.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (!doubled.isEmpty() && std::none_of(doubled.begin(), doubled.end(), isReserved))
        return doubled;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : doubled) {
        if (isEscapedInQuotes(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString escapeValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QByteArray text(const QString &viewer)
{
    const QString entry = kGroup + QStringLiteral("\n"
                                                  "Type=Application\n"
                                                  "Name=Velmo\n"
                                                  "Name[ja]=ヴェルモ\n"
                                                  "TryExec=%1\n"
                                                  "Exec=%2\n"
                                                  "Terminal=false\n"
                                                  "X-GNOME-Autostart-enabled=true\n")
                                      .arg(escapeValue(viewer), escapeValue(quoteExecArgument(viewer)));
    return entry.toUtf8();
}

QStringList execArguments(const QString &storedValue)
{
    const QString value = unescapeValue(storedValue);
    QStringList arguments;
    QString current;
    enum { Between, Bare, Quoted, AfterQuote } state = Between;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool blank = c == QLatin1Char(' ') || c == QLatin1Char('\t');
        switch (state) {
        case Between:
            if (c == QLatin1Char('"'))
                state = Quoted;
            else if (!blank) {
                current += c;
                state = Bare;
            }
            break;
        case Bare:
            if (c == QLatin1Char('"'))
                return {}; // a quote must enclose a whole argument
            if (blank) {
                arguments << undoubledPercent(current);
                current.clear();
                state = Between;
            } else {
                current += c;
            }
            break;
        case Quoted:
            if (c == QLatin1Char('"')) {
                arguments << undoubledPercent(current);
                current.clear();
                state = AfterQuote;
            } else if (c == QLatin1Char('\\') && i + 1 < value.size() && isEscapedInQuotes(value[i + 1])) {
                current += value[++i];
            } else {
                current += c;
            }
            break;
        case AfterQuote:
            if (!blank)
                return {};
            state = Between;
            break;
        }
    }
    if (state == Quoted)
        return {};
    if (state == Bare)
        arguments << undoubledPercent(current);
    return arguments;
}

bool countsAsOn(const QByteArray &content)
{
    const Entry entry = readEntry(QString::fromUtf8(content));
    if (entry.hidden == QLatin1String("true") || entry.autostartEnabled == QLatin1String("false"))
        return false;
    const QStringList arguments = execArguments(entry.exec);
    return !arguments.isEmpty() && QFileInfo(arguments.first()).fileName() == ProgramNames::kVelmo;
}

bool isOn(const QString &path)
{
    const RegularFile::Head head = RegularFile::readHead(path, kMaxEntryBytes);
    return head.status == RegularFile::Status::Ok && head.complete && countsAsOn(head.bytes);
}

bool apply(const QString &path, bool on, const QString &viewer, QString *error)
{
    if (on) {
        const QString folder = QFileInfo(path).absolutePath();
        QString why;
        if (!makeFolderPath(folder, &why)) {
            *error = QCoreApplication::translate("AutostartEntry", "フォルダを作成できません: %1\n%2")
                         .arg(QDir::toNativeSeparators(folder), why);
            return false;
        }
        return writeFileAtomically(path, text(viewer), error);
    }
    // The entry itself, even a link: never what it points to.
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT && errno != ENOTDIR) {
        *error = ErrorReason::fromErrno(errno);
        return false;
    }
    return true;
}

} // namespace AutostartEntry
