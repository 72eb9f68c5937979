#include "formscrollbaraccessible.h"

#include "formscrollbar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace {

class ScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ScrollBarAccessible(FormScrollBar *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? QString::number(bar()->shownValue()) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->shownValue(); }
    void setCurrentValue(const QVariant &value) override { bar()->setShownValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->shownMaximum(); }
    QVariant minimumValue() const override { return bar()->shownMinimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    FormScrollBar *bar() const { return static_cast<FormScrollBar *>(widget()); }
};

QAccessibleInterface *scrollBarFactory(const QString &, QObject *object)
{
    auto *bar = qobject_cast<FormScrollBar *>(object);
    return bar ? new ScrollBarAccessible(bar) : nullptr;
}

} // namespace

namespace FormScrollBarAccessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(scrollBarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace FormScrollBarAccessible
