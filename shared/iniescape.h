#pragma once

#include <QByteArray>
#include <QString>

// The escapes of QSettings' INI files, so that either reads the other's.
namespace IniEscape {

// Keys and group names: letters, digits, "_", "-" and "." as they are,
// "/" as "\", other characters as %XX or %UXXXX.
QByteArray escapedKey(const QString &key);
QString unescapedKey(const QByteArray &text);

// UTF-8 text to a string, keeping a byte-order mark at its start (which
// QString::fromUtf8 drops) as the character it is in a value.
QString fromUtf8(const QByteArray &bytes);

// Values: UTF-8, quoted when they hold ";", "," or "=" or start or end
// with a blank, backslash escapes for quotes, backslashes and control
// characters, a leading "@" doubled.
QByteArray escapedValue(const QString &value);
// The text after "=", UTF-8 decoded: quotes and escapes resolved, blanks
// around it and a ";" comment after it dropped, "@@" read as "@" and
// QSettings' "@String(...)" as its text. Any other "@..." is plain text.
QString unescapedValue(const QString &text);

} // namespace IniEscape
