// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <vector>

namespace {

const char* const kRole = "tavrinAccessibleRole";
const char* const kListed = "tavrinListedWindow";
const char* const kNamedByPurpose = "tavrinNamedByPurpose";

// A plain widget with the role it was given, read each time it is asked.
class RoleAccessible final : public QAccessibleWidget
{
public:
    explicit RoleAccessible(QWidget* widget)
        : QAccessibleWidget(widget)
    {
    }
    QAccessible::Role role() const override
    {
        return static_cast<QAccessible::Role>(widget()->property(kRole).toInt());
    }
};

// Every top-level window, as Qt lists them, and the popups Tavrin asked to be listed while they are shown.
class ApplicationAccessible final : public QAccessibleObject
{
public:
    ApplicationAccessible()
        : QAccessibleObject(qApp)
    {
    }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    int childCount() const override { return static_cast<int>(windows().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList list = windows();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(windows().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QWindow* focused = QGuiApplication::focusWindow();
        return focused ? focused->accessibleRoot() : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return QGuiApplication::applicationDisplayName();
        case QAccessible::Description:
            return QGuiApplication::applicationVersion();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }

private:
    static QObjectList windows()
    {
        QObjectList list;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            QAccessibleInterface* root = window->accessibleRoot();
            QObject* object = root ? root->object() : nullptr;
            const bool listed = object && object->property(kListed).toBool() && window->isVisible();
            if (object && window->type() != Qt::Desktop && (window->type() != Qt::Popup || listed)) {
                list.append(object);
            }
        }
        return list;
    }
};

// Qt names a drop-down on Linux by its value; this one says what it sets and keeps the choice as its value.
class NamedComboAccessible final : public QAccessibleWidget
{
public:
    explicit NamedComboAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// One bar or point of a view with items.
class ItemAccessible final : public QAccessibleInterface
{
public:
    ItemAccessible(QWidget* view, const AccessibleItems* items, int index)
        : m_view(view)
        , m_items(items)
        , m_index(index)
    {
    }
    bool isValid() const override { return m_view && m_index < m_items->accessibleItemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_items->accessibleItemText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect local = m_items->accessibleItemRect(m_index);
        return {m_view->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focused = isValid() && m_items->accessibleCurrentItem() == m_index && m_view->hasFocus();
        state.invisible = !isValid() || !m_view->isVisible();
        return state;
    }

private:
    QPointer<QWidget> m_view;
    const AccessibleItems* m_items;
    int m_index;
};

// A custom-painted view as a chart whose children are its items. The children are made when first asked
// for and live as long as this interface.
class ItemsAccessible final : public QAccessibleWidget
{
public:
    ItemsAccessible(QWidget* view, const AccessibleItems* items)
        : QAccessibleWidget(view, QAccessible::Chart)
        , m_items(items)
    {
    }
    ~ItemsAccessible() override
    {
        for (const QAccessible::Id id : m_children) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    int childCount() const override { return m_items->accessibleItemCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(m_children.size()) <= index) {
            auto* item = new ItemAccessible(widget(), m_items, static_cast<int>(m_children.size()));
            m_children.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(m_children[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < m_children.size(); ++i) {
            if (QAccessible::accessibleInterface(m_children[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() ? child(m_items->accessibleCurrentItem()) : nullptr;
    }

private:
    const AccessibleItems* m_items;
    mutable std::vector<QAccessible::Id> m_children;
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (object == qApp) {
        return new ApplicationAccessible;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (const auto* items = dynamic_cast<const AccessibleItems*>(widget)) {
        return new ItemsAccessible(widget, items);
    }
    if (auto* box = qobject_cast<QComboBox*>(widget); box && box->property(kNamedByPurpose).toBool()) {
        return new NamedComboAccessible(box);
    }
    if (widget->property(kRole).isValid()) {
        return new RoleAccessible(widget);
    }
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

void setRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRole, static_cast<int>(role));
}

void listAmongWindows(QWidget* popup)
{
    popup->setProperty(kListed, true);
}

void nameByPurpose(QComboBox* box)
{
    box->setProperty(kNamedByPurpose, true);
}

void itemFocused(QWidget* view, int index)
{
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace Accessibility
