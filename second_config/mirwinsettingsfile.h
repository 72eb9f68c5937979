#pragma once

#include "mirwinsettings.h"

#include <QByteArray>
#include <QFlags>
#include <QString>

// mirwin.ini: four lines in code page 932, each ended by CR LF - the face
// name; the size as its label shows it (empty when never set); the vertical
// and the horizontal offset, each as a space or "-", the digits and a space.
// mirinit and velmoinit both read and write it; mirwin reads it.
namespace MirwinSettingsFile {

inline const QString kFileName = QStringLiteral("mirwin.ini");

// Where every reader and writer finds the file: the program folder in the
// build layout, the user's suite folder when installed (SettingsLocation).
QString path();

// The settings in the first four lines of text. Missing lines and values
// that do not convert read as the defaults; numbers beyond a range are
// clamped to it. A face name that is valid UTF-8 is read as UTF-8 (a file
// edited by hand), any other as code page 932.
MirwinSettings parse(const QByteArray &text);

// The four lines. A face name that code page 932 cannot hold is written in
// UTF-8, so that it reads back unchanged instead of as question marks.
QByteArray serialize(const MirwinSettings &settings);

enum class Status
{
    Missing,    // nothing by that name: the defaults
    Loaded,
    Unreadable, // something is there but cannot be read as a file: the defaults
};

struct ReadResult
{
    Status status = Status::Missing;
    MirwinSettings settings;
    QString reason; // why it is unreadable, for the person
};

// Reads the head of the file, never more than a few kilobytes and never
// waiting: a named pipe, a device or a directory counts as unreadable.
ReadResult read(const QString &path);

// Replaces the file in one step; false, with the old file intact, when it
// cannot be written whole.
bool write(const QString &path, const MirwinSettings &settings);

// The four values, one flag for each line of the file.
enum class Field
{
    Face = 0x1,
    Size = 0x2,
    Vertical = 0x4,
    Horizontal = 0x8,
};
Q_DECLARE_FLAGS(Fields, Field)

// The values in which a and b differ.
Fields differences(const MirwinSettings &a, const MirwinSettings &b);

// text with the lines of fields replaced by the forms of values; every
// other byte (the other lines, their ends, lines after the fourth) stays.
// Lines missing before a replaced one are added empty.
QByteArray withValues(const QByteArray &text, const MirwinSettings &values, Fields fields);

// A save of the values a window changed, against the file as it is on
// disk now, under a lock on its folder: no file yet - all four values
// written; a file - only the lines of fields rewritten, and nothing written
// when they already hold the values; anything that cannot be read (a
// folder, a pipe, no rights) is never written over, and is an error only
// when fields asks for a change. False with error (Japanese, for the
// person) when the file was not saved.
bool update(const QString &path, const MirwinSettings &values, Fields fields, QString *error);

} // namespace MirwinSettingsFile

Q_DECLARE_OPERATORS_FOR_FLAGS(MirwinSettingsFile::Fields)
