#pragma once

#include <QByteArray>
#include <QImage>

// The card's background: a packed 16-colour DIB of a fixed layout. The
// colour table is always read at byte 40 and the pixels at byte 104
// (bottom-up rows of 320 bytes, two pixels per byte, high nibble first),
// whatever the header says; the picture is always 640 x 480.
namespace BackgroundPicture {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kPaletteOffset = 40;
constexpr int kPixelOffset = 104;
constexpr int kRowBytes = kWidth / 2;
constexpr int kFileBytes = kPixelOffset + kRowBytes * kHeight; // 153704

// A 640 x 480 indexed image, or a null image when the data is too short to
// hold the picture (the card then shows a black background).
QImage decode(const QByteArray &dib);

// The picture carried in the program.
QByteArray resourceBytes();

} // namespace BackgroundPicture
