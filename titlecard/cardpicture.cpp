#include "cardpicture.h"

#include "screenimage.h"

#include <QPainter>

namespace CardPicture {

QImage cover(const QImage &picture, const QSize &screen)
{
    QImage image = newScreenImage(screen);
    if (image.isNull())
        return image;
    provideAllPages(image); // written whole by the fill
    image.fill(Qt::black);
    if (picture.isNull())
        return image;
    const QSizeF scaled = QSizeF(picture.size()).scaled(QSizeF(screen), Qt::KeepAspectRatioByExpanding);
    const QRectF target(QPointF((screen.width() - scaled.width()) / 2, (screen.height() - scaled.height()) / 2),
                        scaled);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture);
    return image;
}

} // namespace CardPicture
