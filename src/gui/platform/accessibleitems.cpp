#include "gui/platform/accessibleitems.h"

#include "gui/controls/imagecontrol.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QWindow>

namespace {

// What a control shows as an item at an index, and whether the keyboard is on it: the items of a
// picture, or the chosen item of a drop-down list while it is closed (its only item, index 0).
QString itemWords(QWidget* owner, int index)
{
    if (auto* picture = qobject_cast<ImageControl*>(owner))
        return picture->item(index);
    if (auto* list = qobject_cast<QComboBox*>(owner))
        return index == 0 ? list->currentText() : QString();
    return {};
}

bool isCurrentItem(QWidget* owner, int index)
{
    if (auto* picture = qobject_cast<ImageControl*>(owner))
        return picture->currentItem() == index;
    if (auto* list = qobject_cast<QComboBox*>(owner))
        return index == 0 && !list->view()->isVisible();
    return false;
}

// An item that a screen reader hears as the keyboard reaches it: a cell of the board, a line of
// the results page, the value of a drop-down list. It is a new object whenever its words change,
// so that a screen reader, which speaks an object as it takes the focus, speaks the new words.
class Item : public QAccessibleInterface {
public:
    Item(QWidget* owner, int index, QString words)
        : m_owner(owner)
        , m_index(index)
        , m_words(std::move(words))
    {
    }
    bool isValid() const override { return m_owner && itemWords(m_owner, m_index) == m_words; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? m_words : QString(); }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return m_owner ? QRect(m_owner->mapToGlobal(QPoint()), m_owner->size()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = isCurrentItem(m_owner, m_index);
        state.focusable = true;
        state.selectable = true;
        state.selected = current;
        // A picture hands the focus to its item; a drop-down keeps it, its item only announced.
        state.focused = current && m_owner->hasFocus() && qobject_cast<ImageControl*>(m_owner);
        return state;
    }
    int index() const { return m_index; }

private:
    QPointer<QWidget> m_owner;
    int m_index;
    QString m_words;
};

// The item interfaces of one control, each kept while its words stay.
class Items {
public:
    Items() = default;
    Items(const Items&) = delete;
    Items& operator=(const Items&) = delete;
    ~Items()
    {
        for (const Known& known : std::as_const(m_ids)) {
            if (known.id)
                QAccessible::deleteAccessibleInterface(known.id);
        }
    }
    QAccessibleInterface* at(QWidget* owner, int index)
    {
        const QString words = itemWords(owner, index);
        const auto* picture = qobject_cast<ImageControl*>(owner);
        const int repeats = picture && picture->currentItem() == index ? picture->repeats() : 0;
        if (m_ids.size() <= index)
            m_ids.resize(index + 1);
        Known& known = m_ids[index];
        if (known.id && known.words == words && known.repeats == repeats)
            return QAccessible::accessibleInterface(known.id);
        if (known.id)
            QAccessible::deleteAccessibleInterface(known.id);
        auto* item = new Item(owner, index, words);
        known = { words, repeats, QAccessible::registerAccessibleInterface(item) };
        return item;
    }

private:
    struct Known {
        QString words;
        int repeats = 0;
        QAccessible::Id id = 0;
    };
    QList<Known> m_ids;
};

// A picture read item by item is a list of them; any other is a graphic.
class Picture : public QAccessibleWidget {
public:
    explicit Picture(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Graphic)
    {
    }
    QAccessible::Role role() const override { return picture()->hasItems() ? QAccessible::List : QAccessible::Graphic; }
    int childCount() const override { return picture()->itemCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? m_items.at(widget(), index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->role() == QAccessible::ListItem && child->parent() == this)
            return static_cast<const Item*>(child)->index();
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return picture()->hasFocus() ? child(picture()->currentItem()) : nullptr;
    }
    // While an item has the focus, the picture does not.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (picture()->itemCount() > 0)
            state.focused = false;
        return state;
    }

private:
    ImageControl* picture() const { return static_cast<ImageControl*>(widget()); }
    mutable Items m_items;
};

// A drop-down list that is not typed into. Its text is the chosen item, which a screen reader
// reads as its value ("Tables of, combo box, 5"). Its children are the list that drops down and,
// while that is closed, the chosen item, which takes the focus as the value changes.
class DropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DropDown(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        return index == 1 ? m_chosen.at(widget(), 0) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        return child->role() == QAccessible::ListItem && child->parent() == this ? 1 : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int start, int end) const override { return list()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    mutable Items m_chosen;
};

} // namespace

QAccessibleInterface* newPictureInterface(QWidget* picture)
{
    return new Picture(picture);
}

QAccessibleInterface* newDropDownInterface(QWidget* list)
{
    return new DropDown(list);
}
