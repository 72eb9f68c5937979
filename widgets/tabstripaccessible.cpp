#include "tabstripaccessible.h"

#include "drawingsurface.h"
#include "tabstrip.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

const char *const kStripProperty = "suiteTabStrip";

TabStrip *stripOf(const QObject *surface)
{
    return qobject_cast<TabStrip *>(surface->property(kStripProperty).value<QObject *>());
}

// One tab of the list; it has no object of its own.
class TabAccessible : public QAccessibleInterface
{
public:
    TabAccessible(DrawingSurface *surface, int index)
        : m_surface(surface)
        , m_index(index)
    {
    }

    bool isValid() const override { return strip() && m_index < strip()->count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_surface); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? strip()->caption(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = strip()->tabRect(m_index);
        return QRect(m_surface->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool selected = strip()->selectedIndex() == m_index;
        state.selectable = true;
        state.focusable = true;
        state.selected = selected;
        state.focused = selected && m_surface->hasFocus();
        state.invisible = !m_surface->isVisible();
        return state;
    }

private:
    TabStrip *strip() const { return m_surface ? stripOf(m_surface) : nullptr; }

    QPointer<DrawingSurface> m_surface;
    int m_index;
};

// The surface as the list of its tabs.
class TabListAccessible : public QAccessibleWidget
{
public:
    explicit TabListAccessible(DrawingSurface *surface)
        : QAccessibleWidget(surface, QAccessible::PageTabList)
    {
    }

    ~TabListAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip() ? strip()->count() : 0; }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!m_tabs.contains(index)) {
            auto *tab = new TabAccessible(static_cast<DrawingSurface *>(widget()), index);
            m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        }
        return QAccessible::accessibleInterface(m_tabs.value(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!strip())
            return nullptr;
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (strip()->tabRect(i).contains(local))
                return child(i);
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() && strip() ? child(strip()->selectedIndex()) : nullptr;
    }

private:
    TabStrip *strip() const { return stripOf(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface *tabListFactory(const QString &, QObject *object)
{
    auto *surface = qobject_cast<DrawingSurface *>(object);
    return surface && stripOf(surface) ? new TabListAccessible(surface) : nullptr;
}

} // namespace

namespace TabStripAccessible {

void attach(DrawingSurface *surface, TabStrip *strip)
{
    static const bool installed = [] {
        QAccessible::installFactory(tabListFactory);
        return true;
    }();
    Q_UNUSED(installed);
    surface->setProperty(kStripProperty, QVariant::fromValue<QObject *>(strip));
    QObject::connect(strip, &QObject::destroyed, surface, [surface] { detach(surface); });
}

void detach(DrawingSurface *surface)
{
    surface->setProperty(kStripProperty, QVariant());
}

void notifySelection(DrawingSurface *surface, int index)
{
    if (!surface || !QAccessible::isActive())
        return;
    QAccessibleEvent selection(surface, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (surface->hasFocus()) {
        QAccessibleEvent focus(surface, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace TabStripAccessible
