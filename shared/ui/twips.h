#pragma once

#include <QRect>

class QWidget;

// Form layouts are given in twips, 1440 to the inch; on screen a twip is
// 1440 / dpi of a pixel, with the screen's logical dots per inch.
class Twips
{
public:
    static constexpr int kPerInch = 1440;

    explicit Twips(qreal dotsPerInch);
    // The dots per inch of the screen the widget is on (96 without one).
    static Twips forWidget(const QWidget *widget);

    qreal dotsPerInch() const { return m_dpi; }
    qreal twipsPerPixel() const { return kPerInch / m_dpi; }

    int toPixels(int twips) const;
    int toTwips(int pixels) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    qreal m_dpi;
};
