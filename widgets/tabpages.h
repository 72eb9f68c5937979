#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TabStrip;

// The owning window's side of a tab strip: hands the strip its surface's
// mouse, key and focus events, places one page per tab in the strip's
// client area and shows the page of the selected tab only. The pages are
// siblings of the surface, children of the same window.
class TabPages : public QObject
{
    Q_OBJECT
public:
    // The strip has its surface and its tabs already.
    TabPages(TabStrip &strip, const QList<QWidget *> &pages, QObject *parent = nullptr);

    // Into the client area, converted from twips to the window's pixels.
    void placePages();
    void showSelectedPage();

private:
    TabStrip &m_strip;
    QList<QPointer<QWidget>> m_pages;
};
