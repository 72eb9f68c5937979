#include "drawingsurface.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kInchesPerMeter = 1 / 0.0254;

} // namespace

DrawingSurface::DrawingSurface(QWidget *parent)
    : QWidget(parent)
{
    // Cleared to the button face, the colour the 3-D frames are drawn on.
    setBackgroundRole(QPalette::Button);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

// Text measured on the widget and drawn into the image must agree, so the
// image takes the screen's resolution.
void DrawingSurface::matchImageResolution(QImage &image) const
{
    image.setDotsPerMeterX(qRound(logicalDpiX() * kInchesPerMeter));
    image.setDotsPerMeterY(qRound(logicalDpiY() * kInchesPerMeter));
}

// The backing image only grows, so a drawing survives the surface being
// made smaller and larger again; new room is background. It is grown on
// demand too: a surface not shown yet gets no resize events.
void DrawingSurface::growImage()
{
    const QSize needed = m_image.size().expandedTo(size());
    if (needed == m_image.size())
        return;
    QImage grown(needed, QImage::Format_RGB32);
    grown.fill(backgroundColor());
    matchImageResolution(grown);
    QPainter(&grown).drawImage(0, 0, m_image);
    m_image = grown;
}

QImage &DrawingSurface::target()
{
    if (m_persistent) {
        growImage();
        return m_image;
    }
    if (m_overlay.size() != size()) {
        m_overlay = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        m_overlay.fill(Qt::transparent);
        matchImageResolution(m_overlay);
    }
    return m_overlay;
}

void DrawingSurface::plot(QImage &image, int x, int y, QRgb color)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, color);
}

QImage DrawingSurface::image() const
{
    QImage result(size(), QImage::Format_RGB32);
    result.fill(backgroundColor());
    QPainter(&result).drawImage(0, 0, m_image);
    return result;
}

void DrawingSurface::clear()
{
    target().fill(backgroundColor());
    update();
}

// Bresenham's line; the end point is left out, so paths of lines joined
// end to start draw every pixel once.
void DrawingSurface::lineTo(QPoint point)
{
    QImage &image = target();
    const QRgb color = m_pen.rgba();
    const int dx = std::abs(point.x() - m_current.x());
    const int dy = -std::abs(point.y() - m_current.y());
    const int stepX = m_current.x() < point.x() ? 1 : -1;
    const int stepY = m_current.y() < point.y() ? 1 : -1;
    int error = dx + dy;
    int x = m_current.x();
    int y = m_current.y();
    while (x != point.x() || y != point.y()) {
        plot(image, x, y, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
    m_current = point;
    update();
}

void DrawingSurface::setPixel(QPoint point, const QColor &color)
{
    plot(target(), point.x(), point.y(), color.rgba());
    update();
}

void DrawingSurface::drawRectOutline(QPoint first, QPoint last, const QColor &color)
{
    QImage &image = target();
    const QRgb rgb = color.rgba();
    const int left = qMin(first.x(), last.x());
    const int right = qMax(first.x(), last.x());
    const int top = qMin(first.y(), last.y());
    const int bottom = qMax(first.y(), last.y());
    for (int x = left; x <= right; ++x) {
        plot(image, x, top, rgb);
        plot(image, x, bottom, rgb);
    }
    for (int y = top; y <= bottom; ++y) {
        plot(image, left, y, rgb);
        plot(image, right, y, rgb);
    }
    update();
}

void DrawingSurface::drawText(QPointF topLeft, const QString &text)
{
    QPainter painter(&target());
    painter.setFont(font());
    painter.setPen(m_pen);
    const QFontMetricsF metrics(font(), this);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    update();
}

qreal DrawingSurface::textWidth(const QString &text) const
{
    return QFontMetricsF(font(), this).horizontalAdvance(text);
}

qreal DrawingSurface::textHeight(const QString &text) const
{
    // One line of the font, whatever the characters.
    Q_UNUSED(text);
    return QFontMetricsF(font(), this).height();
}

void DrawingSurface::refresh()
{
    m_overlay = QImage();
    update();
}

QColor DrawingSurface::systemColor(SystemColor role) const
{
    switch (role) {
    case SystemColor::Highlight: return palette().color(QPalette::Light);
    case SystemColor::DarkShadow: return palette().color(QPalette::Shadow);
    case SystemColor::Shadow: return palette().color(QPalette::Dark);
    case SystemColor::ButtonText: return palette().color(QPalette::ButtonText);
    case SystemColor::ButtonFace: return palette().color(QPalette::Button);
    }
    return {};
}

double DrawingSurface::twipsPerPixelX() const
{
    return kTwipsPerInch / logicalDpiX();
}

double DrawingSurface::twipsPerPixelY() const
{
    return kTwipsPerInch / logicalDpiY();
}

void DrawingSurface::paintEvent(QPaintEvent *)
{
    growImage();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    if (!m_overlay.isNull())
        painter.drawImage(0, 0, m_overlay);
}

void DrawingSurface::resizeEvent(QResizeEvent *)
{
    m_overlay = QImage();
    growImage();
}

void DrawingSurface::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        emit paletteChanged();
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void DrawingSurface::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key(), event->modifiers());
    // The arrows belong to what is drawn here; other keys go on to the window.
    if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)
        QWidget::keyPressEvent(event);
}

void DrawingSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit focusGained();
}

void DrawingSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    emit focusLost();
}
