#include "coveragemask.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>
#include <cstdlib>

namespace {

// Qt's multiplication of the four bytes of a pixel by a / 255, rounded as
// its raster engine rounds it.
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint32 t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

} // namespace

void CoverageMask::Free::operator()(uchar *bits) const
{
    std::free(bits);
}

bool CoverageMask::canHold(const CardInk::Shape &shape)
{
    if (!shape.outline)
        return true;
    // QPainter strokes a pen of a pixel or less as a hairline; a margin
    // keeps well away from where it decides.
    const qreal scale = std::sqrt(std::abs(shape.transform.determinant()));
    return shape.outline->style() == Qt::SolidLine && shape.outline->widthF() * scale >= 2;
}

CoverageMask CoverageMask::rasterize(const CardInk::Shape &shape, const QSize &screen)
{
    CoverageMask mask;
    if (screen.isEmpty())
        return mask;
    // Zeroed pages from the kernel, written only where the shape reaches.
    mask.m_bits.reset(static_cast<uchar *>(std::calloc(size_t(screen.width()) * size_t(screen.height()), 1)));
    if (!mask.m_bits)
        return mask;
    mask.m_size = screen;
    QImage coverage(mask.m_bits.get(), screen.width(), screen.height(), screen.width(), QImage::Format_Alpha8);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(shape.transform);
        // A wide pen on the card is the fill of its outline; painted on
        // this 8-bit image, QPainter would take another way.
        painter.fillPath(shape.outline ? QPainterPathStroker(*shape.outline).createStroke(shape.path) : shape.path,
                         Qt::white);
    }
    const qreal reach = shape.outline ? shape.outline->widthF() : 0;
    mask.m_bounds = shape.transform.mapRect(shape.path.controlPointRect().adjusted(-reach, -reach, reach, reach))
                        .toAlignedRect()
                        .adjusted(-2, -2, 2, 2)
                    & QRect(QPoint(0, 0), screen);
    return mask;
}

void CoverageMask::blendOnto(QImage &card, const QColor &colour) const
{
    if (isNull() || card.size() != m_size || card.format() != QImage::Format_RGB32)
        return;
    const quint32 solid = qPremultiply(colour.rgba());
    for (int y = m_bounds.top(); y <= m_bounds.bottom(); ++y) {
        const uchar *cover = m_bits.get() + size_t(y) * size_t(m_size.width());
        auto *pixel = reinterpret_cast<quint32 *>(card.scanLine(y));
        for (int x = m_bounds.left(); x <= m_bounds.right(); ++x) {
            const quint32 a = cover[x];
            if (a == 0)
                continue;
            const quint32 source = a == 255 ? solid : byteMul(solid, a);
            const quint32 sourceAlpha = source >> 24;
            pixel[x] = sourceAlpha == 255 ? source : source + byteMul(pixel[x], 255 - sourceAlpha);
        }
    }
}
