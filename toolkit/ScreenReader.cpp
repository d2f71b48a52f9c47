#include "toolkit/ScreenReader.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

namespace
{

// Marks the widgets that the factory below gives an account of their own.
constexpr char KindProperty[] = "qzScreenReaderKind";
enum Kind { DropDown = 1, Decorating };

class DropDownAccessible : public QAccessibleWidget
{
public:
    explicit DropDownAccessible(QComboBox* comboBox)
        : QAccessibleWidget(comboBox, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? ComboBox()->currentText() : QAccessibleWidget::text(t);
    }

    // The open list's entries, as the screen reader walks them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(ComboBox()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == ComboBox()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction())
            ComboBox()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox* ComboBox() const { return static_cast<QComboBox*>(widget()); }
};

class DecorationAccessible : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    switch (object->property(KindProperty).toInt()) {
    case DropDown:
        return new DropDownAccessible(static_cast<QComboBox*>(object));
    case Decorating:
        return new DecorationAccessible(static_cast<QWidget*>(object));
    default:
        return nullptr;
    }
}

// Before the widget is first asked for: its account is made once and kept.
void Mark(QWidget* widget, Kind kind)
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    widget->setProperty(KindProperty, kind);
}

} // namespace

namespace ScreenReader
{

void NameByLabel(QComboBox* comboBox)
{
    Mark(comboBox, DropDown);
}

void Decoration(QWidget* widget)
{
    Mark(widget, Decorating);
}

} // namespace ScreenReader
