#pragma once

#include <QImage>
#include <QSize>

// A screen-sized Format_RGB32 image whose pixels are left as the system
// hands them out (every one is to be written, or never read). A large one
// lives in memory of its own, on huge pages where the system grants them:
// a 4K card is then a few dozen page faults instead of eight thousand.
// Null when the size is empty or the memory cannot be had.
QImage newScreenImage(const QSize &size);

// Asks the kernel for all the pages of image's pixels in one step, before
// they are written whole: on some machines a page fault each costs more
// than the writing. Where the kernel cannot, the pages come fault by
// fault, as they would have.
void provideAllPages(const QImage &image);
