#include "AccessibleRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace {

constexpr char statusBarProperty[] = "tavrelloStatusBar";

class StatusBarLabel : public QAccessibleWidget {
public:
    explicit StatusBarLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QLabel") && widget->property(statusBarProperty).toBool())
        return new StatusBarLabel(static_cast<QLabel*>(widget));
    // Reached only when no more specific class (dialog, main window, menu) matched.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

namespace accessible_roles {

void announceWindows()
{
    install();
}

void announceAsStatusBar(QLabel* label)
{
    install();
    label->setProperty(statusBarProperty, true);
    label->setTextFormat(Qt::PlainText);
}

}  // namespace accessible_roles
