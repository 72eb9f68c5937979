#include "tabpages.h"

#include "drawingsurface.h"
#include "roundhalfeven.h"
#include "tabstrip.h"

TabPages::TabPages(TabStrip &strip, const QList<QWidget *> &pages, QObject *parent)
    : QObject(parent)
    , m_strip(strip)
{
    for (QWidget *page : pages)
        m_pages.append(page);
    if (DrawingSurface *surface = strip.picture()) {
        connect(surface, &DrawingSurface::mousePressed, &strip, &TabStrip::mouseDown);
        connect(surface, &DrawingSurface::keyPressed, &strip, &TabStrip::keyDown);
        connect(surface, &DrawingSurface::focusGained, &strip, &TabStrip::gotFocus);
        connect(surface, &DrawingSurface::clicked, &strip, &TabStrip::gotFocus);
        connect(surface, &DrawingSurface::focusLost, &strip, &TabStrip::lostFocus);
    }
    connect(&strip, &TabStrip::selectedIndexChanged, this, &TabPages::showSelectedPage);
    placePages();
    showSelectedPage();
}

void TabPages::placePages()
{
    const DrawingSurface *surface = m_strip.picture();
    if (!surface)
        return;
    const double tx = surface->twipsPerPixelX();
    const double ty = surface->twipsPerPixelY();
    const QRect area(int(roundHalfEven(m_strip.clientLeft() / tx)), int(roundHalfEven(m_strip.clientTop() / ty)),
                     int(roundHalfEven(m_strip.clientWidth() / tx)), int(roundHalfEven(m_strip.clientHeight() / ty)));
    for (QWidget *page : std::as_const(m_pages)) {
        if (page)
            page->setGeometry(area);
    }
}

void TabPages::showSelectedPage()
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i])
            m_pages[i]->setVisible(i == m_strip.selectedIndex());
    }
}
