#include "screenimage.h"

#include <sys/mman.h>

#include <limits>
#include <unistd.h>

namespace {

// Below this the ordinary allocator is as fast.
constexpr qsizetype kOwnMappingBytes = 4 * 1024 * 1024;
constexpr qsizetype kHugePage = 2 * 1024 * 1024;

struct Mapping
{
    void *address;
    size_t length;
};

void unmap(void *info)
{
    const auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->address, mapping->length);
    delete mapping;
}

} // namespace

QImage newScreenImage(const QSize &size)
{
    if (size.isEmpty())
        return {};
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    if (size.height() > std::numeric_limits<qsizetype>::max() / 2 / rowBytes)
        return {};
    const qsizetype bytes = rowBytes * size.height();
    if (bytes < kOwnMappingBytes)
        return QImage(size, QImage::Format_RGB32);

    const size_t length = size_t((bytes + kHugePage - 1) / kHugePage * kHugePage);
    void *address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED)
        return {};
    madvise(address, length, MADV_HUGEPAGE); // a hint: plain pages work too
    auto *mapping = new Mapping{address, length};
    QImage image(static_cast<uchar *>(address), size.width(), size.height(), rowBytes, QImage::Format_RGB32,
                 unmap, mapping);
    if (image.isNull())
        unmap(mapping);
    return image;
}

void provideAllPages(const QImage &image)
{
#ifdef MADV_POPULATE_WRITE
    if (image.isNull())
        return;
    const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(image.constBits()) + page - 1) & ~(page - 1);
    const quintptr end = (quintptr(image.constBits()) + quintptr(image.sizeInBytes())) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(image);
#endif
}
