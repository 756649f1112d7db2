#include "app/AccessibleName.h"

#include "app/Hint.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

QString hintOf(const QAbstractButton *button)
{
    const auto *tool = qobject_cast<const QToolButton *>(button);
    const QString hint = tool && tool->defaultAction() ? tool->defaultAction()->toolTip() : button->toolTip();
    return Hint::shortPart(hint);
}

QString captionOf(const QAbstractButton *button)
{
    return QString(button->text()).remove(u'&').simplified();
}

// What a screen reader reads now: the name set, else what Qt makes of the control.
QString spokenName(QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

namespace AccessibleName {

void fromHint(QAbstractButton *button)
{
    if (captionOf(button).isEmpty())
        button->setAccessibleName(hintOf(button));
}

void withPlace(QWidget *control, const QString &place)
{
    control->setAccessibleName(spokenName(control) + QStringLiteral(": ") + place);
}

void captionWithHint(QAbstractButton *button)
{
    button->setAccessibleName(captionOf(button) + QStringLiteral(": ") + hintOf(button));
}

void unseenLabel(QWidget *control, const QString &text)
{
    // A sibling, where Qt looks for the labels of a control.
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    label->hide();
    // Elsewhere a drop-down's own name is read.
    control->setAccessibleName(text);
    // The text field of an editable drop-down, which has the keyboard focus, is read alike.
    if (auto *box = qobject_cast<QComboBox *>(control); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(text);
}

void ofExtensionButton(QToolBar *bar)
{
    // Qt makes it with the bar, named so, and gives it neither text nor hint.
    if (auto *extension = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        extension->setAccessibleName(QStringLiteral("Flere knapper"));
}

} // namespace AccessibleName
