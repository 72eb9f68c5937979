#pragma once

#include "titlefont.h"

#include <QByteArray>
#include <QString>

// tambwin.ini: the fields of TitleFont one per line in code page 932 with
// CR LF line ends. Lines 1-5 hold the 32-bit fields as unsigned decimals
// (a negative value appears as 2^32 + value), lines 6-13 the byte fields,
// line 14 the face name with no line end after it.
namespace TitleFontFile {

inline const QString kFileName = QStringLiteral("tambwin.ini");

// Where the file is read and written. tambwin and tambinit open it by its
// bare name, in the current directory (an empty buildLayoutFolder); the
// property window names its program folder. Installed, it is the user's
// suite folder for all of them (see SettingsLocation).
QString path(const QString &buildLayoutFolder = QString());

// Overwrites the fields of font that the text supplies; the rest keep
// their values. Never fails: garbage in a number line reads as 0.
void parse(const QByteArray &contents, TitleFont &font);

// Reads the file over font. A missing or unreadable file changes nothing.
void read(const QString &path, TitleFont &font);

// Only line 14, the face name (empty when the file has no such line).
QByteArray readFaceLine(const QString &path);

QByteArray serialize(const TitleFont &font);

// Replaces the file in one step; false (and the old file intact) on
// failure, with error saying why.
bool write(const QString &path, const TitleFont &font, QString *error = nullptr);

} // namespace TitleFontFile
