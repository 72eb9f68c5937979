#pragma once

class DrawingSurface;
class TabStrip;

// Shows a tab strip's surface to accessibility tools as a page tab list
// whose children are the tabs (name: the caption; selected: the chosen one).
namespace TabStripAccessible {

// Makes surface answer for strip; call before the surface is first shown.
void attach(DrawingSurface *surface, TabStrip *strip);
void detach(DrawingSurface *surface);

// Tells accessibility tools that the tab at index is now selected.
void notifySelection(DrawingSurface *surface, int index);

} // namespace TabStripAccessible
