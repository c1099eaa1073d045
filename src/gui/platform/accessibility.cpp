#include "gui/platform/accessibility.h"

#include "gui/platform/accessibleitems.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QRadioButton>
#include <QTabBar>
#include <QWindow>

HelperButton::HelperButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

namespace {

QString withoutMnemonic(QString text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0; at = text.indexOf(QLatin1Char('&'), at + 1))
        text.remove(at, 1); // "&&" leaves one '&', which the next search steps over
    return text;
}

class QuietButton : public QAccessibleWidget {
public:
    explicit QuietButton(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.invisible = true;
        return state;
    }
};

// A group box, named by its title; its children exist for a screen reader only while it is
// shown. One that holds radio buttons names their group, which a screen reader says with the
// first button it reaches: the box itself is not said on the way in as well.
class Panel : public QAccessibleWidget {
public:
    explicit Panel(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Grouping)
    {
    }
    QAccessible::Role role() const override
    {
        return widget()->findChild<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly) ? QAccessible::Client
                                                                                         : QAccessible::Grouping;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutMnemonic(static_cast<QGroupBox*>(widget())->title());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return widget()->isVisible() ? QAccessibleWidget::childCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return widget()->isVisible() ? QAccessibleWidget::child(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return widget()->isVisible() ? QAccessibleWidget::indexOfChild(child) : -1;
    }
};

class TabList;

class Tab : public QAccessibleInterface {
public:
    Tab(QTabBar* bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_bar); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return withoutMnemonic(m_bar->tabText(m_index));
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state = parent()->state();
        state.selectable = true;
        state.selected = m_index == m_bar->currentIndex();
        state.focused = state.selected && m_bar->hasFocus();
        return state;
    }
    int index() const { return m_index; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabList : public QAccessibleWidget {
public:
    explicit TabList(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::PageTabList)
    {
    }
    ~TabList() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const QAccessible::Id id = m_tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new Tab(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->role() == QAccessible::PageTab && child->parent() == this)
            return static_cast<const Tab*>(child)->index();
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && bar()->currentIndex() >= 0)
            return withoutMnemonic(bar()->tabText(bar()->currentIndex()));
        return QAccessibleWidget::text(t);
    }
    // The focus is on the current tab, not on the bar around it.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

// A notebook hands the focus to its tab bar: it does not report the focus itself.
class Notebook : public QAccessibleWidget {
public:
    explicit Notebook(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Client)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ImageControl"))
        return newPictureInterface(widget);
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox*>(widget)->isEditable())
        return newDropDownInterface(widget);
    // The pages of a notebook are its tabs' content, not a layer a listener needs to hear of.
    if (className == QLatin1String("QStackedWidget"))
        return new QAccessibleWidget(widget, QAccessible::Client);
    if (className == QLatin1String("HelperButton"))
        return new QuietButton(widget);
    if (className == QLatin1String("QGroupBox") && !static_cast<QGroupBox*>(widget)->isCheckable())
        return new Panel(widget);
    if (className == QLatin1String("QTabBar"))
        return new TabList(widget);
    if (className == QLatin1String("QTabWidget"))
        return new Notebook(widget);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

void tabToEveryRadioButton(QWidget* window)
{
    // A radio button of a group takes Tab away from the others when it gets the focus; it is
    // given back at once.
    QObject::connect(qApp, &QApplication::focusChanged, window, [window](QWidget*, QWidget* now) {
        if (!qobject_cast<QRadioButton*>(now) || !window->isAncestorOf(now))
            return;
        for (QRadioButton* radio : now->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            radio->setFocusPolicy(Qt::FocusPolicy(radio->focusPolicy() | Qt::TabFocus));
    });
}

void sayDropDownValues(QWidget* window)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
            if (index < 0 || !list->hasFocus() || list->view()->isVisible())
                return;
            // The chosen item takes the focus, as an item of the list does while it is open.
            QAccessibleEvent event(list, QAccessible::Focus);
            event.setChild(1);
            QAccessible::updateAccessibility(&event);
        });
    }
}

void renewAccessibleObject(QWidget* control)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}
