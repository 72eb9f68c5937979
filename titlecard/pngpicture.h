#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a PNG picture without Qt's image readers. Those look for format
// plugins through the application's library paths, which the application
// resets while it is being made: a card program that decodes its picture
// on a thread of its own while its application starts must not touch them.
namespace PngPicture {

// An opaque 8-bit RGB picture in the standard colour space, as
// QImage::Format_RGB32 with the pixels Qt's reader gives; a null image for
// anything else (the caller then decodes it with Qt, once the application
// exists).
QImage decode(const QByteArray &png);

// The same for a resource or a file (never waiting on a pipe); a null image
// when it cannot be read.
QImage read(const QString &path);

} // namespace PngPicture
