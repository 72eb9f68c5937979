#pragma once

#include "mirwinsettings.h"

#include <QByteArray>
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
};

// Reads the head of the file, never more than a few kilobytes and never
// waiting: a named pipe, a device or a directory counts as unreadable.
ReadResult read(const QString &path);

// Replaces the file in one step; false, with the old file intact, when it
// cannot be written whole.
bool write(const QString &path, const MirwinSettings &settings);

} // namespace MirwinSettingsFile
