#include "twips.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

Twips::Twips(qreal dotsPerInch) : m_dpi(dotsPerInch > 0 ? dotsPerInch : 96)
{
}

Twips Twips::forWidget(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    return Twips(screen ? screen->logicalDotsPerInchY() : 96);
}

int Twips::toPixels(int twips) const
{
    return static_cast<int>(std::lround(twips * m_dpi / kPerInch));
}

int Twips::toTwips(int pixels) const
{
    return static_cast<int>(std::lround(pixels * kPerInch / m_dpi));
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
