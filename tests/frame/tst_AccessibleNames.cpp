// What a screen reader reads: every control a user can reach in every window of the program has a name,
// on one line, that tells it apart from the other controls of its window.
#include "app/AppContext.h"
#include "app/Tinfform.h"
#include "app/Tspform.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/Tprintform.h"
#include "documents/Ttypeform.h"
#include "frame/MenuBook.h"
#include "frame/Tgenvejsform.h"
#include "frame/Tmainform.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "lists/Topenform.h"
#include "options/Tboksform.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// Kinds of widget a user operates; labels, frames and panels only hold them, and a scroll bar or a header
// belongs to the view it serves, which is named.
bool isControl(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget) || qobject_cast<const QHeaderView *>(widget))
        return false;
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
        || qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QTabBar *>(widget)
        || qobject_cast<const QAbstractSlider *>(widget);
}

// Shown whenever its window is: nothing on the way up is hidden, except a page of a stacked widget (the
// user turns to it) and what a tool bar folds behind its extension button.
bool isReachable(const QWidget *widget, const QWidget *window)
{
    if (widget->window() != window)
        return false;
    for (const QWidget *part = widget; part != window; part = part->parentWidget()) {
        const QWidget *holder = part->parentWidget();
        const bool turnedAway
            = qobject_cast<const QStackedWidget *>(holder) || qobject_cast<const QToolBar *>(holder);
        if (part->isHidden() && !turnedAway)
            return false;
    }
    return true;
}

// What a screen reader reads as the control's name: its own name, else the label that names it. A
// drop-down is named by its label only: on Linux its own name is its chosen entry.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {};
    const QString own = qobject_cast<QComboBox *>(widget) ? QString() : face->text(QAccessible::Name);
    const auto labels = face->relations(QAccessible::Label);
    return own.isEmpty() && !labels.isEmpty() ? labels.first().first->text(QAccessible::Name) : own;
}

QString placeOf(const QWidget *widget)
{
    QString path;
    for (const QWidget *part = widget; part; part = part->parentWidget()) {
        const QString name = part->objectName().isEmpty()
            ? QString::fromLatin1(part->metaObject()->className())
            : part->objectName();
        path = path.isEmpty() ? name : name + QStringLiteral(" › ") + path;
        if (part->isWindow())
            break;
    }
    return path;
}

// Where the user meets controls together: a document window inside the frame, a page of a stacked widget
// (one page shows at a time), else the window.
const QWidget *placeOfMeeting(const QWidget *widget)
{
    for (const QWidget *part = widget; part && !part->isWindow(); part = part->parentWidget()) {
        if (qobject_cast<const QMdiSubWindow *>(part)
            || qobject_cast<const QStackedWidget *>(part->parentWidget()))
            return part;
    }
    return widget->window();
}

// The text field of an editable drop-down is part of it and carries its name.
bool isPartOfDropDown(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) && qobject_cast<const QComboBox *>(widget->parentWidget());
}

// Two controls may share a name when they do the same: buttons of one command.
const QAction *commandOf(const QWidget *widget)
{
    const auto *button = qobject_cast<const QToolButton *>(widget);
    return button ? button->defaultAction() : nullptr;
}

struct NamedControl {
    QWidget *widget;
    QString name;
};

// What is wrong with the names of the window's controls, one line each.
QStringList faultsOf(QWidget *window)
{
    QStringList faults;
    QList<NamedControl> named;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!isControl(widget) || !isReachable(widget, window))
            continue;
        const QString name = accessibleName(widget);
        const QString place = placeOf(widget) + QStringLiteral(" (")
            + QString::fromLatin1(widget->metaObject()->className()) + u')';
        if (name.trimmed().isEmpty()) {
            faults << QStringLiteral("no name: ") + place;
            continue;
        }
        if (name.contains(u'\n') || name.contains(u'\r'))
            faults << QStringLiteral("line break in \"%1\": %2").arg(name, place);
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i) && tabs->tabText(i).trimmed().isEmpty())
                    faults << QStringLiteral("tab %1 without a name: %2").arg(i).arg(place);
            }
        }
        if (isPartOfDropDown(widget))
            continue;
        for (const NamedControl &other : std::as_const(named)) {
            if (other.name.compare(name, Qt::CaseInsensitive) != 0
                || placeOfMeeting(other.widget) != placeOfMeeting(widget))
                continue;
            const QAction *command = commandOf(widget);
            if (!command || command != commandOf(other.widget))
                faults << QStringLiteral("\"%1\" twice: %2 and %3").arg(name, placeOf(other.widget), place);
        }
        named.append({ widget, name });
    }
    // The items of its menus, which a screen reader reads out as the user walks them.
    for (const QWidget *menu : window->findChildren<QWidget *>()) {
        if (!qobject_cast<const QMenu *>(menu) && !qobject_cast<const QMenuBar *>(menu))
            continue;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible() && action->text().trimmed().isEmpty())
                faults << QStringLiteral("menu item without a name in %1: %2")
                              .arg(placeOf(menu), action->toolTip());
        }
    }
    return faults;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyReachableControlHasAName();
    void statusLineIsAStatusBar();
    void editorIsNamedAfterItsDocument_data();
    void editorIsNamedAfterItsDocument();
};

void AccessibleNamesTest::everyReachableControlHasAName()
{
    TestApp app;
    const QString letter = app.writeFile(QStringLiteral("brev.txt"), "Kære Ole\n");
    const QString richLetter = app.writeFile(QStringLiteral("brev.rtf"), "{\\rtf1\\ansi K\\'e6re Ole\\par}");
    app.start({ letter, richLetter });
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 2);
    // The options live on their page of the menu book from its first opening.
    app.frame().setMenuPanel(MenuBook::Egenskaber);

    const AppContext &c = app.context;
    c.infform->insertTekst(QStringLiteral("Dokumentet er gemt."));
    c.spform->insertTekst(QStringLiteral("Skal det gemmes?"));
    const QList<QWidget *> windows
        = { &app.frame(), c.infform, c.spform, c.mappefilform, c.favoritform, c.printform, c.filform,
              c.openform, c.findformen, c.boksform, c.filmappeform, c.typeform, c.genvejsform };
    QStringList faults;
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        faults << faultsOf(window);
        if (window != &app.frame())
            window->hide();
    }
    // One line each: a failure message would cut a long list short.
    for (const QString &fault : std::as_const(faults))
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(),
        qPrintable(QString::number(faults.size()) + QStringLiteral(" faults, listed above")));
}

// The status line is one a screen reader finds as such.
void AccessibleNamesTest::statusLineIsAStatusBar()
{
    TestApp app;
    app.start();
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(app.frame().bundPanel);
    QVERIFY(status);
    QCOMPARE(status->role(), QAccessible::StatusBar);
    app.frame().UdskrivInfo(QStringLiteral("Klar"));
    QAccessibleInterface *text = QAccessible::queryAccessibleInterface(app.frame().Info);
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Klar"));
}

void AccessibleNamesTest::editorIsNamedAfterItsDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("plain text") << QStringLiteral("brev.txt") << QByteArray("Kære Ole\n");
    QTest::newRow("rich text") << QStringLiteral("brev.rtf")
                               << QByteArray("{\\rtf1\\ansi K\\'e6re Ole\\par}");
}

void AccessibleNamesTest::editorIsNamedAfterItsDocument()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    TestApp app;
    app.start({ app.writeFile(name, content) });
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QWidget *document = app.frame().documents()->activeDocument();
    QWidget *editor = document->findChild<QPlainTextEdit *>();
    if (!editor)
        editor = document->findChild<QTextEdit *>();
    QVERIFY(editor);
    QCOMPARE(accessibleName(editor), QStringLiteral("Dokument: ") + name);
}

QTEST_MAIN(AccessibleNamesTest)
#include "tst_AccessibleNames.moc"
