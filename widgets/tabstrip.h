#pragma once

#include "tabgeometry.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class DrawingSurface;

// A row of tabs with a 3-D look, drawn pixel by pixel on a DrawingSurface
// in the system's 3-D colours, with the body of the pages framed below
// them. The owning window hands the surface's mouse, key and focus events
// to mouseDown, keyDown, gotFocus and lostFocus (TabPages does that), reads
// selectedIndex() and places its pages in the client area.
//
// Every change redraws the whole strip; it is drawn only once it has a tab.
class TabStrip : public QObject
{
    Q_OBJECT
public:
    explicit TabStrip(QObject *parent = nullptr);

    // The surface all drawing and text measuring happen on; set it before
    // the first add() and before the surface is shown.
    void setPicture(DrawingSurface *surface);
    DrawingSurface *picture() const { return m_surface; }

    // Appends a tab sized to its caption in the surface's font, then
    // redraws. Returns false, adding nothing, without a surface or when the
    // tab would end beyond the largest position.
    bool add(const QString &caption);
    int count() const { return int(m_tabs.size()); }

    int selectedIndex() const { return m_selectedIndex; }
    // Selects, redraws and draws the focus mark; the current index and
    // indices outside the tabs are ignored.
    void setSelectedIndex(int index);

    // Only the primary button acts: a press on another tab selects it, a
    // press on no tab redraws; either way the focus mark follows.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    // Left and right arrows select the neighbouring tab.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void gotFocus();
    void lostFocus();

    // The page area below the tabs, in the owning window's units (twips).
    int clientLeft() const { return clientArea().left; }
    int clientTop() const { return clientArea().top; }
    int clientWidth() const { return clientArea().width; }
    int clientHeight() const { return clientArea().height; }

    QString caption(int index) const;
    // The tab's rectangle on the surface, as the mouse finds it.
    QRect tabRect(int index) const;

signals:
    void selectedIndexChanged(int index);

private:
    void select(int index);
    void redrawTabs();
    void drawTab(int index);
    void drawBodyFrame();
    void drawFocusMark(int index, bool show);
    void drawPath(std::initializer_list<QPoint> points);
    TabClientArea clientArea() const;

    QPointer<DrawingSurface> m_surface;
    QList<TabEntry> m_tabs;
    int m_selectedIndex = 0;
};
