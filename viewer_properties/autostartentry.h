#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Starting the viewer at login: an XDG autostart entry for velmo in the
// user's autostart folder (~/.config/autostart, $XDG_CONFIG_HOME when set).
// The entry has the desktop id of the viewer's menu entry, so a desktop
// lists the two as one program.
namespace AutostartEntry {

// The entry's file name: the viewer's desktop id.
QString fileName();

// The entry in the user's autostart folder.
QString path();

// Exec's quoting for one argument: as it is when it holds no reserved
// character, else in double quotes with ", `, $ and \ escaped; % doubled
// as every Exec needs. The result is still to be escaped as a string
// value (escapeValue) before it goes into the file.
QString quoteExecArgument(const QString &argument);

// A string value as a desktop entry file holds it: backslash, line end,
// tab and carriage return escaped.
QString escapeValue(const QString &value);

// What the entry runs: the bare name when the suite is installed and that
// name finds this very program on the PATH (foundOnPath, the lookup's
// result), so the entry stays valid when the suite moves or is removed;
// else the viewer's absolute path in programFolder, as from a build folder.
QString program(const QString &programFolder, const QString &foundOnPath);
QString program(const QString &programFolder);

// The whole entry that starts viewer (a bare name or an absolute path);
// TryExec names it too, so that a desktop skips the entry once the
// program is gone.
QByteArray text(const QString &viewer);

// The arguments of an Exec value as stored in the file (string escapes
// and Exec quoting undone, %% as %). Empty for a value that breaks the
// quoting rules (an unclosed quote, a stray quote inside a word).
QStringList execArguments(const QString &storedValue);

// True when the content of an entry starts the viewer at login: its
// [Desktop Entry] group is not hidden (Hidden=true) nor switched off
// (X-GNOME-Autostart-enabled=false), and its Exec runs a program named
// velmo.
bool countsAsOn(const QByteArray &content);

// countsAsOn for the file at path: false for a file that is missing,
// unreadable, no regular file (a folder, a pipe) or too big for an entry.
bool isOn(const QString &path);

// Writes the entry for viewer (replacing the file in one step) or
// removes it; a file that is already gone counts as removed. False with
// error set when the folder or the file cannot be written or removed.
bool apply(const QString &path, bool on, const QString &viewer, QString *error);

} // namespace AutostartEntry
