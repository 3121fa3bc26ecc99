// SPDX-License-Identifier: MIT
#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace Accessibility {
namespace {

const char *const roleProperty = "vhAccessibleRole";
const char *const quietProperty = "vhAccessibleQuiet";
const char *const decorativeProperty = "vhAccessibleDecorative";

QList<QWidget *> exposedControls(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QObject *child : window->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && isExposed(control))
            controls << control;
    }
    return controls;
}

// A window of the program: its controls in sight are its only children.
class WindowInterface : public QAccessibleWidget
{
public:
    WindowInterface(QWidget *window, QAccessible::Role role)
        : QAccessibleWidget(window, role)
    {}

    int childCount() const override { return static_cast<int>(exposedControls(widget()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> controls = exposedControls(widget());
        if (index < 0 || index >= controls.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(controls.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(
            exposedControls(widget()).indexOf(qobject_cast<QWidget *>(child->object())));
    }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    const auto value = static_cast<QAccessible::Role>(role.toInt());
    if (widget->isWindow())
        return new WindowInterface(widget, value);
    return new QAccessibleWidget(widget, value);
}

bool isAnnouncement(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::ValueChanged:
    case QAccessible::VisibleDataChanged:
        return true;
    default:
        return false;
    }
}

QAccessible::UpdateHandler previousHandler = nullptr;

void forwardUnlessQuiet(QAccessibleEvent *event)
{
    const QObject *object = event->object();
    if (object && object->property(quietProperty).toBool() && isAnnouncement(event->type()))
        return;
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt offers no other gate between a widget's events and the platform's
    // bridge: step aside for the one event, so it takes the usual way.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&forwardUnlessQuiet);
}

} // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&interfaceFor);
    previousHandler = QAccessible::installUpdateHandler(&forwardUnlessQuiet);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, static_cast<int>(role));
}

void setQuiet(QWidget *widget)
{
    widget->setProperty(quietProperty, true);
}

void setDecorative(QWidget *widget)
{
    widget->setProperty(decorativeProperty, true);
}

bool isExposed(const QWidget *control)
{
    const QWidget *window = control->parentWidget();
    return !control->property(decorativeProperty).toBool() && window &&
           window->rect().intersects(control->geometry());
}

void withdrawOutOfSight(QWidget *window)
{
    for (QObject *child : window->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && !window->rect().intersects(control->geometry()))
            control->setFocusPolicy(Qt::NoFocus);
    }
}

} // namespace Accessibility
