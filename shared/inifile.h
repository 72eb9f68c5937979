#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A settings file in the INI form that QSettings reads and writes:
// "[Group]" lines, "key=value" lines, ";" comment lines, UTF-8 text. It is
// edited in place: setting a value rewrites that key's line only, so keys,
// groups, comments and line ends this program does not know stay exactly as
// they were.
//
// Values are plain text with QSettings' escapes for what a line cannot hold
// (quotes around ";", "," and "=", backslash escapes for control
// characters, a leading "@" doubled), so the files of either read back the
// same in both. A value is never written in QSettings' "@Variant(...)"
// form, and such a text written by hand reads as the text it is.
class IniFile
{
public:
    // A settings file is a few hundred bytes; anything beyond this is not one.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    IniFile() = default;
    explicit IniFile(const QByteArray &text);

    // Keys before any "[Group]" line and those of "[General]" are in the
    // group with the empty name. When a key appears more than once the last
    // one counts, as in QSettings.
    std::optional<QString> value(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &value);
    QByteArray text() const;

    enum class Status {
        Loaded,
        Missing,  // no file yet: empty
        Unusable, // a folder, a pipe, unreadable or too large: empty, and never written over
    };
    struct LoadResult;
    static LoadResult load(const QString &path);

    // Reads the file (a missing one is empty, and its folder is made), lets
    // edit change it and replaces the file in one step, all under a lock on
    // the folder so two programs saving at once never lose each other's
    // change. Nothing is written when edit changed nothing. False, with the
    // file as it was and error saying why, when any step failed; a file
    // that could not be read is never replaced.
    static bool update(const QString &path, const std::function<void(IniFile &)> &edit,
                       QString *error = nullptr);

private:
    struct Line
    {
        QByteArray bytes; // as in the file, line end included
        QString group;    // the group the line is in
        QString key;      // unescaped; empty when the line holds no value
        bool header = false;
    };

    QList<Line> m_lines;
    QByteArray m_lineEnd = "\n";
};

struct IniFile::LoadResult
{
    Status status = Status::Missing;
    IniFile file;
    QString error; // why it is unusable
};
