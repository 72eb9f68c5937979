#include "tabstrip.h"

#include "drawingsurface.h"
#include "roundhalfeven.h"
#include "tabstripaccessible.h"

#include <QAccessible>

namespace {

using Color = DrawingSurface::SystemColor;

// Caption offsets from the tab's left edge and the surface's top: the
// selected tab stands two pixels higher than the others.
constexpr int kCaptionX = 8;
constexpr int kSelectedCaptionY = 3;
constexpr int kCaptionY = 5;

} // namespace

TabStrip::TabStrip(QObject *parent)
    : QObject(parent)
{
}

void TabStrip::setPicture(DrawingSurface *surface)
{
    if (m_surface) {
        disconnect(m_surface, nullptr, this, nullptr);
        TabStripAccessible::detach(m_surface);
    }
    m_surface = surface;
    if (!surface)
        return;
    TabStripAccessible::attach(surface, this);
    // Drawn in the palette's colours, so a new colour scheme redraws it.
    connect(surface, &DrawingSurface::paletteChanged, this, [this] { redrawTabs(); });
}

bool TabStrip::add(const QString &caption)
{
    if (!m_surface)
        return false;
    const std::optional<TabEntry> tab =
        TabGeometry::nextTab(m_tabs, caption, m_surface->textWidth(caption), m_surface->textHeight(caption));
    if (!tab)
        return false;
    m_tabs.append(*tab);
    redrawTabs();
    return true;
}

// Negative indices are refused as well: there is no tab to draw raised.
void TabStrip::setSelectedIndex(int index)
{
    if (index == m_selectedIndex || index < 0 || index >= count())
        return;
    select(index);
}

void TabStrip::select(int index)
{
    m_selectedIndex = index;
    redrawTabs();
    drawFocusMark(m_selectedIndex, true);
    emit selectedIndexChanged(index);
    TabStripAccessible::notifySelection(m_surface, index);
}

void TabStrip::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF position)
{
    if (button != Qt::LeftButton)
        return;
    const int hit = TabGeometry::hitTab(m_tabs, position);
    if (hit == m_selectedIndex)
        return;
    if (hit >= 0) {
        select(hit);
    } else {
        redrawTabs();
        drawFocusMark(m_selectedIndex, true);
    }
}

void TabStrip::keyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Left && m_selectedIndex > 0)
        select(m_selectedIndex - 1);
    else if (key == Qt::Key_Right && m_selectedIndex < count() - 1)
        select(m_selectedIndex + 1);
}

void TabStrip::gotFocus()
{
    drawFocusMark(m_selectedIndex, true);
}

void TabStrip::lostFocus()
{
    drawFocusMark(m_selectedIndex, false);
}

QString TabStrip::caption(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].caption : QString();
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const TabEntry &tab = m_tabs[index];
    return QRect(tab.left, tab.top, tab.width + 1, tab.height + 1);
}

TabClientArea TabStrip::clientArea() const
{
    if (!m_surface)
        return {};
    TabGeometry::SurfaceMetrics metrics;
    metrics.left = m_surface->ownerLeft();
    metrics.top = m_surface->ownerTop();
    metrics.height = m_surface->ownerHeight();
    metrics.innerWidth = m_surface->innerWidth();
    metrics.textHeight = m_surface->textHeight(QStringLiteral("|"));
    metrics.unitsPerPixelX = m_surface->twipsPerPixelX();
    metrics.unitsPerPixelY = m_surface->twipsPerPixelY();
    return TabGeometry::clientArea(metrics);
}

void TabStrip::drawPath(std::initializer_list<QPoint> points)
{
    auto point = points.begin();
    m_surface->moveTo(*point);
    for (++point; point != points.end(); ++point)
        m_surface->lineTo(*point);
}

void TabStrip::redrawTabs()
{
    // The body frame runs along the selected and the last tab.
    if (!m_surface || m_tabs.isEmpty())
        return;
    m_surface->setPersistentDrawing(true);
    m_surface->clear();
    for (int i = 0; i < count(); ++i)
        drawTab(i);
    drawBodyFrame();
    m_surface->setPersistentDrawing(false);
}

// The selected tab is two pixels higher and wider on each side than the
// others and opens into the body; it covers the left edge of its right
// neighbour and the right edge of its left one. Every other tab draws its
// stretch of the body's top edge and has cut corners of two pixels.
void TabStrip::drawTab(int index)
{
    const TabEntry &tab = m_tabs[index];
    const int L = tab.left, T = tab.top, W = tab.width, H = tab.height;
    DrawingSurface &surface = *m_surface;
    int captionY = kCaptionY;
    surface.setPenColor(surface.systemColor(Color::Highlight));
    if (index == m_selectedIndex) {
        drawPath({{L - 2, T + H + 1}, {L - 2, T}, {L, T - 2}, {L + W + 1, T - 2}});
        surface.setPenColor(surface.systemColor(Color::DarkShadow));
        drawPath({{L + W + 2, T + H + 1}, {L + W + 2, 2}, {L + W, T - 2}});
        surface.setPenColor(surface.systemColor(Color::Shadow));
        drawPath({{L + W + 1, T + H + 1}, {L + W + 1, T - 1}});
        captionY = kSelectedCaptionY;
    } else if (index == m_selectedIndex + 1) {
        drawPath({{L + 2, T + H + 1}, {L + W + 2, T + H + 1}});
        drawPath({{L + 2, T}, {L + W - 1, T}});
        surface.setPenColor(surface.systemColor(Color::DarkShadow));
        drawPath({{L + W, T + H}, {L + W, 4}, {L + W - 2, T}});
        surface.setPenColor(surface.systemColor(Color::Shadow));
        drawPath({{L + W - 1, T + H}, {L + W - 1, T + 1}});
    } else {
        const bool leftNeighbour = index + 1 == m_selectedIndex;
        drawPath({{L - 2, T + H + 1}, {L + (leftNeighbour ? W : W + 2), T + H + 1}});
        drawPath({{L, T + H}, {L, T + 2}, {L + 2, T}, {L + W - 1, T}});
        if (!leftNeighbour) {
            surface.setPenColor(surface.systemColor(Color::DarkShadow));
            drawPath({{L + W, T + H}, {L + W, 4}, {L + W - 2, T}});
            surface.setPenColor(surface.systemColor(Color::Shadow));
            drawPath({{L + W - 1, T + H}, {L + W - 1, T + 1}});
        }
    }
    surface.setPenColor(surface.systemColor(Color::ButtonText));
    surface.drawText(QPointF(L + kCaptionX, captionY), tab.caption);
}

void TabStrip::drawBodyFrame()
{
    DrawingSurface &surface = *m_surface;
    const TabEntry &selected = m_tabs[m_selectedIndex];
    const TabEntry &last = m_tabs.last();
    const int bodyTop = selected.top + selected.height + 1;
    const int SW = surface.innerWidth();
    const int SH = surface.innerHeight();
    surface.setPenColor(surface.systemColor(Color::Highlight));
    drawPath({{last.left + last.width, last.top + last.height + 1}, {SW, last.top + last.height + 1}});
    drawPath({{0, bodyTop}, {0, SH}});
    surface.setPenColor(surface.systemColor(Color::DarkShadow));
    drawPath({{0, SH - 1}, {SW, SH - 1}});
    drawPath({{SW - 1, bodyTop}, {SW - 1, SH - 1}});
    surface.setPenColor(surface.systemColor(Color::Shadow));
    drawPath({{1, SH - 2}, {SW - 1, SH - 2}});
    drawPath({{SW - 2, SH - 2}, {SW - 2, bodyTop}});
}

// A dotted frame inside the tab, every second pixel, in the text colour of
// the moment; hiding covers it with a face-coloured outline.
void TabStrip::drawFocusMark(int index, bool show)
{
    if (!m_surface || index < 0 || index >= count())
        return;
    DrawingSurface &surface = *m_surface;
    const TabEntry &tab = m_tabs[index];
    const int L = tab.left, T = tab.top, W = tab.width, H = tab.height;
    surface.setPersistentDrawing(true);
    if (show) {
        const QColor color = surface.systemColor(Color::ButtonText);
        for (int x = L + 2; x <= L + W - 2; x += 2) {
            surface.setPixel({x, T}, color);
            surface.setPixel({x, T + H - 2}, color);
        }
        for (int y = T; y <= T + H - 2; y += 2) {
            surface.setPixel({L + 1, y}, color);
            surface.setPixel({L + W - 1, y}, color);
        }
    } else {
        surface.drawRectOutline({L + 1, T}, {L + W - 1, T + H - 2}, surface.systemColor(Color::ButtonFace));
    }
    surface.setPersistentDrawing(false);
    surface.refresh();
}
